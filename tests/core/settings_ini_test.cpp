#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/ui_state.h"
#include "core/archive/proxy_settings.h"
#include "core/util/error.h"
#include "core/util/ini_file.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TIniFile LoadText(const TempDir& dir, const std::string& bytes) {
    WriteBytes(dir / "s.ini", bytes);
    return TIniFile::Load(dir / "s.ini");
}

int FileCount(const std::filesystem::path& directory) {
    int count = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(directory))
        ++count;
    return count;
}

TEST(IniFile, WritingKeepsEveryLineItDoesNotOwn) {
    TempDir dir;
    TIniFile ini = LoadText(dir,
                            "; made by hand\r\n"
                            "[GLOBAL]\r\n"
                            "  MatrixCols = 4  \r\n"
                            "garbage without equals\r\n"
                            "Mystery=42\n"
                            "\r\n"
                            "[Unknown]\r\n"
                            "x=1\r\n"
                            "=no name\r\n");
    ini.WriteInteger("global", "matrixcols", 5);    // existing key keeps its spelling and place
    ini.WriteString("GLOBAL", "ChannelSize", "2");  // new key goes before the blank separator
    ini.WriteString("STAKES", "Cost", "1.5");       // new section at the end
    ini.Save(dir / "s.ini");
    EXPECT_EQ(ReadBytes(dir / "s.ini"),
              "; made by hand\r\n"
              "[GLOBAL]\r\n"
              "MatrixCols=5\r\n"
              "garbage without equals\r\n"
              "Mystery=42\r\n"
              "ChannelSize=2\r\n"
              "\r\n"
              "[Unknown]\r\n"
              "x=1\r\n"
              "=no name\r\n"
              "\r\n"
              "[STAKES]\r\n"
              "Cost=1.5\r\n");
}

TEST(IniFile, DuplicatesAndCaseFollowTheFirstOccurrence) {
    TempDir dir;
    TIniFile ini = LoadText(dir, "[A]\nKey=first\nkey=second\n[B]\nKey=other\n[a]\nOnlyLater=7\n");
    EXPECT_EQ(ini.ReadString("a", "KEY", "-"), "first");
    EXPECT_EQ(ini.ReadString("B", "Key", "-"), "other");
    EXPECT_EQ(ini.ReadInteger("A", "OnlyLater", 0), 7);  // a repeated header continues the section
    ini.WriteString("A", "key", "changed");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "Key=changed", "key=second", "[B]", "Key=other",
                                                     "[a]", "OnlyLater=7"}));
    EXPECT_FALSE(ini.ValueExists("C", "Key"));
    EXPECT_FALSE(ini.ValueExists("A", "Missing"));
}

