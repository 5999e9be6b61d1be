#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include "core/util/text_file.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

test::CliResult Quorvel(const test::TempDir& dir, std::vector<std::string> args) {
    return test::RunQuorvel(dir, std::move(args), {"--decimal-separator", ","});
}

using test::LinesOf;

int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

TEST(CliScenario, ShowPrintsLinesAsTheScenarioListDoes) {
    test::TempDir dir;
    WriteTextFile(dir / "s.lsc", {
                                     "excl:7#all#nex|BMF12#NUMS:10#LMV:5#ST:3|T#SUMS:10| | | | | |Мой",
                                     "",
                                     "FULL:0#WHAT|tsd1#xyz:5| | | | | |x|коммент|арий",
                                 });
    test::CliResult shown = Quorvel(dir, {"scenario", "show", (dir / "s.lsc").string()});
    ASSERT_EQ(shown.Code, 0) << shown.Err;
    EXPECT_EQ(
        shown.Out,
        "Мой | Исключить 7 тиражей; Все; Только новые ставки | BMF12#NUMS:10#LMV:5#ST:3 | "
        "TSD1#SUMS:10#LNO:#SF:0 |  |  |  |  | \n"
        "\n"
        "коммент | Исходный список; Случайно; Все создаваемые ставки | TSD1#xyz:5#LNO:#SF:0 |  |  |  |  |  "
        "| TSD1##LNO:#SF:0\n");

    test::CliResult missing = Quorvel(dir, {"scenario", "show", (dir / "none.lsc").string()});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_EQ(missing.Err.rfind("Ошибка чтения файла \"" + (dir / "none.lsc").string() + "\"!\n\n", 0), 0u)
        << missing.Err;
    EXPECT_EQ(Quorvel(dir, {"scenario", "list"}).Code, 2);

    // Without a file: the current scenario of the data directory.
    WriteTextFile(dir / "Quorvel_3r10.lss", {"CURR:0#NONE#CLR| | | | | | | |"});
    EXPECT_EQ(
        Quorvel(dir, {"scenario", "show"}).Out,
        " | Текущий список; Не делать ставок; Удалить ставки; Все создаваемые ставки |  |  |  |  |  |  | \n");
}

TEST(CliScenario, OneStepOnTheSampleArchive) {
    test::TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);

    // Removing the values of the 10-draw table one by one leaves the last value's triple; the
    // filtering that would empty the list is rolled back.
    test::CliResult step = Quorvel(dir, {"step", "TSD1#NUMS:10#LNO:#SF:0"});
    ASSERT_EQ(step.Code, 0) << step.Err;
    const std::vector<std::string> log = LinesOf(step.Err);
    ASSERT_EQ(log.size(), 1u + 10 + 10 * 3 + 1);
    EXPECT_EQ(
        log[0],
        "Анализ тиражей и расчет статистики \"{ num } Числа тиража [ N ]\" для выборки в 10 тиражей...");
    EXPECT_EQ(CountPrefix(log, "Шаг "), 10);
    EXPECT_EQ(log[log.size() - 2], "Количество комбинаций в списке: 0");
    EXPECT_EQ(log.back(), "{UNDO} Откат изменений...");
    ASSERT_TRUE(std::regex_match(step.Out, std::regex("(\\d);\\1;\\1\n"))) << step.Out;
    EXPECT_EQ(log[10].substr(0, 5), "< [" + step.Out.substr(0, 1) + "]");  // the table's last row

    // Each variant runs on what the one before left, only while there is a choice left.
    test::CliResult variants = Quorvel(dir, {"step", "TSD1#NUMS:5,10#LNO:", "--offset", "3"});
    EXPECT_EQ(CountPrefix(LinesOf(variants.Err), "Анализ тиражей"), 1);
    test::CliResult thresholds = Quorvel(dir, {"step", "TMF1#NUMS#CMV:100,1#SF:0", "--window", "30"});
    EXPECT_EQ(CountPrefix(LinesOf(thresholds.Err), "Анализ тиражей и расчет статистики"), 2);
    EXPECT_NE(thresholds.Err.find("для выборки в 30 тиражей..."), std::string::npos);
    // A list read from a file.
    test::WriteBytes(dir / "few.lcv", "1;2;3\r\n4;5;6\r\n7;8;9\r\n");
    EXPECT_EQ(Quorvel(dir, {"step", "TSF1#POS1:10#LVA:4#SF:0", "--combs", (dir / "few.lcv").string()}).Out,
              "4;5;6\n");
}

