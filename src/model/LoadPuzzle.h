// Reading a Netpbm picture ("P1", "P4", "P3", "P6") into the puzzle state.
#pragma once

#include "model/ByteSource.h"
#include "model/PuzzleState.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace grizzet {

// A fault that ends the load in the open-error message: a number above 32767,
// a file that ends early, a cell outside the grid, a file that cannot be read.
struct RunTimeFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class LoadCase { InvalidFile, TooWide, TooHigh, Colours, OpenError };

struct LoadMessage {
    LoadCase kind;
    bool critical;      // false: the information icon
    std::string title;
    std::string text;
};

// What a load asks of the world around the model: the file system and the
// main window. The window's steps default to nothing, so a load can run
// without any window (the checker, the tests).
class LoadSteps {
public:
    virtual ~LoadSteps() = default;

    // Does the path name an existing ordinary file? Folders, devices, FIFOs
    // and sockets are not found. May throw RunTimeFailure.
    virtual bool FindFile(const std::string& path) = 0;
    // Opens the file for reading; throws RunTimeFailure when it cannot.
    virtual std::unique_ptr<ByteSource> OpenFile(const std::string& path) = 0;

    // Once the file is found: busy pointer, board and solution window hidden,
    // Reset and Solution disabled.
    virtual void BeginLoad() {}
    virtual void ShowMessage(const LoadMessage&) {}
    // Three swatches for a black-and-white picture, nine for a colour one.
    virtual void SetChooserSwatches(int) {}
    // The main window's whole caption: PuzzleName followed by " - Vindro Grizzet".
    virtual void SetCaption(const std::string&) {}
    virtual void AddRecent(const std::string&) {}
    virtual void LayoutBoard() {}
    // Normal pointer, then KiezerSet; taken after every load, found or not,
    // before the open-error message.
    virtual void EndLoad() {}
};

// The whole load: checks, messages, decoding, then the caption, AddRecent,
// DeriveClues and LayoutBoard. Returns true when the load succeeded.
bool LoadPuzzle(PuzzleState& state, const std::string& path, LoadSteps& steps);

// The picture's name: the file name without its folder and its last dot.
std::string PuzzleNameOf(const std::string& path);

}  // namespace grizzet
