#include "cli/polish_help.h"

#include <cctype>
#include <iostream>
#include <memory>

#include "cli/commands.h"

namespace zefir::cli {

namespace {

// CLI11 looks its fixed words up as labels; these are their Polish forms,
// with the positional arguments' names and the words of the value kinds
// ("TEXT", "INT:POSITIVE", "INT in [1 - 197]").
constexpr std::pair<const char*, const char*> kLabels[] = {
    {"Usage", "Użycie"},
    {"OPTIONS", "OPCJE"},
    {"SUBCOMMAND", "POLECENIE"},
    {"SUBCOMMANDS", "POLECENIA"},
    {"Positionals", "Argumenty"},
    {"Options", "Opcje"},
    {"REQUIRED", "WYMAGANY"},
    {"Env", "Zmienna"},
    {"Needs", "Wymaga"},
    {"Excludes", "Wyklucza"},
    {"BASE", "BAZA"},
    {"BASEFOLDER", "FOLDER_BAZY"},
    {"OPTION", "OPCJA"},
    {"DATE", "DATA"},
    {"DIR", "FOLDER"},
    {"buffer", "BUFOR"},
    {"TEXT", "TEKST"},
    {"INT", "LICZBA"},
    {"UINT", "LICZBA"},
    {"FLOAT", "LICZBA"},
    {"NUMBER", "LICZBA"},
    {"POSITIVE", "DODATNIA"},
    {"NONNEGATIVE", "NIEUJEMNA"},
    {"BOOLEAN", "TAK/NIE"},
    {"FILE", "PLIK"},
    {"PATH", "ŚCIEŻKA"},
    {"in", "z"},
};

constexpr const char* kCommandsGroup = "Polecenia";

class PolishFormatter : public CLI::Formatter {
 public:
  PolishFormatter() {
    for (const auto& [key, polish] : kLabels) label(key, polish);
  }

  // The options of a subcommand keep CLI11's group title; it is a label too.
  std::string make_group(std::string group, bool is_positional,
                         std::vector<const CLI::Option*> opts) const override {
    return CLI::Formatter::make_group(get_label(group), is_positional, std::move(opts));
  }

  std::string make_option_name(const CLI::Option* opt, bool is_positional) const override {
    if (is_positional) return get_label(opt->get_name(true, false));
    return CLI::Formatter::make_option_name(opt, is_positional);
  }

  std::string make_option_opts(const CLI::Option* opt) const override {
    std::string out;
    if (!opt->get_option_text().empty()) return " " + opt->get_option_text();
    if (opt->get_type_size() != 0) {
      if (!opt->get_type_name().empty()) out += " " + valueKind(opt->get_type_name());
      if (!opt->get_default_str().empty()) out += "=" + opt->get_default_str();
      if (opt->get_required()) out += " " + get_label("REQUIRED");
    }
    return out;
  }

 private:
  // Every word of a value kind by its label; what lies between stays.
  std::string valueKind(const std::string& kind) const {
    std::string out, word;
    auto flush = [&] {
      if (!word.empty()) out += get_label(word);
      word.clear();
    };
    for (char c : kind) {
      if (std::isalpha(static_cast<unsigned char>(c))) {
        word += c;
      } else {
        flush();
        out += c;
      }
    }
    flush();
    return out;
  }
};

}  // namespace

void usePolishHelp(CLI::App& app) {
  app.formatter(std::make_shared<PolishFormatter>());
  app.group(kCommandsGroup);
  app.set_help_flag("-h,--help", "Pokaż pomoc i zakończ");
}

void addHelpCommand(CLI::App& app) {
  static std::string command;
  auto* help = app.add_subcommand("help", "Pokaż pomoc zefir-cli albo jednego polecenia");
  help->add_option("POLECENIE", command, "Polecenie, którego pomoc pokazać");
  help->callback([&app] {
    const CLI::App* target = &app;
    if (!command.empty()) {
      try {
        target = app.get_subcommand(command);
      } catch (const CLI::OptionNotFound&) {
        throw CliExit{1, "Nie ma polecenia \"" + command + "\" (zob. zefir-cli help)"};
      }
    }
    // Straight from the formatter: App::help() would show the help of the
    // command running now, this one.
    const std::string name =
        target == &app ? app.get_name() : app.get_name() + " " + target->get_name();
    std::cout << target->get_formatter()->make_help(target, name, CLI::AppFormatMode::Normal);
    throw CliExit{0, ""};
  });
}

}  // namespace zefir::cli
