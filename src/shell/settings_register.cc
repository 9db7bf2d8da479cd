// One settings register as a workstation sees it.
#include "shell/settings_register.h"

#include "shell/settings_register_file.h"
#include "text/codepage.h"

namespace zefir::shell {

Status SettingsRegister::load(std::string path, std::string suffix) {
  path_ = std::move(path);
  suffix_ = std::move(suffix);
  entries_.clear();
  bool damaged = false;
  std::optional<std::string> text = readRegisterText(path_, &damaged);
  if (!text) return Status::Error(text::fromUtf8("Nie odczytano ustawień z ") + path_);
  entries_ = registerEntries(*text);
  if (damaged) return Status::Error(damagedRegisterMessage(path_));
  return Status::Ok();
}

Status SettingsRegister::setSuffix(std::string suffix) {
  return load(path_, std::move(suffix));
}

bool SettingsRegister::has(std::string_view key) const {
  return entries_.count(lookupKey(key, suffix_)) != 0;
}

SettingValue SettingsRegister::stored(std::string_view key) const {
  auto it = entries_.find(lookupKey(key, suffix_));
  return it == entries_.end() ? SettingValue() : SettingValue(it->second);
}

SettingValue SettingsRegister::value(std::string_view key) const {
  SettingValue defaults(defaultSettingValue(key));
  if (keyNormalForm(key) == "KONRAPE1")
    defaults = SettingValue(defaults.field(1) + ";" + value("KonRapE0").text());
  return overDefaults(stored(key), defaults);
}

Status SettingsRegister::set(std::string_view key, std::string_view value) {
  return set({{key, value}});
}

Status SettingsRegister::set(
    std::initializer_list<std::pair<std::string_view, std::string_view>> entries) {
  std::vector<std::pair<std::string, std::string>> list;
  for (const auto& [key, value] : entries) list.emplace_back(key, value);
  return setAll(list);
}

Status SettingsRegister::setAll(const std::vector<std::pair<std::string, std::string>>& list) {
  if (suffix_.empty()) return Status::Ok();
  Status status = writeRegisterEntries(path_, suffix_, list);
  if (status.ok())
    for (const auto& [key, value] : list) entries_[lookupKey(key, suffix_)] = storableValue(value);
  return status;
}

SettingValue readSetting(std::string_view path, std::string_view suffix, std::string_view key) {
  std::optional<std::string> text = readRegisterText(path);
  if (!text) return SettingValue();
  auto entries = registerEntries(*text);
  auto it = entries.find(lookupKey(key, suffix));
  return it == entries.end() ? SettingValue() : SettingValue(it->second);
}

Status writeSetting(std::string_view path, std::string_view suffix, std::string_view key,
                    std::string_view value) {
  return writeRegisterEntries(path, suffix, {{std::string(key), std::string(value)}});
}

}  // namespace zefir::shell
