// The desktop program: creates its windows in their fixed order and runs the
// message loop; everything else runs from the desktop's timer.
#include "shell/gui/zefir_application.h"
#include "shell/gui/zefir_main_windows.h"

int main(int argc, char** argv) {
  zefir::gui::ZefirApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8("Zefir środki trwałe Zorza-Soft"));
  const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  zefir::gui::DesktopWindows windows(first);
  windows.desktop->showNormal();
  return app.exec();
}
