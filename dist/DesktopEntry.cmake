# Writes and installs the desktop entry, whose Exec names the installed
# launcher by its full path: the menu finds the game even where the prefix's
# bin/ is not on the PATH. Run by cmake --install, after GRIZZET_ID,
# GRIZZET_DESKTOP_IN and GRIZZET_DESKTOP_OUT are set.
set(exec "${CMAKE_INSTALL_PREFIX}/bin/vindro-grizzet")
# Quoted as the desktop entry format asks: \ " ` $ escaped inside the quotes,
# then every \ doubled once more as in any of its strings, and % doubled.
foreach(special "\\" "\"" "`" "$")
  string(REPLACE "${special}" "\\${special}" exec "${exec}")
endforeach()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(GRIZZET_EXEC "\"${exec}\"")
configure_file(${GRIZZET_DESKTOP_IN} ${GRIZZET_DESKTOP_OUT} @ONLY)
file(INSTALL ${GRIZZET_DESKTOP_OUT} DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
