// zefir-cli hasla: an old login file turned into hashed form.
#include "cli_runner.h"
#include "shell/login_file.h"

namespace zefir::cli_test {
namespace {

using LoginHashTest = CliTest;

TEST_F(LoginHashTest, ClearPasswordsBecomeHashesAndStillLogIn) {
  const fs::path file = path("Login.txt");
  writeFile(file, "1,adam,Tajne,A,,,uwaga\r\n0x,zly,haslo,A\r\n2,ewa,ewy,K,biuro\r\n");
  const CliResult r = run("hasla " + quoted(file));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Zamienione hasła: 2"), std::string::npos) << r.out;
  const std::string after = readFile(file);
  EXPECT_NE(after.find("\r\n0x,zly,haslo,A\r\n"), std::string::npos);  // an unusable line stays
  EXPECT_EQ(after.find("Tajne"), std::string::npos);
  const auto adam = shell::findLogin(after, "ADAM");
  ASSERT_TRUE(adam);
  EXPECT_TRUE(shell::passwordMatches(adam->password, "tajne"));
  EXPECT_NE(after.find(",A,,,uwaga\r\n"), std::string::npos);  // fields after it kept
  EXPECT_EQ(shell::findLogin(after, "ewa")->baseFolder, "biuro");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  // Run again: nothing left in clear, the hashes stay as they are.
  ASSERT_EQ(run("hasla " + quoted(file)).status, 0);
  EXPECT_EQ(readFile(file), after);
  EXPECT_EQ(run("hasla " + quoted(path("brak.txt"))).status, 2);
}

}  // namespace
}  // namespace zefir::cli_test
