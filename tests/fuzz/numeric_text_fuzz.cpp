// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric text rules, both separators: whatever is accepted reads finite,
// whatever is written is accepted and reads back as the number written.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "logic/numeric_text.hpp"
#include "tests/fuzz/fuzz_check.hpp"

namespace nt = lnb::numeric_text;

namespace {

void checkWritten(double value, std::string_view separator) {
    const std::string text = nt::write(value, separator);
    const auto back = nt::read(text, separator);
    FUZZ_REQUIRE(back.has_value());
    FUZZ_REQUIRE(nt::write(*back, separator) == text);
    if (std::fabs(value) >= 1e-300)
        FUZZ_REQUIRE(std::fabs(*back - value) <= std::fabs(value) * 1e-14);
}

}  // namespace

// Input: one byte choosing the separator, then the text; the first eight bytes
// of the text are also taken as a double to write.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view separator = data[0] % 2 ? "," : ".";
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto value = nt::read(text, separator);
    if (value) {
        FUZZ_REQUIRE(std::isfinite(*value));
        checkWritten(*value, separator);
    }
    if (text.size() >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, text.data(), sizeof raw);
        if (std::isfinite(raw))
            checkWritten(raw, separator);
    }
    return 0;
}
