#pragma once
// MainWindow: a fixed-size window with one tab "二星做号" whose frame
// 外形框二星窗口 hosts the filter panel.

#include <vector>

#include <QWidget>

#include "twostar/filter.h"

class QFrame;
class QTabWidget;

namespace twostar {

class PanelWindow;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the window and runs onMainWindowCreated (skin, then the panel).
  explicit MainWindow(EngineData& engine);

  PanelWindow* panel() const { return panel_; }
  // Centres the window on its screen.
  void centre();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void onMainWindowCreated();
  void embedPanel();

  EngineData& engine_;
  QTabWidget* tabs_ = nullptr;
  QFrame* host_ = nullptr;
  PanelWindow* panel_ = nullptr;
};

// The program icon in eight sizes, 16 to 128 pixels.
class QIcon programIcon();
const std::vector<int>& programIconSizes();
class QImage programIconImage(int size);

}  // namespace twostar
