#pragma once
// The filter run: the candidate pool, the per-candidate tallies, the eight
// levels and the row operations.
//
// Row contract: a row operation either takes no part and changes nothing, or
// adds 1 to `conditionCount` and 1 to the `levelHits` entry of every candidate
// that meets the row (never more than 1 per entry). Each row reads its
// controls through ConditionInputs when it is applied.

#include <cstdint>
#include <functional>

#include "twostar/inputs.h"
#include "twostar/types.h"

namespace twostar {

// The engine's data, alive from start-up to exit. Nothing in it is read
// between runs: each run and each level resets what it uses.
struct EngineData {
  CandidatePool pool;
  LevelHits levelHits{};
  PassCounts passCounts{};
  std::int32_t levelCount = 0;
  std::int32_t conditionCount = 0;
};

// Fills the pool with "00".."99"; calls `yield` once per candidate.
void buildCandidatePool(EngineData& data, const std::function<void()>& yield = {});

// One complete run: clears the shown result, evaluates the eight levels
// (each group strict, then tolerant, groups in order) and writes the result.
// Builds the pool first if it is not complete.
FilterResult runFilter(EngineData& data, ConditionInputs& inputs);

void evaluateStrictLevel(EngineData& data, ConditionInputs& inputs, ConditionGroup group);
void evaluateTolerantLevel(EngineData& data, ConditionInputs& inputs, ConditionGroup group);

// Turns passCounts and levelCount into the result and shows it.
FilterResult writeResult(EngineData& data, ConditionInputs& inputs);

// Applies one row under the row contract, dispatching on its group and place.
void applyRow(EngineData& data, ConditionInputs& inputs, RowRef row);

// Reads, in order: "留", "重复算1个", the edit box, then (only when it holds a
// digit) the count boxes from "0" up.
void applyDanGroupRow(EngineData& data, ConditionInputs& inputs, int row);
void applyDanSumSpanProductRow(EngineData& data, ConditionInputs& inputs, int row);
// Reads "留", then each of the ten digit boxes: ticked, and the caption of
// those that go into the row's digit set.
void applyPositionDigitRow(EngineData& data, ConditionInputs& inputs, DigitPosition position);
// Reads "留", then each of the four pattern boxes like the position rows.
void applyPatternRow(EngineData& data, ConditionInputs& inputs, PatternKind kind);
// Reads the edit box.
void applyKillListRow(EngineData& data, ConditionInputs& inputs, KillListKind kind);

}  // namespace twostar
