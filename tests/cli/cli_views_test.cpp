#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

test::CliResult Quorvel(const test::TempDir& dir, std::vector<std::string> args) {
    return test::RunQuorvel(dir, std::move(args), {});
}

// 7 7 7 on a Monday, 1 2 3 on a Sunday, 1 5 9 without a date.
class CliViews : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Quorvel(dir, {"add", "1", "7;7;7", "01.01.2024 21:30"}).Code, 0);
        ASSERT_EQ(Quorvel(dir, {"add", "2", "1;2;3", "07.01.2024 12:00"}).Code, 0);
        ASSERT_EQ(Quorvel(dir, {"add", "3", "1;5;9"}).Code, 0);
    }
    std::string View(std::vector<std::string> args) {
        args.insert(args.begin(), "view");
        test::CliResult result = Quorvel(dir, args);
        EXPECT_EQ(result.Code, 0) << result.Err;
        return result.Out;
    }
    test::TempDir dir;
};

TEST_F(CliViews, CardPagesThroughItsRowsNewestFirst) {
    EXPECT_EQ(View({"card"}),
              ";0;1;2;3;4;5;6;7;8;9\n"
              "3;;1;;;;5;;;;9\n"
              "2;;1;2;3;;;;;;\n"
              "1;;;;;;;;7;;\n");
    EXPECT_EQ(View({"card", "--offset", "1", "--length", "1"}), ";0;1;2;3;4;5;6;7;8;9\n2;;1;2;3;;;;;;\n");
    EXPECT_EQ(View({"card", "--offset", "9"}), ";0;1;2;3;4;5;6;7;8;9\n");
}

TEST_F(CliViews, WeekLeavesTheUndatedDrawOut) {
    EXPECT_EQ(View({"week"}),
              ";0;1;2;3;4;5;6;7;8;9\n"
              "Пн;;;;;;;;3;;\n"
              "Вт;;;;;;;;;;\n"
              "Ср;;;;;;;;;;\n"
              "Чт;;;;;;;;;;\n"
              "Пт;;;;;;;;;;\n"
              "Сб;;;;;;;;;;\n"
              "Вс;;1;1;1;;;;;;\n");
    const std::string newestOnly = View({"week", "--length", "1"});
    EXPECT_EQ(newestOnly.find("Пн;;;;;;;;;;\n"), newestOnly.find('\n') + 1);
    EXPECT_EQ(Quorvel(dir, {"view", "week", "--offset", "3"}).Code, 1);
}

TEST_F(CliViews, LayoutAtAnOffsetWithItsCompareLists) {
    const std::string lists = "\nКол-во;1 - 2\n3;7\n1;1, 2, 3\n";
    std::string expected = ";2\n1;[1], 2, 3\n";
    for (int i = 0; i < 5; ++i)
        expected += lists;
    EXPECT_EQ(View({"layout", "--offset", "1", "--length", "1"}), expected);
    EXPECT_EQ(View({"layout"}).rfind(";3;2;1\n3;;;7\n2;1;;\n1;5, 9;2, 3;\n\nКол-во;1 - 3\n", 0), 0u);
}

TEST_F(CliViews, RepeatsAndErrors) {
    EXPECT_EQ(View({"repeats"}), "Тираж;Совпадений;Кол-во повторов;Список тиражей\n3;1;1;2\n");
    EXPECT_EQ(View({"repeats", "--deep", "1", "--length", "1"}),
              "Тираж;Совпадений;Кол-во повторов;Список тиражей\n3;1;1;2\n");
    EXPECT_EQ(Quorvel(dir, {"view"}).Code, 2);
    EXPECT_EQ(Quorvel(dir, {"view", "graphs"}).Code, 2);
    EXPECT_EQ(Quorvel(dir, {"view", "repeats", "--deep", "0"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"view", "sums", "extra"}).Code, 2);  // a word too many is a misuse
}

TEST_F(CliViews, GraphOfAMethodAtAnOffset) {
    const std::string graph = View({"graph", "--method", "SUMS", "--offset", "1"});
    EXPECT_NE(graph.find("\n1;21\n2;6\nСреднее значение;13"), std::string::npos) << graph;
    EXPECT_NE(graph.find("\nНаиболее часто встречающееся значение;21\n"), std::string::npos);
    EXPECT_EQ(Quorvel(dir, {"view", "graph", "--method", "NOPE"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"view", "graph"}).Code, 1);
    // A shredding method is titled with the formula of the settings, as the method lists show it.
    EXPECT_EQ(
        View({"graph", "--method", "SHR1", "--length", "1"}).rfind("Тираж;Метод шинковки 1: (n1+n2)/n3\n", 0),
        0u);
}

TEST_F(CliViews, FiltersByWeekColumnsCardAndLayoutCells) {
    test::CliResult week = Quorvel(dir, {"view", "filter", "week", "--remove", "3"});
    ASSERT_EQ(week.Code, 0) << week.Err;
    EXPECT_EQ(std::count(week.Out.begin(), week.Out.end(), '\n'), 729);
    EXPECT_EQ(week.Out.find('3'), std::string::npos);
    EXPECT_EQ(week.Err, "Неделя;3;729\n");

    test::CliResult layout = Quorvel(dir, {"view", "filter", "layout", "--keep", "[7], 2", "[7]"});
    ASSERT_EQ(layout.Code, 0) << layout.Err;
    EXPECT_EQ(layout.Err, "Схема;7; 2;488\n");

    test::CliResult card = Quorvel(dir, {"view", "filter", "card", "--keep", "", ""});
    EXPECT_EQ(card.Code, 1);
    EXPECT_NE(card.Err.find("В выделенном диапазоне нет значений для фильтра!"), std::string::npos);
    EXPECT_EQ(Quorvel(dir, {"view", "filter", "week", "--keep", "10"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"view", "filter", "week", "3"}).Code, 2);
    EXPECT_EQ(Quorvel(dir, {"view", "filter", "chart", "--keep", "3"}).Code, 2);
}

TEST(CliViewsSample, SumDistributionOfTheSampleArchive) {
    test::TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
    test::CliResult sums = Quorvel(dir, {"view", "sums"});
    ASSERT_EQ(sums.Code, 0) << sums.Err;
    std::istringstream lines(sums.Out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Сумма;Комбинаций;Тиражей");
    int combinations = 0, draws = 0, rows = 0;
    while (std::getline(lines, line) && line.rfind("Диапазон", 0) != 0) {
        const size_t a = line.find(';'), b = line.find(';', a + 1);
        EXPECT_EQ(std::stoi(line.substr(0, a)), rows++);
        combinations += std::stoi(line.substr(a + 1, b - a - 1));
        draws += std::stoi(line.substr(b + 1));
    }
    EXPECT_EQ(rows, 28);
    EXPECT_EQ(combinations, 1000);
    EXPECT_EQ(draws, 3329);
    EXPECT_EQ(line, "Диапазон 1 (от 1/3 и выше по оси Y) - суммы 6-21;26");
    std::getline(lines, line);
    EXPECT_EQ(line, "Диапазон 2 (от 1/2 и выше по оси Y) - суммы 8-19;38");
    std::getline(lines, line);
    EXPECT_EQ(line, "Диапазон 3 (от 2/3 и выше по оси Y) - суммы 9-18;51");
    EXPECT_NE(sums.Out.find("\n13;75;"), std::string::npos);
    EXPECT_NE(sums.Out.find("\n14;75;"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli
