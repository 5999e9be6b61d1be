#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "core/app/ui_state.h"
#include "core/archive/draws_file.h"
#include "core/archive/draws_import.h"
#include "core/combos/comb_files.h"
#include "core/export/xlsx_sheet.h"
#include "core/scenario/scenario.h"
#include "core/stakes/rating.h"
#include "core/stakes/regulars_file.h"
#include "core/stakes/stakes_file.h"
#include "core/stats/fullset_file.h"
#include "core/stats/stat_list.h"
#include "core/systems/system_files.h"
#include "core/util/ini_file.h"
#include "core/util/safe_file.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

// While it lives, no file may grow past 4 KiB: the disk is "full" there, and a write beyond
// fails with the system's reason instead of a signal. The file-size limit holds even for root,
// where a read-only directory would not.
class DiskFullPast4KiB {
public:
    DiskFullPast4KiB() : savedHandler_(signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFullPast4KiB() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, savedHandler_);
    }
    DiskFullPast4KiB(const DiskFullPast4KiB&) = delete;
    DiskFullPast4KiB& operator=(const DiskFullPast4KiB&) = delete;

private:
    sighandler_t savedHandler_;
    rlimit saved_{};
};

// Whether the work failed with the system's reason for a full disk in its message.
bool FailsWithTheSystemsReason(const std::function<void()>& work) {
    DiskFullPast4KiB full;
    try {
        work();
    } catch (const std::exception& e) {
        return std::string(e.what()).find(std::strerror(EFBIG)) != std::string::npos;
    }
    return false;
}

int EntriesOf(const std::filesystem::path& folder) {
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    return entries;
}

// Writes the bigger content on a full disk and answers whether the write failed with the
// system's reason, the previous file whole and nothing left over.
bool FailsKeepingThePrevious(const std::filesystem::path& file, const std::function<void()>& writeSmall,
                             const std::function<void()>& writeBig) {
    writeSmall();
    const std::string before = ReadFileBytes(file);
    const bool failed = FailsWithTheSystemsReason(writeBig);
    return failed && ReadFileBytes(file) == before && EntriesOf(file.parent_path()) == 1;
}

TStakeRecord Stake(int draw) {
    TStakeRecord stake;
    stake.Kind = StakeKindManual;
    stake.DrawNumber = draw;
    stake.Values = {3, {1, 2, 3, 0}};
    stake.Comment.SetText("ставка " + std::to_string(draw));
    return stake;
}

TDrawsArray Draws(int count) {
    TDrawsArray draws(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        draws[static_cast<size_t>(i)].Number = i + 1;
    return draws;
}

std::vector<TRatingRow> RatingRows(int count) {
    std::vector<TRatingRow> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        rows[static_cast<size_t>(i)].Comment.SetText("ряд " + std::to_string(i));
    return rows;
}

std::vector<std::string> Lines(int count) {
    return std::vector<std::string>(static_cast<size_t>(count),
                                    "FULL:0#RAND|TSD1#NUMS:10#LNO:#SF:0| | | | | | |строка");
}

}  // namespace

