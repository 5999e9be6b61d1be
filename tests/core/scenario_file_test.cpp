#include <gtest/gtest.h>

#include "core/app/workspace.h"
#include "core/scenario/scenario.h"
#include "core/util/error.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using Lines = std::vector<std::string>;

const std::string A = "FULL:0#RAND|TSD1#NUMS:10| | | | | | |А";
const std::string B = "EXCL:5#ALL|TSD1#SUMS:5| | | | | | |Б";
const std::string C = "CURR:0#NONE|TSD1#POS1:5| | | | | | |";

TEST(ScenarioFile, LineEndsAndTheWrittenForm) {
    test::TempDir dir;
    // Blank lines in the middle stay; a final line end adds no line; CR or LF alone end lines too.
    WriteBytes(dir / "a.lsc", "FULL:0#RAND|x\r\n\r\nEXCL:1#ALL|y\rCURR:0#NONE|z\n");
    EXPECT_EQ(ReadScenarioFile(dir / "a.lsc"), (Lines{"FULL:0#RAND|x", "", "EXCL:1#ALL|y", "CURR:0#NONE|z"}));
    WriteScenarioFile(dir / "b.lsc", {A, ""});
    EXPECT_EQ(ReadBytes(dir / "b.lsc"),
              "FULL:0#RAND|TSD1#NUMS:10| | | | | | |\xC0\r\n\r\n");  // code page 1251
    // Separators: one between the old lines and the appended ones, none after a blank last line.
    TScenario scenario;
    scenario.AppendLines({A});
    scenario.AppendLines({B});
    scenario.AppendLines({});
    scenario.Append("  ");
    scenario.AppendLines({C});
    EXPECT_EQ(scenario.Lines(), (Lines{A, "", B, "  ", C}));
    EXPECT_FALSE(scenario.IsCommandLine(1));   // a separator cannot be cloned or edited
    EXPECT_THROW(scenario.Swap(0, 2), Error);  // only neighbours
    EXPECT_EQ(scenario.Delete({4, 0, 4, 9, -1}), 2);
    EXPECT_EQ(scenario.Lines(), (Lines{"", B, "  "}));
}

