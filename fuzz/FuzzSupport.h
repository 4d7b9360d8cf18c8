#pragma once
// What the fuzz targets share: the entry point libFuzzer calls, a stop that every sanitizer
// reports as a crash, a silent prompter, the program's province list, and the known-bad inputs
// every target is also run on.

#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceTable.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace zelkor::fuzz {

// Ends the run with the reason, as a crash the fuzzer keeps the input of.
[[noreturn]] void Fail(const char* what);

inline void Check(bool condition, const char* what)
{
    if (!condition) {
        Fail(what);
    }
}

// Answers No to every question and shows nothing.
class SilentPrompter : public Prompter {
public:
    Answer Show(const MessageBox& box) override
    {
        return box.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    std::optional<QString> ChooseFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<int> ChooseColour(int) override { return std::nullopt; }
};

// The shipped province list, read once.
const ProvinceTable& ShippedProvinces();

// Files of two bytes, without a final line end, with NUL bytes, with the bytes 0x80 to 0x9F, a
// line of 1 MB, line ends made of CR alone: alone and after a valid log header.
std::vector<std::pair<std::string, QByteArray>> KnownBadInputs();

}  // namespace zelkor::fuzz
