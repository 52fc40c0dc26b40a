#pragma once
// PanelWindow: the filter panel. Loading it builds every control from the
// panel description and runs onPanelCreated (pool, frame tags, the 32
// run-time boxes, colours). Controls carry their Chinese names as objectName.

#include <functional>
#include <memory>

#include <QColor>
#include <QElapsedTimer>
#include <QHash>
#include <QWidget>

#include "twostar/filter.h"

class QCheckBox;

namespace twostar {

// Background of the panel, its frames and its labels: red 170, green 213, blue 244.
inline const QColor panelBlue{170, 213, 244};

// The frame tag prefix; the number after it is the frame's first box tag minus 1.
inline constexpr const char* kStartTagPrefix = "本组标记起点";

class WidgetInputs;

class PanelWindow : public QWidget {
  Q_OBJECT

 public:
  // Creates the controls and runs onPanelCreated. `engine` must outlive the panel.
  explicit PanelWindow(EngineData& engine, QWidget* parent = nullptr);
  ~PanelWindow() override;

  // The control named `name`, or null.
  QWidget* control(const QString& name) const;
  template <typename T>
  T* control(const QString& name) const {
    return qobject_cast<T*>(control(name));
  }

  // Tags: a text per control, empty unless set.
  static QString tagOf(const QWidget* w);
  static void setTag(QWidget* w, const QString& tag);
  // A tag read as an integer by its leading decimal digits; none reads as 0.
  static int tagNumber(const QString& tag);
  // The first control, in control order, whose tag reads as `tag`; null if none.
  QWidget* findByTag(int tag) const;

  // Commands of the eleven buttons.
  void generate();  // "做号"
  void copyResult();
  void visitBlog();

  bool isRunning() const { return running_; }
  // Processes pending window events, at most once per yield interval
  // (8 ms by default; 0 processes them at every yield).
  void yieldToWindow();
  void setYieldInterval(int milliseconds) { yieldIntervalMs_ = milliseconds; }
  // Ends a run in progress as soon as possible: later reads see an empty
  // panel and nothing more is processed. Used when the window closes.
  void stopRun();

  // How messages reach the user; tests replace it. `ok` false for a failure.
  std::function<void(const QString& text, bool ok)> showMessage;
  // Puts a text on the clipboard and gives what the clipboard holds afterwards.
  std::function<QString(const QString& text)> putOnClipboard;

 Q_SIGNALS:
  void runFinished();

 private:
  void buildControls();
  void onPanelCreated();
  void createDigitBoxes(QWidget* templateBox);
  void createPatternBoxes(QWidget* templateBox, const QString& zeroSymbol, const QString& oneSymbol);
  QCheckBox* copyTemplate(QWidget* templateBox);
  void recolourPanel();
  void connectCommands();

  EngineData& engine_;
  QHash<QString, QWidget*> controls_;
  std::unique_ptr<WidgetInputs> inputs_;
  int tagCounter_ = 0;
  bool running_ = false;
  QElapsedTimer sinceYield_;
  int yieldIntervalMs_ = 8;
};

}  // namespace twostar
