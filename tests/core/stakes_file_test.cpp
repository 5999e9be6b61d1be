#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/stakes/stakes_file.h"
#include "core/util/codepage.h"
#include "core/util/error.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TStakeRecord Stake(int draw, int a, int b, int c, const std::string& comment = "Мой") {
    TStakeRecord stake;
    stake.Kind = StakeKindManual;
    stake.DrawNumber = draw;
    stake.SelectionSize = 1000;
    stake.Values = {3, {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c), 0}};
    stake.Profit = -10000;
    stake.Comment.SetText(comment);
    return stake;
}

std::vector<int> DrawNumbers(StakesFile& file) {
    std::vector<int> numbers;
    for (const TStakeRecord& record : file.ReadBlock(0, file.RecordCount()))
        numbers.push_back(record.DrawNumber);
    return numbers;
}

// Runs a check in a child process and gives its exit code (for lock and file-size limits that
// must not touch the test process).
template <typename Body>
int InChild(Body body) {
    pid_t child = fork();
    if (child == 0) _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(StakeRecord, FieldsSitAtTheirPlacesLittleEndian) {
    TStakeRecord stake = Stake(0x01020304, 7, 0, 9, "Ab");
    stake.Kind = StakeKindSystem;
    stake.Checked = 1;
    stake.SelectionSize = 0x0A0B0C0D;
    stake.DrawValues = {7, 1, 9};
    stake.Matches = {2, {7, 9, 0, 0}};
    stake.Profit = -2;
    uint8_t bytes[StakeRecordSize];
    WriteStakeRecord(bytes, stake);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 4);
    EXPECT_EQ(bytes[2] | bytes[3], 0);
    EXPECT_EQ(bytes[4], 0x04);
    EXPECT_EQ(bytes[7], 0x01);
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[12], 0x0D);
    EXPECT_EQ(bytes[16], 3);
    EXPECT_EQ(bytes[20], 7);
    EXPECT_EQ(bytes[22], 9);
    EXPECT_EQ(bytes[24], 7);
    EXPECT_EQ(bytes[26], 9);
    EXPECT_EQ(bytes[28], 2);
    EXPECT_EQ(bytes[32], 7);
    EXPECT_EQ(bytes[33], 9);
    for (int i = 40; i < 48; ++i)
        EXPECT_EQ(bytes[i], i == 40 ? 0xFE : 0xFF) << i;
    EXPECT_EQ(bytes[48], 2);
    EXPECT_EQ(bytes[49], 'A');
    EXPECT_EQ(ReadStakeRecord(bytes), stake);

    uint8_t separator[StakeRecordSize];
    WriteStakeRecord(separator, StakeSeparator());
    EXPECT_EQ(separator[0], 2);
    EXPECT_EQ(separator[4] & separator[5] & separator[6] & separator[7], 0xFF);  // draw -1
    EXPECT_EQ(separator[28] & separator[31], 0xFF);                              // matches -1
}

TEST(StakeRecord, ACommentOf255Cp1251BytesSurvivesTheFileWithItsTailBytes) {
    TempDir dir;
    StakesFile file;
    file.Open(dir / "Quorvel_3r10.lsk");
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += i % 2 ? "ё" : "Ж";
    TStakeRecord stake = Stake(5, 1, 2, 3, text);
    EXPECT_EQ(stake.Comment.Length, 255);
    file.Append(stake);
    file.Reopen();
    const TStakeRecord& back = file.Read(0);
    EXPECT_EQ(back.Comment.Bytes(), Utf8ToCp1251(text).substr(0, 255));
    EXPECT_EQ(StakeCellTexts(back)[8], Cp1251ToUtf8(Utf8ToCp1251(text).substr(0, 255)));

    // A shorter comment over the long one keeps the old bytes beyond its length, and so does
    // the file: a record read and written again is byte-identical.
    TStakeRecord shorter = back;
    shorter.Comment.SetText("Да");
    file.Write(0, shorter);
    const std::string bytes = ReadBytes(dir / "Quorvel_3r10.lsk");
    EXPECT_EQ(static_cast<uint8_t>(bytes[48]), 2);
    EXPECT_EQ(bytes.substr(51, 253), Utf8ToCp1251(text).substr(2, 253));
    file.Write(0, file.Read(0));
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk"), bytes);
}

