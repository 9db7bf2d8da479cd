#include "net/gui/web_page_window.h"

#include <QMetaObject>
#include <thread>

#include "net/page_text.h"
#include "output/gui/qt_text.h"
#include "platform/status_line.h"

namespace zefir::gui {

struct TFWebPage::Load {
  std::thread thread;
  bool running = false;
};

TFWebPage::TFWebPage(QWidget* parent) : QWidget(parent), load_(std::make_unique<Load>()) {
  setObjectName("TFWebPage");
  setWindowTitle(QString::fromUtf8("Strona internetowa"));
  hide();
}

TFWebPage::~TFWebPage() {
  if (load_->thread.joinable()) load_->thread.join();
}

bool TFWebPage::loading() const {
  return load_->running;
}

bool TFWebPage::load(const std::string& url, const std::string& file,
                     const net::DownloadLimits& limits) {
  if (load_->running) return false;
  if (load_->thread.joinable()) load_->thread.join();
  load_->running = true;
  file_ = file;
  // The status line is the window thread's: the download's own "www=>" and
  // the outcome are shown from here and from complete().
  showStatus(net::downloadStatusText(file), StatusKind::Information);
  load_->thread = std::thread([this, url, file, limits] {
    Status downloaded = net::downloadQuietly(url, file, limits);
    // Queued to the window's thread. The destructor joins this thread before
    // the window goes, and a window gone drops what was queued to it.
    QMetaObject::invokeMethod(
        this, [this, downloaded = std::move(downloaded)] { complete(downloaded); },
        Qt::QueuedConnection);
  });
  return true;
}

void TFWebPage::complete(const Status& downloaded) {
  load_->running = false;
  result_ = net::downloadedPageText(downloaded, file_);
  emit loaded(output::qtText(result_));
}

}  // namespace zefir::gui
