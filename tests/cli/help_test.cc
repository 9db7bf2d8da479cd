// zefir-cli's help: Polish throughout, from --help, "help" and every command.
#include <regex>

#include "cli_runner.h"

namespace zefir::cli_test {
namespace {

// The words CLI11 prints on its own unless told otherwise.
const std::regex kEnglish(
    R"(\b(Usage|Options|OPTIONS|Positionals|REQUIRED|Subcommands|SUBCOMMANDS?|TEXT|U?INT|FLOAT|POSITIVE|NONNEGATIVE|BASE|BASEFOLDER|OPTION|base|DATE|DIR|buffer|in \[)\b)");

class HelpCli : public CliTest {
 protected:
  // The help printed for `args`, checked to be Polish.
  std::string polishHelp(const std::string& args) const {
    const CliResult r = run(args);
    EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
    std::smatch english;
    EXPECT_FALSE(std::regex_search(r.out, english, kEnglish))
        << args << ": \"" << english.str() << "\" in\n"
        << r.out;
    EXPECT_NE(r.out.find("Użycie: "), std::string::npos) << args << "\n" << r.out;
    return r.out;
  }
};

TEST_F(HelpCli, ProgramHelpIsPolishAndTheHelpCommandPrintsIt) {
  const std::string flag = polishHelp("--help");
  EXPECT_NE(flag.find("Polecenia:"), std::string::npos) << flag;
  EXPECT_NE(flag.find("[OPCJE] POLECENIE"), std::string::npos) << flag;
  for (const char* command :
       {"dump", "put", "check", "demo", "compute", "render", "report", "jpk-st", "rates", "help"})
    EXPECT_NE(flag.find(std::string("\n  ") + command + " "), std::string::npos) << command;
  EXPECT_EQ(polishHelp("help"), flag);
}

TEST_F(HelpCli, EveryCommandsHelpIsPolish) {
  for (const char* command : {"dump", "put", "check", "demo", "compute", "compute-all", "render",
                              "report", "jpk-st", "rates", "help"})
    polishHelp(std::string(command) + " --help");
  const std::string compute = polishHelp("compute --help");
  EXPECT_NE(compute.find("compute [OPCJE] BAZA SYMBOL DATA"), std::string::npos) << compute;
  EXPECT_NE(compute.find("Argumenty:"), std::string::npos) << compute;
  EXPECT_NE(compute.find("BAZA TEKST WYMAGANY"), std::string::npos) << compute;
  EXPECT_NE(compute.find("--basis TEKST:{B,P}"), std::string::npos) << compute;
  EXPECT_EQ(polishHelp("help compute"), compute);
  const std::string put = polishHelp("put --help");
  EXPECT_NE(put.find("--station LICZBA:LICZBA z [1 - 197]"), std::string::npos) << put;
}

TEST_F(HelpCli, HelpOfAnUnknownCommandIsAUsageError) {
  const CliResult r = run("help nic");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Nie ma polecenia \"nic\""), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zefir::cli_test