TEST(StakeRecord, GridCellsOfStakesAndSeparators) {
    TStakeRecord stake = Stake(100, 3, 2, 1);
    EXPECT_EQ(StakeCellTexts(stake),
              (std::array<std::string, 9>{"100", "Вручную", "3;2;1", "1000", "", "", "", "-1.00", "Мой"}));
    stake.Checked = 1;
    stake.DrawValues = {1, 2, 3};
    stake.Matches = {1, {2, 0, 0, 0}};
    auto cells = StakeCellTexts(stake);
    EXPECT_EQ(cells[4], "1;2;3");
    EXPECT_EQ(cells[5], "1");
    EXPECT_EQ(cells[6], "2");
    EXPECT_EQ(StakeCellTexts(StakeSeparator()), (std::array<std::string, 9>{}));
}

TEST(StakeRecord, DialogValuesNeedExactlyThreeValuesFromZeroToNine) {
    EXPECT_EQ(ParseStakeValues("1;2;3"), (TStakeComb{3, {1, 2, 3, 0}}));
    EXPECT_EQ(ParseStakeValues(" 9 , 0,5"), (TStakeComb{3, {9, 0, 5, 0}}));
    EXPECT_FALSE(ParseStakeValues("1;x;3"));
    EXPECT_FALSE(ParseStakeValues("1;2"));
    EXPECT_FALSE(ParseStakeValues("1;2;3;"));
    EXPECT_FALSE(ParseStakeValues("1;2;10"));
    EXPECT_FALSE(ParseStakeValues("-1;2;3"));
    EXPECT_FALSE(ParseStakeValues(""));
    EXPECT_EQ(StakeValuesSum("9;8;x"), 17);
    EXPECT_EQ(StakeValuesSum("774"), 18);
}

TEST(StakesFileVersion, WholeRecordsOfVersionTwoLoadAndAnythingElseIsEmptiedAndKept) {
    TempDir dir;
    const auto path = dir / "Quorvel_3r10.lsk";
    std::string two(608, '\0');
    two[0] = two[304] = '\2';
    WriteBytes(path, two);
    {
        StakesFile file;
        file.Open(path);
        EXPECT_FALSE(file.CheckVersion());
        EXPECT_EQ(file.RecordCount(), 2);
    }
    for (const std::string& bad : {std::string(600, '\2'), std::string(304, '\1') + std::string(304, '\2')}) {
        WriteBytes(path, bad);
        StakesFile file;
        file.Open(path);
        auto warning = file.CheckVersion();
        ASSERT_TRUE(warning);
        EXPECT_EQ(warning->rfind(
                      "Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!", 0),
                  0u);
        EXPECT_EQ(file.Size(), 0);
        EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk.bak"), bad);
    }
}

TEST(StakesFileRecords, ReadsGoThroughTheCacheAndFollowWrites) {
    TempDir dir;
    StakesFile file;
    file.Open(dir / "Quorvel_3r10.lsk");
    EXPECT_FALSE(file.ReadLast());
    file.Append(Stake(1, 1, 1, 1));
    file.Append(Stake(2, 2, 2, 2));
    EXPECT_EQ(file.ReadLast()->DrawNumber, 2);
    EXPECT_EQ(file.Read(0).DrawNumber, 1);
    TStakeRecord changed = file.Read(0);
    changed.DrawNumber = 7;
    file.Write(0, changed);
    EXPECT_EQ(file.Read(0).DrawNumber, 7);
    for (int index : {2, -1}) {
        try {
            file.Read(index);
            ADD_FAILURE() << index;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Запись со индексом " + std::to_string(index) + " в файле данных не найдена!");
        }
    }
    EXPECT_THROW(file.Write(2, changed), Error);
    EXPECT_EQ(file.RecordCount(), 2);
    StakesFile closed;
    try {
        closed.Read(0);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Файл ставок не открыт!");
    }
}

