// The desktop program.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Zefir"));
  label.show();
  return app.exec();
}