TEST(CliScenario, StepsThatCannotRun) {
    test::TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
    test::CliResult unknown = Quorvel(dir, {"step", "TSD1#XYZ:10"});
    EXPECT_EQ(unknown.Code, 1);
    EXPECT_EQ(unknown.Err, "Некорректное описание фильтра: TSD1#XYZ:10#LNO:#SF:0!\n");
    EXPECT_TRUE(unknown.Out.empty());
    // --window gives window lengths, but still no method.
    EXPECT_EQ(Quorvel(dir, {"step", "TMF1#XYZ#CMV:1#SF:0", "--window", "30"}).Err,
              "Некорректное описание фильтра: TMF1#XYZ#CMV:1#SF:0!\n");
    test::CliResult conversion = Quorvel(dir, {"step", "TSD1#NUMS:10#DDV:1#SF:0"});
    EXPECT_EQ(conversion.Code, 1);
    EXPECT_NE(conversion.Err.find("Значение \"-\" не является целым числом!\n"), std::string::npos);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"step"}, {"step", " "}, {"step", "TSD1#NUMS:10", "extra"}}) {
        EXPECT_EQ(Quorvel(dir, args).Code, 2) << args.size();
    }
    EXPECT_EQ(Quorvel(dir, {"step", "TSD1#NUMS:10", "--window", "0"}).Code, 1);
}

}  // namespace
}  // namespace quorvel::cli

