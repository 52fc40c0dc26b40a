#pragma once
// Text helpers over typed digit lists. Texts are UTF-8 byte strings; only the
// ASCII digits '0'..'9' carry meaning, every other byte only separates digits
// (no UTF-8 multibyte sequence contains an ASCII digit byte).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace twostar {

// Bits 0..9: the digits that occur in a text.
using DigitMask = std::uint16_t;

constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Calls `visit` with every maximal run of ASCII digits, left to right: the
// matches of "[0-9]{1,}". forEachDigitRun scans the bytes; forEachDigitRunMatch
// runs the regular expression (Boost.Regex). Both give the same runs.
void forEachDigitRun(std::string_view text, const std::function<void(std::string_view)>& visit);
void forEachDigitRunMatch(std::string_view text, const std::function<void(std::string_view)>& visit);

// Every digit run of `text` joined in order with nothing between: in effect the
// ASCII digits of the text. "1, 2 3" -> "123".
std::string joinDigitRuns(std::string_view text);

// Every digit run followed by "/". "3 5,18" -> "3/5/18/"; no digits -> "".
std::string slashList(std::string_view text);

// The first occurrence of each character, in order. "55005" -> "50".
std::string distinctChars(std::string_view text);

// Number of positions of `text` whose character occurs in `set`.
int countCharsIn(std::string_view text, std::string_view set);

// True when the decimal text of `count` occurs in `allowedCounts`.
bool countIsAllowed(int count, std::string_view allowedCounts);

// The digits of a digit text sorted ascending. "105" -> "015".
std::string sortedDigits(std::string_view digits);

// The digits that occur in `text`: the same set as joinDigitRuns(text).
DigitMask digitMaskOf(std::string_view text);

}  // namespace twostar
