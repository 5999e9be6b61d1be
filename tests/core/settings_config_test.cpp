#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/stats/stat_list.h"
#include "core/util/error.h"
#include "core/util/ini_file.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TStatList Loaded(const TempDir& dir, const std::string& bytes) {
    WriteBytes(dir / "Quorvel_3r10.ini", bytes);
    TStatList list(dir / "Quorvel_3r10.ini");
    list.LoadCombsGenerate();
    list.LoadSettings();
    list.LoadShredding();
    return list;
}

TEST(StatListSettings, MissingFileGivesTheDefaults) {
    TempDir dir;
    TStatList list(dir / "Quorvel_3r10.ini");
    list.LoadCombsGenerate();
    list.LoadSettings();
    list.LoadShredding();
    EXPECT_EQ(list.Config, TConfigData{});
    EXPECT_EQ(list.Config.MatrixSegments[2][9], 1);
    EXPECT_EQ(list.Formula3, "(n2+n3)/n1");
    EXPECT_FALSE(std::filesystem::exists(list.SettingsPath()));
}

TEST(StatListSettings, HandEditedValuesOutOfRangeFallBack) {
    TempDir dir;
    struct Case {
        const char* channel;
        int32_t expected;
    };
    for (Case c :
         {Case{"abc", 2}, Case{"0", 2}, Case{"-4", 2}, Case{"256", 2}, Case{"255", 255}, Case{"1", 1}}) {
        TStatList list = Loaded(dir, std::string("[GLOBAL]\nChannelSize=") + c.channel + "\n");
        EXPECT_EQ(list.Config.ChannelSize, c.expected) << c.channel;
    }
    TStatList list =
        Loaded(dir,
               "[GLOBAL]\nMatrixCols=11\nCombsGenerateMode=300\n"
               "[STAKES]\nMaxStake=2\nCost=lots\n"
               "[SHREDDING]\nFormula1Digits=0\nFormula2Digits=9\nFormula3Digits=x\n"
               "[CDL]\nLevel=high\nDeviation=-2E400\nCount=1E308\nUsePercents=2\nUseAbsValues=-1\n");
    EXPECT_EQ(list.Config.MatrixCols, 3);
    EXPECT_EQ(list.CombsGenerateMode, 0);
    EXPECT_EQ(list.Config.MaxStake, 3);
    EXPECT_EQ(list.Config.Cost, 0);
    EXPECT_EQ(list.Formula1Digits, 1);
    EXPECT_EQ(list.Formula2Digits, 5);
    EXPECT_EQ(list.Formula3Digits, 2);
    EXPECT_EQ(list.Config.Weights.Level, 1);
    EXPECT_EQ(list.Config.Weights.Deviation, -1);  // beyond a double: the default
    EXPECT_EQ(list.Config.Weights.Count, 1E308);
    EXPECT_TRUE(list.Config.Weights.UsePercents);    // above 0 means on
    EXPECT_FALSE(list.Config.Weights.UseAbsValues);  // a negative number is off
    EXPECT_EQ(Loaded(dir, "[GLOBAL]\nMatrixCols=0\n[STAKES]\nMaxStake=6\n").Config.MaxStake, 6);
}

TEST(StatListSettings, ProfitRowCountIsBounded) {
    TempDir dir;
    EXPECT_TRUE(Loaded(dir, "[STAKES]\nProfits=-5\nProfit_0_Profit=3\n").Config.Profits.empty());
    TStatList huge = Loaded(dir, "[STAKES]\nProfits=2000000000\nProfit_999_Overlap=3\nProfit_999_Profit=7\n");
    ASSERT_EQ(huge.Config.Profits.size(), 1000u);
    EXPECT_EQ(huge.Config.Profits[999], (ProfitRow{3, 70000}));
    EXPECT_EQ(huge.Config.Profits[0], (ProfitRow{0, 0}));
    // A row that cannot be read is a zero row rather than a lost row.
    TStatList odd = Loaded(dir, "[STAKES]\nProfits=2\nProfit_0_Overlap=300\nProfit_0_Profit=x\n");
    EXPECT_EQ(odd.Config.Profits, (std::vector<ProfitRow>{{0, 0}, {0, 0}}));
}

