// A load of bytes held in memory, exactly as long as they are (the sanitizer
// sees a read past them), counting the messages it shows and noting the
// chooser's swatches.
#pragma once

#include "model/LoadPuzzle.h"

namespace grizzet {

struct MemorySteps : LoadSteps {
    MemorySteps(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}
    const std::uint8_t* data;
    std::size_t size;
    int swatches = 0, messages = 0, critical = 0;
    bool FindFile(const std::string&) override { return true; }
    std::unique_ptr<ByteSource> OpenFile(const std::string&) override { return std::make_unique<MemorySource>(data, size); }
    void ShowMessage(const LoadMessage& message) override { ++messages, critical += message.critical; }
    void SetChooserSwatches(int count) override { swatches = count; }
};

}  // namespace grizzet
