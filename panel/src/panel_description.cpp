// The panel layout. Places are in pixels relative to the containing control.

#include "panel_description.h"

namespace twostar::panel {

namespace {

using K = Kind;

// A control of a repeated row: its name is `stem` followed by the row number.
struct RowControl {
  Kind kind;
  const char* stem;
  int x, y, width, height;
  const char* caption;
  bool ticked;
};

// 后二胆 row N in frame 外形框N (label 标签N "后二胆N" at 8, 0, 44 x 20).
constexpr RowControl kDanGroupRow[] = {
    {K::Edit, "编辑框胆组", 53, 0, 68, 20, "", false},
    {K::CheckBox, "选择框胆组出零个", 122, 0, 24, 20, "0", false},
    {K::CheckBox, "选择框胆组出一个", 147, 0, 24, 20, "1", true},
    {K::CheckBox, "选择框胆组出二个", 172, 0, 24, 20, "2", true},
    {K::RadioButton, "单选框胆组留", 197, 0, 32, 20, "留", true},
    {K::RadioButton, "单选框胆组杀", 230, 0, 32, 20, "删", false},
    {K::CheckBox, "选择框胆组容错", 264, 0, 48, 20, "容错", false},
};

// 胆合跨积 row N (label at 8, 0, 55 x 20).
constexpr RowControl kDanSumSpanProductRow[] = {
    {K::Edit, "编辑框胆合跨积", 68, 0, 68, 20, "", false},
    {K::CheckBox, "选择框胆合跨积出零个", 141, 0, 24, 20, "0", false},
    {K::CheckBox, "选择框胆合跨积出一个", 170, 0, 24, 20, "1", true},
    {K::CheckBox, "选择框胆合跨积出二个", 199, 0, 24, 20, "2", true},
    {K::CheckBox, "选择框胆合跨积出三个", 228, 0, 24, 20, "3", true},
    {K::CheckBox, "选择框胆合跨积出四个", 257, 0, 24, 20, "4", true},
    {K::RadioButton, "单选框胆合跨积留", 286, 0, 32, 20, "留", true},
    {K::RadioButton, "单选框胆合跨积杀", 323, 0, 32, 20, "删", false},
    {K::CheckBox, "选择框胆合跨积容错", 360, 0, 48, 20, "容错", false},
};

struct DanSumSpanProductFrame {
  const char* frame;
  int top;
  const char* label;
};
constexpr DanSumSpanProductFrame kDanSumSpanProductFrames[] = {
    {"外形框12", 16, "标签16"}, {"外形框7", 46, "标签10"}, {"外形框8", 76, "标签11"}, {"外形框9", 106, "标签12"}};

// 定胆 rows: tens and units.
struct PositionRow {
  const char* frame;
  int top;
  const char* label;
  const char* caption;
  const char* templateBox;
  const char* keep;
  const char* kill;
  const char* tolerant;
};
constexpr PositionRow kPositionRows[] = {
    {"外形框14", 16, "标签20", "十位", "选择框定胆1", "单选框定胆留1", "单选框定胆杀1", "选择框定胆容错1"},
    {"外形框10", 43, "标签13", "个位", "选择框定胆2", "单选框定胆留2", "单选框定胆杀2", "选择框定胆容错2"},
};

// 型态 pattern rows.
struct PatternRowFrame {
  const char* frame;
  int top;
  const char* templateBox;
  const char* keep;
  const char* kill;
  const char* tolerant;
};
constexpr PatternRowFrame kPatternRows[] = {
    {"外形框大小", 16, "选择框型态1", "单选框留型态大小", "单选框杀型态大小", "选择框容错型态大小"},
    {"外形框奇偶", 52, "选择框型态2", "单选框留型态奇偶", "单选框杀型态奇偶", "选择框容错型态奇偶"},
    {"外形框质合", 88, "选择框型态3", "单选框留型态质合", "单选框杀型态质合", "选择框容错型态质合"},
};

// 型态 kill-list rows: frame, label, edit box, "全", "清" and "容错", each with its place.
struct Place {
  int x, y;
};
struct KillListFrame {
  const char* frame;
  int x, y, width, height;
  const char* label;
  const char* caption;
  const char* edit;
  int editX, editY, editWidth, editHeight;
  bool multiLine;
  const char* fill;
  Place fillAt;
  const char* clear;
  Place clearAt;
  const char* tolerant;
  Place tolerantAt;
};
constexpr KillListFrame kKillLists[] = {
    {"外形框11", 6, 128, 320, 28, "标签17", "杀和尾", "编辑框和尾", 54, 4, 136, 20, false,
     "按钮全和尾", {197, 4}, "按钮清和尾", {230, 4}, "选择框容错和尾", {264, 4}},
    {"外形框13", 8, 168, 320, 28, "标签21", "杀跨度", "编辑框跨度", 54, 4, 136, 20, false,
     "按钮全跨度", {197, 4}, "按钮清跨度", {230, 4}, "选择框容错跨度", {264, 4}},
    {"外形框15", 8, 208, 320, 52, "标签22", "杀和值", "编辑框和值", 54, 4, 196, 40, true,
     "按钮全和值", {259, 4}, "按钮清和值", {292, 4}, "选择框容错和值", {264, 27}},
    {"外形框16", 8, 270, 320, 104, "标签23", "杀二码", "编辑框二码", 58, 4, 255, 89, true,
     "按钮全二码", {5, 38}, "按钮清二码", {30, 38}, "选择框容错二码", {8, 73}},
};

// A group's tolerance controls: "本级容错", 小 box, "≤容错≤", 大 box.
struct ToleranceControls {
  const char* groupBox;
  const char* label;
  int labelX;
  const char* minBox;
  int minX;
  const char* betweenLabel;
  int betweenX;
  const char* maxBox;
  int maxX;
  int y;
  int items;
};
constexpr ToleranceControls kTolerance[] = {
    {"分组框胆组1", "标签8", 40, "组合框容错小1", 102, "标签7", 144, "组合框容错大1", 208, 208, 7},
    {"分组框胆合跨积", "标签9", 40, "组合框容错小2", 102, "标签15", 144, "组合框容错大2", 208, 136, 5},
    {"分组框定胆", "标签18", 40, "组合框容错小3", 102, "标签19", 144, "组合框容错大3", 208, 71, 3},
    {"分组框型态", "标签14", 56, "组合框容错小4", 118, "标签25", 160, "组合框容错大4", 224, 384, 8},
};

class Builder {
 public:
  void add(Kind kind, const QString& name, const QString& parent, int x, int y, int w, int h,
           const QString& caption = {}, bool ticked = false) {
    list_.push_back({kind, name, parent, x, y, w, h, caption, ticked, false, 0});
  }
  void hiddenBox(const QString& name, const QString& parent, int x, int y, int w, int h, const QString& caption) {
    list_.push_back({K::CheckBox, name, parent, x, y, w, h, caption, false, true, 0});
  }
  void combo(const QString& name, const QString& parent, int x, int y, int items) {
    list_.push_back({K::ComboBox, name, parent, x, y, 36, 20, {}, false, false, items});
  }
  void row(const QString& frame, const RowControl* controls, std::size_t count, int n) {
    for (std::size_t i = 0; i < count; ++i) {
      const RowControl& c = controls[i];
      add(c.kind, QString::fromUtf8(c.stem) + QString::number(n), frame, c.x, c.y, c.width, c.height,
          QString::fromUtf8(c.caption), c.ticked);
    }
  }
  void tolerance(const ToleranceControls& t) {
    add(K::Label, t.label, t.groupBox, t.labelX, t.y, 49, 20, "本级容错");
    combo(t.minBox, t.groupBox, t.minX, t.y, t.items);
    add(K::Label, t.betweenLabel, t.groupBox, t.betweenX, t.y, 56, 20, "≤容错≤");
    combo(t.maxBox, t.groupBox, t.maxX, t.y, t.items);
  }
  std::vector<ControlEntry> take() { return std::move(list_); }

