#include "operations/output_choices.h"

#include "operations/option_catalogue.h"
#include "text/codepage.h"

namespace zefir::operations {

namespace {

constexpr std::size_t kMostChoices = 18;

struct Entry {
  int kind;
  const char* text;  // UTF-8
  const char* code;
};

const Entry kEntries[] = {
    {kOutputCopies, "1 egzemplarz", "e"},
    {kOutputCopies, "2 egzemplarze", "ee"},
    {kOutputCopies, "3 egzemplarze", "eee"},
    {kOutputCopies, "4 egzemplarze", "eeee"},
    {kOutputOriginal, "Oryginał", "o"},
    {kOutputOriginal, "Oryginał + kopia", "ok"},
    {kOutputOriginal, "Oryginał + 2 kopie", "okl"},
    {kOutputOriginal, "Oryginał + 3 kopie", "oklm"},
    {kOutputOriginal, "Kopia", "k"},
    {kOutputOriginal, "2 kopie", "kl"},
    {kOutputOriginal, "3 kopie", "klm"},
    {kOutputSaveOnly, "Zapis tylko", "z"},
    {8, "Paragon fiskalny", "f"},
    {16, "coś jeszcze", "c"},
};

}  // namespace

std::vector<OutputChoice> outputChoices(int kinds) {
  if (kinds == 0) return {{"Zapis", "e"}};
  std::vector<OutputChoice> list{{text::fromUtf8("Podgląd"), "p"}};
  for (const Entry& e : kEntries)
    if ((kinds & e.kind) != 0 && list.size() < kMostChoices)
      list.push_back({text::fromUtf8(e.text), e.code});
  return list;
}

std::string outputChoiceKey(const std::string& outputKey) {
  return "Zes-" + outputKey.substr(0, 4);
}

int rememberedChoice(int stored, int count) {
  return stored >= 1 && stored <= count ? stored - 1 : 0;
}

}  // namespace zefir::operations
