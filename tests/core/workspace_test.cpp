#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::FakeUiHost;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

struct Started {
    explicit Started(const TempDir& dir) : workspace(DataDirectory(dir.Path()), host, {}) {
        workspace.LoadStartupSettings();
        initialised = workspace.Initialise();
    }
    FakeUiHost host;
    Workspace workspace;
    bool initialised = false;
};

TEST(WorkspaceStartup, FirstStartOnAnEmptyDirectory) {
    TempDir dir;
    {
        Started s(dir);
        ASSERT_TRUE(s.initialised);
        EXPECT_TRUE(s.host.Messages.empty());
        EXPECT_EQ(s.workspace.Archive().SizeText(), "Архив тиражей: 0");
        EXPECT_EQ(s.workspace.Archive().NextDrawText(), "Следующий тираж: 1");
        EXPECT_EQ(s.workspace.Draws().NewDrawTemplate().Number, 1);
        EXPECT_EQ(s.workspace.Stats().List().Config.ChannelSize, 2);
        EXPECT_TRUE(s.workspace.IsIdle());
        EXPECT_TRUE(std::filesystem::exists(dir / "Quorvel_3r10.lsk"));
        // The first start records the comparison option once; no other data file appears.
        UiStateFile state(dir / "Quorvel_3r10.frm");
        EXPECT_TRUE(state.ReadUiBool("PrefetchsInit", false));
        EXPECT_FALSE(state.ReadUiBool("PrefetchsEnabled", true));
        EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10.ldr"));
        EXPECT_FALSE(std::filesystem::exists(dir / "Prefetchs"));
    }
    // Shut-down wrote the sizes of the window.
    EXPECT_EQ(UiStateFile(dir / "Quorvel_3r10.frm").ReadUiInt("DrawsStatLen", -1), 1000);
}

TEST(WorkspaceStartup, ASecondCopyOnTheSameDirectoryIsRefusedAndTheFirstGoesOn) {
    TempDir dir;
    Started first(dir);
    ASSERT_TRUE(first.initialised);
    first.workspace.Draws().AddDraw(Draw(1, 1, 2, 3));
    const std::string frm = ReadBytes(dir / "Quorvel_3r10.frm");
    {
        Started second(dir);
        EXPECT_FALSE(second.initialised);
        EXPECT_EQ(second.host.Last("error"), ExclusiveAccessMessage);
    }
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.frm"), frm);  // the refused copy wrote nothing
    EXPECT_TRUE(first.workspace.Draws().AddDraw(Draw(2, 4, 5, 6)));
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr").size(), 48u);
}

