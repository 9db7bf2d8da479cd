#include "operations/operation_registry.h"

#include <gtest/gtest.h>

#include "register/asset_register.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {
namespace {

class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
    clearOperations();
    setStatusLine(&line);
  }
  void TearDown() override {
    clearOperations();
    setStatusLine(nullptr);
  }
  RememberingStatusLine line;
};

void fillRegister(AssetRegister& reg, int assets) {
  std::vector<std::unique_ptr<AssetRecord>> records;
  for (int i = 0; i < assets; ++i) {
    records.push_back(std::make_unique<AssetRecord>(AssetRegister::emptyRecord()));
    char symbol[16];
    std::snprintf(symbol, sizeof symbol, "S%06d", i);
    records.back()->Symb = symbol;
  }
  reg.assignSorted(std::move(records));
}

struct RecordingBracket : ReportBracket {
  void begin(const std::string& p) override { steps += "begin(" + p + ")"; }
  void end(output::ReportBuffer&, const Status& s) override {
    steps += s.ok() ? " end(ok)" : " end(" + s.message() + ")";
  }
  std::string steps;
};

TEST_F(Registry, AnOptionWithoutItsOperationSaysSoAndRunsNothing) {
  RunEnvironment env;
  RunOutcome r = wykonaOpc(*findOption(20), {}, env);
  EXPECT_FALSE(r.status.ok());
  EXPECT_EQ(r.status.message(), text::fromUtf8("Opcja WykaS nie jest jeszcze zrobiona"));
  EXPECT_EQ(line.last_text, r.status.message());
  // Options that have nothing to run, and those that only move the focus.
  EXPECT_TRUE(wykonaOpc(*findOption(59), {}, env).status.ok());
  EXPECT_EQ(wykonaOpc(*findOption(44), {}, env).focus, FocusAfter::LastField);
  // The password page stores nothing itself, so without its operation it
  // does not claim to have changed the password.
  EXPECT_FALSE(wykonaOpc(*findOption(87), {}, env).status.ok());
}

TEST_F(Registry, AReportRunsInsideTheBracketWithItsValuesAndPeriod) {
  std::string seen;
  ASSERT_TRUE(registerOperation("Nowop", [&](OperationRun& run) {
    seen = run.values.text("SroW") + "|" + std::to_string(run.values.all("SroW").size()) + "|" +
           run.outputCode;
    run.report->beginReport("WST", "Nowe", 0);
    run.report->endHeaders("");
    run.report->endReport();
    return Status::Ok();
  }));
  EXPECT_FALSE(registerOperation("Brak", [](OperationRun&) { return Status::Ok(); }));
  FieldValues v;
  v.add("SroW", "A*");
  v.add("SroW", "B*");
  v.set("DaOd", "010126");
  v.set("DaDo", "311226");
  output::ReportBuffer buffer;
  RecordingBracket bracket;
  RunEnvironment env;
  env.report = &buffer;
  env.bracket = &bracket;
  env.outputCode = "ee";
  RunOutcome r = wykonaOpc(*findOption(31), v, env);
  EXPECT_TRUE(r.status.ok());
  EXPECT_EQ(seen, "A*|2|ee");
  EXPECT_EQ(bracket.steps, "begin(od 01-01-2026 do 31-12-2026) end(ok)");

  // A document opens its own viewer: no buffer and no bracket.
  output::ReportBuffer* given = &buffer;
  registerOperation(13, [&](OperationRun& run) {
    given = run.report;
    return Status::Error("x");
  });
  bracket.steps.clear();
  EXPECT_EQ(wykonaOpc(*findOption(13), v, env).status.message(), "x");
  EXPECT_EQ(given, nullptr);
  EXPECT_EQ(bracket.steps, "");
}

TEST_F(Registry, ImportRunsWithUpTo4999AssetsAndIsRefusedFrom5000) {
  int runs = 0;
  registerOperation(63, [&](OperationRun&) {
    ++runs;
    return Status::Ok();
  });
  AssetRegister reg;
  output::ReportBuffer buffer;
  RunEnvironment env;
  env.assets = &reg;
  env.report = &buffer;
  fillRegister(reg, 4999);
  EXPECT_TRUE(wykonaOpc(*findOption(63), {}, env).status.ok());
  fillRegister(reg, 5000);
  RunOutcome r = wykonaOpc(*findOption(63), {}, env);
  EXPECT_EQ(r.status.message(), "Tylko do pustej bazy");
  EXPECT_EQ(line.last_kind, StatusKind::Error);
  EXPECT_EQ(runs, 1);
}

TEST_F(Registry, ValuesGetDefaultsThenChecksAndCompletion) {
  FieldContext c;
  c.today = text::dayFromDate(2026, 12, 7);
  const OptionInfo& sg = *findOption(46);
  FieldValues given;
  given.set("Rok4", "26");
  FieldValues v = withDefaults(sg, given, c);
  EXPECT_EQ(v.text("SGRa"), "3");
  EXPECT_EQ(v.text("TZGr"), "T");
  EXPECT_FALSE(v.has("SroW"));
  ASSERT_TRUE(checkAndComplete(sg, v, c).ok());
  EXPECT_EQ(v.text("Rok4"), "2026");

  v.set("SGRa", "4");
  Status s = checkAndComplete(sg, v, c);
  EXPECT_EQ(s.message(), "Tu popraw: SGRa");
  // A required field left out is refused like an empty one.
  FieldValues none;
  EXPECT_EQ(checkAndComplete(sg, none, c).message(), "Tu popraw: Rok4");
  EXPECT_EQ(withDefaults(*findOption(23), {}, c).text("BaAr"), "Ar071226");
}

}  // namespace
}  // namespace zefir::operations
