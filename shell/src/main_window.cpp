#include "twostar/shell/main_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTabWidget>

#include "twostar/panel/panel_window.h"
#include "twostar/shell/skin.h"

namespace twostar {

MainWindow::MainWindow(EngineData& engine)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      engine_(engine) {
  setObjectName("MainWindow");
  setWindowTitle(QString("云帆终极缩水软件 twostar %1 https://twostar.example.org/").arg(TWOSTAR_VERSION));
  setWindowIcon(programIcon());
  setFixedSize(918, 585);  // the client area; the title bar adds the rest of its 605 pixels

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("选择夹");
  tabs_->setGeometry(0, 0, 918, 585);
  auto* page = new QWidget;
  host_ = new QFrame(page);
  host_->setObjectName("外形框二星窗口");
  host_->setFrameShape(QFrame::NoFrame);
  host_->setGeometry(0, 0, 910, 550);
  QPalette p = host_->palette();
  p.setColor(QPalette::Window, panelBlue);
  host_->setPalette(p);
  host_->setAutoFillBackground(true);
  tabs_->addTab(page, "二星做号");

  onMainWindowCreated();
}

void MainWindow::onMainWindowCreated() {
  applySkin(2);
  embedPanel();
}

void MainWindow::embedPanel() {
  panel_ = new PanelWindow(engine_);  // loaded without owner, then made a child of the frame
  panel_->setParent(host_, Qt::Widget);
  panel_->move(0, 0);
  panel_->show();
}

void MainWindow::centre() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A run still yielding finishes at once; the windows stay alive until it has.
  if (panel_ && panel_->isRunning()) panel_->stopRun();
  event->accept();
}

}  // namespace twostar
