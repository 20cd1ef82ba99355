// TextToNumber on arbitrary bytes: invalid UTF-8, NULs, megabytes of digits or blanks.
// It reads exactly what strtod reads from the same hand-cut prefix, and it throws nothing
// but NumberOutOfRange, and that only when strtod also finds the number beyond the range.
#include "fuzzcheck.h"
#include "numberreference.h"
#include "numberrules.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace torrentix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    double expected = 0;
    const bool inRange = reference::Read(text, expected);

    double value = 0;
    bool outOfRange = false;
    try {
        value = TextToNumber(text);
    } catch (const NumberOutOfRange&) {
        outOfRange = true;
    }
    // Any other exception leaves this function and ends the run as a crash.

    fuzz::Check(outOfRange == !inRange, outOfRange ? "refused a number strtod reads"
                                                   : "read a number strtod finds out of range");
    if (inRange)
        fuzz::Check(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(expected),
                    "read " + fuzz::Exact(value) + ", strtod " + fuzz::Exact(expected));
    return 0;
}
