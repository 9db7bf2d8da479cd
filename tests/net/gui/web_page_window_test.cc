// The hidden web-page window: it loads a page from a server (here one on
// 127.0.0.1 inside the test) while the desktop goes on, keeps the text of
// the page's body, and says in the status line, from the window's own
// thread only, why a page could not be had.
#include "net/gui/web_page_window.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <vector>

#include "../local_server.h"
#include "platform/status_line.h"
#include "text/codepage.h"

using namespace zefir;
using zefir::gui::TFWebPage;
using zefir::net::testing::LocalServer;

namespace {

// Remembers every text and whether it came from the thread the window lives in.
class ThreadCheckingStatusLine : public StatusLine {
 public:
  void show(std::string_view text, StatusKind kind) override {
    texts.emplace_back(text);
    kinds.push_back(kind);
    if (QThread::currentThread() != qApp->thread()) ++fromOtherThreads;
  }
  std::vector<std::string> texts;
  std::vector<StatusKind> kinds;
  int fromOtherThreads = 0;
};

}  // namespace

class WebPageWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  ThreadCheckingStatusLine line;
  net::DownloadLimits limits;

  std::string file(const char* name) const { return dir.filePath(name).toStdString(); }

 private slots:
  void init() {
    line = ThreadCheckingStatusLine();
    setStatusLine(&line);
    limits.timeout_seconds = 5;
  }
  void cleanup() { setStatusLine(nullptr); }

  void aCompletePageKeepsTheTextOfItsBodyAndTheWindowStaysHidden() {
    LocalServer server;
    server.serve("/wersja",
                 "<html><head><title>Zefir</title></head>\r\n<body>\r\n"
                 "  <div><p>Zefir 1.20\r\n z 9 grudnia</p><p>drugi</p></div>"
                 "</body></html>");
    server.start();
    TFWebPage page;
    QSignalSpy loaded(&page, &TFWebPage::loaded);
    QVERIFY(page.load(server.base() + "/wersja", file("wersja.htm"), limits));
    QVERIFY(page.loading());
    // One page at a time: a second load while the first runs is refused.
    QVERIFY(!page.load(server.base() + "/wersja", file("inna.htm"), limits));
    QTRY_COMPARE(loaded.count(), 1);
    QVERIFY(!page.loading());
    QCOMPARE(page.result(), std::string("Zefir 1.20 z 9 grudnia"));
    QCOMPARE(loaded.at(0).at(0).toString(), QStringLiteral("Zefir 1.20 z 9 grudnia"));
    QVERIFY(!page.isVisible());
    QCOMPARE(line.texts.front(), "www=>" + file("wersja.htm"));
    QCOMPARE(line.fromOtherThreads, 0);
    QCOMPARE(server.requests(), 1);
  }

  void aPageWithoutBodyOrWithoutAnswerGivesTheFixedTexts() {
    LocalServer server;
    server.serve("/bez", "<html><p>nic</p></html>");
    server.start();
    TFWebPage page;
    QSignalSpy loaded(&page, &TFWebPage::loaded);
    QVERIFY(page.load(server.base() + "/bez", file("bez.htm"), limits));
    QTRY_COMPARE(loaded.count(), 1);
    QCOMPARE(text::toUtf8(page.result()), std::string("3. Błędnie ściągnięta informacja."));

    QVERIFY(page.load(server.base() + "/brak", file("brak.htm"), limits));
    QTRY_COMPARE(loaded.count(), 2);
    QCOMPARE(text::toUtf8(page.result()), std::string("2. Brak dostępu."));
    QCOMPARE(line.kinds.back(), StatusKind::Error);
    QVERIFY2(line.texts.back().find("404") != std::string::npos, line.texts.back().c_str());
    QCOMPARE(line.fromOtherThreads, 0);
  }

  // A window closed while its page still loads waits for the download to end
  // and drops its result; nothing reaches a window that is gone.
  void aWindowGoneWhileLoadingDropsThePage() {
    LocalServer server;
    server.serve("/wersja", "<body>tekst</body>");
    server.start();
    {
      TFWebPage page;
      QVERIFY(page.load(server.base() + "/wersja", file("w.htm"), limits));
    }
    QTest::qWait(50);  // anything queued for the window would run here
    QCOMPARE(line.fromOtherThreads, 0);
  }
};

QTEST_MAIN(WebPageWindowTest)
#include "web_page_window_test.moc"
