#pragma once
// Checks the row contract over every row of a panel: a row adds 0 or 1 to
// conditionCount, adds at most 1 to each levelHits entry and only when it
// took part, and no entry ever exceeds conditionCount.

#include <string>

#include "twostar/filter.h"
#include "twostar/plain_inputs.h"

namespace twostar::test {

// Empty when the contract holds; otherwise which row broke it.
inline std::string rowContractBreach(const Conditions& c) {
  PlainInputs inputs(c);
  EngineData engine;
  buildCandidatePool(engine);
  for (ConditionGroup g : kAllGroups) {
    for (bool tolerant : {false, true}) {
      engine.levelHits.fill(0);
      engine.conditionCount = 0;
      for (int r = 0; r < rowCountOf(g); ++r) {
        if (inputs.tolerant({g, r}) != tolerant) continue;
        const LevelHits before = engine.levelHits;
        const int count = engine.conditionCount;
        applyRow(engine, inputs, {g, r});
        const std::string row = "group " + std::to_string(static_cast<int>(g) + 1) + " row " + std::to_string(r);
        if (engine.conditionCount != count && engine.conditionCount != count + 1) return row + ": count";
        for (std::size_t i = 0; i < before.size(); ++i) {
          const int added = engine.levelHits[i] - before[i];
          if (!(added == 0 || (added == 1 && engine.conditionCount == count + 1))) return row + ": hit added";
          if (engine.levelHits[i] > engine.conditionCount) return row + ": hits above count";
        }
      }
    }
  }
  return {};
}

}  // namespace twostar::test
