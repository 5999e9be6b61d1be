#include <gtest/gtest.h>

#include "core/archive/draws_import.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using Fields = std::vector<std::string>;

TEST(DrawFields, QuotesBlanksAndTrailingSeparators) {
    EXPECT_EQ(SplitDrawFields("230;\"05.03.2024 21:30\";4;4;9"),
              (Fields{"230", "05.03.2024 21:30", "4", "4", "9"}));
    EXPECT_EQ(SplitDrawFields("05.03.2024 21:30;1;2;3"), (Fields{"05.03.2024", "21:30", "1", "2", "3"}));
    EXPECT_EQ(SplitDrawFields("7;;1;2;3"), (Fields{"7", "", "1", "2", "3"}));
    EXPECT_EQ(SplitDrawFields("  1;2;"), (Fields{"1", "2", ""}));
    EXPECT_EQ(SplitDrawFields("\"a\"\"b\";1"), (Fields{"a\"b", "1"}));
    EXPECT_EQ(SplitDrawFields("\"unclosed;1;2"), (Fields{"unclosed;1;2"}));
    EXPECT_EQ(SplitDrawFields("\t"), Fields{});
    EXPECT_EQ(SplitDrawFields(std::string("1;\0;2", 5)), (Fields{"1", ""}));  // a NUL ends the line
}

TEST(DrawsImport, FourAndFiveFieldLinesDuplicatesAndMalformedLines) {
    DrawArchive archive;
    TDrawsArray start;
    for (int i = 1; i <= 100; ++i) {
        TDraw d;
        d.Number = i;
        start.push_back(d);
    }
    archive.Assign(start);
    DrawsImportResult result =
        ImportDrawLines(archive, {"\"05.03.2024 21:30\";1;2;3",  // four fields: numbered 101
                                  "", "   ",
                                  "05.03.2024 21:30;1;2;3",  // five fields, number 0: ignored
                                  "7;;1;2;3",                // already present
                                  "200;\"x\";1;2",           // four fields, numbered 102
                                  "101;\"dup\";9;9;9",       // 101 was added by the first line
                                  "1;2;3", "a;b;c;d;e;f",    // other shapes
                                  "300;\"05.03.2024 21:30:59 extra\";x;5;6"});
    EXPECT_EQ(result.Added, 3);
    EXPECT_EQ(result.OutOfRange, 0);
    ASSERT_EQ(archive.Count(), 103);
    EXPECT_EQ(archive.Draws()[100].Number, 101);
    EXPECT_EQ(archive.Draws()[100].DateText.Text(), "05.03.2024 21:30");
    EXPECT_EQ(archive.Draws()[101].Number, 102);
    EXPECT_EQ(archive.Draws()[101].DateText.Text(), "200");
    EXPECT_EQ(archive.Draws()[102].DateText.Text(), "05.03.2024 21:30");  // cut to 16 characters
    EXPECT_EQ(archive.Draws()[102].Values[0], 0);                         // non-numeric reads as 0
}

TEST(DrawsImport, ValuesOutsideTheRangeAreCountedNotAdded) {
    DrawArchive archive;
    DrawsImportResult result = ImportDrawLines(archive, {"1;\"\";1;2;10", "2;\"\";-1;2;3", "3;\"\";1;2;3"});
    EXPECT_EQ(result.Added, 1);
    EXPECT_EQ(result.OutOfRange, 2);
    EXPECT_EQ(archive.Count(), 1);
}

TEST(DrawsImport, ExportThenImportReproducesTheArchiveWithQuotesInDates) {
    test::TempDir dir;
    DrawArchive original;
    TDraw a;
    a.Number = 230;
    a.Values = {4, 4, 9};
    a.DateText.SetText("05.03.2024 21:30");
    TDraw b;
    b.Number = 231;
    b.Values = {0, 1, 2};
    b.DateText.SetText("say \"hi\"");
    TDraw c;
    c.Number = 232;
    original.Assign({a, b, c});
    std::vector<std::string> lines = ExportDrawLines(original.Draws());
    EXPECT_EQ(lines[0], "230;\"05.03.2024 21:30\";4;4;9");
    EXPECT_EQ(lines[1], "231;\"say \"\"hi\"\"\";0;1;2");
    WriteDrawsTextFile(dir / "out.csv", lines);
    EXPECT_EQ(test::ReadBytes(dir / "out.csv").substr(0, 30), "230;\"05.03.2024 21:30\";4;4;9\r\n");
    DrawArchive copy;
    EXPECT_EQ(ImportDrawLines(copy, ReadDrawsTextFile(dir / "out.csv")).Added, 3);
    EXPECT_EQ(copy.Draws(), original.Draws());
    EXPECT_EQ(ImportDrawLines(copy, ReadDrawsTextFile(dir / "out.csv")).Added, 0);
}

TEST(DrawsImport, AVeryLongLineIsReadInOnePassAndIgnored) {
    DrawArchive archive;
    std::string huge(10 * 1024 * 1024, 'x');
    EXPECT_EQ(ImportDrawLines(archive, {huge, "\"" + huge, "5;\"d\";1;2;3"}).Added, 1);
}

}  // namespace
}  // namespace quorvel
