#include "shell/desktop_settings.h"

#include <gtest/gtest.h>

#include "shell_test_folder.h"
#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::shell {
namespace {

using testing::ProgramFolder;

TEST(DesktopSettings, StartReadsBaseFolderFontAndPositionOfThisWorkstation) {
  ProgramFolder folder;
  ProgramFolder::write("#/Zefir.BAL",
                       "\r\n  Rejestr.#\\Zefir.BAL\r\n"
                       " DirxBaza.001 = dane\\\\;Firma\r\n"
                       " KonOkien.001 = c Courier New;----;9\r\n"
                       " KonOkien.002 = c Arial;Bold;14\r\n"
                       " PulpitLT.001 = 40;30\r\n"
                       " PulpitWH.001 = 900;700");
  ProgramFolder::write("dane/Zefir.BAL", " Dla kogo.001 = Gmina Zorza\r\n AmBilPod.001 = P");
  ShellState state;
  state.start = startModeFrom("1", false);
  DesktopRegisters registers;
  DesktopSettings settings;
  readStartSettings(registers, state, settings);
  EXPECT_EQ(state.baseFolder, "dane\\");
  EXPECT_EQ(state.baseName, "Firma");
  EXPECT_EQ(state.mainBaseFile(), "dane\\Firma.PST");
  EXPECT_EQ(state.organisation, "Gmina Zorza");
  EXPECT_EQ(state.windowFont.font, "c Courier New");
  EXPECT_EQ(state.windowFont.style, "----");
  EXPECT_EQ(state.windowFont.size, 9);
  EXPECT_TRUE(settings.hasDesktopPosition);
  EXPECT_EQ(settings.left, 40);
  EXPECT_EQ(settings.height, 700);
  EXPECT_EQ(settings.values.at("AmBilPod"), "P");
}

TEST(DesktopSettings, MissingRegistersReadAsDefaults) {
  ProgramFolder folder;
  ShellState state;
  state.start = startModeFrom("1", false);
  DesktopRegisters registers;
  DesktopSettings settings;
  readStartSettings(registers, state, settings);
  EXPECT_EQ(state.baseFolder, "");
  EXPECT_EQ(state.baseName, "Srodki");
  EXPECT_EQ(state.organisation, "Zorza-Soft");
  EXPECT_EQ(state.windowFont.font, "c Consolas");
  EXPECT_EQ(state.windowFont.size, 11);
  EXPECT_FALSE(settings.hasDesktopPosition);
}

TEST(DesktopSettings, CloseWritesBothRegistersAndNothingWhileTheSuffixIsEmpty) {
  ProgramFolder folder;
  ShellState state;
  state.start = startModeFrom("", true);  // login pending: empty suffix
  DesktopRegisters registers;
  DesktopSettings settings;
  readStartSettings(registers, state, settings);
  writeCloseSettings(registers, state, settings, 5, 6, 700, 500);
  EXPECT_FALSE(std::filesystem::exists("#/Zefir.BAL"));
  EXPECT_FALSE(std::filesystem::exists("Zefir.BAL"));

  state.start = startModeFrom("7", false);
  readStartSettings(registers, state, settings);
  writeCloseSettings(registers, state, settings, 5, 6, 700, 500);
  const std::string program = ProgramFolder::read("#/Zefir.BAL");
  EXPECT_NE(program.find(" PulpitLT.007 = 5;6"), std::string::npos) << program;
  EXPECT_NE(program.find(" PulpitWH.007 = 700;500"), std::string::npos);
  EXPECT_NE(program.find(" DirxBaza.007 = ;Srodki"), std::string::npos);
  EXPECT_NE(program.find(" KonOkien.007 = c Consolas;Bold;11"), std::string::npos);
  const std::string base = ProgramFolder::read("Zefir.BAL");
  EXPECT_NE(base.find(" Dla kogo.007 = Zorza-Soft"), std::string::npos) << base;

  // A second close with nothing changed leaves the files as they were.
  const auto stamp = std::filesystem::last_write_time("#/Zefir.BAL");
  readStartSettings(registers, state, settings);
  writeCloseSettings(registers, state, settings, 5, 6, 700, 500);
  EXPECT_EQ(std::filesystem::last_write_time("#/Zefir.BAL"), stamp);
  EXPECT_EQ(ProgramFolder::read("#/Zefir.BAL"), program);
}

}  // namespace
}  // namespace zefir::shell

namespace zefir::shell {
namespace {

TEST(DesktopSettings, ReportDatesFollowTheFirstAndLastDayOfAYearGiven) {
  const DayNumber jan1 = text::dayFromDate(2025, 1, 1);
  const DayNumber jan2 = text::dayFromDate(2026, 1, 2);
  const DayNumber dec31 = text::dayFromDate(2025, 12, 31);
  const DayNumber mar5 = text::dayFromDate(2025, 3, 5);
  EXPECT_EQ(adjustedReportDates("010118;311218", 0, 0), "010118;311218");
  EXPECT_EQ(adjustedReportDates("010118;311218", jan1, dec31), "010125;311225");
  EXPECT_EQ(adjustedReportDates("010118;311218", jan2, 0), "010126;311218");  // the day before
  EXPECT_EQ(adjustedReportDates("010118;311218", mar5, mar5), "010118;311218");
}

}  // namespace
}  // namespace zefir::shell
