// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeNumber.h"

#include <charconv>
#include <system_error>

namespace {

constexpr std::string_view blanks = " \t";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    std::string_view number = Trimmed(text);
    // from_chars takes a minus but not a plus; a plus must still be followed by a digit.
    if (number.starts_with('+')) {
        number.remove_prefix(1);
        if (number.starts_with('-')) return std::nullopt;
    }
    std::int32_t value = 0;
    const char* const end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}
