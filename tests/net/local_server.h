// A web server on 127.0.0.1 inside the test process, plain or with TLS (the
// certificate in tests/data/net is made for 127.0.0.1 and trusted through the
// download's ca_file). It listens on a free port from a thread of its own and
// stops when it goes out of scope; every read and write times out within two
// seconds, so no request can keep a test waiting.
#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace zefir::net::testing {

inline std::string certificateFile() {
  return ZEFIR_TEST_DATA_DIR "/net/localhost.crt";
}
inline std::string keyFile() {
  return ZEFIR_TEST_DATA_DIR "/net/localhost.key";
}

class LocalServer {
 public:
  explicit LocalServer(bool tls = false) {
    if (tls)
      server_ = std::make_unique<httplib::SSLServer>(certificateFile().c_str(), keyFile().c_str());
    else
      server_ = std::make_unique<httplib::Server>();
    server_->set_read_timeout(2, 0);
    server_->set_write_timeout(2, 0);
    server_->set_keep_alive_max_count(1);
    server_->set_pre_routing_handler([this](const httplib::Request&, httplib::Response&) {
      ++requests_;
      return httplib::Server::HandlerResponse::Unhandled;
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    base_ = std::string(tls ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
  }
  ~LocalServer() {
    server_->stop();
    if (thread_.joinable()) thread_.join();
  }

  // Serves `body` at `path`.
  void serve(const std::string& path, std::string body) {
    server_->Get(path, [body = std::move(body)](const httplib::Request&, httplib::Response& res) {
      res.set_content(body, "application/octet-stream");
    });
  }
  // Serves a response that promises `promised` bytes and ends the connection
  // after sending only `body`.
  void serveCut(const std::string& path, std::string body, std::size_t promised) {
    server_->Get(path, [body = std::move(body), promised](const httplib::Request&,
                                                          httplib::Response& res) {
      res.set_content_provider(promised, "application/octet-stream",
                               [body](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                 if (offset >= body.size()) return false;  // drops the connection
                                 sink.write(body.data() + offset, body.size() - offset);
                                 return true;
                               });
    });
  }
  // Answers `path` with a redirect to `target`.
  void redirect(const std::string& path, const std::string& target) {
    server_->Get(path, [target](const httplib::Request&, httplib::Response& res) {
      res.set_redirect(target);
    });
  }
  httplib::Server& server() { return *server_; }

  // Starts answering; call after the routes are set.
  void start() {
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    for (int i = 0; i < 200 && !server_->is_running(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }

  const std::string& base() const { return base_; }
  int requests() const { return requests_; }

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  std::string base_;
  std::atomic<int> requests_{0};
};

}  // namespace zefir::net::testing
