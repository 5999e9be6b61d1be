#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>

#include "core/util/codepage.h"
#include "core/util/datetime.h"
#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "core/util/text_file.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// 0x98 has no character in the code page; it reads as the control character U+0098, as on
// Windows, so that a line a reader does not understand is written back byte for byte.
TEST(CodePage, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = Cp1251ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1251(utf8), all);
    EXPECT_EQ(Cp1251ToUtf8("x\x98y"), "x\xC2\x98y");
    EXPECT_EQ(Cp1251ToUtf8("\xD2\xE8\xF0\xE0\xE6"), "Тираж");
    EXPECT_EQ(Utf8ToCp1251("Тираж № 5"), "\xD2\xE8\xF0\xE0\xE6 \xB9 5");
}

TEST(CodePage, UnmappableInputIsReplacedNotDropped) {
    EXPECT_EQ(Utf8ToCp1251("a漢b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("a\xFF"
                           "b"),
              "a?b");                          // invalid UTF-8
    EXPECT_EQ(Utf8ToCp1251("ab\xD0"), "ab?");  // cut in the middle of a character
    EXPECT_EQ(Utf8ToCp1251("a\xC2"), "a?");
}

TEST(TextFiles, LinesInCodePage1251WithCrLf) {
    TempDir dir;
    WriteTextFile(dir / "a.txt", {"[GLOBAL]", "Имя=Значение", ""});
    EXPECT_EQ(ReadBytes(dir / "a.txt"), "[GLOBAL]\r\n\xC8\xEC\xFF=\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n\r\n");
    EXPECT_EQ(ReadTextFile(dir / "a.txt"), (std::vector<std::string>{"[GLOBAL]", "Имя=Значение", ""}));
    EXPECT_EQ(SplitLines("a\rb\nc\r\n\r\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_THROW(ReadTextFile(dir / "missing.txt"), Error);
}

TEST(SafeFile, ReplacesTheFileAndLeavesNoTemporary) {
    TempDir dir;
    WriteFileSafely(dir / "data.bin", "first");
    WriteFileSafely(dir / "data.bin", "second");
    EXPECT_EQ(ReadBytes(dir / "data.bin"), "second");
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

// A full disk is simulated with the file-size limit, which holds even for root.
TEST(SafeFile, AFailedWriteLeavesThePreviousFileIntact) {
    TempDir dir;
    const std::string old(1000, 'o');
    WriteFileSafely(dir / "data.bin", old);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        WriteFileSafely(dir / "data.bin", std::string(100000, 'n'));
    } catch (const Error& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_NE(message.find("Прежнее содержимое файла не изменено"), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(dir / "data.bin"), old);
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(SafeFile, MissingDirectoryAndUnreplaceableTargetFail) {
    TempDir dir;
    EXPECT_THROW(WriteFileSafely(dir / "no" / "such.bin", "x"), Error);
    std::filesystem::create_directory(dir / "target");
    WriteBytes(dir / "target" / "keep", "k");
    EXPECT_THROW(WriteFileSafely(dir / "target", "x"), Error);
    EXPECT_EQ(ReadBytes(dir / "target" / "keep"), "k");
}

TEST(DateTime, CalendarValidationAndRoundTrip) {
    TDateTime value = 0;
    EXPECT_TRUE(TryEncodeDateTime({1899, 12, 30, 0, 0, 0, 0}, value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(TryEncodeDateTime({2024, 2, 29, 12, 0, 0, 0}, value));
    EXPECT_EQ(value, 45351.5);
    EXPECT_FALSE(TryEncodeDateTime({2023, 2, 29, 0, 0, 0, 0}, value));
    EXPECT_FALSE(TryEncodeDateTime({1900, 2, 29, 0, 0, 0, 0}, value));
    EXPECT_TRUE(TryEncodeDateTime({2000, 2, 29, 0, 0, 0, 0}, value));
    EXPECT_FALSE(TryEncodeDateTime({2024, 4, 31, 0, 0, 0, 0}, value));
    EXPECT_FALSE(TryEncodeDateTime({0, 1, 1, 0, 0, 0, 0}, value));
    EXPECT_FALSE(TryEncodeDateTime({2024, 1, 1, 0, 0, 60, 0}, value));
    EXPECT_THROW(EncodeDateTime({2024, 1, 1, 25, 0, 0, 0}), ConvertError);
    DateTimeParts parts = DecodeDateTime(EncodeDateTime({2025, 8, 1, 23, 34, 0, 0}));
    EXPECT_EQ(parts.Year, 2025);
    EXPECT_EQ(parts.Month, 8);
    EXPECT_EQ(parts.Day, 1);
    EXPECT_EQ(parts.Hour, 23);
    EXPECT_EQ(parts.Minute, 34);
    // Every minute of a day survives the trip through a double.
    for (int minute = 0; minute < 1440; ++minute) {
        DateTimeParts p = DecodeDateTime(EncodeDateTime({2023, 12, 31, minute / 60, minute % 60, 0, 0}));
        ASSERT_EQ(p.Hour * 60 + p.Minute, minute);
        ASSERT_EQ(p.Day, 31);
    }
    EXPECT_EQ(IsoDayOfWeek(EncodeDateTime({2024, 3, 5, 0, 0, 0, 0})), 2);  // a Tuesday
    EXPECT_EQ(IsoDayOfWeek(0), 6);                                         // 30.12.1899, a Saturday
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

TEST(SafeFile, ReadingADirectoryIsAnErrorOfOurOwn) {
    test::TempDir dir;
    EXPECT_THROW(ReadFileBytes(dir.Path()), Error);
    EXPECT_THROW(ReadFileBytes(dir / "missing"), Error);
}

}  // namespace
}  // namespace quorvel