 private:
  std::vector<ControlEntry> list_;
};

std::vector<ControlEntry> describe() {
  Builder b;
  // Group 1: 后二胆.
  b.add(K::GroupBox, "分组框胆组1", {}, 64, 8, 336, 240, "后二胆");
  for (int n = 1; n <= 6; ++n) {
    const QString frame = "外形框" + QString::number(n);
    b.add(K::Frame, frame, "分组框胆组1", 6, 16 + 32 * (n - 1), 320, 20);
    b.add(K::Label, "标签" + QString::number(n), frame, 8, 0, 44, 20, "后二胆" + QString::number(n));
    b.row(frame, kDanGroupRow, std::size(kDanGroupRow), n);
  }
  b.tolerance(kTolerance[0]);
  b.add(K::CheckBox, "选择框重复算一个_胆组", "分组框胆组1", 250, 208, 76, 20, "重复算1个", true);

  // Group 2: 胆合跨积.
  b.add(K::GroupBox, "分组框胆合跨积", {}, 64, 260, 432, 168, "胆合跨积");
  for (int n = 1; n <= 4; ++n) {
    const DanSumSpanProductFrame& f = kDanSumSpanProductFrames[n - 1];
    b.add(K::Frame, f.frame, "分组框胆合跨积", 8, f.top, 416, 20);
    b.add(K::Label, f.label, f.frame, 8, 0, 55, 20, "胆合跨积" + QString::number(n));
    b.row(f.frame, kDanSumSpanProductRow, std::size(kDanSumSpanProductRow), n);
  }
  b.tolerance(kTolerance[1]);
  b.add(K::CheckBox, "选择框重复算一个_胆合跨积", "分组框胆合跨积", 250, 136, 76, 20, "重复算1个", true);

  // Group 3: 定胆. The ten digit boxes of each row are made at run time.
  b.add(K::GroupBox, "分组框定胆", {}, 64, 440, 432, 100, "定胆");
  for (const PositionRow& r : kPositionRows) {
    b.add(K::Frame, r.frame, "分组框定胆", 8, r.top, 416, 20);
    b.add(K::Label, r.label, r.frame, 8, 0, 28, 20, r.caption);
    b.hiddenBox(r.templateBox, r.frame, 48, 0, 24, 20, "0");
    b.add(K::RadioButton, r.keep, r.frame, 286, 0, 32, 20, "留", true);
    b.add(K::RadioButton, r.kill, r.frame, 323, 0, 32, 20, "删");
    b.add(K::CheckBox, r.tolerant, r.frame, 360, 0, 48, 20, "容错");
  }
  b.tolerance(kTolerance[2]);

  // Group 4: 型态. The four pattern boxes of each row are made at run time.
  b.add(K::GroupBox, "分组框型态", {}, 504, 8, 336, 416, "型态");
  for (const PatternRowFrame& r : kPatternRows) {
    b.add(K::Frame, r.frame, "分组框型态", 6, r.top, 320, 28);
    b.hiddenBox(r.templateBox, r.frame, 8, 4, 44, 20, "大大");
    b.add(K::RadioButton, r.keep, r.frame, 197, 4, 32, 20, "留", true);
    b.add(K::RadioButton, r.kill, r.frame, 230, 4, 32, 20, "删");
    b.add(K::CheckBox, r.tolerant, r.frame, 264, 4, 48, 20, "容错");
  }
  for (const KillListFrame& k : kKillLists) {
    b.add(K::Frame, k.frame, "分组框型态", k.x, k.y, k.width, k.height);
    b.add(K::Label, k.label, k.frame, 8, 4, 40, 20, k.caption);
    b.add(k.multiLine ? K::MultiLineEdit : K::Edit, k.edit, k.frame, k.editX, k.editY, k.editWidth, k.editHeight);
    b.add(K::Button, k.fill, k.frame, k.fillAt.x, k.fillAt.y, 20, 20, "全");
    b.add(K::Button, k.clear, k.frame, k.clearAt.x, k.clearAt.y, 20, 20, "清");
    b.add(K::CheckBox, k.tolerant, k.frame, k.tolerantAt.x, k.tolerantAt.y, 48, 20, "容错");
  }
  b.tolerance(kTolerance[3]);

  // The result area.
  b.add(K::GroupBox, "分组框做号结果", {}, 504, 440, 336, 100, "做号结果");
  b.add(K::MultiLineEdit, "编辑框缩水结果", "分组框做号结果", 8, 16, 216, 74, initialResultText());
  b.add(K::Label, "标签注数", "分组框做号结果", 246, 16, 80, 20, "共   注");
  b.add(K::Button, "按钮做号", "分组框做号结果", 246, 43, 32, 20, "做号");
  b.add(K::Button, "按钮复制", "分组框做号结果", 294, 43, 32, 20, "复制");
  b.add(K::Button, "按钮访问博客", "分组框做号结果", 256, 70, 60, 20, "访问博客");
  return b.take();
}

}  // namespace

const std::vector<ControlEntry>& panelDescription() {
  static const std::vector<ControlEntry> description = describe();
  return description;
}

QString webAddress() { return QStringLiteral("https://twostar.example.org/"); }

QString initialResultText() {
  return QStringLiteral("二星做号：填好条件，点“做号”，结果就在这里。\n\n") + webAddress();
}

}  // namespace twostar::panel