// A workspace on its own directory, whose scenario refreshes are counted.
class ScenarioWorkspace : public ::testing::Test, public ScenarioListener {
protected:
    void Start() {
        workspace = std::make_unique<Workspace>(DataDirectory(dir.Path()), host, std::vector<std::string>{},
                                                Workspace::Mode::CommandLine);
        workspace->Script().AddListener(this);
        workspace->LoadStartupSettings();
        workspace->Initialise();
    }
    void ScenarioRefreshed() override { ++refreshes; }
    Lines Autosave() const { return ReadScenarioFile(dir / "Quorvel_3r10.lss"); }
    Lines Current() const { return workspace->Script().Scenario().Lines(); }
    bool ErrorStarts(const std::string& text, const std::filesystem::path& file) const {
        return host.Last("error").rfind(text + " \"" + file.string() + "\"!\r\r", 0) == 0;
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<Workspace> workspace;
    int refreshes = 0;
};

TEST_F(ScenarioWorkspace, EveryChangeIsAutosavedAndReadAtStartUp) {
    Start();
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10.lss"));
    EXPECT_EQ(workspace->Script().AppendScriptLine(A), 0);
    EXPECT_EQ(workspace->Script().AppendScriptLine(""), 1);
    EXPECT_EQ(workspace->Script().AppendScriptLine(B), 2);
    workspace->Script().ReplaceScriptLine(0, C);
    EXPECT_EQ(Autosave(), (Lines{C, "", B}));
    for (int bad : {-1, 3}) {
        try {
            workspace->Script().ReplaceScriptLine(bad, A);
            FAIL() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Запись со индексом " + std::to_string(bad) + " в файле данных не найдена!");
        }
        EXPECT_THROW(workspace->Script().ScriptLine(bad), Error);
    }
    EXPECT_FALSE(workspace->Script().MoveScriptLineUp(0));
    EXPECT_FALSE(workspace->Script().MoveScriptLineDown(2));
    EXPECT_TRUE(workspace->Script().MoveScriptLineDown(0));
    EXPECT_TRUE(workspace->Script().MoveScriptLineUp(2));
    EXPECT_EQ(Autosave(), (Lines{"", B, C}));
    EXPECT_EQ(refreshes, 1 + 6);

    workspace.reset();
    Start();
    EXPECT_EQ(Current(), (Lines{"", B, C}));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ScenarioWorkspace, DeletingAsksFirst) {
    Start();
    for (const std::string& line : {A, B, C})
        workspace->Script().AppendScriptLine(line);
    host.Answers = {false, true, false, true};
    EXPECT_FALSE(workspace->Script().DeleteScriptLines({1}));
    EXPECT_EQ(host.Last("delete"), "Удалить выделенную запись?");
    EXPECT_TRUE(workspace->Script().DeleteScriptLines({0, 2}));
    EXPECT_EQ(host.Last("delete"), "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?");
    EXPECT_EQ(Autosave(), Lines{B});
    EXPECT_FALSE(workspace->Script().ClearScript());
    EXPECT_TRUE(workspace->Script().ClearScript());
    EXPECT_TRUE(Autosave().empty());
    EXPECT_FALSE(workspace->Script().ClearScript());  // nothing to clear: not even asked
    EXPECT_EQ(host.Count("delete"), 4);
}

TEST_F(ScenarioWorkspace, OpeningAppendingAndSavingFiles) {
    Start();
    WriteScenarioFile(dir / "one.lsc", {A, B});
    WriteScenarioFile(dir / "two.lsc", {C});
    WriteBytes(dir / "empty.lsc", "");
    EXPECT_TRUE(
        workspace->Script().AppendScriptFile(dir / "one.lsc"));  // into an empty scenario: no separator
    EXPECT_TRUE(workspace->Script().AppendScriptFile(dir / "two.lsc"));
    EXPECT_TRUE(workspace->Script().AppendScriptFile(dir / "empty.lsc"));
    EXPECT_EQ(Current(), (Lines{A, B, "", C}));
    EXPECT_TRUE(workspace->Script().SaveScriptFile(dir / "all.lsc"));
    EXPECT_EQ(ReadBytes(dir / "all.lsc"), ReadBytes(dir / "Quorvel_3r10.lss"));
    EXPECT_TRUE(workspace->Script().OpenScriptFile(dir / "two.lsc"));
    EXPECT_EQ(Autosave(), Lines{C});
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ScenarioWorkspace, FilesThatCannotBeReadOrWrittenLoseNothing) {
    Start();
    workspace->Script().AppendScriptLine(A);
    const std::string saved = ReadBytes(dir / "Quorvel_3r10.lss");
    EXPECT_FALSE(workspace->Script().OpenScriptFile(dir / "missing.lsc"));
    EXPECT_TRUE(ErrorStarts("Ошибка чтения файла", dir / "missing.lsc")) << host.Last("error");
    EXPECT_FALSE(workspace->Script().AppendScriptFile(dir / "missing.lsc"));
    std::filesystem::create_directory(dir / "folder.lsc");
    EXPECT_FALSE(workspace->Script().SaveScriptFile(dir / "folder.lsc"));
    EXPECT_TRUE(ErrorStarts("Ошибка записи в файл", dir / "folder.lsc")) << host.Last("error");
    EXPECT_FALSE(workspace->Script().SaveScriptFile(dir / "no" / "dir.lsc"));
    EXPECT_EQ(host.Count("error"), 4);
    EXPECT_EQ(Current(), Lines{A});
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lss"), saved);
    EXPECT_TRUE(workspace->IsIdle());

    // An autosave that cannot be written keeps the edit in memory; at the next start the
    // unreadable autosave is reported and the scenario starts empty.
    std::filesystem::remove(dir / "Quorvel_3r10.lss");
    std::filesystem::create_directory(dir / "Quorvel_3r10.lss");
    EXPECT_EQ(workspace->Script().AppendScriptLine(B), 1);
    EXPECT_TRUE(ErrorStarts("Ошибка записи в файл", dir / "Quorvel_3r10.lss")) << host.Last("error");
    EXPECT_EQ(Current(), (Lines{A, B}));
    workspace.reset();
    Start();
    EXPECT_TRUE(workspace->Script().Scenario().Empty());
    EXPECT_TRUE(ErrorStarts("Ошибка чтения файла", dir / "Quorvel_3r10.lss")) << host.Last("error");
}

TEST_F(ScenarioWorkspace, AFiveMegabyteScenarioSurvivesTheRoundTrip) {
    Start();
    std::string bytes;
    for (int line = 0; bytes.size() < 5 * 1024 * 1024; ++line) {
        bytes += "EXCL:" + std::to_string(line) + "#ALL|TSD1#NUMS:1-100;3#LMV:1-5;1|BMF2#SUMS:10| | | | | |" +
                 "\xCA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9 " + std::to_string(line) + "\r\n";
        if (line % 1000 == 999) bytes += "\r\n";
    }
    WriteBytes(dir / "big.lsc", bytes);
    ASSERT_TRUE(workspace->Script().OpenScriptFile(dir / "big.lsc"));
    EXPECT_GT(workspace->Script().Scenario().Count(), 50000);
    EXPECT_EQ(workspace->Script().ScriptLine(0),
              "EXCL:0#ALL|TSD1#NUMS:1-100;3#LMV:1-5;1|BMF2#SUMS:10| | | | | |Комментарий 0");
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lss"), bytes);
    EXPECT_TRUE(host.Messages.empty());
}

}  // namespace
}  // namespace quorvel
