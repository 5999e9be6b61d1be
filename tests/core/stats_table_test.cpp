#include <gtest/gtest.h>

#include <cmath>

#include "core/stats/fullset_file.h"
#include "core/stats/stat_table.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

class SeparatorScope {
public:
    explicit SeparatorScope(char c) : saved_(FormatSettings().DecimalSeparator) {
        FormatSettings().DecimalSeparator = c;
    }
    ~SeparatorScope() { FormatSettings().DecimalSeparator = saved_; }

private:
    char saved_;
};

// An archive of draws numbered from 1 whose values come from a rule, and a catalogue over it.
class StatTableTest : public ::testing::Test {
protected:
    StatTableTest() : stats("unused.ini") {}

    void MakeArchive(int count, TComb (*values)(int number)) {
        TDrawsArray draws;
        for (int n = 1; n <= count; ++n) {
            TDraw draw;
            draw.Number = n;
            draw.Values = values(n).Values;
            draws.push_back(draw);
        }
        archive.Assign(draws);
        stats.SetDraws(&archive.Draws());
        stats.Rebuild();
    }
    TStatTable Compute(const std::string& code, int window, const FullSetData* fullSet = nullptr) {
        stat = stats.Items[static_cast<size_t>(stats.IndexOfCode(code))].CreateStat(stats);
        TStatTableRequest request;
        request.WindowLength = window;
        request.FullSet = fullSet;
        return ComputeStatTable(*stat, archive, request);
    }
    const TStatRow& RowOf(const TStatTable& table, const std::string& caption) {
        for (const TStatRow& row : table.Rows) {
            if (row.Texts[0] == caption) return row;
        }
        throw std::runtime_error("no row " + caption);
    }

    DrawArchive archive;
    TStatList stats;
    std::unique_ptr<TCustomStat> stat;
};

TComb Cycle(int n) {
    return TComb{{static_cast<uint8_t>(n % 10), static_cast<uint8_t>(n % 10), static_cast<uint8_t>(n % 10)}};
}

TEST_F(StatTableTest, WindowBoundsFollowTheArchiveAndTheOffset) {
    MakeArchive(200, Cycle);
    TStatTable whole = Compute("POS1", 1000);
    EXPECT_EQ(whole.FirstIndex, 0);
    EXPECT_EQ(whole.LastIndex, 199);
    EXPECT_EQ(whole.WindowSize, 200);
    archive.SetOffset(5);
    TStatTable back = Compute("POS1", 10);
    EXPECT_EQ(back.LastIndex, 194);
    EXPECT_EQ(back.FirstIndex, 185);
    // Value 0 was last seen in draw 190 (index 189); it came again in draw 200, hidden by the offset.
    const TStatRow& zero = RowOf(back, "0");
    EXPECT_EQ(zero.Texts[9], "190");
    EXPECT_EQ(zero.Texts[16], "200");
    EXPECT_EQ(zero.Texts[13], "-");              // seen once: no period estimate
    EXPECT_EQ(zero.Texts[14], "380");            // 2 x 190
    EXPECT_EQ(zero.Texts[18], "+180");           // against the fact 200
    EXPECT_EQ(RowOf(back, "5").Texts[16], "-");  // no 5 among the hidden draws 196..200
    archive.SetOffset(0);
    EXPECT_EQ(RowOf(Compute("POS1", 10), "0").Texts[16], "-");  // nothing hidden, no fact
}

