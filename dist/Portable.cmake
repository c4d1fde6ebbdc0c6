# The portable archive: the program folder alone, named as the archive, so
# that it unpacks into one folder from which the game runs.
#   cmake -DBUILD=... -DAPPDIR=lib/vindro-grizzet -DNAME=vindro-grizzet-1.0-linux-x86_64 -P Portable.cmake
set(stage ${BUILD}/portable)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${stage}/prefix --component program --strip
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the program folder could not be installed")
endif()
file(RENAME ${stage}/prefix/${APPDIR} ${stage}/${NAME})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${BUILD}/${NAME}.tar.gz ${NAME}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${stage})
if(failed)
  message(FATAL_ERROR "the archive could not be written")
endif()
message(STATUS "${BUILD}/${NAME}.tar.gz")
