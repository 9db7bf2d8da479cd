// The login page from a desktop started without a workstation number: a
// refused login, the login that loads the workstation's base, and the
// password page that stores the new password hashed.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "../shell_test_folder.h"
#include "dialogs/parameter_set_dialog.h"
#include "platform/file_system.h"
#include "platform/shared_file.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/login_file.h"
#include "shell/shell_state.h"
#include "shell/workstation_table.h"
#include "shell/workstations.h"
#include "text/codepage.h"

using namespace zefir;
using zefir::gui::DesktopWindows;
using zefir::shell::testing::ProgramFolder;

namespace {

void copyDemoBase(const std::string& folder) {
  std::filesystem::create_directories(folder.empty() ? "." : folder);
  for (const auto& entry : std::filesystem::directory_iterator(ZEFIR_DEMO_DIR))
    if (entry.is_regular_file())
      std::filesystem::copy(entry.path(), std::filesystem::path(folder) / entry.path().filename());
}

void type(QWidget* page, const char* field, const char* text) {
  auto* edit = page->findChild<QLineEdit*>(field);
  QVERIFY2(edit, field);
  edit->setText(QString::fromUtf8(text));
}

void pressGo(QWidget* page) {
  auto* go = page->findChild<QPushButton*>("bGo");
  QVERIFY(go);
  go->click();
}

}  // namespace

class DesktopLoginTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    shell::shellState() = shell::ShellState();
    platform::systemCalls().sleepMs = [](int) {};  // no wait after a refused login
  }
  void cleanup() { platform::systemCalls() = platform::realSystemCalls(); }

  void loginLoadsTheUsersBaseAndThePasswordPageHashesTheNewPassword() {
    ProgramFolder folder;
    copyDemoBase("biuro");
    ProgramFolder::write("!/Login.txt", "7,Jan,Haslo,K,biuro,\r\n");
    DesktopWindows w("");
    w.desktop->show();
    for (int i = 0; i < 6; ++i) w.desktop->tickNow();
    shell::ShellState& s = shell::shellState();
    QCOMPARE(s.start.mode, shell::kModeLoginPending);
    QVERIFY(w.parameterSet->isVisible());
    QVERIFY(platform::exists(shell::waitingMarkerPath("", QCoreApplication::applicationPid())));
    QCOMPARE(w.parameterSet->findChild<QLineEdit*>("Hasl")->echoMode(), QLineEdit::Password);

    type(w.parameterSet, "Logi", "jan");
    type(w.parameterSet, "Hasl", "zle");
    pressGo(w.parameterSet);
    auto* go = w.parameterSet->findChild<QPushButton*>("bGo");
    QCOMPARE(go->text(), QString::fromUtf8("Zły login lub hasło"));
    QCOMPARE(go->toolTip(), QStringLiteral("Zaloguj"));
    QCOMPARE(s.start.mode, shell::kModeLoginPending);
    QVERIFY(w.parameterSet->isVisible());

    type(w.parameterSet, "Hasl", "HASLO");
    pressGo(w.parameterSet);
    QVERIFY(!w.parameterSet->isVisible());
    QCOMPARE(s.start.mode, 7);
    QCOMPARE(s.start.suffix, std::string(".007"));
    QCOMPARE(s.start.rights, 'K');
    QVERIFY(platform::exists("!/biuro/Prac-Zefir.007"));
    QVERIFY(!platform::exists(shell::waitingMarkerPath("", QCoreApplication::applicationPid())));
    // The base is loaded from the user's folder after the page has closed.
    QTRY_VERIFY(s.lastStatusText.rfind(text::fromUtf8("Środków: "), 0) == 0);
    QCOMPARE(s.mainBaseFile(), std::string("biuro/Srodki.PST"));
    const std::string table = ProgramFolder::read("!/!.!");
    QCOMPARE(shell::WorkstationRecord::decode(std::string_view(table).substr(7 * 250, 250)).file,
             std::string("biuro/Srodki.PST"));

    qobject_cast<gui::TFZestaw*>(w.parameterSet)->openFor(87, 1);
    type(w.parameterSet, "HasS", "haslo");
    type(w.parameterSet, "HasN", "Nowe1");
    type(w.parameterSet, "HasP", "Nowe2");
    pressGo(w.parameterSet);
    QVERIFY2(s.lastStatusKind == StatusKind::Error, s.lastStatusText.c_str());
    type(w.parameterSet, "HasS", "haslo");
    type(w.parameterSet, "HasN", "Nowe1");
    type(w.parameterSet, "HasP", "Nowe1");
    pressGo(w.parameterSet);
    QCOMPARE(s.lastStatusText, text::fromUtf8("Hasło zmienione"));
    const auto entry = shell::findLogin(ProgramFolder::read("!/Login.txt"), "JAN");
    QVERIFY(entry && shell::isHashedPassword(entry->password));
    QVERIFY(shell::passwordMatches(entry->password, "nowe1"));
    QCOMPARE(entry->baseFolder, std::string("biuro"));
  }
};

QTEST_MAIN(DesktopLoginTest)
#include "desktop_login_test.moc"