TEST(StatListSettings, MoneyIsReadExactlyAndRoundedHalfToEven) {
    TempDir dir;
    EXPECT_EQ(Loaded(dir, "[STAKES]\nCost=1.5\n").Config.Cost, 15000);
    EXPECT_EQ(Loaded(dir, "[STAKES]\nCost=0,00005\n").Config.Cost, 0);
    EXPECT_EQ(Loaded(dir, "[STAKES]\nCost=0,00015\n").Config.Cost, 2);
    EXPECT_EQ(Loaded(dir, "[STAKES]\nCost=0.000051\n").Config.Cost, 1);

    TStatList list(dir / "Quorvel_3r10.ini");
    list.Config.Cost = 15000;
    list.SaveSettings();
    EXPECT_EQ(TIniFile::Load(list.SettingsPath()).ReadString("STAKES", "Cost", ""), "1.5");
}

TEST(StatListSettings, MatrixSegmentsTextFillsPositionsInOrder) {
    TempDir dir;
    TStatList list = Loaded(dir, "[GLOBAL]\nMatrixSegments=12\n");
    EXPECT_EQ(list.Config.MatrixSegments[0][0], 1);
    EXPECT_EQ(list.Config.MatrixSegments[0][1], 2);
    for (int i = 2; i < 30; ++i)
        EXPECT_EQ(list.Config.MatrixSegments[i / 10][i % 10], 1) << i;
}

TEST(StatListSettings, EverySettingSurvivesASaveAndLoad) {
    TempDir dir;
    WriteBytes(
        dir / "Quorvel_3r10.ini",
        "[PROXY]\r\nProxyServer=keep.me\r\n[STAKES]\r\nProfits=9\r\nProfit_5_Profit=1\r\nnote here\r\n");
    TStatList list(dir / "Quorvel_3r10.ini");
    list.Config.MatrixCols = 5;
    list.Config.ChannelSize = 4;
    list.Config.Cost = 12345;
    list.Config.MaxStake = 7;
    list.Config.Profits = {{3, 5000000}, {2, 125}, {2, 1}};
    list.Config.Weights = {0.125L, -2.5L, 3, true, false};
    list.Config.MatrixSegments[1][4] = 9;
    list.CombsGenerateMode = 3;
    list.CombsGenerateParameters = "1;2;7";
    list.Formula1 = "n1*p1+t1";
    list.Formula3Digits = 4;
    list.SaveSettings();
    list.SaveCombsGenerate();
    list.SaveShredding();

    TStatList reread(list.SettingsPath());
    reread.LoadCombsGenerate();
    reread.LoadSettings();
    reread.LoadShredding();
    EXPECT_EQ(reread.Config, list.Config);
    EXPECT_EQ(reread.CombsGenerateMode, 3);
    EXPECT_EQ(reread.CombsGenerateParameters, "1;2;7");
    EXPECT_EQ(reread.Formula1, "n1*p1+t1");
    EXPECT_EQ(reread.Formula3Digits, 4);

    TIniFile ini = TIniFile::Load(list.SettingsPath());
    EXPECT_EQ(ini.ReadString("STAKES", "Profits", ""), "3");
    EXPECT_EQ(ini.ReadString("STAKES", "Profit_0_Profit", ""), "500");
    EXPECT_EQ(ini.ReadString("STAKES", "Profit_1_Profit", ""), "0.0125");
    EXPECT_EQ(ini.ReadString("CDL", "UsePercents", ""), "1");
    EXPECT_EQ(ini.ReadString("GLOBAL", "MatrixSegments", ""), "111111111111119111111111111111");
    EXPECT_EQ(ini.ReadString("PROXY", "ProxyServer", ""), "keep.me");
    EXPECT_EQ(ini.ReadString("STAKES", "Profit_5_Profit", ""), "1");  // beyond the count: left alone
    const std::vector<std::string> lines = ini.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "note here"), lines.end());
}

