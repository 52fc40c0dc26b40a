#pragma once
// The one interface through which the engine reads the panel's controls and
// writes its result. Every value is asked for at the moment a level or row
// needs it, so a control changed during a run (between two yields) affects the
// rows evaluated after the change and no others.

#include <string>
#include <string_view>

#include "twostar/types.h"

namespace twostar {

class ConditionInputs {
 public:
  virtual ~ConditionInputs() = default;

  // The row's "容错" box: ticked puts the row into its group's tolerant level.
  virtual bool tolerant(RowRef row) = 0;
  // The row's "留" radio button (not asked for kill lists). Ticked means Keep.
  virtual bool keepTicked(RowRef row) = 0;
  // The row's edit box: the dan digits of a dan row, or a kill list.
  virtual std::string text(RowRef row) = 0;
  // Count box `count` ("0".."2" in the dan group, "0".."4" in the dan
  // sum/span/product group) of a dan row.
  virtual bool countBox(RowRef row, int count) = 0;
  // The group's "重复算1个" box (dan group and dan sum/span/product group).
  virtual bool countRepeatsOnce(ConditionGroup group) = 0;
  // Selected index of the group's 小 and 大 tolerance combo boxes.
  virtual int minMisses(ConditionGroup group) = 0;
  virtual int maxMisses(ConditionGroup group) = 0;
  // Run-time box `box` (0-based, in tag order) of a position or pattern row:
  // ten digit boxes or four pattern boxes. Finding the box is the
  // implementation's job.
  virtual bool boxTicked(RowRef row, int box) = 0;
  virtual std::string boxCaption(RowRef row, int box) = 0;

  virtual void setResultText(std::string_view text) = 0;
  virtual void setCountCaption(std::string_view caption) = 0;

  // Called once per iteration of the engine's loops, so that a window can
  // process pending events. An implementation may do nothing, or throttle.
  virtual void yield() = 0;
};

}  // namespace twostar
