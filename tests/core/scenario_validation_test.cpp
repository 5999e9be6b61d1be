#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "core/app/workspace.h"
#include "core/scenario_run/validation.h"
#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "support/fake_ui_host.h"
#include "support/made_up_workspace.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

namespace fs = std::filesystem;

// Stops when told to; while the runs poll it, it can look at what they have made.
class StoppingHost : public test::FakeUiHost {
public:
    bool StopRequested() override {
        if (watch) watch();
        return stop;
    }
    bool stop = false;
    std::function<void()> watch;
};

// Every file of a directory with its bytes.
std::map<std::string, std::string> Contents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[entry.path().string()] = ReadFileBytes(entry.path());
    return files;
}

// The system's temporary folder pointed at a folder of the test's own, to see what is left in it.
class ScenarioValidation : public ::testing::Test {
protected:
    ScenarioValidation() {
        const char* old = std::getenv("TMPDIR");
        if (old != nullptr) savedTmp = old;
        setenv("TMPDIR", scratch.Path().c_str(), 1);
    }
    ~ScenarioValidation() override {
        if (savedTmp.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", savedTmp.c_str(), 1);
    }
    ValidationReport Validate(Workspace& ws, bool byMean = false, const std::atomic<bool>* stop = nullptr) {
        return ValidateLines(ws,
                             {"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a",
                              "FULL:0#LAST|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |b",
                              "FULL:0#RAND|TSD1#DIGS:5#LNO:#SF:0| | | | | | |c"},
                             2, byMean, stop);
    }
    ValidationReport ValidateLines(Workspace& ws, std::vector<std::string> lines, int top,
                                   bool byMean = false, const std::atomic<bool>* stop = nullptr) {
        ValidationRequest request;
        request.Stop = stop;
        request.Lines = std::move(lines);
        request.Train = 20;
        request.Test = 10;
        request.Top = top;
        request.ByMean = byMean;
        request.Seed = 5;
        return ValidateScenario(ws, request);
    }
    // The files in the validation's scratch folders under `tmp`, relative to each copy.
    static std::set<std::string> ScratchFiles(const fs::path& tmp) {
        std::set<std::string> files;
        for (const auto& scratchDir : fs::directory_iterator(tmp)) {
            if (scratchDir.path().filename().string().rfind("quorvel-validate-", 0) != 0) continue;
            for (const auto& copy : fs::directory_iterator(scratchDir.path()))
                for (const auto& entry : fs::recursive_directory_iterator(copy.path()))
                    if (entry.is_regular_file())
                        files.insert(fs::relative(entry.path(), copy.path()).string());
        }
        return files;
    }
    // The validation's own scratch folders; the test's folders live there too.
    bool ScratchLeft() const {
        for (const auto& entry : fs::directory_iterator(scratch.Path()))
            if (entry.path().filename().string().rfind("quorvel-validate-", 0) == 0) return true;
        return false;
    }

    test::TempDir scratch;
    std::string savedTmp;
    StoppingHost host;
};

TEST_F(ScenarioValidation, TheBestRowsOfTheEarlierPassesAreCheckedOnTheLastOnesAndNothingIsLeft) {
    test::TempDir dir;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    const auto before = Contents(dir.Path());
    const ValidationReport report = Validate(*ws);
    EXPECT_FALSE(report.Stopped);
    ASSERT_EQ(report.Rows.size(), 2u);
    EXPECT_LE(report.Rows[0].TrainP, report.Rows[1].TrainP);  // chosen by p, smallest first
    for (const ValidationRow& row : report.Rows) {
        EXPECT_GT(row.TrainStakes, 0) << row.Comment;
        EXPECT_GT(row.TestStakes, 0) << row.Comment;
        EXPECT_LE(row.TestStakes, row.TrainStakes) << row.Comment;  // fewer passes, same stakes per pass
    }
    EXPECT_DOUBLE_EQ(report.ByChance, 0.1);
    EXPECT_EQ(Contents(dir.Path()), before);
    EXPECT_FALSE(ScratchLeft());
    // The same seed, the same report.
    const ValidationReport again = Validate(*ws);
    for (size_t i = 0; i < report.Rows.size(); ++i) {
        EXPECT_EQ(again.Rows[i].Comment, report.Rows[i].Comment);
        EXPECT_EQ(again.Rows[i].TestP, report.Rows[i].TestP);
    }
    const ValidationReport byMean = Validate(*ws, true);
    ASSERT_EQ(byMean.Rows.size(), 2u);
    EXPECT_GE(byMean.Rows[0].TrainMean, byMean.Rows[1].TrainMean);
}

TEST_F(ScenarioValidation, TheChoiceNeverSeesTheDrawsItIsCheckedOn) {
    test::TempDir one, other;
    auto first = test::MadeUpWorkspace(one.Path(), host, 60);
    const ValidationReport report = Validate(*first);
    // The same archive with its last ten draws changed: the choice stays, the check moves.
    TDrawsArray draws = first->Archive().Draws();
    for (size_t i = draws.size() - 10; i < draws.size(); ++i)
        draws[i].Values = {9, 9, 9};
    first.reset();
    SaveDrawsFile(other / "Quorvel_3r10.ldr", draws);
    Workspace second(DataDirectory(other.Path()), host, {}, Workspace::Mode::CommandLine);
    second.LoadStartupSettings();
    ASSERT_TRUE(second.Initialise());
    const ValidationReport changed = Validate(second);
    ASSERT_EQ(changed.Rows.size(), report.Rows.size());
    bool testMoved = false;
    for (size_t i = 0; i < report.Rows.size(); ++i) {
        EXPECT_EQ(changed.Rows[i].Comment, report.Rows[i].Comment);
        EXPECT_EQ(changed.Rows[i].TrainP, report.Rows[i].TrainP);
        EXPECT_EQ(changed.Rows[i].TrainMean, report.Rows[i].TrainMean);
        testMoved = testMoved || changed.Rows[i].TestMean != report.Rows[i].TestMean;
    }
    EXPECT_TRUE(testMoved);
}

TEST_F(ScenarioValidation, AStopOrTooShortAnArchiveLeavesNoScratchBehind) {
    test::TempDir dir;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    host.stop = true;
    EXPECT_TRUE(Validate(*ws).Stopped);
    EXPECT_FALSE(ScratchLeft());
    host.stop = false;
    // The desktop program stops a run on another thread with a flag.
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(Validate(*ws, false, &stop).Stopped);
    EXPECT_FALSE(ScratchLeft());
    test::TempDir small;
    auto few = test::MadeUpWorkspace(small.Path(), host, 30);
    try {
        Validate(*few);
        ADD_FAILURE() << "20 + 10 passes need an offset of 30, beyond 30 draws";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Для проверки нужно не менее 31 тиражей в архиве!");
    }
    EXPECT_FALSE(ScratchLeft());
}

// The training passes take the offsets 30 .. 11 of 31 draws: the first one is the largest offset.
TEST_F(ScenarioValidation, TheTrainingPassesMayReachTheLargestOffset) {
    test::TempDir dir;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 31);
    ASSERT_EQ(ws->Archive().MaxOffset(), 30);
    const ValidationReport report = Validate(*ws);
    EXPECT_FALSE(report.Stopped);
    ASSERT_EQ(report.Rows.size(), 2u);
    EXPECT_EQ(report.Rows[0].TrainStakes, 20);  // each line stakes once a pass
    EXPECT_EQ(report.Rows[0].TestStakes, 10);
}

