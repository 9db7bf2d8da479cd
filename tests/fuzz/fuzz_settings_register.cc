// A settings register file (Zefir.BAL), loaded as a workstation loads it.
#include "fuzz_target.h"
#include "shell/settings_register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  const std::string path = fuzz::inputFile("Zefir.BAL", fuzz::asText(data, size));
  shell::SettingsRegister reg;
  (void)reg.load(path, ".001");
  for (const char* key : {"Drukarka", "Okno", "JpkStNab", "Haslo"}) (void)reg.stored(key).text();
  return 0;
}