// Every file the program writes whole goes through the same crash-safe write: a failure half-way
// leaves the previous file as it was.
TEST(CrashSafety, EveryWholeFileKeepsItsPreviousContentWhenTheDiskFills) {
    test::TempDir dir;
    const auto at = [&](const char* name) {
        std::filesystem::create_directory(dir / name);
        return dir / name / "file";
    };

    const auto draws = at("draws");
    EXPECT_TRUE(FailsKeepingThePrevious(
        draws, [&] { SaveDrawsFile(draws, Draws(3)); }, [&] { SaveDrawsFile(draws, Draws(2000)); }));
    const auto rating = at("rating");
    EXPECT_TRUE(FailsKeepingThePrevious(
        rating, [&] { SaveRatingFile(rating, RatingRows(2)); },
        [&] { SaveRatingFile(rating, RatingRows(200)); }));
    const auto regulars = at("regulars");
    EXPECT_TRUE(FailsKeepingThePrevious(
        regulars, [&] { SaveRegularsFile(regulars, std::vector<TRegular>(2)); },
        [&] { SaveRegularsFile(regulars, std::vector<TRegular>(200)); }));
    const auto scenario = at("scenario");
    EXPECT_TRUE(FailsKeepingThePrevious(
        scenario, [&] { WriteScenarioFile(scenario, Lines(2)); },
        [&] { WriteScenarioFile(scenario, Lines(500)); }));
    const auto combs = at("combs");
    EXPECT_TRUE(FailsKeepingThePrevious(
        combs, [&] { WriteCombsFile(combs, TCombsArray(2)); },
        [&] { WriteCombsFile(combs, TCombsArray(5000)); }));
    const auto exported = at("export");
    EXPECT_TRUE(FailsKeepingThePrevious(
        exported, [&] { WriteDrawsTextFile(exported, Lines(2)); },
        [&] { WriteDrawsTextFile(exported, Lines(500)); }));
    const auto settings = at("settings");
    EXPECT_TRUE(FailsKeepingThePrevious(
        settings,
        [&] {
            TIniFile ini;
            ini.WriteString("GLOBAL", "Cost", "1");
            ini.Save(settings);
        },
        [&] {
            TIniFile ini;
            for (int i = 0; i < 500; ++i)
                ini.WriteString("GLOBAL", "Key" + std::to_string(i), std::string(40, 'v'));
            ini.Save(settings);
        }));
    const auto uiState = at("ui-state");
    EXPECT_TRUE(FailsKeepingThePrevious(
        uiState, [&] { UiStateFile(uiState).WriteUiInt("LeftPanelWidth", 300); },
        [&] {
            std::vector<std::pair<std::string, std::string>> values;
            for (int i = 0; i < 300; ++i)
                values.emplace_back("Column" + std::to_string(i), std::string(20, '7'));
            UiStateFile(uiState).WriteUiValues(values);
        }));
    const auto fullSet = at("full-set");
    EXPECT_TRUE(FailsKeepingThePrevious(
        fullSet,
        [&] {
            WriteFullSetFile(fullSet, FullSetData{std::vector<FullSetRecord>(2), 1, 1});
        },
        [&] {
            WriteFullSetFile(fullSet, FullSetData{std::vector<FullSetRecord>(1000), 1, 1});
        }));
    const auto system = at("system");
    std::vector<TSystemLine> longSystem;
    for (int copy = 0; copy < 5; ++copy) {
        const std::vector<TSystemLine> lines = CompleteSystem(10);
        longSystem.insert(longSystem.end(), lines.begin(), lines.end());
    }
    EXPECT_TRUE(FailsKeepingThePrevious(
        system, [&] { WriteSystemFile(system, CompleteSystem(4), std::nullopt); },
        [&] { WriteSystemFile(system, longSystem, std::nullopt); }));
    const auto workbook = at("workbook");
    EXPECT_TRUE(FailsKeepingThePrevious(
        workbook,
        [&] {
            WriteXlsx(workbook, TSheet{"a", {"A"}, {}, {}});
        },
        [&] {
            TSheet sheet{"b", {"A"}, {}, {}};
            for (int i = 0; i < 3000; ++i)
                sheet.Rows.push_back({{"текст " + std::to_string(i * 7919)}});
            WriteXlsx(workbook, sheet);
        }));
}

// The names file gives its failure as a message instead of an exception; the message carries the
// system's reason and the previous names stay.
TEST(CrashSafety, NamesFileKeepsThePreviousNamesWhenTheDiskFills) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "names");
    const auto names = dir / "names" / "file";
    const TDrawsArray noDraws;
    TStatList stats("unused.ini");
    stats.SetDraws(&noDraws);
    stats.Rebuild();
    const auto save = [&] {
        if (auto error = stats.SaveNames(names, true, true)) throw std::runtime_error(*error);
    };
    stats.Items[0].CustomName = "короткое";
    EXPECT_TRUE(FailsKeepingThePrevious(
        names, [&] { stats.SaveNames(names, true, false); },
        [&] {
            for (TStatMethod& entry : stats.Items)
                entry.CustomName = std::string(30, 'n');
            save();
        }));
}

// The stakes file is written in place and rewritten only through its temporary copy: a delete
// that fills the disk keeps every record, and a damaged file that cannot be kept aside is not
// emptied.
TEST(CrashSafety, StakesFileLosesNoRecordWhenTheDiskFills) {
    test::TempDir dir;
    const auto path = dir / "Quorvel_3r10.lsk";
    StakesFile file;
    file.Open(path);
    std::vector<TStakeRecord> stakes;
    for (int draw = 1; draw <= 30; ++draw)
        stakes.push_back(Stake(draw));
    ASSERT_EQ(file.AppendStakes(stakes, 1), 30);
    const std::string before = ReadFileBytes(path);
    ASSERT_GT(before.size(), 4096u);

    EXPECT_TRUE(FailsWithTheSystemsReason([&] { file.DeleteRange(0, 0); }));
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(file.TemporaryPath()));
    EXPECT_EQ(file.RecordCount(), 30);
    EXPECT_EQ(file.ReadLast()->DrawNumber, 30);

    file.Close();
    const std::string damaged = before + "torn";
    test::WriteBytes(path, damaged);
    file.Open(path);
    EXPECT_TRUE(FailsWithTheSystemsReason([&] { file.CheckVersion(); }));
    EXPECT_EQ(ReadFileBytes(path), damaged);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".bak"));
}