// Each row's figures on the test passes are its own line's: a line staking once a pass has one
// stake per test pass, one staking all that its filter leaves has more, whichever order the rows
// were chosen in.
TEST_F(ScenarioValidation, EachRowIsCheckedWithItsOwnLine) {
    test::TempDir dir;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    const std::vector<std::string> lines = {"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |one",
                                            "FULL:0#ALL|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |all"};
    for (bool byMean : {false, true}) {
        const ValidationReport report = ValidateLines(*ws, lines, 2, byMean);
        ASSERT_EQ(report.Rows.size(), 2u);
        EXPECT_EQ(report.Tested, 2);
        for (const ValidationRow& row : report.Rows) {
            const bool once = row.Comment.find("one") != std::string::npos;
            EXPECT_EQ(row.TrainStakes == 20, once) << row.Comment;
            EXPECT_EQ(row.TestStakes == 10, once) << row.Comment << " " << row.TestStakes;
            EXPECT_GT(row.TestStakes, 0) << row.Comment;
        }
    }
}

// A row without a filter step cannot become a scenario line. It is still among the best rows,
// so it stays in the report, untested, and chance counts only the rows tested.
TEST_F(ScenarioValidation, RowsWithoutAFilterStepStayInTheReportUntested) {
    test::TempDir dir;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    const ValidationReport mixed = ValidateLines(
        *ws, {"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a", "CURR:0#FIRST| | | | | | | |"}, 5);
    EXPECT_FALSE(mixed.Stopped);
    ASSERT_EQ(mixed.Rows.size(), 2u);
    EXPECT_EQ(mixed.Tested, 1);
    EXPECT_DOUBLE_EQ(mixed.ByChance, 0.05);
    int untested = 0;
    for (const ValidationRow& row : mixed.Rows) {
        EXPECT_EQ(row.TrainStakes, 20) << row.Comment;
        const auto texts = ValidationRowTexts(row);
        if (row.Testable) {
            EXPECT_EQ(row.TestStakes, 10) << row.Comment;
            EXPECT_EQ(texts[4], "10");
            continue;
        }
        ++untested;
        EXPECT_NE(row.Comment.find("@ CURR#FIRST"), std::string::npos) << row.Comment;
        EXPECT_EQ(row.TestStakes, 0);
        EXPECT_EQ(texts[1], "20");
        EXPECT_EQ(texts[4], "-");
        EXPECT_EQ(texts[5], "-");
        EXPECT_EQ(texts[6], "-");
    }
    EXPECT_EQ(untested, 1);
    EXPECT_EQ(ValidationSummary(mixed).rfind("Проверено строк: 1 из 2; ", 0), 0u) << ValidationSummary(mixed);

    // The only row chosen is untested: the report says so instead of showing nothing.
    const ValidationReport none = ValidateLines(*ws, {"FULL:0#FIRST| | | | | | | |"}, 1);
    EXPECT_FALSE(none.Stopped);
    ASSERT_EQ(none.Rows.size(), 1u);
    EXPECT_FALSE(none.Rows[0].Testable);
    EXPECT_EQ(none.Tested, 0);
    EXPECT_EQ(none.Reached, 0);
    EXPECT_DOUBLE_EQ(none.ByChance, 0);
    EXPECT_EQ(ValidationSummary(none, "%d/%d %s %d %s"), "0/1 0.05 0 0.00");
    EXPECT_FALSE(ScratchLeft());
}

