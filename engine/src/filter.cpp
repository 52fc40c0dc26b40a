#include "twostar/filter.h"

#include "twostar/candidate.h"

namespace twostar {

namespace {

constexpr std::string_view kRunningCaption = "共  注";
constexpr std::string_view kNothingTookPart = "0条件参与缩水";

void resetLevel(EngineData& data) {
  data.levelHits.fill(0);
  data.conditionCount = 0;
}

// Adds the level to the run and passes every candidate whose hits lie in
// [lowHits, highHits].
void passLevel(EngineData& data, ConditionInputs& inputs, int lowHits, int highHits) {
  ++data.levelCount;
  for (int i = 0; i < kCandidateCount; ++i) {
    inputs.yield();
    const int hits = data.levelHits[static_cast<std::size_t>(i)];
    if (hits >= lowHits && hits <= highHits) ++data.passCounts[static_cast<std::size_t>(i)];
  }
}

void applyRowsOfLevel(EngineData& data, ConditionInputs& inputs, ConditionGroup group, bool tolerantLevel) {
  resetLevel(data);
  for (int r = 0; r < rowCountOf(group); ++r) {
    const RowRef row{group, r};
    if (inputs.tolerant(row) == tolerantLevel) applyRow(data, inputs, row);
  }
}

}  // namespace

void buildCandidatePool(EngineData& data, const std::function<void()>& yield) {
  data.pool.clear();
  data.pool.reserve(kCandidateCount);
  for (int n = 0; n < kCandidateCount; ++n) {
    if (yield) yield();
    data.pool.push_back(candidateText(n));
  }
}

void evaluateStrictLevel(EngineData& data, ConditionInputs& inputs, ConditionGroup group) {
  applyRowsOfLevel(data, inputs, group, false);
  if (data.conditionCount == 0) return;
  passLevel(data, inputs, data.conditionCount, data.conditionCount);
}

void evaluateTolerantLevel(EngineData& data, ConditionInputs& inputs, ConditionGroup group) {
  applyRowsOfLevel(data, inputs, group, true);
  if (data.conditionCount == 0) return;
  const int maxMisses = inputs.maxMisses(group);
  const int minMisses = inputs.minMisses(group);
  const int lowHits = data.conditionCount - maxMisses;
  const int highHits = data.conditionCount - minMisses;
  if (highHits < lowHits) return;
  passLevel(data, inputs, lowHits, highHits);
}

FilterResult writeResult(EngineData& data, ConditionInputs& inputs) {
  FilterResult result;
  if (data.levelCount == 0) {
    result.countCaption = kNothingTookPart;
    inputs.setCountCaption(result.countCaption);
    return result;
  }
  int count = 0;
  result.numbersText.reserve(3 * kCandidateCount);
  for (int i = 0; i < kCandidateCount; ++i) {
    inputs.yield();
    if (data.passCounts[static_cast<std::size_t>(i)] != data.levelCount) continue;
    if (count++ > 0) result.numbersText += ' ';
    result.numbersText += data.pool[static_cast<std::size_t>(i)];
  }
  result.countCaption = "共" + std::to_string(count) + "注";
  inputs.setResultText(result.numbersText);
  inputs.setCountCaption(result.countCaption);
  return result;
}

FilterResult runFilter(EngineData& data, ConditionInputs& inputs) {
  if (data.pool.size() != kCandidateCount) buildCandidatePool(data);
  inputs.setResultText("");
  inputs.setCountCaption(kRunningCaption);
  data.passCounts.fill(0);
  data.levelCount = 0;
  for (ConditionGroup group : kAllGroups) {
    evaluateStrictLevel(data, inputs, group);
    evaluateTolerantLevel(data, inputs, group);
  }
  return writeResult(data, inputs);
}

void applyRow(EngineData& data, ConditionInputs& inputs, RowRef row) {
  switch (row.group) {
    case ConditionGroup::DanGroup: applyDanGroupRow(data, inputs, row.index); return;
    case ConditionGroup::DanSumSpanProduct: applyDanSumSpanProductRow(data, inputs, row.index); return;
    case ConditionGroup::PositionDigits:
      applyPositionDigitRow(data, inputs, row.index == 0 ? DigitPosition::Tens : DigitPosition::Units);
      return;
    case ConditionGroup::Shape:
      if (row.index < kFirstKillListRow) {
        applyPatternRow(data, inputs, patternKindOf(row.index));
      } else {
        applyKillListRow(data, inputs, killListKindOf(row.index));
      }
      return;
  }
}

}  // namespace twostar
