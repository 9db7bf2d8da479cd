#include "operations/field_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "operations/catalogue_hooks.h"
#include "register/asset_register.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/short_strings.h"

namespace zefir::operations {
namespace {

const FieldInfo& field(const char* code) {
  const FieldInfo* f = findField(code);
  EXPECT_NE(f, nullptr) << code;
  return *f;
}

bool accepts(const char* code, std::string_view text, const FieldContext& c = {}) {
  return checkField(field(code), text, c).ok;
}

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/zefir-ops-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string path() const { return path_.string(); }
  void touch(const std::string& name) const { std::ofstream(path_ / name) << ""; }

 private:
  std::filesystem::path path_;
};

TEST(FieldChecks, YearsAndSmallRangesAcceptTheirEndsAndRefuseBeyond) {
  EXPECT_TRUE(accepts("Rok4", "2000"));
  EXPECT_TRUE(accepts("Rok4", "2039"));
  EXPECT_FALSE(accepts("Rok4", "1999"));
  EXPECT_FALSE(accepts("Rok4", "2040"));
  EXPECT_FALSE(accepts("Rok4", "20x1"));
  EXPECT_TRUE(accepts("Rok4", "21"));  // completed to 2021
  EXPECT_FALSE(accepts("SGRa", "0"));
  EXPECT_FALSE(accepts("SGRa", "4"));
  EXPECT_TRUE(accepts("SGRa", "3"));
  EXPECT_TRUE(accepts("Opis", "0"));
  EXPECT_TRUE(accepts("Opis", "9"));
  EXPECT_FALSE(accepts("Opis", ":"));  // the character after "9"
  EXPECT_FALSE(accepts("Opis", "A"));
}

TEST(FieldChecks, LetterFieldsTakeOnlyTheirLettersAndRefuseEmpty) {
  for (const char* ok : {"T", "Z", "G", "z"}) EXPECT_TRUE(accepts("TZGr", ok)) << ok;
  for (const char* bad : {"", "A", "TZ"}) EXPECT_FALSE(accepts("TZGr", bad)) << bad;
  for (const char* ok : {"E", "G", "M"}) EXPECT_TRUE(accepts("AEGM", ok)) << ok;
  for (const char* bad : {"", "T"}) EXPECT_FALSE(accepts("AEGM", bad)) << bad;
  FieldVerdict v = checkField(field("TZGr"), "X", {});
  EXPECT_EQ(v.message, "Tu popraw");
  EXPECT_EQ(v.kind, StatusKind::Error);
}

TEST(FieldChecks, ArchiveAndSplitNamesMustBeFreeInTheBaseFolder) {
  TempFolder base;
  base.touch("Srodki.PST");
  FieldContext c;
  c.baseFolder = base.path();
  EXPECT_FALSE(accepts("BaAr", "", c));
  // Names are typed in upper case; the file's own spelling still counts.
  EXPECT_FALSE(accepts("BaAr", "SRODKI", c));
  EXPECT_FALSE(accepts("BaZg", "srodki", c));
  EXPECT_TRUE(accepts("BaZg", "", c));
  FieldVerdict free = checkField(field("BaPo"), "SRPOZOS", c);
  EXPECT_TRUE(free.ok);
  EXPECT_EQ(free.message, "Nie ma " + base.path() + "\\SRPOZOS.PST");
  EXPECT_EQ(free.kind, StatusKind::Information);
}

TEST(FieldChecks, AssetSymbolAndDocumentLetterMustBeInTheRegister) {
  AssetRegister reg;
  std::vector<std::unique_ptr<AssetRecord>> assets;
  assets.push_back(std::make_unique<AssetRecord>(AssetRegister::emptyRecord()));
  assets.back()->Symb = "A-1";
  assets.push_back(std::make_unique<AssetRecord>(AssetRegister::emptyRecord()));
  assets.back()->Symb = "B-1";
  assets.back()->Z[0] = "LT:150326,LT1";
  reg.assignSorted(std::move(assets));
  FieldContext c;
  c.assets = &reg;
  EXPECT_TRUE(accepts("SroJ", "a-1", c));
  EXPECT_FALSE(accepts("SroJ", "A-2", c));
  EXPECT_FALSE(accepts("SroJ", "", c));

  // Every asset has its own acceptance as OT document A; an LT needs an entry.
  c.documentSymbol = "A-1";
  c.documentKind = "OT";
  EXPECT_TRUE(accepts("DokJ", "A", c));
  EXPECT_FALSE(accepts("DokJ", "1", c));
  c.documentKind = "LT";
  EXPECT_FALSE(accepts("DokJ", "A", c));
  c.documentSymbol = "B-1";
  EXPECT_TRUE(accepts("DokJ", "A", c));
  EXPECT_FALSE(accepts("DokJ", "B", c));  // past the last: no other document stands in
  c.documentKind = "OT";
  EXPECT_FALSE(accepts("DokJ", "B", c)) << "no further OT entry";
}

TEST(FieldDefaults, EmptyFieldsGetTheirDefaultsAndArchiveNameCarriesToday) {
  FieldContext c;
  c.today = text::dayFromDate(2026, 12, 7);
  EXPECT_EQ(fieldDefault(field("BaAr"), c), "Ar071226");
  EXPECT_EQ(fieldDefault(field("BaZg"), c), "SrZgod");
  EXPECT_EQ(fieldDefault(field("SGRa"), c), "3");
  EXPECT_EQ(fieldDefault(field("TZGr"), c), "T");
  EXPECT_EQ(fieldDefault(field("DaDo"), c), std::nullopt);
  EXPECT_EQ(fieldDefault(field("PoKS"), c), std::nullopt);  // the dialog's depth refresh
  EXPECT_EQ(fieldPattern(field("Rok4"), c), "2021");
  EXPECT_EQ(fieldPattern(field("EDaZ"), c), "071226");
  EXPECT_EQ(fieldPattern(field("EDaO"), c), std::nullopt);
}

TEST(FieldCompletion, AcceptedTextsAreNormalised) {
  FieldContext c;
  c.today = text::dayFromDate(2026, 12, 7);
  auto done = [&](const char* code, const char* text) {
    return completedText(field(code), text, c);
  };
  EXPECT_EQ(done("TN_N", ""), "N");
  EXPECT_EQ(done("TN_N", "-1"), "N");
  EXPECT_EQ(done("Zlik", "tak"), "T");
  EXPECT_EQ(done("BaAr", "A:r/1.2"), "Ar12");
  EXPECT_EQ(done("PoKS", "40"), "16");
  EXPECT_EQ(done("PoMU", "40"), "20");
  EXPECT_EQ(done("AmBP", "p"), "P");
  EXPECT_EQ(done("AmBP", "x"), "B");
  EXPECT_EQ(done("AEGM", ""), "E");
  EXPECT_EQ(done("Rok4", "39"), "2039");
  EXPECT_EQ(done("EDaZ", "1503"), "150326");
  bool bad = false;
  EXPECT_EQ(completedText(field("EDaO"), "999939", c, &bad), "999939");
  EXPECT_TRUE(bad);
  EXPECT_EQ(changedText(field("SroW"), "ab"), "AB");
  EXPECT_EQ(changedText(field("Zlik"), "t"), "t");
  EXPECT_EQ(changedText(field("MieW"), "mag"), "MAG");
  EXPECT_EQ(changedText(field("FNaz"), "Firma"), "Firma");  // printed as typed
}

TEST(CatalogueHooks, AHookAskedForAnotherModuleNamesItselfAndFindsNothing) {
  RememberingStatusLine line;
  setStatusLine(&line);
  std::vector<LayoutLine> lines;
  EXPECT_EQ(nieMaOpcji("aZestaw", 20, {}, &lines), -1);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(line.last_text, text::fromUtf8("nieMaOpcji ma być w bZestaw a nie w aZestaw"));
  EXPECT_EQ(line.last_kind, StatusKind::Error);
  std::string key = "x";
  EXPECT_EQ(nLeftTopRd("bPulpit", 47, &key), -1);
  EXPECT_EQ(key, "");
  EXPECT_EQ(nLeftTopRd("bZestaw", 47, &key), 0);
  EXPECT_EQ(key, "PlanA");
  EXPECT_EQ(nLeftTopRd("bZestaw", 66, &key), -1);
  EXPECT_EQ(nieMaOpcji("bZestaw", 20, {}, &lines), 0);
  EXPECT_EQ(lines.size(), 3u);
  EXPECT_EQ(nieMaOpcji("bZestaw", 10, {}, &lines), -1);
  EXPECT_FALSE(nDrukPanel("bZestaw", 13));
  EXPECT_EQ(dokum2poA("bZestaw", 14), 3);
  f4ewF5Klik("bZestaw", field("Rok4"));
  EXPECT_EQ(line.last_text, "Tu F4 nie pracuje");
  setStatusLine(nullptr);
}

TEST(CatalogueHooks, EnterChecksStaysOpensF3OrRunsOnTheLastField) {
  RememberingStatusLine line;
  setStatusLine(&line);
  const OptionInfo& sg = *findOption(46);
  auto inputs = inputFields(optionLayout(sg));
  FieldValues v;
  v.set("Rok4", "2040");
  EXPECT_EQ(enStNeGo("bZestaw", sg, inputs, 0, v, {}).answer, 0);
  EXPECT_EQ(line.last_text, "Tu popraw");
  v.set("Rok4", "2026");
  EnterStep s = enStNeGo("bZestaw", sg, inputs, 0, v, {});
  EXPECT_EQ(s.answer, 1);
  EXPECT_EQ(s.next, 1);
  v.set("TZGr", "G");
  EXPECT_EQ(enStNeGo("bZestaw", sg, inputs, 4, v, {}).answer, 2);

  const OptionInfo& form = *findOption(11);
  auto formInputs = inputFields(optionLayout(form));
  v.set("SroE", "A-1");
  s = enStNeGo("bZestaw", form, formInputs, 0, v, {});
  EXPECT_EQ(s.next, 2);  // past the new-symbol field
  AssetRecord loaded;
  EXPECT_EQ(enStNeGo("bZestaw", form, formInputs, 3, v, {}, &loaded).f3Window, 69);
  loaded.DtZa = 100;
  EXPECT_EQ(enStNeGo("bZestaw", form, formInputs, 3, v, {}, &loaded).answer, 1);
  EXPECT_EQ(enStNeGo("bZestaw", form, formInputs, 6, v, {}, &loaded).f3Window, 72);

  // The split needs a name for the rest unless the matching part has one.
  const OptionInfo& split = *findOption(24);
  auto splitInputs = inputFields(optionLayout(split));
  FieldValues names;
  EXPECT_EQ(enStNeGo("bZestaw", split, splitInputs, 2, names, {}).answer, 0);
  names.set("BaZg", "ZGODNE");
  EXPECT_EQ(enStNeGo("bZestaw", split, splitInputs, 2, names, {}).answer, 2);
  setStatusLine(nullptr);
}

TEST(CatalogueHooks, SelectionFieldsOpenTheirPatternSectionCarryingTheirText) {
  struct Case {
    const char* code;
    char section;
    int window;
  };
  for (const Case& c : {Case{"SroW", 'I', 73}, Case{"OsoW", 'J', 74}, Case{"MieW", 'K', 75},
                        Case{"KRSW", 'L', 76}, Case{"MPKW", 'M', 77}}) {
    CardState card;
    int window = -5;
    EXPECT_EQ(nOknoKr6("bZestaw", field(c.code), "1*", card, &window), -1) << c.code;
    EXPECT_EQ(window, c.window) << c.code;
    EXPECT_EQ(sectionOfSlot(window), c.section);
    const PatternList& p = card.patterns[c.section - 'I'];
    ASSERT_EQ(p.patterns.size(), 1u) << c.code;
    EXPECT_EQ(p.patterns[0], text::pattern("1*", patternWidth(c.section)));
    EXPECT_EQ(p.current, p.patterns[0]);
  }
  // A list the user already made is not replaced, and "……" is no pattern.
  CardState card;
  card.patterns[0].patterns = {"A??"};
  int window = 0;
  nOknoKr6("bZestaw", field("SroW"), "B*", card, &window);
  EXPECT_EQ(card.patterns[0].patterns, std::vector<std::string>{"A??"});
  nOknoKr6("bZestaw", field("OsoW"), "\x85\x85", card, &window);
  EXPECT_TRUE(card.patterns[1].patterns.empty());
  // Other fields open no pattern window; another module finds nothing.
  nOknoKr6("bZestaw", field("ENaz"), "X", card, &window);
  EXPECT_EQ(window, 0);
  RememberingStatusLine line;
  setStatusLine(&line);
  EXPECT_EQ(nOknoKr6("aZestaw", field("MieW"), "X", card, &window), -1);
  EXPECT_EQ(window, 0);
  EXPECT_EQ(line.last_text, text::fromUtf8("nOknoKr6 ma być w bZestaw a nie w aZestaw"));
  setStatusLine(nullptr);
}

}  // namespace
}  // namespace zefir::operations
