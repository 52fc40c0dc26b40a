#pragma once
// The texts written by the kill lists' "全" (fill) buttons. Each names every
// value its list can test, so a filled list kills all 100 candidates.

#include <functional>
#include <string>

namespace twostar {

// "0123456789", for the sum-tail and span lists.
std::string digitFillText();
// "0 1 2 ... 18 ", each number followed by one blank. Calls `yield` once per number.
std::string sumFillText(const std::function<void()>& yield = {});
// The 55 pairs "00 01 ... 09 11 ... 99 " with first digit <= second, each
// followed by one blank. Calls `yield` once per first digit and once per pair tried.
std::string twoDigitFillText(const std::function<void()>& yield = {});

}  // namespace twostar