TEST(StakesFileAppend, StakesForSeveralDrawsAreSeparated) {
    TempDir dir;
    StakesFile file;
    file.Open(dir / "Quorvel_3r10.lsk");
    file.Append(Stake(50, 1, 2, 3));
    file.AppendForDraws(Stake(100, 4, 5, 6), 3);
    EXPECT_EQ(DrawNumbers(file), (std::vector<int>{50, -1, 100, -1, 101, -1, 102}));
    for (const TStakeRecord& record : file.ReadBlock(0, 7)) {
        if (record.DrawNumber > 0) continue;
        EXPECT_EQ(record, StakeSeparator());
    }
    // One draw appends the record unchanged, without a separator.
    file.AppendForDraws(Stake(103, 4, 5, 6), 1);
    EXPECT_EQ(file.RecordCount(), 8);

    // An empty file, or one ending in a separator, gets no separator before the first copy.
    TempDir other;
    StakesFile fresh;
    fresh.Open(other / "Quorvel_3r10.lsk");
    fresh.AppendForDraws(Stake(10, 1, 1, 1), 2);
    fresh.Append(StakeSeparator());
    fresh.AppendForDraws(Stake(20, 1, 1, 1), 2);
    EXPECT_EQ(DrawNumbers(fresh), (std::vector<int>{10, -1, 11, -1, 20, -1, 21}));
}

TEST(StakesFileAppend, CheckedStakesAndDrawsBeyondTheRangeAreRefusedWholly) {
    TempDir dir;
    StakesFile file;
    file.Open(dir / "Quorvel_3r10.lsk");
    TStakeRecord checked = Stake(5, 1, 2, 3);
    checked.Checked = 1;
    try {
        file.Append(checked);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(
            std::string(e.what()),
            "Ошибка добавления записи в файл ставок!\r\rДобавление в конец файла уже проверенной ставки!");
    }
    EXPECT_THROW(file.AppendForDraws(Stake(2147483600, 1, 2, 3), 100), Error);
    EXPECT_EQ(file.Size(), 0);
    file.AppendForDraws(Stake(2147483600, 1, 2, 3), 48);
    EXPECT_EQ(file.ReadLast()->DrawNumber, 2147483647);

    // In a batch the stakes before the refused one stay.
    EXPECT_THROW(file.AppendStakes({Stake(1, 1, 1, 1), checked, Stake(2, 2, 2, 2)}, 1), Error);
    EXPECT_EQ(file.ReadLast()->DrawNumber, 1);
}