TEST_F(StatTableTest, RowTextsOfARareAndAnAbsentValue) {
    SeparatorScope comma(',');
    MakeArchive(10, [](int n) { return n == 7 ? TComb{{3, 1, 1}} : TComb{{1, 1, 1}}; });
    TStatTable table = Compute("POS1", 100);
    const TStatRow& three = RowOf(table, "3");
    EXPECT_EQ(three.Texts[1], "1");
    EXPECT_EQ(three.Texts[2], "10,00000");
    EXPECT_EQ(three.Texts[6], "4");
    EXPECT_EQ(three.Texts[7], "100,00");  // the deepest value
    EXPECT_EQ(three.Texts[9], "7");
    for (int c : {10, 11, 12, 13})
        EXPECT_EQ(three.Texts[c], "-") << c;
    EXPECT_EQ(three.Texts[14], "14");  // 2 x 7
    EXPECT_EQ(three.Texts[15], "12");  // round(3 x 8 / 2)
    const TStatRow& nine = RowOf(table, "9");
    EXPECT_EQ(nine.Texts[1], "0");
    EXPECT_EQ(nine.Texts[2], "0,00000");
    for (int c = 6; c < StatColumnCount; ++c)
        EXPECT_EQ(nine.Texts[c], "-") << c;
    const TStatRow& one = RowOf(table, "1");
    EXPECT_EQ(one.Texts[11], "1,1111");  // 10 draws / 9 occurrences
    EXPECT_EQ(one.Texts[10], "1");
    EXPECT_EQ(one.Texts[12], "2");
    EXPECT_EQ(one.Texts[3], "-");
    EXPECT_EQ(table.Actual.size(), 10u);  // every value on the chart, no norm
    EXPECT_TRUE(table.Total.empty());
}

TEST_F(StatTableTest, NormFromTheFullSet) {
    MakeArchive(30, Cycle);
    stat = stats.Items[static_cast<size_t>(stats.IndexOfCode("NUMS"))].CreateStat(stats);
    FullSetData uniform = BuildFullSet(*stat);
    EXPECT_EQ(uniform.MinCount, 300);
    EXPECT_EQ(uniform.MaxCount, 300);
    // Draws 1..30 give every value 9 times; the uniform full set gives each round((9 + 9) / 2).
    TStatTable table = Compute("NUMS", 30, &uniform);
    ASSERT_TRUE(table.HasNorm);
    EXPECT_EQ(RowOf(table, "4").Texts[3], "9");
    EXPECT_EQ(RowOf(table, "4").Texts[4], "0");
    EXPECT_EQ(table.Total.size(), 10u);

    SeparatorScope comma(',');
    FullSetData skewed;
    skewed.Records = {{{1, 0, 0, 0}, 0}, {{2, 0, 0, 0}, 100}, {{3, 0, 0, 0}, 0}};
    skewed.MinCount = 0;
    skewed.MaxCount = 100;
    TStatTable withZeros = Compute("NUMS", 30, &skewed);
    EXPECT_EQ(RowOf(withZeros, "1").Texts[5], "100,00000");  // norm 0, count 9
    EXPECT_EQ(RowOf(withZeros, "5").Texts[3], "0");          // no record: norm stays 0
    EXPECT_EQ(RowOf(withZeros, "2").Texts[3], "9");
    FullSetData flat = skewed;
    flat.MaxCount = 0;
    EXPECT_FALSE(Compute("NUMS", 30, &flat).HasNorm);
}

TEST_F(StatTableTest, EmptyArchiveOrOffsetBeyondGivesNoRows) {
    MakeArchive(0, Cycle);
    EXPECT_TRUE(Compute("NUMS", 10).Rows.empty());
}

TEST(StatTableTexts, EstimateDifferencesAndWeights) {
    EXPECT_EQ(EstimateDiffText("-", 118), "-");
    EXPECT_EQ(EstimateDiffText("120", 118), "+2");
    EXPECT_EQ(EstimateDiffText("120", 120), "0");
    EXPECT_EQ(EstimateDiffText("120", 125), "-5");
    WeightCoefficients defaults;
    EXPECT_DOUBLE_EQ(RowWeight({10, 12, 7, true, 100, 14}, defaults), 9);  // depth minus deviation
    EXPECT_DOUBLE_EQ(RowWeight({10, 12, 7, false, 100, 14}, defaults), 7);
    WeightCoefficients percents{1, -1, 1, true, true};
    EXPECT_DOUBLE_EQ(RowWeight({10, 12, 7, true, 100, 14}, percents), 10 - 100.0 * 2 / 12 * 1 + 50 - 0);
    EXPECT_DOUBLE_EQ(RowWeight({10, 0, 7, true, 0, 0}, percents), 0 - 0 + 0);
    WeightCoefficients broken{std::nan(""), 0, 0, false, false};
    EXPECT_DOUBLE_EQ(RowWeight({1, 1, 1, false, 1, 1}, broken), -999.99);
}

