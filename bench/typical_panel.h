#pragma once
// A typical panel in which every one of the 19 rows takes part.

#include "twostar/conditions.h"

namespace twostar {

inline Conditions typicalPanel() {
  Conditions c;
  const char* dans[] = {"5", "16", "2 7", "09", "38", "4"};
  for (int r = 0; r < 6; ++r) c.danGroup.rows[r] = {dans[r], {false, true, true}, r % 2 ? KeepMode::Kill : KeepMode::Keep, r >= 4};
  c.danGroup.range = {0, 1};
  const char* dssp[] = {"0134", "25", "789", "6"};
  for (int r = 0; r < 4; ++r) c.danSumSpanProduct.rows[r] = {dssp[r], {false, true, true, true, false}, KeepMode::Keep, r >= 2};
  c.danSumSpanProduct.range = {0, 1};
  c.positionDigits.tens = {{false, true, true, true, true, true, true, true, false, false}, KeepMode::Keep, false};
  c.positionDigits.units = {{true, false, false, true, false, false, false, false, false, true}, KeepMode::Kill, true};
  c.positionDigits.range = {0, 1};
  c.shape.bigSmall = {{true, false, false, true}, KeepMode::Kill, false};
  c.shape.oddEven = {{false, true, true, false}, KeepMode::Keep, true};
  c.shape.primeComposite = {{true, false, false, false}, KeepMode::Kill, true};
  c.shape.sumTail = {"0 5", false};
  c.shape.span = {"9", false};
  c.shape.sum = {"0 1 17 18", true};
  c.shape.twoDigit = {"12 73 105 44", true};
  c.shape.range = {0, 2};
  return c;
}

}  // namespace twostar
