#include "net/page_text.h"

#include <gtest/gtest.h>

#include "../platform/test_dir.h"
#include "local_server.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace zefir::net {
namespace {

std::string utf8PageText(std::string_view html) {
  return text::toUtf8(pageText(html));
}

TEST(PageText, TheFirstInnermostElementsTextOnOneLine) {
  EXPECT_EQ(utf8PageText("<html><head><title>t</title></head>\r\n<body class=\"x\">\r\n"
                         "  <div id=\"w\">\n    <p><b>Wersja 2.07\r\n z 1 grudnia</b> i reszta</p>"
                         "</div><p>dalej</p></body></html>"),
            "Wersja 2.07 z 1 grudnia");
  EXPECT_EQ(utf8PageText("<BODY><!-- uwaga --><span>Cena &lt;100&gt; &amp; więcej</span></BODY>"),
            "Cena <100> & więcej");
  // The same page in code page 1250.
  EXPECT_EQ(utf8PageText(text::fromUtf8("<body><p>Zażółć gęślą jaźń</p></body>")),
            "Zażółć gęślą jaźń");
  EXPECT_EQ(utf8PageText("<body>Tylko tekst"), "Tylko tekst");
  EXPECT_EQ(utf8PageText("<body></body>"), "");
}

TEST(PageText, APageWithoutBodyOrContentSaysSo) {
  EXPECT_EQ(utf8PageText("<html><bodyguard>x</bodyguard></html>"),
            "3. Błędnie ściągnięta informacja.");
  EXPECT_EQ(utf8PageText("<body"), "3. Błędnie ściągnięta informacja.");
  EXPECT_EQ(utf8PageText(""), "2. Brak dostępu.");
}

TEST(PageText, ReadWebPageDownloadsTheTextOrNotesTheFailure) {
  testing::LocalServer server;
  server.serve("/strona", "<html><body><h1>Nowa wersja</h1></body></html>");
  server.start();
  zefir::testing::TempDir dir;
  RememberingStatusLine line;
  setStatusLine(&line);
  DownloadLimits limits;
  limits.timeout_seconds = 5;
  EXPECT_EQ(readWebPage(server.base() + "/strona", dir.file("strona.htm"), limits), "Nowa wersja");
  EXPECT_EQ(text::toUtf8(readWebPage(server.base() + "/brak", dir.file("brak.htm"), limits)),
            "2. Brak dostępu.");
  EXPECT_EQ(line.last_kind, StatusKind::Error);
  EXPECT_NE(line.last_text.find("404"), std::string::npos);
  setStatusLine(nullptr);
}

}  // namespace
}  // namespace zefir::net
