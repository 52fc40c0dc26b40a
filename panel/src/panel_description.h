#pragma once
// The panel's controls as data: one entry per control, in creation order.

#include <vector>

#include <QString>

namespace twostar::panel {

enum class Kind { GroupBox, Frame, Label, Edit, MultiLineEdit, CheckBox, RadioButton, ComboBox, Button };

struct ControlEntry {
  Kind kind;
  QString name;    // objectName
  QString parent;  // empty: the panel window itself
  int x, y, width, height;
  QString caption;  // caption, initial text, or empty
  bool ticked = false;
  bool hidden = false;
  int items = 0;  // combo boxes: items "0" .. items-1
};

// Every control of the panel, containers before what they contain.
const std::vector<ControlEntry>& panelDescription();

// Contents of the result box before the first run.
QString initialResultText();
QString webAddress();

}  // namespace twostar::panel
