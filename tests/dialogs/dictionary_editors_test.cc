// The dictionary editors from the keyboard: each grid scrolls its
// window over the slots and writes the dictionary back without gaps; the
// classification editor fills the entry's fields when its symbol is
// accepted, pages through the table and writes the edited entry.
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/parameter_set_dialog.h"
#include "operations/dictionary_editing.h"
#include "platform/file_system.h"
#include "recording_services.h"
#include "register/base_files.h"
#include "shell/base_loading.h"
#include "shell/desktop_settings.h"
#include "shell/shell_state.h"
#include "text/codepage.h"
#include "text/dates.h"

using namespace zefir;
using zefir::gui::TFZestaw;

class DictionaryEditorsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  RememberingStatusLine line;

  std::unique_ptr<TFZestaw> open(int slot) {
    auto d = std::make_unique<TFZestaw>();
    d->setPrinters({"HP LaserJet"});
    d->setToday(text::dayFromDate(2026, 12, 7));
    d->openFor(slot, 1);
    d->show();
    return d;
  }

  void type(QLineEdit* e, const char* text) {
    e->clear();
    QTest::keyClicks(e, QString::fromUtf8(text));
  }

  std::string folder() const { return dir.path().toStdString() + "/"; }

 private slots:
  void init() {
    for (const char* name : {"Zefir.BAL", "Baza.BAL"}) {
      QFile f(dir.filePath(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    shell::shellState() = shell::ShellState();
    shell::shellState().baseFolder = folder();
    shell::DesktopRegisters& r = shell::desktopRegisters();
    QVERIFY(r.program.load(dir.filePath("Zefir.BAL").toStdString(), ".001").ok());
    QVERIFY(r.base.load(dir.filePath("Baza.BAL").toStdString(), ".001").ok());
    TFZestaw::rememberedValues().clear();
    operations::clearOperations();
    operations::registerDictionaryOperations();
    setStatusLine(&line);
  }
  void cleanup() {
    setStatusLine(nullptr);
    operations::clearOperations();
    (void)shell::desktopRegisters().program.load("", "");
    (void)shell::desktopRegisters().base.load("", "");
  }

  void gridScrollsEmptiesAndWritesBackWithoutGaps_data() {
    QTest::addColumn<int>("option");
    QTest::newRow("places") << 56;
    QTest::newRow("persons") << 57;
    QTest::newRow("accounts") << 58;
  }
  void gridScrollsEmptiesAndWritesBackWithoutGaps() {
    QFETCH(int, option);
    operations::DictionaryKind kind;
    QVERIFY(operations::dictionaryOfOption(option, &kind));
    Dictionary& places = operations::dictionaryIn(shell::desktopRegister(), kind);
    places.clear();
    for (int i = 1; i <= 13; ++i)
      QVERIFY(places.add({"POK" + std::to_string(i), "opis " + std::to_string(i)}).ok());
    auto d = open(option);
    QCOMPARE(d->fieldCount(), 22);  // 11 rows of key and description
    QCOMPARE(d->field(0)->text(), QString("POK1"));
    QCOMPARE(d->field(21)->text(), QString("opis 11"));

    // Row 2's key emptied: its slot is left out when written.
    QTest::keyClick(d->field(0), Qt::Key_Down);
    QCOMPARE(d->currentField(), 2);
    d->field(2)->clear();
    // Down to the last row, then once more: the window scrolls by one entry.
    for (int i = 0; i < 10; ++i) QTest::keyClick(d->field(d->currentField()), Qt::Key_Down);
    QCOMPARE(d->currentField(), 20);
    QCOMPARE(d->field(20)->text(), QString("POK12"));
    QCOMPARE(d->field(0)->text(), QString(""));  // the emptied slot 2 scrolled up
    QCOMPARE(d->field(2)->text(), QString("POK3"));
    // The row numbers follow: the first row now shows slot 2.
    const QList<QLabel*> numbers = d->findChildren<QLabel*>("LiPo");
    QCOMPARE(numbers.size(), 11);
    QCOMPARE(numbers.front()->text(), QString("2"));
    QCOMPARE(numbers.back()->text(), QString("12"));
    // A key over 20 characters in a new slot 13 + 1.
    QTest::keyClick(d->field(20), Qt::Key_Down);
    QTest::keyClick(d->field(20), Qt::Key_Down);
    QCOMPARE(d->field(18)->text(), QString("POK13"));
    type(d->field(20), "MAGAZYN-CENTRALNY-POLNOC");
    QTest::keyClick(d->field(20), Qt::Key_F10);

    Dictionary back;
    base::loadDictionary(back, folder() + operations::dictionaryFileName(kind));
    QCOMPARE(back.count(), 14);  // 13 - 1 emptied + 1 new
    QCOMPARE(QString::fromStdString(back.entry(1).key), QString("POK1"));
    QCOMPARE(QString::fromStdString(back.entry(2).key), QString("POK3"));
    QCOMPARE(QString::fromStdString(back.entry(13).key), QString("MAGAZYN-CENTRALNY-PO"));
    QCOMPARE(places.count(), 14);
    // The grid shows the compacted slots from the same window (slot 4 on).
    QCOMPARE(d->field(0)->text(), QString("POK5"));
  }

  void classificationEditorFillsPagesAndWrites() {
    ClassificationTable& t = shell::desktopRegister().classification;
    t.clear();
    QVERIFY(t.add({"010", "Budynki mieszkalne", 150}).ok());
    QVERIFY(t.add({"101", "Budynki biurowe", 250}).ok());
    QVERIFY(t.add({"491", "Komputery", 3000}).ok());
    auto d = open(55);
    type(d->field(0), "101");
    QTest::keyClick(d->field(0), Qt::Key_Return);
    // Accepted: the rate and name are those of the entry; Enter skips the
    // new-symbol field.
    QCOMPARE(d->field(2)->text(), QString("2.5"));
    QCOMPARE(d->field(3)->text(), QString("Budynki biurowe"));
    QCOMPARE(d->currentField(), 2);
    // Paging in the symbol field loads the next entry.
    QTest::keyClick(d->field(2), Qt::Key_PageUp);
    QCOMPARE(d->currentField(), 0);
    QTest::keyClick(d->field(0), Qt::Key_Down);
    QCOMPARE(d->field(0)->text(), QString("491"));
    QCOMPARE(d->field(3)->text(), QString("Komputery"));
    QTest::keyClick(d->field(0), Qt::Key_PageUp);
    QCOMPARE(d->field(0)->text(), QString("010"));
    // Rename 010 to 011 with a new rate.
    QTest::keyClick(d->field(0), Qt::Key_Tab);
    d->field(1)->setFocus();
    type(d->field(1), "011");
    QTest::keyClick(d->field(1), Qt::Key_Return);
    type(d->field(2), "1.75");
    QTest::keyClick(d->field(2), Qt::Key_Return);
    QTest::keyClick(d->field(3), Qt::Key_Return);

    ClassificationTable back;
    base::loadClassificationTable(back, folder() + "KST");
    QCOMPARE(back.count(), 4);
    QCOMPARE(QString::fromStdString(back.entry(1).symbol), QString("011"));
    QCOMPARE(back.entry(1).rate, 175);
    QCOMPARE(QString::fromStdString(back.entry(2).symbol), QString("101"));
    QVERIFY(!t.find("010"));
    // Back in the symbol field with the new symbol, accepted again.
    QCOMPARE(d->currentField(), 0);
    QCOMPARE(d->field(0)->text(), QString("011"));
    QCOMPARE(d->field(2)->text(), QString("1.75"));
  }

  // The name emptied and Go: asked first; no keeps the group, yes deletes
  // it from the table and its file, and the symbol field shows it as new.
  void classificationGroupDeletedByEmptyingItsName() {
    testing::RecordingServices services;
    setDesktopServices(&services);
    ClassificationTable& t = shell::desktopRegister().classification;
    t.clear();
    QVERIFY(t.add({"010", "Budynki mieszkalne", 150}).ok());
    QVERIFY(t.add({"491", "Komputery", 3000}).ok());
    auto d = open(55);
    for (Answer answer : {Answer::No, Answer::Yes}) {
      services.answer = answer;
      type(d->field(0), "491");
      QTest::keyClick(d->field(0), Qt::Key_Return);
      QCOMPARE(d->field(3)->text(), QString("Komputery"));
      d->field(3)->setFocus();
      d->field(3)->clear();
      QTest::keyClick(d->field(3), Qt::Key_Return);
    }
    setDesktopServices(nullptr);
    QCOMPARE(services.questions.size(), std::size_t{2});
    QCOMPARE(text::toUtf8(services.questions[1]), std::string("Skasować go "));
    QVERIFY(!t.find("491"));
    ClassificationTable back;
    base::loadClassificationTable(back, folder() + "KST");
    QCOMPARE(back.count(), 2);  // 010 and the end marker
    QVERIFY(back.find("010"));
    QCOMPARE(d->field(0)->text(), QString("491"));
    QCOMPARE(d->field(3)->text(), QString());
  }
};

QTEST_MAIN(DictionaryEditorsTest)
#include "dictionary_editors_test.moc"