TEST(StatListSettings, CyrillicSettingsInCodePage1251) {
    TempDir dir;
    // "Мои числа" and a 300-letter Cyrillic text, which is cut to 255 letters, not bytes.
    TStatList list = Loaded(dir,
                            "[SHREDDING]\r\nFormula2=\xCC\xEE\xE8 \xF7\xE8\xF1\xEB\xE0\r\n[GLOBAL]\r\n"
                            "CombsGenerateParameters=" +
                                std::string(300, '\xE6') + "\r\n");
    EXPECT_EQ(list.Formula2, "Мои числа");
    std::string cut;
    for (int i = 0; i < 255; ++i)
        cut += "ж";
    EXPECT_EQ(list.CombsGenerateParameters, cut);

    list.CombsGenerateParameters = "Тест";
    list.SaveCombsGenerate();
    EXPECT_NE(ReadBytes(list.SettingsPath()).find("CombsGenerateParameters=\xD2\xE5\xF1\xF2\r\n"),
              std::string::npos);
}

TEST(StatListSettings, FailuresKeepWhatIsInMemoryAndOnDisk) {
    TempDir dir;
    TStatList list = Loaded(dir, "[GLOBAL]\r\nChannelSize=5\r\n");
    const std::string before = ReadBytes(list.SettingsPath());

    TStatList elsewhere(dir / "missing-dir" / "Quorvel_3r10.ini");
    elsewhere.Config.ChannelSize = 7;
    EXPECT_THROW(elsewhere.SaveSettings(), Error);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing-dir"));
    EXPECT_EQ(elsewhere.Config.ChannelSize, 7);

    std::filesystem::create_directory(dir / "folder.ini");
    TStatList broken(dir / "folder.ini");
    broken.Config.ChannelSize = 9;
    broken.Formula1 = "n1";
    EXPECT_THROW(broken.LoadSettings(), Error);
    EXPECT_THROW(broken.LoadShredding(), Error);
    EXPECT_EQ(broken.Config.ChannelSize, 9);
    EXPECT_EQ(broken.Formula1, "n1");
    EXPECT_EQ(ReadBytes(list.SettingsPath()), before);
}

TEST(StakeResult, CostAndTheFirstMatchingPrize) {
    TStatList list("unused.ini");
    list.Config.Cost = 10000;
    list.Config.Profits = {{2, 100000}, {2, 500000}, {3, 2000000}};
    EXPECT_EQ(list.StakeResult(3, 2), 90000);     // only the first row with two matches counts
    EXPECT_EQ(list.StakeResult(4, -1), -640000);  // unchecked: only the cost, 4 cubed
    EXPECT_EQ(list.StakeResult(1, 3), 1990000);   // up to three values cost one stake
    EXPECT_EQ(list.StakeResult(5, 1), -1250000);  // no row for one match
    EXPECT_EQ(list.StakeResult(5, 3), 2000000 - 1250000);
    list.Config.Profits.clear();
    EXPECT_EQ(list.StakeResult(3, 2), -10000);
    list.Config.Cost = 4'000'000'000'000'000'000;
    EXPECT_THROW(list.StakeResult(10, 0), Error);
}

TEST(StatListWeights, ScenarioStepsBorrowAndReturnTheWeights) {
    TStatList list("unused.ini");
    const WeightCoefficients own{1, 2, 3, true, false};
    const WeightCoefficients step{9, 8, 7, false, true};
    list.Config.Weights = own;
    list.BackupWeights();
    list.ApplyWeights(true, step);
    EXPECT_EQ(list.Config.Weights, step);
    list.ApplyWeights(false, step);
    EXPECT_EQ(list.Config.Weights, own);
    list.ApplyWeights(true, step);
    list.RestoreWeights();
    EXPECT_EQ(list.Config.Weights, own);
}

}  // namespace
}  // namespace quorvel
