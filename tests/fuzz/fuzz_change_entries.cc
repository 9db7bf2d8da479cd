// Change entries: each input line is one entry of an asset's list, parsed
// as every placement and report parses them.
#include "fuzz_target.h"
#include "register/change_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zefir;
  std::string_view text = fuzz::asText(data, size);
  AssetRecord asset;
  for (int i = 0; i < kChangeEntries && !text.empty(); ++i) {
    const std::size_t end = text.find('\n');
    (void)asset.Z[i].assign(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  for (const ChangeEntry& e : parseChangeEntries(asset))
    if (!e.empty()) (void)changeEntryDisplayText(e);
  // One long text as it is, past the record's 50 characters.
  (void)parseChangeEntry(fuzz::asText(data, size), size % 64);
  return 0;
}
