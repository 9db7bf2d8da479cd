#include "output/report_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zefir::output {
namespace {

namespace fs = std::filesystem;

TEST(ReportSettings, FreshRegistersGiveTheDefaults) {
  shell::SettingsRegister program, base;
  ReportContext ctx;
  ctx.organisation = "x";
  readReportSettings(program, base, ctx);
  EXPECT_EQ(ctx.screen.font, "c Consolas");
  EXPECT_EQ(ctx.screen.size, 10);
  EXPECT_EQ(ctx.screen.position, "CG");
  EXPECT_EQ(ctx.screen.length, 600);
  EXPECT_EQ(ctx.screen.fromTop, 1);
  EXPECT_TRUE(ctx.onSecondScreen);
  EXPECT_EQ(ctx.secondScreen.length, 600);
  EXPECT_EQ(ctx.printFont, "c Consolas");
  EXPECT_EQ(ctx.printStyle, "Bold");
  EXPECT_EQ(ctx.organisation, "Zorza-Soft");
}

TEST(ReportSettings, StoredLayoutsOfThisWorkstationAreUsed) {
  fs::path dir = fs::temp_directory_path() / ("zefir_rapset_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "Zefir.BAL") << "\r\n  Rejestr.\r\n"
                                   << " KonRapE0.005 = c Courier;Bold;12;L;700;20\r\n"
                                   << " KonRapE1.005 = N;;;;P\r\n"
                                   << " KonRapE0.006 = c Other;----;9;P;400;5\r\n"
                                   << " KonPrint.005 = c Courier New;----";
  std::ofstream(dir / "base.BAL") << " Dla kogo.005 = Firma Testowa";
  shell::SettingsRegister program, base;
  ASSERT_TRUE(program.load((dir / "Zefir.BAL").string(), ".005").ok());
  ASSERT_TRUE(base.load((dir / "base.BAL").string(), ".005").ok());
  ReportContext ctx;
  readReportSettings(program, base, ctx);
  fs::remove_all(dir);
  EXPECT_EQ(ctx.screen.font, "c Courier");
  EXPECT_EQ(ctx.screen.style, "Bold");
  EXPECT_EQ(ctx.screen.size, 12);
  EXPECT_EQ(ctx.screen.position, "L");
  EXPECT_EQ(ctx.screen.length, 700);
  EXPECT_EQ(ctx.screen.fromTop, 20);
  EXPECT_FALSE(ctx.onSecondScreen);
  // Empty fields of the second window fall back to the first window's values.
  EXPECT_EQ(ctx.secondScreen.font, "c Courier");
  EXPECT_EQ(ctx.secondScreen.position, "P");
  EXPECT_EQ(ctx.printFont, "c Courier New");
  EXPECT_EQ(ctx.printStyle, "----");
  EXPECT_EQ(ctx.organisation, "Firma Testowa");
}

}  // namespace
}  // namespace zefir::output
