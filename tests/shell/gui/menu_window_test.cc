#include "shell/gui/menu_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "dialogs/answer_dialog.h"
#include "dialogs/parameter_set_dialog.h"
#include "output/gui/document_viewer.h"
#include "output/report_context.h"
#include "press_asset.h"
#include "register/asset_register.h"
#include "shell/base_loading.h"
#include "shell/desktop_settings.h"
#include "shell/gui/desktop_window.h"
#include "shell/gui/zefir_main_windows.h"
#include "shell/shell_state.h"

using namespace zefir;
using zefir::gui::DesktopWindows;

class MenuWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<DesktopWindows> w;

  QListWidget* mainList() { return w->menu->mainList(); }
  QListWidget* subList() { return w->menu->subList(); }
  void key(QWidget* target, const char* keys) { QTest::keyClicks(target, QString(keys)); }

 private slots:
  void init() {
    shell::shellState() = shell::ShellState();
    shell::shellState().start = shell::startModeFrom("", false);
    shell::shellState().markerCreated = true;
    w = std::make_unique<DesktopWindows>("");
    w->desktop->show();
    w->menu->showMenu(1);
  }
  void cleanup() { w.reset(); }

  void letterOpensSubmenuAndSecondLetterChoosesItsOption() {
    key(mainList(), "h");
    QVERIFY(subList()->isVisible());
    QCOMPARE(subList()->count(), 5);
    QCOMPARE(subList()->currentRow(), 1);
    key(subList(), "B");
    QCOMPARE(shell::shellState().option.code, std::string("EditOO"));
    QCOMPARE(shell::shellState().option.slot, 57);
    QCOMPARE(shell::shellState().option.letters, std::string("HB"));
    QCOMPARE(output::reportContext().menuPosition, std::string("HB"));  // for the page footer
    QVERIFY(w->desktop->timerState().hasRequest());
    QCOMPARE(w->desktop->timerState().requestSlot(), 57);
    QCOMPARE(w->desktop->timerInterval(), 12);

    key(subList(), "C");
    QCOMPARE(shell::shellState().option.code, std::string("EditMU"));
  }

  // The timer opens the chosen option's own parameter set; its Esc brings
  // the menu back.
  void chosenOptionOpensItsParameterSet() {
    key(mainList(), "d");
    key(subList(), "b");
    w->desktop->tickNow();  // the request is made
    w->desktop->tickNow();  // and carried out
    auto* page = static_cast<gui::TFZestaw*>(w->parameterSet);
    QVERIFY(page->isVisible());
    QCOMPARE(page->slot(), 28);
    QCOMPARE(page->fieldCode(0), QStringLiteral("SroF"));
    QCOMPARE(page->fieldCount(), 6);
    QTest::keyClick(page->field(0), Qt::Key_Escape);
    QVERIFY(!page->isVisible());
    QCOMPARE(w->desktop->timerState().requestSlot(), 3);
  }

  void keypadDigitsMoveAndEscGoesBackToTheMainList() {
    key(mainList(), "8");
    QCOMPARE(mainList()->currentRow(), 0);
    key(mainList(), "22");
    QCOMPARE(mainList()->currentRow(), 2);
    key(mainList(), "1");
    QCOMPARE(mainList()->currentRow(), 11);
    key(mainList(), "2");
    QCOMPARE(mainList()->currentRow(), 11);
    key(mainList(), "7");
    QCOMPARE(mainList()->currentRow(), 1);
    key(mainList(), "2");
    QTest::keyClick(mainList(), Qt::Key_Return);  // B
    QVERIFY(subList()->isVisible());
    key(subList(), "1");
    QCOMPARE(subList()->currentRow(), 7);
    QTest::keyClick(subList(), Qt::Key_Escape);
    QVERIFY(!subList()->isVisible());
    QVERIFY(!w->menu->model().inSubmenu());
  }

  void submenuRemembersItsLastItem() {
    key(mainList(), "d");
    key(subList(), "f");
    QCOMPARE(shell::shellState().option.code, std::string("Ilosc"));
    QTest::keyClick(subList(), Qt::Key_Escape);
    key(mainList(), "d");
    QCOMPARE(subList()->currentRow(), 6);
  }

  void pairWithoutOptionAndUnknownLetterChangeNothing() {
    key(mainList(), "b");
    key(subList(), "g");
    QVERIFY(!w->desktop->timerState().hasRequest());
    QTest::keyClick(subList(), Qt::Key_Escape);
    key(mainList(), "z");
    QCOMPARE(shell::shellState().lastStatusText, std::string("Taa..."));
    QCOMPARE(shell::shellState().lastStatusKind, StatusKind::Error);
  }

  void functionKeysWaitUntilTheProgramHasStarted() {
    shell::shellState().markerCreated = false;
    QTest::keyClick(mainList(), Qt::Key_F2);
    QVERIFY(!w->desktop->timerState().hasRequest());
    shell::shellState().markerCreated = true;
    QTest::keyClick(mainList(), Qt::Key_F2);
    QCOMPARE(w->desktop->timerState().requestSlot(), 83);
    QCOMPARE(shell::shellState().option.code, std::string("UsDru"));
  }

  void functionPanelsAnswerAClickWhileASubmenuIsOpen() {
    key(mainList(), "h");
    QVERIFY(w->menu->model().inSubmenu());
    QPushButton* printer = nullptr;
    for (QPushButton* b : w->menu->findChildren<QPushButton*>())
      if (b->text() == "Drukarka") printer = b;
    QVERIFY(printer);
    QTest::mouseClick(printer, Qt::LeftButton);
    QVERIFY(w->desktop->timerState().hasRequest());
    QCOMPARE(w->desktop->timerState().requestSlot(), 83);
    QCOMPARE(shell::shellState().option.code, std::string("UsDru"));
  }

  // The plan option's code (PlanAm) is longer than its window's name (PlanA):
  // the position saved under the name when the window hides is the one used.
  void optionWindowComesBackWhereItWasHidden() {
    QTemporaryDir dir;
    shell::SettingsRegister& program = shell::desktopRegisters().program;
    QFile file(dir.filePath("Zefir.BAL"));  // present, so no wait for another writer
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(program.load(file.fileName().toStdString(), ".001"));
    key(mainList(), "g");
    key(subList(), "a");
    QCOMPARE(shell::shellState().option.code, std::string("PlanAm"));
    auto* page = static_cast<gui::TFZestaw*>(w->parameterSet);
    page->openFor(47, 1);
    page->parentWidget()->move(120, 60);
    QTest::keyClick(page, Qt::Key_Escape);
    QCOMPARE(program.text("PlanALT"), std::string("120;60"));
    page->openFor(47, 1);
    QCOMPARE(page->parentWidget()->pos(), QPoint(120, 60));
    (void)program.load("", "");
  }

  // The window an option opens is titled with the option's caption, never
  // with a class name.
  void windowsShowCaptionsNeverClassNames() {
    auto texts = [](QWidget* window) {
      QStringList t{window->windowTitle(), window->parentWidget()->windowTitle()};
      for (QLabel* l : window->findChildren<QLabel*>()) t << l->text();
      return t.join('\n');
    };
    key(mainList(), "d");
    key(subList(), "b");
    w->desktop->tickNow();
    w->desktop->tickNow();  // the timer opens the option's window
    // The option opens its real parameter set, titled with the option's caption.
    QVERIFY(w->parameterSet->isVisible());
    QVERIFY(w->parameterSet->windowTitle().endsWith(
        QString::fromUtf8("wykaz środków trwałych - skrót")));
    QVERIFY(!texts(w->parameterSet).contains("TF"));
    QTest::keyClick(w->parameterSet, Qt::Key_Escape);
    QVERIFY(!w->parameterSet->isVisible());
  }

  // B B (DruOT): Go with "Podgląd" shows the asset's document in the viewer
  // inside the desktop; its Esc hides it and gives the parameter set back.
  // A window request for the viewer without a document names the missing
  // setting in a message box.
  void documentOptionShowsItsDocumentInTheViewer() {
    QTemporaryDir base;
    shell::shellState().baseFolder = base.path().toStdString() + "/";
    AssetRegister& reg = shell::desktopRegister();
    reg.clear();
    QVERIFY(reg.insertAtCurrent().ok());
    fillPress(reg.currentRecord());
    key(mainList(), "b");
    key(subList(), "b");
    w->desktop->tickNow();
    w->desktop->tickNow();
    auto* page = static_cast<gui::TFZestaw*>(w->parameterSet);
    QVERIFY(page->isVisible());
    page->field(QStringLiteral("SroJ"))->setText("ST/9");
    page->field(QStringLiteral("DokJ"))->setText("A");
    page->go();
    auto* viewer = static_cast<output::TFViewer*>(w->viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral(" OT-ST-9-A-oryg"));
    QVERIFY(viewer->parentWidget()->geometry().bottom() <
            viewer->parentWidget()->parentWidget()->height());
    QTest::keyClick(viewer->picturePanel(), Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
    QVERIFY(page->isVisible());
    reg.clear();

    QStringList seen;
    QTimer::singleShot(0, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen << box->text();
      box->accept();
    });
    w->desktop->requestWindow(8, 1);
    w->desktop->tickNow();
    w->desktop->tickNow();
    QCOMPARE(seen, QStringList{"aViewer wymaga ustawienia DokKod przed FViewer.Jo (...);"});
    QVERIFY(!viewer->isVisible());
  }

  void escAnsweredNoBringsTheMenuBack() {
    QTimer::singleShot(0, [&] { QTest::keyClick(w->answer, Qt::Key_N); });
    QTest::keyClick(mainList(), Qt::Key_Escape);
    QCOMPARE(shell::shellState().lastStatusKind, StatusKind::Notice);  // the maker's banner
    QVERIFY(w->desktop->timerState().hasRequest());
    QCOMPARE(w->desktop->timerState().requestSlot(), 3);
    QCOMPARE(w->desktop->timerInterval(), 123);
    QVERIFY(w->desktop->isVisible());
  }

  void loginPendingSendsOptionsToTheLoginPage() {
    shell::shellState().start.mode = shell::kModeLoginPending;
    key(mainList(), "a");
    QCOMPARE(shell::shellState().option.slot, 1);
    QCOMPARE(shell::shellState().option.title, std::string("logowanie -"));
  }
};

QTEST_MAIN(MenuWindowTest)
#include "menu_window_test.moc"
