#pragma once
// Small helpers shared by the engine tests.

#include <initializer_list>
#include <string>
#include <vector>

#include "twostar/candidate.h"
#include "twostar/filter.h"
#include "twostar/plain_inputs.h"

namespace twostar::test {

inline FilterResult run(const Conditions& conditions) {
  EngineData engine;
  buildCandidatePool(engine);
  PlainInputs inputs(conditions);
  return runFilter(engine, inputs);
}

// The result box text of the given candidate values, ascending.
inline std::string numbers(std::vector<int> values) {
  std::string text;
  for (int v = 0; v < kCandidateCount; ++v) {
    for (int w : values) {
      if (w == v) {
        if (!text.empty()) text += ' ';
        text += candidateText(v);
        break;
      }
    }
  }
  return text;
}

// The candidates 0..99 that satisfy `pred`, as a result box text.
template <typename Pred>
std::string numbersWhere(Pred pred) {
  std::vector<int> values;
  for (int v = 0; v < kCandidateCount; ++v) {
    if (pred(v / 10, v % 10)) values.push_back(v);
  }
  return numbers(values);
}

inline std::string countOf(const std::string& numbersText) {
  int n = numbersText.empty() ? 0 : 1;
  for (char c : numbersText) n += c == ' ';
  return "共" + std::to_string(n) + "注";
}

inline constexpr const char* kNothingTookPart = "0条件参与缩水";

inline std::array<bool, 10> digits(std::initializer_list<int> ticked) {
  std::array<bool, 10> boxes{};
  for (int d : ticked) boxes[static_cast<std::size_t>(d)] = true;
  return boxes;
}

}  // namespace twostar::test