TEST(StatTableSort, NumbersBeforeTextsAndCaptionsBreakTies) {
    auto rows = [](std::vector<std::pair<std::string, std::string>> cells) {
        std::vector<TStatRow> result;
        for (auto& [caption, value] : cells) {
            TStatRow row;
            row.Texts[0] = caption;
            row.Texts[2] = value;
            result.push_back(row);
        }
        return result;
    };
    auto captions = [](const std::vector<TStatRow>& sorted) {
        std::string out;
        for (const TStatRow& row : sorted)
            out += row.Texts[0];
        return out;
    };
    auto table = rows({{"a", "12,50000"}, {"b", "9,10000"}, {"c", "-"}, {"d", "+05"}, {"e", "9,1"}});
    SortStatRows(table, 2, false);
    EXPECT_EQ(captions(table), "dbeac");  // +05 < 9,1 = 9,10000 (captions decide) < 12,5; text last
    SortStatRows(table, 2, true);
    EXPECT_EQ(captions(table), "caebd");
    SortStatRows(table, 40, false);  // outside the table: captions alone
    EXPECT_EQ(captions(table), "abcde");
    double value = 0;
    EXPECT_TRUE(CellNumber("-5", value));
    EXPECT_TRUE(CellNumber("1,5e3", value));
    EXPECT_EQ(value, 1500);
    for (const char* text : {"- 02", "-", "2:1", "6-21", "5.", ".5", ""})
        EXPECT_FALSE(CellNumber(text, value)) << text;
}

TEST(StatTableSort, RowTextsForScenarios) {
    TStatRow row;
    for (int c = 0; c < StatColumnCount; ++c)
        row.Texts[static_cast<size_t>(c)] = "c" + std::to_string(c);
    TStatValues values = ReadRowTexts(&row);
    EXPECT_EQ(values[0], "c0");
    EXPECT_EQ(values[1], "");
    EXPECT_EQ(values[2], "c1");
    EXPECT_EQ(values[4], "c4");
    EXPECT_EQ(values[11], "c12");
    EXPECT_EQ(ReadRowTexts(nullptr), TStatValues{});
}

TEST(FullSetFiles, RoundTripAndDamagedFiles) {
    test::TempDir dir;
    const auto path = FullSetPath(dir.Path(), "POS2");
    EXPECT_EQ(path.filename(), "Quorvel_3r10_POS2.dfc");
    EXPECT_FALSE(ReadFullSetFile(path));
    FullSetData data;
    data.Records = {{{1, 0, 0, 0}, 100}, {{0xFFFF, 2, 3, 4}, 7}};
    data.MinCount = 7;
    data.MaxCount = 100;
    WriteFullSetFile(path, data);
    EXPECT_EQ(test::ReadBytes(path).size(), 36u);
    auto read = ReadFullSetFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Records.size(), 2u);
    EXPECT_EQ(read->Records[1].Key[0], 0xFFFF);
    EXPECT_EQ(read->Records[1].Count, 7);
    EXPECT_EQ(read->MaxCount, 100);
    test::WriteBytes(path, "");
    EXPECT_FALSE(ReadFullSetFile(path));  // empty counts as missing
    test::WriteBytes(path, std::string(30, '\0'));
    EXPECT_THROW(ReadFullSetFile(path), Error);
}

}  // namespace
}  // namespace quorvel
