#include <gtest/gtest.h>

#include "core/archive/draw_archive.h"
#include "core/archive/draws_file.h"
#include "core/util/error.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TDraw Draw(int number, int a, int b, int c, const char* date = "") {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    draw.DateText.SetText(date);
    return draw;
}

DrawArchive ArchiveOf(int count) {
    DrawArchive archive;
    TDrawsArray draws;
    for (int i = 1; i <= count; ++i)
        draws.push_back(Draw(i, i % 10, (i + 1) % 10, (i + 2) % 10));
    archive.Assign(draws);
    return archive;
}

TEST(DrawArchive, EmptyArchiveStatusAndProposedNumber) {
    DrawArchive archive;
    EXPECT_EQ(archive.SizeText(), "Архив тиражей: 0");
    EXPECT_EQ(archive.NextDrawText(), "Следующий тираж: 1");
    EXPECT_EQ(archive.NextDrawNumber(0), 1);
    EXPECT_EQ(archive.DrawAtRow(0), TDraw{});
    EXPECT_EQ(archive.IndexOfNumber(5), -1);
    EXPECT_FALSE(archive.SetOffset(3));
    EXPECT_EQ(archive.Offset(), 0);
}

TEST(DrawArchive, OffsetPointAndTheDrawThatFollowedIt) {
    DrawArchive archive = ArchiveOf(10);
    EXPECT_EQ(archive.NextValuesText(), "");
    EXPECT_TRUE(archive.SetOffset(3));
    EXPECT_EQ(archive.DrawAtRow(3).Number, 7);
    EXPECT_EQ(archive.NextDrawText(), "Следующий тираж: 8");
    EXPECT_EQ(archive.NextValuesText(), "8;9;0");  // row 2 is draw 8
    EXPECT_EQ(archive.NextValueSet(), (TByteArray{8, 9, 0}));
    EXPECT_EQ(archive.NextDrawNumber(10), -1);
    EXPECT_EQ(archive.NextDrawNumber(-1), -1);
    // The offset never leaves 0..count - 1, and deleting draws pulls it back in.
    archive.SetOffset(50);
    EXPECT_EQ(archive.Offset(), 9);
    archive.SetOffset(-2);
    EXPECT_EQ(archive.Offset(), 0);
    archive.SetOffset(9);
    archive.DeleteDrawAt(0);
    EXPECT_EQ(archive.Offset(), 8);
    EXPECT_THROW(archive.DeleteDrawAt(9), Error);
    try {
        archive.DeleteDrawAt(-1);
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Запись со индексом -1 в файле данных не найдена!");
    }
    TDraw last;
    last.Number = INT32_MAX;  // only a damaged file holds it
    archive.Append(last);
    EXPECT_EQ(archive.NextDrawNumber(0), INT32_MIN);
}

TEST(DrawArchive, IndexOfNumberOnRisingGappedAndUnorderedNumbers) {
    DrawArchive rising = ArchiveOf(1000);
    for (int n : {1, 2, 500, 999, 1000})
        EXPECT_EQ(rising.IndexOfNumber(n), n - 1);
    EXPECT_EQ(rising.IndexOfNumber(1001), -1);
    EXPECT_EQ(rising.IndexOfNumber(0), -1);
    EXPECT_EQ(rising.IndexOfNumber(-2147483647 - 1), -1);

    DrawArchive gapped;
    gapped.Assign(
        {Draw(10, 0, 0, 0), Draw(11, 0, 0, 0), Draw(50, 0, 0, 0), Draw(51, 0, 0, 0), Draw(900, 0, 0, 0)});
    EXPECT_EQ(gapped.IndexOfNumber(50), 2);
    EXPECT_EQ(gapped.IndexOfNumber(51), 3);
    EXPECT_EQ(gapped.IndexOfNumber(12), -1);

    DrawArchive unordered;
    unordered.Assign(
        {Draw(7, 0, 0, 0), Draw(3, 0, 0, 0), Draw(9, 0, 0, 0), Draw(1, 0, 0, 0), Draw(6, 0, 0, 0)});
    for (int i = 0; i < unordered.Count(); ++i) {
        EXPECT_EQ(unordered.IndexOfNumber(unordered.Draws()[i].Number), i);
    }
    // First and last numbers equal: the interpolation span is 1.
    DrawArchive same;
    same.Assign({Draw(4, 0, 0, 0), Draw(8, 0, 0, 0), Draw(4, 0, 0, 0)});
    EXPECT_EQ(same.IndexOfNumber(8), 1);
}

TEST(DrawsFile, SaveAndLoadGiveBackTheSameBytes) {
    TempDir dir;
    TDrawsArray draws{Draw(1, 7, 4, 8, "26.07.2022 12:29"), Draw(2, 0, 9, 2)};
    draws[1].DateText.Chars[10] = 'x';  // a byte beyond the length must survive
    SaveDrawsFile(dir / "d.ldr", draws);
    std::string bytes = ReadBytes(dir / "d.ldr");
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x01\x00\x00\x00\x07\x04\x08\x10", 8));
    DrawsFileContent loaded = LoadDrawsFile(dir / "d.ldr");
    EXPECT_FALSE(loaded.ReadError);
    EXPECT_EQ(loaded.Draws, draws);
    SaveDrawsFile(dir / "e.ldr", loaded.Draws);
    EXPECT_EQ(ReadBytes(dir / "e.ldr"), bytes);
}

TEST(DrawsFile, MissingEmptyTruncatedAndOutOfRangeFiles) {
    TempDir dir;
    EXPECT_TRUE(LoadDrawsFile(dir / "none.ldr").Draws.empty());
    WriteBytes(dir / "empty.ldr", "");
    EXPECT_TRUE(LoadDrawsFile(dir / "empty.ldr").Draws.empty());

    SaveDrawsFile(dir / "two.ldr", {Draw(1, 1, 2, 3), Draw(2, 4, 5, 6)});
    WriteBytes(dir / "49.ldr", ReadBytes(dir / "two.ldr") + "z");
    DrawsFileContent partial = LoadDrawsFile(dir / "49.ldr");
    EXPECT_EQ(partial.Draws.size(), 2u);
    ASSERT_TRUE(partial.ReadError);

    // Values outside 0..9 stay in the file as they are; showing them is the lists' business.
    TDraw odd = Draw(3, 1, 2, 3);
    odd.Values[1] = 200;
    SaveDrawsFile(dir / "odd.ldr", {odd});
    EXPECT_EQ(LoadDrawsFile(dir / "odd.ldr").Draws[0].Values[1], 200);
}

}  // namespace
}  // namespace quorvel
