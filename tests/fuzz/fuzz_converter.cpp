// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the converter's text conversion against a plain reading of the rule, and
// checks that every accepted text round-trips.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "WholeNumber.h"

namespace {

// Digit by digit, with nothing from the standard library's number parsing.
std::optional<std::int32_t> ReferenceParse(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    __int128 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > __int128{1} << 32) value = __int128{1} << 32;  // already out of range; keep it bounded
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto parsed = ParseWholeNumber(text);
    if (parsed != ReferenceParse(text)) std::abort();

    if (parsed) {
        char digits[16];
        const auto written = std::to_chars(digits, digits + sizeof digits, *parsed);
        if (ParseWholeNumber(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits))) !=
            parsed)
            std::abort();
    }
    return 0;
}