TEST(IniFile, NumbersThatCannotBeReadGiveTheDefault) {
    TempDir dir;
    TIniFile ini =
        LoadText(dir,
                 "[N]\nPlain= 12 \nNeg=-5\nPlus=+7\nWord=12abc\nHex=0x10\nEmpty=\nHuge=99999999999\n"
                 "Two=2\nZero=0\nYes=yes\n"
                 "Dot=1.5\nComma=-1,25\nExp=2e3\nTwoPoints=1.2.3\nInf=inf\nNan=nan\nTooBig=1e5000\n");
    EXPECT_EQ(ini.ReadInteger("N", "Plain", 0), 12);
    EXPECT_EQ(ini.ReadInteger("N", "Neg", 0), -5);
    EXPECT_EQ(ini.ReadInteger("N", "Plus", 0), 7);
    for (const char* key : {"Word", "Hex", "Empty", "Huge", "Dot", "Missing"}) {
        EXPECT_EQ(ini.ReadInteger("N", key, 99), 99) << key;
    }
    EXPECT_TRUE(ini.ValueExists("N", "Empty"));
    EXPECT_EQ(ini.ReadString("N", "Empty", "default"), "");  // present but empty is not missing

    EXPECT_TRUE(ini.ReadBool("N", "Two", false));
    EXPECT_FALSE(ini.ReadBool("N", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("N", "Yes", true));
    EXPECT_FALSE(ini.ReadBool("N", "Yes", false));

    EXPECT_EQ(ini.ReadFloat("N", "Dot", 0), 1.5L);
    EXPECT_EQ(ini.ReadFloat("N", "Comma", 0), -1.25L);
    EXPECT_EQ(ini.ReadFloat("N", "Exp", 0), 2000.0L);
    EXPECT_EQ(ini.ReadFloat("N", "Plain", 0), 12.0L);
    for (const char* key : {"TwoPoints", "Inf", "Nan", "TooBig", "Empty", "Word"}) {
        EXPECT_EQ(ini.ReadFloat("N", key, 7.0L), 7.0L) << key;
    }
}

TEST(IniFile, RealsAreWrittenShortWithADotAndReadBack) {
    TIniFile ini;
    const long double third = 1.0L / 3;
    ini.WriteFloat("F", "A", 0.1L);
    ini.WriteFloat("F", "B", -1);
    ini.WriteFloat("F", "C", third);
    ini.WriteFloat("F", "D", 2.5);
    ini.WriteBool("F", "E", true);
    EXPECT_EQ(ini.ReadString("F", "A", ""), "0.1");
    EXPECT_EQ(ini.ReadString("F", "B", ""), "-1");
    EXPECT_EQ(ini.ReadString("F", "C", ""), "0.333333333333333333");
    EXPECT_EQ(ini.ReadString("F", "D", ""), "2.5");
    EXPECT_EQ(ini.ReadString("F", "E", ""), "1");
    EXPECT_EQ(ini.ReadFloat("F", "A", 0), 0.1L);
    EXPECT_NEAR(static_cast<double>(ini.ReadFloat("F", "C", 0)), 1.0 / 3, 1e-17);
}

TEST(IniFile, AValueWithALineBreakStaysOneLine) {
    TIniFile ini;
    ini.WriteString("S", "Key", "first\r\n[Injected]\nsecond");
    EXPECT_EQ(ini.Lines().size(), 2u);
    EXPECT_FALSE(ini.ValueExists("Injected", "second"));
}

TEST(IniFile, CodePage1251OnDiskUtf8Inside) {
    TempDir dir;
    const std::string cp1251 = "[SHREDDING]\r\nFormula1=\xD4\xEE\xF0\xEC\xF3\xEB\xE0\r\n";  // "Формула"
    TIniFile ini = LoadText(dir, cp1251);
    EXPECT_EQ(ini.ReadString("SHREDDING", "Formula1", ""), "Формула");
    ini.Save(dir / "s.ini");
    EXPECT_EQ(ReadBytes(dir / "s.ini"), cp1251);
    ini.WriteString("SHREDDING", "Formula2", "Тест");
    ini.Save(dir / "s.ini");
    EXPECT_EQ(ReadBytes(dir / "s.ini"), cp1251 + "Formula2=\xD2\xE5\xF1\xF2\r\n");
}

TEST(IniFile, MissingUnreadableAndUnwritableFiles) {
    TempDir dir;
    EXPECT_TRUE(TIniFile::Load(dir / "missing.ini").Lines().empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.ini"));

    std::filesystem::create_directory(dir / "folder.ini");
    EXPECT_THROW(TIniFile::Load(dir / "folder.ini"), Error);

    TIniFile ini;
    ini.WriteInteger("A", "B", 1);
    EXPECT_THROW(ini.Save(dir / "no-such-dir" / "s.ini"), Error);
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-dir"));
    EXPECT_EQ(FileCount(dir.Path()), 1);  // only the folder made above
}

TEST(UiState, MissingFileGivesTheDesignedDefaults) {
    TempDir dir;
    UiStateFile file(dir / "Quorvel_3r10.frm");
    TUiOptions options;
    LoadUiOptions(file, options);
    EXPECT_EQ(options.LayoutCompareLen, (std::array<int32_t, 5>{50, 100, 200, 300, 400}));
    EXPECT_EQ(options.Language, 1049);
    EXPECT_FALSE(options.FirstRun);
    EXPECT_FALSE(std::filesystem::exists(file.Path()));
}

TEST(UiState, OptionsAreReadFromTheMainWindowSectionOnly) {
    TempDir dir;
    WriteBytes(dir / "q.frm",
               "[Other]\r\nDrawsStatLen=1\r\n"
               "[TFormMain]\r\nNormPos=1,2,3,4\r\nDrawsStatLen=500\r\nLayoutCompareLen3=250\r\n"
               "ColorDraws=0\r\nFirstRun=1\r\nLanguage=1033\r\nWeekLen=abc\r\nTabWeek=0\r\n");
    UiStateFile file(dir / "q.frm");
    TUiOptions options;
    LoadUiOptions(file, options);
    EXPECT_EQ(options.DrawsStatLen, 500);
    EXPECT_EQ(options.LayoutCompareLen[2], 250);
    EXPECT_EQ(options.LayoutCompareLen[1], 100);
    EXPECT_FALSE(options.ColorDraws);
    EXPECT_TRUE(options.FirstRun);
    EXPECT_EQ(options.Language, 1033);
    EXPECT_EQ(options.WeekLen, 1000);
    EXPECT_FALSE(options.TabWeek);
    EXPECT_EQ(file.ReadUiString("NormPos", ""), "1,2,3,4");
    EXPECT_EQ(file.ReadUiInt("Missing", -3), -3);
}

TEST(UiState, ShutDownWritesOnlyItsKeysInOneGo) {
    TempDir dir;
    WriteBytes(dir / "q.frm", "[TFormMain]\r\nColorDraws=0\r\nlvDraws.Column0=40\r\n");
    UiStateFile file(dir / "q.frm");
    TUiOptions options;
    options.ColorDraws = true;  // switched in memory, but an option is written when switched
    options.LeftPanelWidth = 400;
    options.LayoutCompareLen[4] = 999;
    SaveShutdownUiOptions(file, options);

    TIniFile saved = TIniFile::Load(file.Path());
    EXPECT_EQ(saved.ReadInteger("TFormMain", "LeftPanelWidth", 0), 400);
    EXPECT_EQ(saved.ReadInteger("TFormMain", "LayoutCompareLen5", 0), 999);
    EXPECT_EQ(saved.ReadInteger("TFormMain", "ScriptLibraryFilter", 0), 2);
    EXPECT_EQ(saved.ReadString("TFormMain", "ColorDraws", ""), "0");
    EXPECT_EQ(saved.ReadString("TFormMain", "lvDraws.Column0", ""), "40");
    for (const char* key : {"Language", "PrefetchsEnabled", "PrefetchsInit", "FirstRun", "WeekChartMode",
                            "DownloadDrawsOnStart", "RatingsEffMode", "TabCard"}) {
        EXPECT_FALSE(saved.ValueExists("TFormMain", key)) << key;
    }
    EXPECT_EQ(ShutdownUiValues(options).size(), 17u);
}

TEST(UiState, EveryWriteReachesTheDiskAtOnceAndKeepsOtherKeys) {
    TempDir dir;
    UiStateFile file(dir / "q.frm");
    file.WriteUiBool("SortedDraws", true);
    file.WriteUiInt("DownloadDrawsOnStart", 2);
    file.WriteUiString("lvCombs.SortType", "1,0");
    EXPECT_EQ(ReadBytes(file.Path()),
              "[TFormMain]\r\nSortedDraws=1\r\nDownloadDrawsOnStart=2\r\nlvCombs.SortType=1,0\r\n");
    EXPECT_TRUE(file.ReadUiBool("SortedDraws", false));

    std::filesystem::create_directory(dir / "dir.frm");
    UiStateFile unreadable(dir / "dir.frm");
    EXPECT_THROW(unreadable.WriteUiInt("A", 1), Error);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "dir.frm"));
}

