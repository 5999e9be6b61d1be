#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/combos/comb_files.h"
#include "core/combos/generation.h"
#include "core/util/error.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TComb Comb(int a, int b, int c) {
    return TComb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(CombsFile, LenientReadingSkipsWhatIsNoCombination) {
    TempDir dir;
    WriteBytes(dir / "list.lcv", "1;2;3\r\n\r\n4;5\r\n6,7,8\r\n1;2;10\r\n");
    EXPECT_EQ(ReadCombsFile(dir / "list.lcv"), (TCombsArray{Comb(1, 2, 3), Comb(6, 7, 8)}));

    // Blanks around words, runs of separators, LF or CR line ends, no final line end and a
    // word that is not a number (read as 0) are accepted; four words, a negative value and
    // a lone separator are not.
    WriteBytes(dir / "loose.lcv", " 9 ; 0 ;1 \n2;;3;4\r5,x,5\n1;2;3;4\n-1;2;3\n;\n7;7;7");
    EXPECT_EQ(ReadCombsFile(dir / "loose.lcv"),
              (TCombsArray{Comb(9, 0, 1), Comb(2, 3, 4), Comb(5, 0, 5), Comb(7, 7, 7)}));

    WriteBytes(dir / "empty.lcv", "");
    EXPECT_TRUE(ReadCombsFile(dir / "empty.lcv").empty());
    // Letters of the code page are no combination either.
    WriteBytes(dir / "text.lcv", "\xCA\xEE\xEC\xE1\xE8\xED\xE0\xF6\xE8\xE8\r\n3;3;3\r\n");
    EXPECT_EQ(ReadCombsFile(dir / "text.lcv"), TCombsArray{Comb(3, 3, 3)});
}

TEST(CombsFile, SavedListReopensInTheSameOrder) {
    TempDir dir;
    TCombsArray list{Comb(9, 0, 1), Comb(0, 0, 0), Comb(9, 0, 1), Comb(5, 5, 5)};
    WriteCombsFile(dir / "list.lcv", list);
    EXPECT_EQ(ReadBytes(dir / "list.lcv"), "9;0;1\r\n0;0;0\r\n9;0;1\r\n5;5;5\r\n");
    EXPECT_EQ(ReadCombsFile(dir / "list.lcv"), list);

    TCombsArray all = GenerateCombs({0, ""});
    WriteCombsFile(dir / "list.lcv", all);
    EXPECT_EQ(ReadCombsFile(dir / "list.lcv"), all);

    WriteCombsFile(dir / "list.lcv", TCombsArray{});
    EXPECT_EQ(ReadBytes(dir / "list.lcv"), "");
}

TEST(CombsFile, FailuresSayWhyAndKeepTheOldFile) {
    TempDir dir;
    std::string missing = ErrorOf([&] { ReadCombsFile(dir / "missing.lcv"); });
    EXPECT_NE(missing.find("missing.lcv"), std::string::npos) << missing;
    EXPECT_NE(missing.find("No such file or directory"), std::string::npos) << missing;

    // Writing into a directory that does not exist fails and leaves nothing behind.
    std::string unwritable =
        ErrorOf([&] { WriteCombsFile(dir / "absent" / "list.lcv", TCombsArray{Comb(1, 1, 1)}); });
    EXPECT_NE(unwritable, "no error");

    // A failed write over an existing list leaves it as it was.
    WriteCombsFile(dir / "list.lcv", TCombsArray{Comb(1, 2, 3)});
    std::filesystem::create_directory(dir / "list.lcv.dir");
    std::string overDir = ErrorOf([&] { WriteCombsFile(dir / "list.lcv.dir", TCombsArray{Comb(4, 5, 6)}); });
    EXPECT_NE(overDir, "no error");
    EXPECT_EQ(ReadBytes(dir / "list.lcv"), "1;2;3\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

TEST(CombsFile, MessagesOfTheListActions) {
    EXPECT_EQ(CombsReadErrorText("a.lcv", "нет файла"), "Ошибка чтения файла \"a.lcv\"!\r\rнет файла");
    EXPECT_EQ(CombsWriteErrorText("a.lcv", "нет места"), "Ошибка записи в файл \"a.lcv\"!\r\rнет места");
    // A reason holding a percent sign is printed as it is.
    EXPECT_EQ(CombsWriteErrorText("b%d.lcv", "100%"), "Ошибка записи в файл \"b%d.lcv\"!\r\r100%");
}

TEST(CombsGeneration, ModeFourReadsTheListFile) {
    TempDir dir;
    WriteBytes(dir / "start.lcv", "3;2;1\r\nbad\r\n0;0;9\r\n");
    std::string name = (dir / "start.lcv").string();
    EXPECT_EQ(GenerateCombs({4, name}), (TCombsArray{Comb(3, 2, 1), Comb(0, 0, 9)}));

    std::string missing = (dir / "none.lcv").string();
    std::string reason = ErrorOf([&] { GenerateCombs({4, missing}); });
    EXPECT_NE(reason.find("none.lcv"), std::string::npos) << reason;
    EXPECT_THROW(GenerateCombs({4, ""}), Error);
}

TEST(Clipboard, CopiedLinesPasteBack) {
    TCombsArray list{Comb(3, 0, 7), Comb(9, 9, 9), Comb(0, 0, 0)};
    std::string text = CombsToClipboardText(list);
    EXPECT_EQ(text, "03 00 07\r\n09 09 09\r\n00 00 00");
    EXPECT_EQ(ParseClipboardText(text), list);
    EXPECT_EQ(CombsToClipboardText({}), "");

    // Any separator of a combination text, any line end; a final line end and blank lines
    // add nothing.
    EXPECT_EQ(ParseClipboardText("3;0;7\n9-9-9\r0|0|0\r\n"), list);
    EXPECT_EQ(ParseClipboardText("\r\n3 0 7\r\n  \r\n\t\r\n9.9.9\r\n\r\n0:0:0\r\n\r\n"), list);
    EXPECT_TRUE(ParseClipboardText("").empty());
    EXPECT_TRUE(ParseClipboardText("\r\n \n").empty());
}

TEST(Clipboard, FirstBadLineStopsThePaste) {
    std::string bad = ErrorOf([] { ParseClipboardText("1 2 3\r\n4 5 6\r\n1;2\r\n7 8 9\r\n0 0 0"); });
    EXPECT_EQ(bad, "Некорректная комбинация: \"1;2\"!");
    EXPECT_EQ(ErrorOf([] { ParseClipboardText("1;2;3;4\n1;2"); }), "Некорректная комбинация: \"1;2;3;4\"!");
    // A value outside 0..9 fails the line as well.
    EXPECT_EQ(ErrorOf([] { ParseClipboardText("1 2 3\n10 2 3"); }), "Некорректная комбинация: \"10 2 3\"!");
}

}  // namespace
}  // namespace quorvel
