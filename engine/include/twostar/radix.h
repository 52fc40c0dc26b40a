#pragma once

#include <string>
#include <string_view>

namespace twostar {

// Digit alphabet of convertRadix: the character at index d is the digit of value d.
inline constexpr std::string_view kRadixDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Rewrites a number written in base `fromBase` in base `toBase` (both 2..36).
// Full-width characters are first made half-width and letters upper case.
// Gives the empty text for a base out of range, a character that is not a digit
// of `fromBase`, or a value above INT64_MAX. The empty text converts to "0"
// when the bases differ; equal bases give the normalised text back.
std::string convertRadix(std::string_view text, int fromBase, int toBase);

}  // namespace twostar