namespace quorvel::cli {
namespace {

// Two copies of a data directory holding the sample archive.
struct TwinDirs {
    TwinDirs() {
        for (const test::TempDir* dir : {&one, &other})
            EXPECT_EQ(Quorvel(*dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
        WriteTextFile(scenario / "s.lsc", {"CURR:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a",
                                           "CURR:0#ALL|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |b"});
    }
    std::string File(const test::TempDir& dir, const std::string& name) const {
        return test::ReadBytes(dir / name);
    }
    std::string Scenario() const { return (scenario / "s.lsc").string(); }
    test::TempDir one, other, scenario;
};

// A test whose lines continue the current list gives the same files on two jobs as on one, and
// the same again when worked out in shards and merged; the passes are said to run in order.
TEST(CliScenario, JobsAndShardsLeaveWhatOneTestLeaves) {
    TwinDirs dirs;
    test::CliResult single =
        Quorvel(dirs.one, {"scenario", "test", dirs.Scenario(), "--tests", "12", "--log"});
    ASSERT_EQ(single.Code, 0) << single.Err;
    EXPECT_NE(single.Out.find("Ставок: 24\n"), std::string::npos) << single.Out;
    test::CliResult twoJobs =
        Quorvel(dirs.other, {"scenario", "test", dirs.Scenario(), "--tests", "12", "--jobs", "2"});
    ASSERT_EQ(twoJobs.Code, 0) << twoJobs.Err;
    EXPECT_EQ(dirs.File(dirs.other, "Quorvel_3r10.lsk"), dirs.File(dirs.one, "Quorvel_3r10.lsk"));

    test::TempDir sharded, parts;
    ASSERT_EQ(Quorvel(sharded, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
    const std::string before = test::ReadBytes(sharded / "Quorvel_3r10.lsk");
    std::vector<std::string> merge{"scenario", "merge"};
    for (const char* shard : {"1/2", "2/2"}) {
        const std::string part = (parts / ("part" + std::string(1, shard[0]))).string();
        test::CliResult made = Quorvel(sharded, {"scenario", "test", dirs.Scenario(), "--tests", "12",
                                                 "--log", "--shard", shard, "--out", part, "--jobs", "2"});
        ASSERT_EQ(made.Code, 0) << made.Err;
        merge.push_back(part);
    }
    EXPECT_EQ(test::ReadBytes(sharded / "Quorvel_3r10.lsk"), before);
    test::CliResult merged = Quorvel(sharded, merge);
    ASSERT_EQ(merged.Code, 0) << merged.Err;
    EXPECT_EQ(merged.Out.substr(0, merged.Out.find("Журнал")),
              single.Out.substr(0, single.Out.find("Журнал")));
    EXPECT_EQ(test::ReadBytes(sharded / "Quorvel_3r10.lsk"), dirs.File(dirs.one, "Quorvel_3r10.lsk"));
    EXPECT_EQ(test::ReadBytes(sharded / "Quorvel_3r10.lrt"), dirs.File(dirs.one, "Quorvel_3r10.lrt"));

    // A part cannot be merged twice over another test's data, nor be given half-way.
    test::CliResult refused = Quorvel(dirs.other, {"scenario", "merge", merge[2]});
    EXPECT_EQ(refused.Code, 1);
    EXPECT_EQ(refused.Out, "");
    EXPECT_NE(refused.Err.find("Не хватает части теста 2 из 2"), std::string::npos) << refused.Err;
    test::CliResult badShard = Quorvel(sharded, {"scenario", "test", dirs.Scenario(), "--tests", "12",
                                                 "--shard", "3/2", "--out", (parts / "x").string()});
    EXPECT_EQ(badShard.Code, 1);
    EXPECT_NE(badShard.Err.find("Неверная часть теста \"3/2\""), std::string::npos) << badShard.Err;
    EXPECT_FALSE(std::filesystem::exists(parts / "x"));
}

// A folder of parts names the parts still to work out: missing ones, and files that are
// damaged, of another part, or of another test.
TEST(CliScenario, PendingPartsAreTheMissingAndTheUnfit) {
    TwinDirs dirs;
    test::TempDir parts;
    auto pending = [&](const char* seed) {
        return Quorvel(dirs.one, {"scenario", "test", dirs.Scenario(), "--tests", "12", "--seed", seed,
                                  "--shards", "4", "--pending", parts.Path().string()});
    };
    const test::CliResult empty = pending("5");
    ASSERT_EQ(empty.Code, 0) << empty.Err;
    EXPECT_EQ(empty.Out, "1\n2\n3\n4\n");
    const std::string first = (parts / "part-1.qpart").string();
    ASSERT_EQ(Quorvel(dirs.one, {"scenario", "test", dirs.Scenario(), "--tests", "12", "--seed", "5",
                                 "--shard", "1/4", "--out", first})
                  .Code,
              0);
    std::filesystem::copy_file(first, parts / "part-2.qpart");
    std::string damaged = test::ReadBytes(first);
    damaged[damaged.size() / 2] ^= 1;
    test::WriteBytes(parts / "part-3.qpart", damaged);

    const test::CliResult found = pending("5");
    ASSERT_EQ(found.Code, 0) << found.Err;
    EXPECT_EQ(found.Out, "2\n3\n4\n");
    EXPECT_NE(found.Err.find("содержит часть теста 1 из 4, а не 2"), std::string::npos) << found.Err;
    EXPECT_NE(found.Err.find("part-3.qpart\" поврежден"), std::string::npos) << found.Err;
    EXPECT_EQ(LinesOf(found.Err).size(), 2u) << found.Err;
    EXPECT_EQ(pending("6").Out, "1\n2\n3\n4\n");
}

}  // namespace
}  // namespace quorvel::cli

namespace quorvel::cli {
namespace {

// Every file of a directory with its bytes.
std::map<std::string, std::string> DirectoryBytes(const test::TempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path()))
        if (entry.is_regular_file()) files[entry.path().string()] = test::ReadBytes(entry.path());
    return files;
}

TEST(CliScenario, ValidateReportsTheChosenRowsAndLeavesTheDataDirectoryAsItWas) {
    TwinDirs dirs;
    const auto before = DirectoryBytes(dirs.one);
    test::CliResult report = Quorvel(dirs.one, {"scenario", "validate", dirs.Scenario(), "--train", "30",
                                                "--test", "20", "--top", "2", "--seed", "1", "--by", "mean"});
    ASSERT_EQ(report.Code, 0) << report.Err;
    const std::vector<std::string> lines = LinesOf(report.Out);
    ASSERT_EQ(lines.size(), 4u) << report.Out;
    EXPECT_EQ(lines[0],
              "Комментарий;Ставок (выбор);Среднее (выбор);p (выбор);Ставок (проверка);"
              "Среднее (проверка);p (проверка)");
    // Line a stakes one combination a pass, line b every combination the filter leaves.
    EXPECT_NE(report.Out.find(";30;"), std::string::npos);
    EXPECT_EQ(lines[3].rfind("Проверено строк: 2 из 2; p (проверка) <= 0,05: ", 0), 0u) << lines[3];
    EXPECT_NE(lines[3].find("случайно ожидается: 0,10"), std::string::npos);
    EXPECT_EQ(DirectoryBytes(dirs.one), before);

    EXPECT_EQ(Quorvel(dirs.one, {"scenario", "validate", dirs.Scenario(), "--train", "30", "--test", "20",
                                 "--by", "luck"})
                  .Code,
              1);
    test::CliResult tooLong =
        Quorvel(dirs.one, {"scenario", "validate", dirs.Scenario(), "--train", "3300", "--test", "29"});
    EXPECT_EQ(tooLong.Code, 1);
    // 3300 + 29 passes would need an offset of 3329, beyond the 3329 draws.
    EXPECT_NE(tooLong.Err.find("Для проверки нужно не менее 3330 тиражей в архиве!"), std::string::npos);
    EXPECT_EQ(DirectoryBytes(dirs.one), before);
}

}  // namespace
}  // namespace quorvel::cli
