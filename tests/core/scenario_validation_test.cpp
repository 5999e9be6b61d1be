#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <map>

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

class StoppingHost : public test::FakeUiHost {
public:
    bool StopRequested() override { return stop; }
    bool stop = false;
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
        ValidationRequest request;
        request.Stop = stop;
        request.Lines = {"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a",
                         "FULL:0#LAST|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |b",
                         "FULL:0#RAND|TSD1#DIGS:5#LNO:#SF:0| | | | | | |c"};
        request.Train = 20;
        request.Test = 10;
        request.Top = 2;
        request.ByMean = byMean;
        request.Seed = 5;
        return ValidateScenario(ws, request);
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
    auto few = test::MadeUpWorkspace(small.Path(), host, 31);
    EXPECT_THROW(Validate(*few), Error);
    EXPECT_FALSE(ScratchLeft());
}

}  // namespace
