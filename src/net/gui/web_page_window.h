// The hidden web-page window (TFWebPage): loads a page and keeps the text of
// its body as the page's result (net::pageText). It is never shown; the
// download runs on a thread of its own so the desktop keeps its timer and
// windows going while a slow site answers, and the result is taken on the
// window's thread once the page is complete.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "net/download.h"

namespace zefir::gui {

class TFWebPage : public QWidget {
  Q_OBJECT

 public:
  explicit TFWebPage(QWidget* parent = nullptr);
  // Waits for a download still running (at most its time-out).
  ~TFWebPage() override;

  // Starts loading `url` into `file`. False (nothing started) while a page is
  // still loading.
  bool load(const std::string& url, const std::string& file,
            const net::DownloadLimits& limits = {});
  bool loading() const;
  // The last complete page's result (code page 1250); "" before the first.
  const std::string& result() const { return result_; }

 signals:
  // The page is complete: its result as the window keeps it.
  void loaded(const QString& text);

 private:
  struct Load;
  void complete(const Status& downloaded);

  std::unique_ptr<Load> load_;
  std::string file_;
  std::string result_;
};

}  // namespace zefir::gui
