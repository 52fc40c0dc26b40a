#pragma once
// Values the condition rows derive from a candidate.

#include <string>
#include <string_view>

#include "twostar/types.h"

namespace twostar {

// The candidate text of index i: "00".."99".
Candidate candidateText(int index);

// (tens + units) mod 10, as one digit character.
char sumTailOf(std::string_view candidate);
// |tens - units|, as one digit character.
char spanOf(std::string_view candidate);
// (tens * units) mod 10, as one digit character.
char productTailOf(std::string_view candidate);
// tens + units in decimal without leading zeros: "00" -> "0", "99" -> "18".
std::string digitSum(std::string_view candidate);

// The two-symbol pattern of a candidate: the tens digit's symbol, then the
// units digit's. "37" -> "小大" (BigSmall), "奇奇" (OddEven), "质质" (PrimeComposite).
std::string patternOf(std::string_view candidate, PatternKind kind);

// The four patterns of a kind in tag order, box 1 first: i-1 in base 2 with
// two digits, 0 written as the first symbol of the kind's name, 1 as the second.
const std::array<std::string, 4>& patternsOf(PatternKind kind);

}  // namespace twostar
