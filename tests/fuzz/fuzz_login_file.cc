// The login file: a login page checks the login of the file's first line
// (and one that is not there) with a typed password.
#include "fuzz_target.h"
#include "shell/login.h"
#include "shell/login_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  const std::string_view text = fuzz::asText(data, size);
  const std::string path = fuzz::inputFile("Login.txt", text);
  const shell::LoginEntry first = shell::parseLoginLine(text.substr(0, text.find('\n')));
  (void)shell::checkLogin(path, first.login, "HASLO", 0);
  (void)shell::checkLogin(path, "NIKT", "HASLO", 0);
  return 0;
}