TEST(UiState, ComparisonOptionIsRecordedOnTheFirstStartOnly) {
    TempDir dir;
    UiStateFile file(dir / "q.frm");
    TUiOptions options;
    LoadUiOptions(file, options);
    EXPECT_TRUE(InitPrefetchsOnFirstStart(file, options));
    EXPECT_TRUE(options.PrefetchsInit);
    EXPECT_EQ(ReadBytes(file.Path()), "[TFormMain]\r\nPrefetchsInit=1\r\nPrefetchsEnabled=0\r\n");

    file.WriteUiBool("PrefetchsEnabled", true);
    TUiOptions next;
    LoadUiOptions(file, next);
    EXPECT_TRUE(next.PrefetchsEnabled);
    EXPECT_FALSE(InitPrefetchsOnFirstStart(file, next));
    EXPECT_EQ(ReadBytes(file.Path()), "[TFormMain]\r\nPrefetchsInit=1\r\nPrefetchsEnabled=1\r\n");
}

TEST(ProxySettings, AbsentModeFollowsTheServer) {
    TempDir dir;
    EXPECT_EQ(LoadProxySettings(LoadText(dir, "[PROXY]\nProxyServer=10.0.0.1\n")).Mode, ProxyModeGiven);
    EXPECT_EQ(LoadProxySettings(LoadText(dir, "[PROXY]\nProxyServer=\n")).Mode, ProxyModeNone);
    EXPECT_EQ(LoadProxySettings(TIniFile()).Mode, ProxyModeNone);
    // Only an absent key is implied: an explicit 0 with a server means no proxy.
    EXPECT_EQ(LoadProxySettings(LoadText(dir, "[PROXY]\nProxyServer=h\nProxyMode=0\n")).Mode, ProxyModeNone);
    EXPECT_EQ(LoadProxySettings(LoadText(dir, "[PROXY]\nProxyMode=1\n")).Mode, ProxyModeAutomatic);
}

TEST(ProxySettings, UnknownModeActsAsNoneButIsKept) {
    TempDir dir;
    TIniFile ini = LoadText(dir, "[PROXY]\nProxyServer=h\nProxyMode=7\nProxyPort=70000\n");
    TProxySettings proxy = LoadProxySettings(ini);
    EXPECT_EQ(proxy.Mode, 7);
    EXPECT_EQ(proxy.EffectiveMode(), ProxyModeNone);
    EXPECT_EQ(proxy.Port, 80);
    SaveProxySettings(ini, proxy);
    EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyMode", 0), 7);
    for (const char* port : {"0", "-1", "abc", "65536"}) {
        EXPECT_EQ(LoadProxySettings(LoadText(dir, std::string("[PROXY]\nProxyPort=") + port + "\n")).Port,
                  80);
    }
}

TEST(ProxySettings, RoundTripThroughTheFile) {
    TempDir dir;
    WriteBytes(dir / "s.ini", "[GLOBAL]\r\nChannelSize=3\r\n");
    TProxySettings proxy{ProxyModeGiven, "proxy.example", 3128, "пользователь", "p=ss;word"};
    TIniFile ini = TIniFile::Load(dir / "s.ini");
    SaveProxySettings(ini, proxy);
    ini.Save(dir / "s.ini");
    TIniFile reread = TIniFile::Load(dir / "s.ini");
    EXPECT_EQ(LoadProxySettings(reread), proxy);
    EXPECT_EQ(reread.ReadInteger("GLOBAL", "ChannelSize", 0), 3);
}

}  // namespace
}  // namespace quorvel
