// Dan rows: the dan group (a candidate's two digits) and the dan sum/span/
// product group (its digits, sum tail, span and product tail). Digit sets are
// bit masks; the counts equal countCharsIn over distinctChars or the plain text.

#include <array>
#include <bit>
#include <cstdlib>

#include "twostar/filter.h"
#include "twostar/text.h"

namespace twostar {

namespace {

// The five values of a candidate, in order: tens, units, sum tail, span, product tail.
using ValueProfile = std::array<int, 5>;

constexpr ValueProfile profileOf(int i) {
  const int t = i / 10;
  const int u = i % 10;
  return {t, u, (t + u) % 10, t > u ? t - u : u - t, t * u % 10};
}

template <std::size_t N>
constexpr int danCount(const std::array<int, 5>& values, DigitMask dan, bool countRepeatsOnce) {
  int count = 0;
  DigitMask seen = 0;
  for (std::size_t k = 0; k < N; ++k) {
    const auto bit = static_cast<DigitMask>(1u << values[k]);
    if (countRepeatsOnce && (seen & bit)) continue;
    seen |= bit;
    if (dan & bit) ++count;
  }
  return count;
}

// Both dan groups share one row shape; they differ in the number of count
// boxes and in how many of the candidate's values are looked at.
template <std::size_t ValueCount>
void applyDanRow(EngineData& data, ConditionInputs& inputs, RowRef row, int countBoxes) {
  const bool keep = inputs.keepTicked(row);
  const bool once = inputs.countRepeatsOnce(row.group);
  const DigitMask dan = digitMaskOf(inputs.text(row));
  if (dan == 0) return;
  unsigned allowed = 0;
  for (int c = 0; c < countBoxes; ++c) {
    if (inputs.countBox(row, c)) allowed |= 1u << c;
  }
  if (allowed == 0) return;

  ++data.conditionCount;
  for (int i = 0; i < kCandidateCount; ++i) {
    inputs.yield();
    const int count = danCount<ValueCount>(profileOf(i), dan, once);
    const bool found = (allowed >> count) & 1u;
    if (found == keep) ++data.levelHits[static_cast<std::size_t>(i)];
  }
}

}  // namespace

void applyDanGroupRow(EngineData& data, ConditionInputs& inputs, int row) {
  applyDanRow<2>(data, inputs, {ConditionGroup::DanGroup, row}, 3);
}

void applyDanSumSpanProductRow(EngineData& data, ConditionInputs& inputs, int row) {
  applyDanRow<5>(data, inputs, {ConditionGroup::DanSumSpanProduct, row}, 5);
}

}  // namespace twostar