// A disk that fills up mid-batch: the whole records before the failure stay, the torn one goes.
TEST(StakesFileAppend, AFailingWriteLeavesOnlyWholeRecords) {
    TempDir dir;
    const auto path = dir / "Quorvel_3r10.lsk";
    int code = InChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{2 * StakeRecordSize + 100, 2 * StakeRecordSize + 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        StakesFile file;
        file.Open(path);
        try {
            file.AppendStakes({Stake(1, 1, 1, 1), Stake(2, 2, 2, 2), Stake(3, 3, 3, 3)}, 1);
        } catch (const Error& e) {
            return std::string(e.what()).rfind("Ошибка добавления записи в файл ставок!\r\r", 0) == 0 ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(path).size(), 2 * StakeRecordSize);
    StakesFile file;
    file.Open(path);
    EXPECT_EQ(DrawNumbers(file), (std::vector<int>{1, 2}));
}

TEST(StakesFileSearch, FindsEqualValuesForTheDraw) {
    TempDir dir;
    StakesFile file;
    file.Open(dir / "Quorvel_3r10.lsk");
    file.Append(Stake(100, 1, 2, 3));
    file.Append(StakeSeparator());
    EXPECT_TRUE(file.Contains(100, {3, {1, 2, 3, 0}}));
    EXPECT_TRUE(file.Contains(100, {3, {1, 2, 3, 9}}));  // the unused fourth byte does not count
    EXPECT_FALSE(file.Contains(100, {3, {3, 2, 1, 0}}));
    EXPECT_FALSE(file.Contains(101, {3, {1, 2, 3, 0}}));
    EXPECT_FALSE(file.Contains(100, {2, {1, 2, 0, 0}}));
}

// The same appends, writes, searches and clearings with and without a batch leave the same file;
// while batching, reads see the records kept in memory and the file only gets them when flushed.
TEST(StakesFileBatch, LeavesTheFileAsSingleWritesWould) {
    TempDir dir;
    StakesFile plain, batched;
    plain.Open(dir / "plain.lsk");
    batched.Open(dir / "batched.lsk");
    for (StakesFile* file : {&plain, &batched})
        file->Append(Stake(1, 1, 1, 1));
    batched.BeginBatch();
    auto both = [&](auto work) {
        work(plain);
        work(batched);
    };
    both([](StakesFile& f) { f.AppendStakes({Stake(5, 1, 2, 3), Stake(6, 4, 5, 6)}, 2); });
    EXPECT_EQ(ReadBytes(dir / "batched.lsk").size(), StakeRecordSize);
    ASSERT_EQ(batched.RecordCount(), plain.RecordCount());
    EXPECT_EQ(batched.ReadLast(), plain.ReadLast());
    EXPECT_EQ(batched.ReadBlock(0, 100), plain.ReadBlock(0, 100));
    // A check's write-back across the file's last record and the kept ones.
    both([](StakesFile& f) {
        std::vector<TStakeRecord> records = f.ReadBlock(0, 3);
        for (TStakeRecord& record : records) {
            if (!record.IsRealStake()) continue;
            record.Checked = 1;
            record.Matches.Count = 1;
        }
        f.WriteBlock(0, records.data(), 3);
    });
    EXPECT_EQ(batched.ReadBlock(0, 100), plain.ReadBlock(0, 100));
    for (int draw : {1, 5, 6, 7}) {
        EXPECT_EQ(batched.Contains(draw, {3, {1, 2, 3, 0}}), plain.Contains(draw, {3, {1, 2, 3, 0}})) << draw;
        EXPECT_EQ(batched.Contains(draw, {3, {4, 5, 6, 0}}), plain.Contains(draw, {3, {4, 5, 6, 0}})) << draw;
    }
    EXPECT_TRUE(batched.Contains(6, {3, {1, 2, 3, 0}}));
    batched.FlushBatch();
    EXPECT_EQ(ReadBytes(dir / "batched.lsk"), ReadBytes(dir / "plain.lsk"));
    // Cleared: the search forgets, and appends start a new file.
    both([](StakesFile& f) {
        f.Clear();
        f.Append(Stake(9, 9, 9, 9));
    });
    EXPECT_FALSE(batched.Contains(5, {3, {1, 2, 3, 0}}));
    EXPECT_TRUE(batched.Contains(9, {3, {9, 9, 9, 0}}));
    batched.EndBatch();
    EXPECT_EQ(ReadBytes(dir / "batched.lsk"), ReadBytes(dir / "plain.lsk"));
    EXPECT_EQ(batched.RecordCount(), 1);
}

// A flush that fills the disk keeps the whole records it wrote, says so as an append would, and
// the batch goes on from what the file holds.
TEST(StakesFileBatch, AFailingFlushKeepsWholeRecordsAndReportsTheAppendError) {
    TempDir dir;
    const auto path = dir / "Quorvel_3r10.lsk";
    const int code = InChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{3 * StakeRecordSize + 10, 3 * StakeRecordSize + 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        StakesFile file;
        file.Open(path);
        file.BeginBatch();
        for (int draw = 1; draw <= 5; ++draw)
            file.Append(Stake(draw, 1, 1, 1));
        try {
            file.FlushBatch();
        } catch (const Error& e) {
            const bool told =
                std::string(e.what()).rfind("Ошибка добавления записи в файл ставок!\r\r", 0) == 0;
            return told && file.RecordCount() == 3 ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(path).size(), 3 * StakeRecordSize);
}

struct DeletingFixture : ::testing::Test {
    void SetUp() override {
        file.Open(dir / "Quorvel_3r10.lsk");
        file.Append(Stake(1, 1, 1, 1, "unchecked"));
        file.Append(StakeSeparator());
        for (int matches = 0; matches <= 3; ++matches) {
            TStakeRecord stake = Stake(2, 1, 1, 1, "m" + std::to_string(matches));
            file.Append(stake);
            stake.Checked = 1;
            stake.Matches.Count = matches;
            file.Write(file.RecordCount() - 1, stake);
        }
    }
    std::vector<std::string> Comments() {
        std::vector<std::string> comments;
        for (const TStakeRecord& record : file.ReadBlock(0, file.RecordCount()))
            comments.push_back(record.Kind == StakeKindSeparator ? "-" : record.Comment.Text());
        return comments;
    }
    TempDir dir;
    StakesFile file;
};

TEST_F(DeletingFixture, ByConditionKeepsSeparatorsAndComparesUncheckedAsMinusOne) {
    EXPECT_EQ(file.DeleteWhere(TStakeCondition::Equal, 0), 1);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"unchecked", "-", "m1", "m2", "m3"}));
    EXPECT_EQ(file.DeleteWhere(TStakeCondition::NotGreater, 1), 2);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"-", "m2", "m3"}));
    EXPECT_EQ(file.DeleteWhere(TStakeCondition::Greater, 2), 1);
    EXPECT_EQ(file.DeleteWhere(TStakeCondition::NotLess, 0), 1);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"-"}));
    EXPECT_FALSE(std::filesystem::exists(file.TemporaryPath()));
}

