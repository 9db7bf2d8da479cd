#include "dialogs/answer_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "text/codepage.h"

using zefir::gui::TFOdpowi;

class AnswerDialogTest : public QObject {
  Q_OBJECT

  // Asks with `defaultAnswer` and runs `answer` on the dialog once it waits.
  int askThen(TFOdpowi& d, char defaultAnswer, std::function<void()> answer) {
    QTimer::singleShot(0, &d, std::move(answer));
    return d.ask("Status", zefir::text::fromUtf8("Czy już koniec pracy"), defaultAnswer);
  }

 private slots:
  void enterAnswersWithTheDefault() {
    TFOdpowi d;
    QCOMPARE(askThen(d, 'T', [&] { QTest::keyClick(&d, Qt::Key_Return); }), 0);
    QCOMPARE(askThen(d, 'N', [&] { QTest::keyClick(&d, Qt::Key_Enter); }), 1);
    QCOMPARE(askThen(d, 'x', [&] { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }), 1);
  }

  void linesQuoteTheStatusAndTheQuestion() {
    TFOdpowi d;
    QStringList texts;
    askThen(d, 'T', [&] {
      for (QLabel* l : d.findChildren<QLabel*>()) texts << l->text();
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    QVERIFY(texts.contains("Status."));
    QVERIFY(texts.contains(QString::fromUtf8("Czy już koniec pracy ?")));
    QVERIFY(texts.contains(QString::fromUtf8("[enter] = TAK   [esc] = WRÓĆ")));
  }

  // The hint names the answer Enter gives: the highlighted button's.
  void hintFollowsTheHighlightedButton() {
    TFOdpowi d;
    auto hint = [&d] {
      for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text().startsWith("[enter]")) return l->text();
      return QString();
    };
    QStringList seen;
    const int a = askThen(d, 'N', [&] {
      seen << hint();
      QTest::keyClick(&d, Qt::Key_4);
      seen << hint();
      QTest::keyClick(&d, Qt::Key_6);
      seen << hint();
      QTest::keyClick(&d, Qt::Key_Return);
    });
    QCOMPARE(a, 1);
    QCOMPARE(seen, (QStringList{QString::fromUtf8("[enter] = NIE   [esc] = WRÓĆ"),
                                QString::fromUtf8("[enter] = TAK   [esc] = WRÓĆ"),
                                QString::fromUtf8("[enter] = NIE   [esc] = WRÓĆ")}));
    // Tabbing onto " Powrót " makes Enter go back, and the hint says so.
    QString onPowrot;
    QCOMPARE(askThen(d, 'T',
                     [&] {
                       QVERIFY(QTest::qWaitForWindowActive(&d));
                       QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                       QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                       onPowrot = hint();
                       QTest::keyClick(d.focusWidget(), Qt::Key_Return);
                     }),
             2);
    QCOMPARE(onPowrot, QString::fromUtf8("[enter] = WRÓĆ   [esc] = WRÓĆ"));
  }

  void lettersAnswerWhateverIsHighlighted_data() {
    QTest::addColumn<char>("defaultAnswer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");
    for (const char* k : {"t", "Y", "a", "D", "j", "O", "s"}) {
      QTest::newRow(k) << 'N' << QString(k) << 0;
    }
    QTest::newRow("n") << 'T' << QString("n") << 1;
  }
  void lettersAnswerWhateverIsHighlighted() {
    QFETCH(char, defaultAnswer);
    QFETCH(QString, key);
    QFETCH(int, expected);
    TFOdpowi d;
    QCOMPARE(askThen(d, defaultAnswer, [&] { QTest::keyClicks(d.focusWidget(), key); }), expected);
  }

  void escAndClosingAnswerBack() {
    TFOdpowi d;
    QCOMPARE(askThen(d, 'T', [&] { QTest::keyClick(&d, Qt::Key_Escape); }), 2);
    QCOMPARE(askThen(d, 'T', [&] { d.close(); }), 2);
  }

  void digitsMoveTheHighlightAndOtherKeysAreIgnored() {
    TFOdpowi d;
    QCOMPARE(askThen(d, 'T',
                     [&] {
                       QTest::keyClick(&d, Qt::Key_1);
                       QCOMPARE(d.highlighted(), 2);
                       QVERIFY(d.button(1)->isFlat());
                       QVERIFY(!d.button(2)->isFlat());
                       QTest::keyClick(&d, Qt::Key_X);
                       QTest::keyClick(&d, Qt::Key_5);
                       QCOMPARE(d.answer(), -1);  // still waiting
                       QTest::keyClick(&d, Qt::Key_Return);
                     }),
             1);
    QCOMPARE(askThen(d, 'N',
                     [&] {
                       QTest::keyClick(&d, Qt::Key_7);
                       QCOMPARE(d.highlighted(), 1);
                       QTest::keyClick(&d, Qt::Key_6);
                       QTest::keyClick(&d, Qt::Key_4);
                       QTest::keyClick(&d, Qt::Key_Return);
                     }),
             0);
  }

  // Focus moves highlight only in the active window; checked after the answer.
  void tabbingHighlightsAndStopsAtPowrot() {
    TFOdpowi d;
    bool active = false;
    int afterOneTab = 0;
    int afterThreeTabs = 0;
    QWidget* focusAfterThreeTabs = nullptr;
    const int a = askThen(d, 'T', [&] {
      active = QTest::qWaitForWindowActive(&d);
      QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
      afterOneTab = d.highlighted();
      QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
      QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
      afterThreeTabs = d.highlighted();
      focusAfterThreeTabs = d.focusWidget();
      QTest::keyClick(d.focusWidget(), Qt::Key_Return);
    });
    QVERIFY(active);
    QCOMPARE(afterOneTab, 2);
    QCOMPARE(afterThreeTabs, 3);
    QCOMPARE(focusAfterThreeTabs, d.button(3));
    QCOMPARE(a, 2);
  }

  void clickingAButtonAnswersWithIt() {
    TFOdpowi d;
    QCOMPARE(askThen(d, 'T', [&] { QTest::mouseClick(d.button(3), Qt::LeftButton); }), 2);
    QCOMPARE(askThen(d, 'T', [&] { QTest::mouseClick(d.button(2), Qt::LeftButton); }), 1);
  }
};

QTEST_MAIN(AnswerDialogTest)
#include "answer_dialog_test.moc"
