// Position-digit rows: the candidates are marked digit by digit, ten per digit
// of the row's digit set.

#include "twostar/filter.h"
#include "twostar/text.h"

namespace twostar {

void applyPositionDigitRow(EngineData& data, ConditionInputs& inputs, DigitPosition position) {
  const RowRef row{ConditionGroup::PositionDigits, position == DigitPosition::Tens ? 0 : 1};
  const bool keep = inputs.keepTicked(row);
  std::string digitSet;
  for (int box = 0; box < 10; ++box) {
    inputs.yield();
    if (inputs.boxTicked(row, box) == keep) digitSet += inputs.boxCaption(row, box);
  }
  if (digitSet.empty()) return;

  ++data.conditionCount;
  DigitMask marked = 0;  // a digit is marked once, whatever the captions hold
  for (char c : digitSet) {
    inputs.yield();
    if (!isAsciiDigit(c) || (marked >> (c - '0') & 1u)) continue;
    const int d = c - '0';
    marked |= static_cast<DigitMask>(1u << d);
    for (int j = 0; j < 10; ++j) {
      inputs.yield();
      const int index = position == DigitPosition::Tens ? 10 * d + j : 10 * j + d;
      ++data.levelHits[static_cast<std::size_t>(index)];
    }
  }
}

}  // namespace twostar
