#include "twostar/shell/application.h"

#include <memory>

#include <QApplication>
#include <QFont>

#include "twostar/filter.h"
#include "twostar/panel/compact_style.h"
#include "twostar/shell/main_window.h"

namespace twostar {

int runApplication(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("twostar");
  QApplication::setApplicationVersion(TWOSTAR_VERSION);
  QApplication::setStyle(new CompactStyle);
  QApplication::setFont(QFont("WenQuanYi Micro Hei", 9));

  // The engine's data lives from here to the end of the program and is
  // released once, after the window is gone.
  auto engine = std::make_unique<EngineData>();
  {
    MainWindow window(*engine);
    window.show();
    window.centre();
    QApplication::exec();
  }
  engine.reset();
  return 0;
}

}  // namespace twostar
