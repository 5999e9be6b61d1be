#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "app/ini_file.h"
#include "app/ui_state.h"
#include "archive/draws_file.h"
#include "archive/draws_import.h"
#include "combos/comb_files.h"
#include "export/xlsx_sheet.h"
#include "scenario/scenario.h"
#include "stakes/rating.h"
#include "stakes/regulars_file.h"
#include "stats/fullset_file.h"
#include "stats/stat_list.h"
#include "support/temp_dir.h"
#include "util/safe_file.h"

using namespace quorvel;

namespace {

// Writes the bigger content with the disk "full" past 4 KiB (the file-size limit holds even for
// root) and answers whether the write failed with the system's reason, the previous file whole
// and nothing left over.
bool FailsKeepingThePrevious(const std::filesystem::path& file, const std::function<void()>& writeSmall,
                             const std::function<void()>& writeBig) {
    writeSmall();
    const std::string before = ReadFileBytes(file);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    bool failed = false;
    try {
        writeBig();
    } catch (const std::exception& e) {
        failed = std::string(e.what()).find(std::strerror(EFBIG)) != std::string::npos;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
        ++entries;
    return failed && ReadFileBytes(file) == before && entries == 1;
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
