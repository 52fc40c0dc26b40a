#include "widget_inputs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "twostar/panel/panel_window.h"

namespace twostar {

namespace {

const char* const kPatternSuffix[] = {"大小", "奇偶", "质合"};
const char* const kKillSuffix[] = {"和尾", "跨度", "和值", "二码"};

QString number(int rowIndex) { return QString::number(rowIndex + 1); }

bool isKillList(RowRef row) { return row.group == ConditionGroup::Shape && row.index >= kFirstKillListRow; }

int groupNumber(ConditionGroup g) { return static_cast<int>(g) + 1; }

std::string utf8(const QString& s) {
  const QByteArray bytes = s.toUtf8();
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// The text of a multi-line box as UTF-8, converted line by line: a pasted
// list of many megabytes is never held a second time in UTF-16.
std::string utf8Lines(const QPlainTextEdit& edit) {
  const QTextDocument* document = edit.document();
  std::string text;
  text.reserve(static_cast<std::size_t>(document->characterCount()));
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block != document->begin()) text += '\n';
    text += utf8(block.text());
  }
  return text;
}

}  // namespace

QString tolerantBoxName(RowRef row) {
  switch (row.group) {
    case ConditionGroup::DanGroup: return "选择框胆组容错" + number(row.index);
    case ConditionGroup::DanSumSpanProduct: return "选择框胆合跨积容错" + number(row.index);
    case ConditionGroup::PositionDigits: return "选择框定胆容错" + number(row.index);
    case ConditionGroup::Shape: break;
  }
  if (isKillList(row)) return QString("选择框容错") + kKillSuffix[row.index - kFirstKillListRow];
  return QString("选择框容错型态") + kPatternSuffix[row.index];
}

QString keepButtonName(RowRef row) {
  switch (row.group) {
    case ConditionGroup::DanGroup: return "单选框胆组留" + number(row.index);
    case ConditionGroup::DanSumSpanProduct: return "单选框胆合跨积留" + number(row.index);
    case ConditionGroup::PositionDigits: return "单选框定胆留" + number(row.index);
    case ConditionGroup::Shape: break;
  }
  if (isKillList(row)) return {};
  return QString("单选框留型态") + kPatternSuffix[row.index];
}

QString editBoxName(RowRef row) {
  switch (row.group) {
    case ConditionGroup::DanGroup: return "编辑框胆组" + number(row.index);
    case ConditionGroup::DanSumSpanProduct: return "编辑框胆合跨积" + number(row.index);
    case ConditionGroup::PositionDigits: return {};
    case ConditionGroup::Shape: break;
  }
  if (isKillList(row)) return QString("编辑框") + kKillSuffix[row.index - kFirstKillListRow];
  return {};
}

QString countBoxName(RowRef row, int count) {
  static const char* const counts[] = {"零", "一", "二", "三", "四"};
  const QString stem = row.group == ConditionGroup::DanGroup ? "选择框胆组出" : "选择框胆合跨积出";
  return stem + counts[count] + "个" + number(row.index);
}

QString rowFrameName(RowRef row) {
  if (row.group == ConditionGroup::PositionDigits) return row.index == 0 ? "外形框14" : "外形框10";
  return QString("外形框") + kPatternSuffix[row.index];
}

bool WidgetInputs::checked(const QString& name) const {
  const auto* b = panel_.control<QAbstractButton>(name);
  return b && b->isChecked();
}

bool WidgetInputs::tolerant(RowRef row) { return !stopped_ && checked(tolerantBoxName(row)); }

bool WidgetInputs::keepTicked(RowRef row) { return stopped_ || checked(keepButtonName(row)); }

std::string WidgetInputs::text(RowRef row) {
  if (stopped_) return {};
  QWidget* w = panel_.control(editBoxName(row));
  if (auto* line = qobject_cast<QLineEdit*>(w)) return utf8(line->text());
  if (auto* multi = qobject_cast<QPlainTextEdit*>(w)) return utf8Lines(*multi);
  return {};
}

bool WidgetInputs::countBox(RowRef row, int count) { return !stopped_ && checked(countBoxName(row, count)); }

bool WidgetInputs::countRepeatsOnce(ConditionGroup group) {
  const QString name = group == ConditionGroup::DanGroup ? "选择框重复算一个_胆组" : "选择框重复算一个_胆合跨积";
  return stopped_ || checked(name);
}

int WidgetInputs::minMisses(ConditionGroup group) {
  const auto* c = panel_.control<QComboBox>("组合框容错小" + QString::number(groupNumber(group)));
  return stopped_ || !c ? 0 : c->currentIndex();
}

int WidgetInputs::maxMisses(ConditionGroup group) {
  const auto* c = panel_.control<QComboBox>("组合框容错大" + QString::number(groupNumber(group)));
  return stopped_ || !c ? 0 : c->currentIndex();
}

// The box with tag startTag + box + 1, where startTag is the number in the
// row frame's tag after the prefix is removed.
QWidget* WidgetInputs::findBox(RowRef row, int box) const {
  QWidget* frame = panel_.control(rowFrameName(row));
  if (!frame) return nullptr;
  const int startTag = PanelWindow::tagNumber(PanelWindow::tagOf(frame).remove(kStartTagPrefix));
  return panel_.findByTag(startTag + box + 1);
}

bool WidgetInputs::boxTicked(RowRef row, int index) {
  if (stopped_) return false;
  const auto* b = qobject_cast<QAbstractButton*>(findBox(row, index));
  return b && b->isChecked();
}

std::string WidgetInputs::boxCaption(RowRef row, int index) {
  if (stopped_) return {};
  const auto* b = qobject_cast<QAbstractButton*>(findBox(row, index));
  return b ? utf8(b->text()) : std::string();
}

void WidgetInputs::setResultText(std::string_view text) {
  if (auto* box = panel_.control<QPlainTextEdit>("编辑框缩水结果"))
    box->setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void WidgetInputs::setCountCaption(std::string_view caption) {
  if (auto* label = panel_.control<QLabel>("标签注数"))
    label->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void WidgetInputs::yield() {
  if (!stopped_) panel_.yieldToWindow();
}

}  // namespace twostar
