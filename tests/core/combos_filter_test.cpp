#include <gtest/gtest.h>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "core/combos/filter_pass.h"
#include "core/model/text_forms.h"
#include "support/fake_ui_host.h"
#include "support/made_up_workspace.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

TEST(FilterSelection, GridSourcesCountEachValueOnce) {
    TFilterSelection card = SelectionFromCardCells({"3", "", "3", "7", "x"});
    ASSERT_EQ(card.Selected.size(), 3u);
    EXPECT_EQ(card.Description, "3; 7; x");
    EXPECT_EQ(card.Selected[2].Key[0], 0);  // not an integer: 0
    TFilterSelection layout = SelectionFromLayoutCells({"[2], 5", "5", " [7] "});
    EXPECT_EQ(layout.Description, "2; 5; 7");
    EXPECT_EQ(layout.Selected[1].Key[0], 5);
    TFilterSelection week = SelectionFromWeekColumns({1, 2, 3});
    EXPECT_EQ(week.Description, "0; 1; 2");
    EXPECT_EQ(week.Selected[2].Key[0], 2);
    EXPECT_TRUE(SelectionFromCardCells({"", " "}).Selected.empty());
}

TEST(FilterSelection, ReferenceIndexAtTheOffset) {
    DrawArchive archive;
    EXPECT_EQ(FilterRefIndex(archive), 0);
    archive.Assign(TDrawsArray(10));
    archive.SetOffset(3);
    EXPECT_EQ(FilterRefIndex(archive), 6);
}

// The whole road on a workspace: statistics rows kept or removed, logged and undone.
class WorkspaceFilter : public ::testing::Test {
protected:
    WorkspaceFilter() { workspace = test::MadeUpWorkspace(dir.Path(), host); }
    int RowOf(const std::string& caption) {
        const auto& rows = workspace->Stats().Table().Table.Rows;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].Texts[0] == caption) return static_cast<int>(i);
        }
        return -1;
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<Workspace> workspace;
};

// An edited draw leaves the archive as long as it was, yet the table it feeds is out of date.
TEST_F(WorkspaceFilter, EditingADrawRecomputesTheTable) {
    workspace->Stats().Table().Entry = workspace->Stats().List().IndexOfCode("POS1");
    ASSERT_TRUE(workspace->Stats().ComputeTable(false));
    const DrawArchive& archive = workspace->Archive();
    TDraw edited = archive.Draws().back();
    edited.Values[0] = static_cast<uint8_t>((edited.Values[0] + 1) % 10);
    ASSERT_TRUE(workspace->Draws().ReplaceDraw(archive.Count() - 1, edited));
    EXPECT_TRUE(workspace->Stats().ComputeTable(false));
    EXPECT_FALSE(workspace->Stats().ComputeTable(false));
}

TEST_F(WorkspaceFilter, KeepingTwoValuesThenUndo) {
    TCombList& combs = workspace->Combs().List();
    ASSERT_EQ(combs.CombCount(), 1000);  // generated at start-up
    workspace->Stats().Table().Entry = workspace->Stats().List().IndexOfCode("POS1");
    ASSERT_TRUE(workspace->Stats().ComputeTable(false));
    EXPECT_FALSE(workspace->Stats().ComputeTable(false));  // nothing changed: not recomputed
    ASSERT_TRUE(workspace->FilterByStatRows({RowOf("3"), RowOf("7")}, false));
    EXPECT_EQ(combs.CombCount(), 200);
    EXPECT_EQ(CombToStr(combs.CombAt(0)), "3;0;0");
    ASSERT_EQ(combs.Applied().size(), 1u);
    EXPECT_EQ(combs.Applied()[0].Image, 12);
    EXPECT_EQ(combs.Applied()[0].Source, "{ num } Число в 1 позиции тиража [ SNG ]");
    EXPECT_EQ(combs.Applied()[0].Values, "3; 7");
    EXPECT_EQ(combs.Applied()[0].Count, 200);

    workspace->Stats().Table().Entry = workspace->Stats().List().IndexOfCode("NUMS");
    workspace->Stats().ComputeTable(false);
    ASSERT_TRUE(workspace->FilterByStatRows({RowOf("5")}, true));
    EXPECT_EQ(combs.CombCount(), 162);  // 200 x 0.9 x 0.9 without a 5 in positions 2 and 3
    EXPECT_EQ(combs.Applied().back().Image, 13);
    workspace->Combs().UndoCombs();
    EXPECT_EQ(combs.CombCount(), 200);
    EXPECT_EQ(combs.Applied().size(), 1u);
    EXPECT_EQ(combs.UndoCount(), 0);
    workspace->Combs().UndoCombs();  // a second undo is not possible
    EXPECT_EQ(combs.CombCount(), 200);
}

TEST_F(WorkspaceFilter, KeepingNothingAndGridErrors) {
    TCombList& combs = workspace->Combs().List();
    TFilterSelection none = SelectionFromCardCells({""});
    EXPECT_FALSE(workspace->Combs().FilterByGridValues(none, false, "Карта"));
    EXPECT_EQ(host.Last("error"), "В выделенном диапазоне нет значений для фильтра!");
    EXPECT_EQ(combs.CombCount(), 1000);
    EXPECT_TRUE(
        workspace->Combs().FilterByGridValues(SelectionFromCardCells({"3", "3", "7"}), false, "Карта"));
    EXPECT_EQ(combs.CombCount(), 1000 - 512);
    EXPECT_EQ(combs.Applied().back().Source, "Карта");
    workspace->Combs().PasteCombs("01 02 03\r\n");
    EXPECT_EQ(combs.CombCount(), 1);
    workspace->Stats().Table().Entry = workspace->Stats().List().IndexOfCode("POS1");
    workspace->Stats().ComputeTable(true);
    EXPECT_TRUE(workspace->FilterByStatRows({RowOf("9")}, false));
    EXPECT_EQ(combs.CombCount(), 0);
    EXPECT_EQ(combs.Applied().back().Count, 0);
}

TEST_F(WorkspaceFilter, PastingABadLineBringsTheListBack) {
    TCombList& combs = workspace->Combs().List();
    workspace->Combs().PasteCombs("1 2 3\r\n4 5 6\r\n1;2\r\n7 8 9\r\n0 0 0\r\n");
    EXPECT_EQ(host.Last("error"), "Некорректная комбинация: \"1;2\"!");
    EXPECT_EQ(combs.CombCount(), 1000);
    EXPECT_EQ(combs.UndoCount(), 0);
    workspace->Combs().PasteCombs("1 2 3\r\n4 5 6\r\n");
    EXPECT_EQ(combs.CombCount(), 2);
    EXPECT_EQ(workspace->Combs().CopyCombs({1}), "04 05 06");
}

}  // namespace
}  // namespace quorvel
