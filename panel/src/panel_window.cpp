#include "twostar/panel/panel_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QUrl>

#include "list_edit.h"
#include "panel_description.h"
#include "twostar/fill.h"
#include "twostar/radix.h"
#include "widget_inputs.h"

namespace twostar {

namespace {

constexpr const char* kTagProperty = "tag";

void paint(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

QWidget* createControl(const panel::ControlEntry& e, QWidget* parent) {
  using panel::Kind;
  switch (e.kind) {
    case Kind::GroupBox: return new QGroupBox(e.caption, parent);
    case Kind::Frame: {
      auto* f = new QFrame(parent);
      f->setFrameShape(QFrame::NoFrame);
      return f;
    }
    case Kind::Label: {
      auto* l = new QLabel(e.caption, parent);
      l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return l;
    }
    case Kind::Edit: {
      auto* edit = new QLineEdit(e.caption, parent);
      edit->setMaxLength(std::numeric_limits<int>::max());
      return edit;
    }
    case Kind::MultiLineEdit: {
      auto* edit = new ListEdit(e.caption, parent);
      edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
      edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      return edit;
    }
    case Kind::CheckBox: {
      auto* box = new QCheckBox(e.caption, parent);
      box->setChecked(e.ticked);
      return box;
    }
    case Kind::RadioButton: {
      auto* radio = new QRadioButton(e.caption, parent);  // exclusive with its frame's partner
      radio->setChecked(e.ticked);
      return radio;
    }
    case Kind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      for (int i = 0; i < e.items; ++i) combo->addItem(QString::number(i));
      combo->setCurrentIndex(0);
      return combo;
    }
    case Kind::Button: return new QPushButton(e.caption, parent);
  }
  return nullptr;
}

// Edit boxes keep a white background with black text whatever the skin says.
void whiteEdit(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
  w->setPalette(p);
}

}  // namespace

PanelWindow::PanelWindow(EngineData& engine, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      engine_(engine),
      inputs_(std::make_unique<WidgetInputs>(*this)) {
  setObjectName("PanelWindow");
  setWindowTitle(QString("金鼎终极缩水 twostar %1 %2").arg(TWOSTAR_VERSION, panel::webAddress()));
  setFixedSize(910, 550);
  paint(this, panelBlue);
  showMessage = [this](const QString& text, bool ok) {
    if (ok) {
      QMessageBox::information(this, "OK", text);
    } else {
      QMessageBox::warning(this, "复制", text);
    }
  };
  putOnClipboard = [](const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
    return clipboard->text();
  };
  sinceYield_.start();
  buildControls();
  connectCommands();
  onPanelCreated();
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::buildControls() {
  for (const panel::ControlEntry& e : panel::panelDescription()) {
    QWidget* parent = e.parent.isEmpty() ? this : controls_.value(e.parent);
    Q_ASSERT(parent);
    QWidget* w = createControl(e, parent);
    w->setObjectName(e.name);
    w->setGeometry(e.x, e.y, e.width, e.height);
    if (e.kind == panel::Kind::Edit || e.kind == panel::Kind::MultiLineEdit) whiteEdit(w);
    if (e.hidden) w->hide();
    controls_.insert(e.name, w);
  }
}

QWidget* PanelWindow::control(const QString& name) const { return controls_.value(name); }

QString PanelWindow::tagOf(const QWidget* w) { return w->property(kTagProperty).toString(); }

void PanelWindow::setTag(QWidget* w, const QString& tag) { w->setProperty(kTagProperty, tag); }

int PanelWindow::tagNumber(const QString& tag) {
  qint64 value = 0;
  for (QChar c : tag) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
    value = value * 10 + (c.unicode() - '0');
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  }
  return static_cast<int>(value);
}

QWidget* PanelWindow::findByTag(int tag) const {
  // Control order: creation order, containers before their contents.
  // Untagged controls and frame tags read as 0.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (tagNumber(tagOf(w)) == tag) return w;
  }
  return nullptr;
}

void PanelWindow::onPanelCreated() {
  buildCandidatePool(engine_, [this] { yieldToWindow(); });
  const auto frameTag = [this](const char* frame) {
    setTag(control(frame), kStartTagPrefix + QString::number(tagCounter_));
  };
  frameTag("外形框14");
  createDigitBoxes(control("选择框定胆1"));
  frameTag("外形框10");
  createDigitBoxes(control("选择框定胆2"));
  frameTag("外形框大小");
  createPatternBoxes(control("选择框型态1"), "大", "小");
  frameTag("外形框奇偶");
  createPatternBoxes(control("选择框型态2"), "奇", "偶");
  frameTag("外形框质合");
  createPatternBoxes(control("选择框型态3"), "质", "合");
  recolourPanel();
}

QCheckBox* PanelWindow::copyTemplate(QWidget* templateBox) {
  auto* box = new QCheckBox(templateBox->parentWidget());
  box->resize(templateBox->size());
  box->setFont(templateBox->font());
  box->setPalette(templateBox->palette());
  box->setChecked(false);
  return box;
}

void PanelWindow::createDigitBoxes(QWidget* templateBox) {
  for (int i = 1; i <= 10; ++i) {
    yieldToWindow();
    QCheckBox* box = copyTemplate(templateBox);
    box->move((i - 1) % 10 * 24 + 40, (i - 1) / 10 * 20);
    setTag(box, QString::number(++tagCounter_));
    box->show();
    box->setText(QString::number(i - 1));
  }
}

void PanelWindow::createPatternBoxes(QWidget* templateBox, const QString& zeroSymbol, const QString& oneSymbol) {
  for (int i = 1; i <= 4; ++i) {
    yieldToWindow();
    QCheckBox* box = copyTemplate(templateBox);
    box->move((i - 1) % 4 * 44 + 8, (i - 1) / 4 * 20 + 4);
    setTag(box, QString::number(++tagCounter_));
    box->show();
    const std::string binary = convertRadix(std::to_string(i - 1), 10, 2);
    QString caption = QString::fromStdString("0000" + binary).right(2);
    caption.replace('0', zeroSymbol).replace('1', oneSymbol);
    box->setText(caption);
  }
}

void PanelWindow::recolourPanel() {
  for (QFrame* f : findChildren<QFrame*>()) {
    if (f->objectName().startsWith("外形框")) paint(f, panelBlue);
  }
  for (QLabel* l : findChildren<QLabel*>()) paint(l, panelBlue);
}

void PanelWindow::yieldToWindow() {
  // Often enough to keep the window responsive, rarely enough to cost nothing.
  if (sinceYield_.elapsed() < yieldIntervalMs_) return;
  QCoreApplication::processEvents();
  sinceYield_.restart();
}

void PanelWindow::connectCommands() {
  struct Fill {
    const char* fillButton;
    const char* clearButton;
    const char* edit;
    std::function<std::string(const std::function<void()>&)> text;
  };
  const Fill fills[] = {
      {"按钮全和尾", "按钮清和尾", "编辑框和尾", [](const auto&) { return digitFillText(); }},
      {"按钮全跨度", "按钮清跨度", "编辑框跨度", [](const auto&) { return digitFillText(); }},
      {"按钮全和值", "按钮清和值", "编辑框和值", [](const auto& y) { return sumFillText(y); }},
      {"按钮全二码", "按钮清二码", "编辑框二码", [](const auto& y) { return twoDigitFillText(y); }},
  };
  for (const Fill& f : fills) {
    QWidget* edit = control(f.edit);
    const auto setText = [edit](const QString& text) {
      if (auto* line = qobject_cast<QLineEdit*>(edit)) line->setText(text);
      if (auto* multi = qobject_cast<QPlainTextEdit*>(edit)) multi->setPlainText(text);
    };
    connect(control<QPushButton>(f.fillButton), &QPushButton::clicked, this, [this, setText, make = f.text] {
      setText(QString::fromStdString(make([this] { yieldToWindow(); })));
    });
    connect(control<QPushButton>(f.clearButton), &QPushButton::clicked, this, [setText] { setText({}); });
  }
  connect(control<QPushButton>("按钮做号"), &QPushButton::clicked, this, &PanelWindow::generate);
  connect(control<QPushButton>("按钮复制"), &QPushButton::clicked, this, &PanelWindow::copyResult);
  connect(control<QPushButton>("按钮访问博客"), &QPushButton::clicked, this, &PanelWindow::visitBlog);
}

void PanelWindow::generate() {
  if (running_) return;
  auto* button = control<QPushButton>("按钮做号");
  {
    running_ = true;
    button->setEnabled(false);
    // The button comes back even if the run ends by an exception (out of memory).
    const auto restore = qScopeGuard([this, button] {
      button->setEnabled(true);
      running_ = false;
    });
    inputs_->resume();
    runFilter(engine_, *inputs_);
  }
  Q_EMIT runFinished();
}

void PanelWindow::stopRun() { inputs_->stop(); }

void PanelWindow::copyResult() {
  const QString text = control<QPlainTextEdit>("编辑框缩水结果")->toPlainText();
  // Report success only when the clipboard really holds the text.
  if (putOnClipboard(text) == text) {
    showMessage("复制成功", true);
  } else {
    showMessage("复制失败：剪贴板没有接受结果，请再试一次。", false);
  }
}

void PanelWindow::visitBlog() { QDesktopServices::openUrl(QUrl(panel::webAddress())); }

}  // namespace twostar