// The scratch copies take only what a run reads, so the system's temporary folder may lie in
// the data directory itself, beside folders of the user's own.
TEST_F(ScenarioValidation, OnlyWhatARunReadsIsCopiedEvenWithTheTemporaryFolderInside) {
    test::TempDir dir;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    ws->UiState().WriteUiBool("ColorDraws", true);
    test::WriteBytes(dir / "notes.txt", "mine");
    fs::create_directories(dir / "Old archives");
    test::WriteBytes(dir / "Old archives" / "2019.ldr", "old");
    fs::create_directories(dir / "Prefetchs");
    test::WriteBytes(dir / "Prefetchs" / "Quorvel_3r10_ZZZZ.dfc", "");
    fs::create_directories(dir / "Systems" / "Old");
    test::WriteBytes(dir / "Systems" / "Systems.ini", "");
    test::WriteBytes(dir / "Systems" / "Old" / "3-10-1.dat", "");
    const fs::path tmp = dir / "tmp";
    fs::create_directories(tmp);
    setenv("TMPDIR", tmp.c_str(), 1);
    const auto before = Contents(dir.Path());
    std::set<std::string> copied;
    host.watch = [&] {
        if (copied.empty()) copied = ScratchFiles(tmp);
    };
    const ValidationReport report = Validate(*ws);
    host.watch = nullptr;
    EXPECT_FALSE(report.Stopped);
    EXPECT_EQ(report.Rows.size(), 2u);
    for (const char* input :
         {"Quorvel_3r10.ldr", "Quorvel_3r10.frm", "Prefetchs/Quorvel_3r10_ZZZZ.dfc", "Systems/Systems.ini"})
        EXPECT_EQ(copied.count(input), 1u) << input;
    for (const std::string& file : copied) {
        EXPECT_EQ(file.find("notes"), std::string::npos) << file;
        EXPECT_EQ(file.find("Old"), std::string::npos) << file;
        EXPECT_EQ(file.rfind("tmp", 0), std::string::npos) << file;
    }
    EXPECT_EQ(Contents(dir.Path()), before);
    EXPECT_TRUE(fs::is_empty(tmp));
}

// With the logs on, the scratch runs still write none: they would go with the copies.
TEST_F(ScenarioValidation, TheScratchRunsWriteNoLogs) {
    test::TempDir dir;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    ws->UiState().WriteUiBool("ScriptLogEnabled", true);
    ws->UiState().WriteUiBool("StakesLogEnabled", true);
    ws->Options().ScriptLogEnabled = true;
    ws->Options().StakesLogEnabled = true;
    int polls = 0;
    std::set<std::string> logs;
    host.watch = [&] {
        ++polls;
        for (const std::string& file : ScratchFiles(scratch.Path()))
            if (file.rfind("ScriptLog_", 0) == 0 || fs::path(file).extension() == ".log") logs.insert(file);
    };
    const ValidationReport report = Validate(*ws);
    host.watch = nullptr;
    EXPECT_FALSE(report.Stopped);
    EXPECT_GT(polls, 0);
    EXPECT_TRUE(logs.empty()) << (logs.empty() ? std::string() : *logs.begin());
    EXPECT_TRUE(ws->Options().ScriptLogEnabled);  // the user's options stay as they were
}

}  // namespace