// The lock must be one that another process really sees, not only this one.
TEST(WorkspaceStartup, TheStakesFileLockHoldsAgainstAnotherProcess) {
    TempDir dir;
    StakesFile held;
    held.Open(dir / "Quorvel_3r10.lsk");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        StakesFile other;
        try {
            other.Open(dir / "Quorvel_3r10.lsk");
        } catch (const ExclusiveAccessError&) {
            _exit(7);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    held.Close();
    StakesFile again;
    EXPECT_NO_THROW(again.Open(dir / "Quorvel_3r10.lsk"));
}

TEST(WorkspaceStartup, StakesFileOfAnotherVersionIsEmptiedButKeptAside) {
    TempDir dir;
    std::string old(600, '\2');
    WriteBytes(dir / "Quorvel_3r10.lsk", old);
    {
        Started s(dir);
        EXPECT_TRUE(s.initialised);
        EXPECT_EQ(s.host.Count("warning"), 1);
        EXPECT_EQ(
            s.host.Last("warning").rfind("Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки "
                                         "будут удалены!",
                                         0),
            0u);
        EXPECT_EQ(s.workspace.Stakes().File().Size(), 0);
    }
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk.bak"), old);

    std::string current(608, '\0');
    current[0] = current[304] = '\2';
    WriteBytes(dir / "Quorvel_3r10.lsk", current);
    Started s(dir);
    EXPECT_EQ(s.host.Count("warning"), 0);
    EXPECT_EQ(s.workspace.Stakes().File().RecordCount(), 2);
}

TEST(WorkspaceArchive, TruncatedDrawsFileLoadsTheWholeRecordsAndSaysSo) {
    TempDir dir;
    SaveDrawsFile(dir / "Quorvel_3r10.ldr", {Draw(1, 1, 2, 3), Draw(2, 4, 5, 6)});
    WriteBytes(dir / "Quorvel_3r10.ldr", ReadBytes(dir / "Quorvel_3r10.ldr") + "x");
    Started s(dir);
    EXPECT_EQ(s.workspace.Archive().Count(), 2);
    EXPECT_EQ(s.host.Last("error").rfind("Ошибка чтения файла тиражей!\r\r", 0), 0u);
}

TEST(WorkspaceArchive, AddProposesTheNextNumberAndSavesAtOnce) {
    TempDir dir;
    SaveDrawsFile(dir / "Quorvel_3r10.ldr", {Draw(229, 1, 2, 3), Draw(230, 4, 5, 6)});
    Started s(dir);
    TDraw next = s.workspace.Draws().NewDrawTemplate();
    EXPECT_EQ(next.Number, 231);
    next.Values = {7, 8, 9};
    EXPECT_TRUE(s.workspace.Draws().AddDraw(next));
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr").size(), 72u);
}

TEST(WorkspaceArchive, DeletingRowsWithTheSameNumberRemovesOnePerRow) {
    TempDir dir;
    SaveDrawsFile(dir / "Quorvel_3r10.ldr",
                  {Draw(1, 0, 0, 0), Draw(5, 1, 1, 1), Draw(5, 2, 2, 2), Draw(6, 3, 3, 3)});
    Started s(dir);
    s.host.Answers = {false};
    EXPECT_FALSE(s.workspace.Draws().DeleteDrawsAtRows({1, 2}));
    EXPECT_EQ(s.workspace.Archive().Count(), 4);
    EXPECT_EQ(s.host.Last("delete"), "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?");
    s.host.Answers = {true};
    EXPECT_TRUE(s.workspace.Draws().DeleteDrawsAtRows({1, 2}));
    ASSERT_EQ(s.workspace.Archive().Count(), 2);
    EXPECT_EQ(s.workspace.Archive().Draws()[1].Number, 6);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr").size(), 48u);
    s.host.Answers = {true};
    s.workspace.Draws().DeleteDrawsAtRows({0});
    EXPECT_EQ(s.host.Last("delete"), "Удалить выделенную запись?");
}

TEST(WorkspaceArchive, AFailedSaveKeepsTheDrawInMemoryAndTellsWhy) {
    TempDir dir;
    Started s(dir);
    std::filesystem::create_directory(dir / "Quorvel_3r10.ldr");  // cannot be replaced by a file
    EXPECT_FALSE(s.workspace.Draws().AddDraw(Draw(1, 1, 2, 3)));
    EXPECT_EQ(s.workspace.Archive().Count(), 1);
    EXPECT_EQ(s.host.Last("error").rfind("Ошибка записи в файл тиражей!\r\r", 0), 0u);
    EXPECT_TRUE(s.workspace.IsIdle());
}

TEST(WorkspaceArchive, ImportReportsSkippedLinesAndAnUnreadableFileChangesNothing) {
    TempDir dir;
    Started s(dir);
    WriteBytes(dir / "in.csv", "1;\"01.01.2024 12:00\";1;2;3\r\n2;\"\";1;12;3\r\n");
    auto result = s.workspace.Draws().ImportDraws(dir / "in.csv");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Added, 1);
    EXPECT_NE(s.host.Last("warning").find("1"), std::string::npos);
    EXPECT_FALSE(s.workspace.Draws().ImportDraws(dir / "missing.csv"));
    EXPECT_EQ(s.workspace.Archive().Count(), 1);
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

TEST(WorkspaceStartup, FullSetSwitchesBuildTheFilesAndEndTheRun) {
    test::TempDir dir;
    {
        test::FakeUiHost host;
        Workspace plain(DataDirectory(dir.Path()), host, {});
        plain.LoadStartupSettings();
        ASSERT_TRUE(plain.Initialise());
        EXPECT_FALSE(plain.EndsAfterStartup());
        EXPECT_FALSE(std::filesystem::exists(dir / "Prefetchs"));  // the comparison is off
    }
    test::FakeUiHost host;
    Workspace refresh(DataDirectory(dir.Path()), host, {"--FullRefresh"}, Workspace::Mode::CommandLine);
    refresh.LoadStartupSettings();
    ASSERT_TRUE(refresh.Initialise());
    EXPECT_TRUE(refresh.EndsAfterStartup());
    const auto nums = dir / "Prefetchs" / "Quorvel_3r10_NUMS.dfc";
    ASSERT_TRUE(std::filesystem::exists(nums));
    test::WriteBytes(nums, "damaged");
    refresh.Shutdown();
    Workspace recreate(DataDirectory(dir.Path()), host, {"fullrecreate"}, Workspace::Mode::CommandLine);
    recreate.LoadStartupSettings();
    ASSERT_TRUE(recreate.Initialise());
    EXPECT_EQ(std::filesystem::file_size(nums), 11u * 12);  // ten values and the trailer, written anew
}

}  // namespace
}  // namespace quorvel