TEST_F(DeletingFixture, ARangeGoesAndTheRestIsCopiedByteForByte) {
    const std::string before = ReadBytes(dir / "Quorvel_3r10.lsk");
    EXPECT_EQ(file.DeleteRange(1, 3), 3);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk"),
              before.substr(0, StakeRecordSize) + before.substr(4 * StakeRecordSize));
    EXPECT_EQ(Comments(), (std::vector<std::string>{"unchecked", "m2", "m3"}));
    // The rewritten file is still held against other processes, and still written in place.
    EXPECT_EQ(InChild([&] {
                  StakesFile other;
                  try {
                      other.Open(dir / "Quorvel_3r10.lsk");
                  } catch (const ExclusiveAccessError&) {
                      return 7;
                  }
                  return 0;
              }),
              7);
    file.Append(Stake(9, 9, 9, 9));
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk").size(), 4 * StakeRecordSize);
}

TEST_F(DeletingFixture, NothingIsLostWhenTheTemporaryFileCannotBeMade) {
    const std::string before = ReadBytes(dir / "Quorvel_3r10.lsk");
    std::filesystem::create_directory(file.TemporaryPath());
    EXPECT_EQ(file.TemporaryPath(), dir / "Quorvel_3r10.~tmp");
    try {
        file.DeleteWhere(TStakeCondition::Less, 3);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка удаления записи из файла ставок!\r\r", 0), 0u);
    }
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk"), before);
    EXPECT_TRUE(std::filesystem::is_directory(file.TemporaryPath()));
    // The held file works on.
    file.Append(Stake(9, 9, 9, 9));
    EXPECT_EQ(file.RecordCount(), 7);
}

TEST_F(DeletingFixture, ALeftoverTemporaryFileIsReplaced) {
    WriteBytes(file.TemporaryPath(), std::string(1000, 'x'));
    file.DeleteRange(0, 0);
    EXPECT_EQ(file.RecordCount(), 5);
    EXPECT_FALSE(std::filesystem::exists(file.TemporaryPath()));
    file.Clear();
    EXPECT_EQ(file.Size(), 0);
    EXPECT_FALSE(file.ReadLast());
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

TEST(StakeKinds, TintsOfTheGridRows) {
    EXPECT_EQ(StakeKindTint(StakeKindManual), 0xEAFFEAu);
    EXPECT_EQ(StakeKindTint(StakeKindRegular), 0xFFEAEAu);
    EXPECT_EQ(StakeKindTint(StakeKindScript), 0xEAFFFFu);
    EXPECT_EQ(StakeKindTint(StakeKindSystem), 0xFCFDD9u);
    EXPECT_FALSE(StakeKindTint(StakeKindSeparator));
    EXPECT_FALSE(StakeKindTint(9));
}

}  // namespace
}  // namespace quorvel
