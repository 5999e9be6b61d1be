#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/archive/draw_archive.h"
#include "core/combos/comb_list.h"
#include "core/combos/exclusion.h"
#include "core/combos/generation.h"
#include "core/model/text_forms.h"

namespace quorvel {
namespace {

TComb Comb(int a, int b, int c) {
    return TComb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
}

TCombsArray Generate(int mode, const std::string& parameters = "") {
    return GenerateCombs(TCombsGenerateParams{mode, parameters});
}

TCombsArray ListOf(const TCombList& list) {
    return {list.Current().begin(), list.Current().end()};
}

TEST(CombsGeneration, FullListInEnumerationOrder) {
    TCombsArray all = Generate(0);
    ASSERT_EQ(all.size(), 1000u);
    EXPECT_EQ(all.front(), Comb(0, 0, 0));
    EXPECT_EQ(all[10], Comb(0, 1, 0));  // row 11
    EXPECT_EQ(all[123], Comb(1, 2, 3));
    EXPECT_EQ(all.back(), Comb(9, 9, 9));
    // A mode the list does not know, and a parameter mode 0 does not read, still give all.
    EXPECT_EQ(Generate(7, "1"), all);
    EXPECT_EQ(Generate(-1), all);
    EXPECT_EQ(Generate(0, "5"), all);
}

TEST(CombsGeneration, MyNumbersModes) {
    TCombsArray any = Generate(1, "7");
    EXPECT_EQ(any.size(), 271u);
    EXPECT_EQ(any.front(), Comb(0, 0, 7));
    TCombsArray only = Generate(2, "7");
    EXPECT_EQ(only, TCombsArray{Comb(7, 7, 7)});
    TCombsArray none = Generate(3, "7");
    EXPECT_EQ(none.size(), 729u);
    for (const TComb& comb : none)
        EXPECT_TRUE(comb.Values[0] != 7 && comb.Values[1] != 7 && comb.Values[2] != 7);

    TCombsArray three = Generate(2, "1;2;3");
    ASSERT_EQ(three.size(), 27u);
    EXPECT_EQ(three.front(), Comb(1, 1, 1));
    EXPECT_EQ(three.back(), Comb(3, 3, 3));
    EXPECT_EQ(Generate(2, "3, 2 ,1"), three);  // order and blanks do not matter

    // Numbers above 9 are accepted as my numbers but match no value.
    EXPECT_TRUE(Generate(1, "12").empty());
    EXPECT_EQ(Generate(3, "12").size(), 1000u);
    // Without my numbers nothing holds one of them.
    EXPECT_TRUE(Generate(1, "").empty());
    EXPECT_EQ(Generate(3, "").size(), 1000u);
}

TEST(CombsGeneration, MyNumbersReading) {
    EXPECT_EQ(MyNumbers("7"), (TByteArray{7}));
    // 300 is beyond 0..255 and dropped; a word that is not a number reads as 0.
    EXPECT_EQ(MyNumbers("5;300,x;5"), (TByteArray{5, 0}));
    EXPECT_EQ(MyNumbers("255;256;-1"), (TByteArray{255}));
    // Empty and blank words add nothing.
    EXPECT_EQ(MyNumbers("4;; ;,9;"), (TByteArray{4, 9}));
    EXPECT_TRUE(MyNumbers("").empty());
    EXPECT_EQ(Generate(2, "x"), TCombsArray{Comb(0, 0, 0)});
    // The dialog warns when a mode of my numbers has none of the values to work from.
    for (const char* none : {"", " ; ", "12,300"})
        EXPECT_TRUE(MyNumbersMissing({1, none})) << none;
    EXPECT_FALSE(MyNumbersMissing({3, "12;7"}));
    EXPECT_FALSE(MyNumbersMissing({0, ""}));
    EXPECT_FALSE(MyNumbersMissing({4, ""}));
}

TEST(CombList, RefillingAndReading) {
    TCombList list;
    list.AssignList(Generate(0));
    list.ResetList(5, 0);
    EXPECT_EQ(list.CombCount(), 0);
    list.AppendComb(Comb(1, 2, 3));
    list.AppendComb(Comb(1, 2, 3));  // duplicates are the caller's affair
    EXPECT_EQ(list.CombCount(), 2);
    EXPECT_EQ(list.CombAt(1), Comb(1, 2, 3));
    list.ResetList(0, 3);
    EXPECT_EQ(ListOf(list), (TCombsArray{Comb(0, 0, 0), Comb(0, 0, 0), Comb(0, 0, 0)}));
    list.ResetList(10, -4);
    EXPECT_EQ(list.CombCount(), 0);
}

// Keeping by flags writes ahead of what it keeps: whatever is kept or dropped, first or last,
// the list holds exactly the kept combinations after what it held, and nothing past them.
TEST(CombList, AppendWhereKeepsExactlyTheFlaggedCombinations) {
    const std::vector<TComb> all = GenerateCombs({});
    for (const std::vector<int>& keptRows :
         {std::vector<int>{}, {0}, {999}, {0, 1, 2}, {998, 999}, {3, 500, 997, 999}, {0, 999}}) {
        std::vector<uint8_t> flags(all.size(), 0);
        std::vector<TComb> expected{{{9, 9, 9}}};
        for (int row : keptRows) {
            flags[static_cast<size_t>(row)] = 1;
            expected.push_back(all[static_cast<size_t>(row)]);
        }
        TCombList list;
        list.AssignList(std::vector<TComb>{{{9, 9, 9}}});
        list.AppendWhere(all, flags, 1);
        ASSERT_EQ(list.CombCount(), static_cast<int>(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(list.CombAt(static_cast<int>(i)), expected[i]) << i;
        list.AppendWhere(std::span<const TComb>(all.data(), 1), std::span<const uint8_t>(flags.data(), 1), 0);
        EXPECT_EQ(list.CombCount(), static_cast<int>(expected.size()) + (flags[0] == 0 ? 1 : 0));
    }
}

TEST(CombList, OneStepUndo) {
    TCombList list;
    list.AssignList(Generate(0));
    list.MakeUndoCopy();
    EXPECT_EQ(list.UndoCount(), 1000);
    list.AssignList(Generate(2, "7"));
    EXPECT_EQ(list.UndoItem(999), Comb(9, 9, 9));
    EXPECT_EQ(list.UndoList().size(), 1000u);

    list.RestoreUndo();
    EXPECT_EQ(ListOf(list), Generate(0));
    EXPECT_EQ(list.UndoCount(), 0);  // a second undo is not possible

    // Dropping the copy leaves nothing to undo.
    list.MakeUndoCopy();
    list.AssignList(Generate(2, "7"));
    list.DropUndo();
    EXPECT_EQ(list.UndoCount(), 0);
    EXPECT_EQ(list.CombCount(), 1);

    // The copy of an empty list restores an empty list.
    list.ResetList(0, 0);
    list.MakeUndoCopy();
    list.AssignList(Generate(0));
    list.RestoreUndo();
    EXPECT_EQ(list.CombCount(), 0);
}

TEST(CombList, DeleteSelectedRowsFromTheUndoCopy) {
    TCombList list;
    list.AssignList(TCombsArray{Comb(0, 0, 1), Comb(0, 0, 2), Comb(0, 0, 3), Comb(0, 0, 4), Comb(0, 0, 5)});
    list.MakeUndoCopy();
    // Unsorted, repeated and out-of-range rows: only rows 3 and 1 go.
    list.DeleteRows({3, 1, 3, -1, 5});
    EXPECT_EQ(ListOf(list), (TCombsArray{Comb(0, 0, 1), Comb(0, 0, 3), Comb(0, 0, 5)}));
    EXPECT_EQ(list.UndoCount(), 5);
    list.RestoreUndo();
    EXPECT_EQ(list.CombCount(), 5);

    list.MakeUndoCopy();
    list.DeleteRows({0, 1, 2, 3, 4});
    EXPECT_EQ(list.CombCount(), 0);
    list.DeleteRows({});
    EXPECT_EQ(list.CombCount(), 5);
}

TEST(CombList, BufferIsKeyedByOffsetAndExclusionCount) {
    TCombList list;
    EXPECT_EQ(list.BufferKey(), (std::pair{-1, -1}));
    list.AssignList(Generate(1, "7"));
    EXPECT_FALSE(list.LoadFromBuffer(-1, -1));  // no buffer yet, even with its key

    list.SaveToBuffer(2, 5);
    EXPECT_EQ(list.BufferKey(), (std::pair{2, 5}));
    EXPECT_EQ(list.BufferCount(), 271);

    // The same key does not copy again: the buffer keeps the list it was made from.
    list.AssignList(Generate(2, "7"));
    list.SaveToBuffer(2, 5);
    EXPECT_EQ(list.BufferCount(), 271);

    EXPECT_FALSE(list.LoadFromBuffer(2, 6));
    EXPECT_FALSE(list.LoadFromBuffer(3, 5));
    EXPECT_EQ(list.CombCount(), 1);
    EXPECT_TRUE(list.LoadFromBuffer(2, 5));
    EXPECT_EQ(ListOf(list), Generate(1, "7"));

    // Another key replaces the buffer.
    list.AssignList(Generate(3, "7"));
    list.SaveToBuffer(0, 5);
    EXPECT_EQ(list.BufferCount(), 729);
    EXPECT_FALSE(list.LoadFromBuffer(2, 5));

    // A new list empties the buffer but keeps its key; an empty buffer loads nothing.
    list.EmptyBuffer();
    EXPECT_EQ(list.BufferKey(), (std::pair{0, 5}));
    EXPECT_FALSE(list.LoadFromBuffer(0, 5));
    EXPECT_EQ(list.CombCount(), 729);

    list.SaveToBuffer(1, 1);
    list.ResetBuffer();
    EXPECT_EQ(list.BufferKey(), (std::pair{-1, -1}));
    EXPECT_EQ(list.BufferCount(), 0);
}

TEST(CombList, AppliedRowsRecordImagesAndSizes) {
    TCombList list;
    list.AssignList(Generate(0));
    list.AddAppliedFilter(false, "Карта", "1;2");
    list.AssignList(Generate(3, "7"));
    list.AddAppliedFilter(true, LastDrawsSource, "5");
    list.AddUndoRow();
    ASSERT_EQ(list.Applied().size(), 3u);
    EXPECT_EQ(list.Applied()[0], (TAppliedFilter{12, "Карта", "1;2", 1000}));
    EXPECT_EQ(list.Applied()[1], (TAppliedFilter{13, "Последние тиражи", "5", 729}));
    EXPECT_EQ(list.Applied()[2], (TAppliedFilter{11, "Отмена последней операции", "", 729}));

    list.RemoveLastApplied();
    EXPECT_EQ(list.Applied().size(), 2u);
    list.ClearApplied();
    EXPECT_TRUE(list.Applied().empty());
    list.RemoveLastApplied();  // nothing to remove is no error
    EXPECT_TRUE(list.Applied().empty());
}

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

// Draw i (1-based) has the values of combination 100 + 7 * i, all different.
DrawArchive DistinctArchive(int count) {
    TDrawsArray draws;
    for (int i = 1; i <= count; ++i) {
        int index = 100 + 7 * i;
        draws.push_back(Draw(i, index / 100, index / 10 % 10, index % 10));
    }
    DrawArchive archive;
    archive.Assign(draws);
    return archive;
}

TCombsArray Without(TCombsArray combs, const TCombsArray& removed) {
    std::erase_if(
        combs, [&](const TComb& c) { return std::find(removed.begin(), removed.end(), c) != removed.end(); });
    return combs;
}

TEST(ExcludeLastDraws, RangeEndsAtTheOffsetPoint) {
    DrawArchive archive = DistinctArchive(20);
    archive.SetOffset(2);
    TCombsArray all = Generate(0);
    TCombsArray rows;
    for (int row = 2; row <= 6; ++row)
        rows.push_back(archive.ValuesAtRow(row));
    TCombsArray kept = ExcludeLastDraws(all, archive, 5, nullptr);
    EXPECT_EQ(kept.size(), 995u);
    EXPECT_EQ(kept, Without(all, rows));  // order kept, exactly rows 2..6 gone

    // Rows 0 and 1 lie beyond the offset point, row 7 before the range.
    for (int row : {0, 1, 7}) {
        TCombsArray one{archive.ValuesAtRow(row)};
        EXPECT_EQ(ExcludeLastDraws(one, archive, 5, nullptr), one) << row;
    }
}

TEST(ExcludeLastDraws, ShortArchivesAndEmptyRanges) {
    DrawArchive archive = DistinctArchive(3);
    TCombsArray all = Generate(0);
    TCombsArray draws;
    for (int row = 0; row < 3; ++row)
        draws.push_back(archive.ValuesAtRow(row));
    EXPECT_EQ(ExcludeLastDraws(all, archive, 10, nullptr), Without(all, draws));
    EXPECT_EQ(ExcludeLastDraws(all, archive, 2147483647, nullptr).size(), 997u);
    EXPECT_EQ(ExcludeLastDraws(all, archive, 0, nullptr), all);
    EXPECT_EQ(ExcludeLastDraws(all, archive, -3, nullptr), all);
    EXPECT_EQ(ExcludeLastDraws(all, DrawArchive{}, 10, nullptr), all);
    EXPECT_TRUE(ExcludeLastDraws({}, archive, 10, nullptr).empty());

    TDrawRange range = LastDrawsRange(archive, 10);
    EXPECT_EQ(range.First, 0);
    EXPECT_EQ(range.Last, 2);
}

TEST(ExcludeLastDraws, RepeatedDrawsDuplicatesAndDamagedValues) {
    DrawArchive archive;
    archive.Assign({Draw(1, 1, 2, 3), Draw(2, 12, 0, 0), Draw(3, 1, 2, 3)});
    // A draw with a value above 9 removes nothing and is not read past its table.
    TCombsArray list{Comb(1, 2, 3), Comb(2, 0, 0), Comb(1, 2, 3), Comb(3, 2, 1), Comb(0, 0, 0)};
    EXPECT_EQ(ExcludeLastDraws(list, archive, 3, nullptr),
              (TCombsArray{Comb(2, 0, 0), Comb(3, 2, 1), Comb(0, 0, 0)}));
    // Only full matches count: 1;2;4 agrees with 1;2;3 at two positions.
    EXPECT_EQ(ExcludeLastDraws(TCombsArray{Comb(1, 2, 4)}, archive, 3, nullptr).size(), 1u);
}

TEST(ExcludeLastDraws, ReportsProgressAboutAHundredTimes) {
    DrawArchive archive = DistinctArchive(10);
    std::vector<std::string> texts;
    auto record = [&](const std::string& text) { texts.push_back(text); };

    ExcludeLastDraws(Generate(0), archive, 4, record);
    ASSERT_EQ(texts.size(), 101u);
    EXPECT_EQ(texts[0], "Удаление из списка комбинаций 4 последних тиражей...");
    EXPECT_EQ(texts[1], "Удаление из списка комбинаций 4 последних тиражей ( завершено 1 % )...");
    EXPECT_EQ(texts[100], "Удаление из списка комбинаций 4 последних тиражей ( завершено 100 % )...");

    // Fewer than a hundred combinations: one step per combination.
    texts.clear();
    ExcludeLastDraws(Generate(2, "7;8"), archive, 4, record);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[4], "Удаление из списка комбинаций 4 последних тиражей ( завершено 50 % )...");

    texts.clear();
    ExcludeLastDraws({}, archive, 4, record);
    EXPECT_EQ(texts.size(), 1u);
}

}  // namespace
}  // namespace quorvel
