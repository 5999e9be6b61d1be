#include <gtest/gtest.h>

#include "core/model/text_forms.h"
#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/stat_list.h"

namespace quorvel {
namespace {

using Values = std::array<int, PositionCount>;
using Texts = std::vector<std::string>;

TComb Comb(const Values& v) {
    return TComb{{static_cast<uint8_t>(v[0]), static_cast<uint8_t>(v[1]), static_cast<uint8_t>(v[2])}};
}

class ChannelsFamily : public ::testing::Test {
protected:
    ChannelsFamily() : stats("unused.ini") { stats.SetDraws(&draws); }

    // Draws numbered 1, 2, ... oldest first.
    void SetDraws(const std::vector<Values>& values) {
        draws.clear();
        for (const Values& v : values) {
            TDraw draw;
            draw.Number = static_cast<int32_t>(draws.size()) + 1;
            draw.Values = Comb(v).Values;
            draws.push_back(draw);
        }
    }
    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        const int index = stats.IndexOfCode(code);
        if (index < 0) return nullptr;
        return stats.Items[static_cast<size_t>(index)].CreateStat(stats);
    }
    TStatDrawArray Evaluate(TCustomStat& stat, bool sorted) {
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(stat, 0, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        return table;
    }
    // The rows of a method over the whole archive as "text=count"; seenOnly drops the rows
    // listed in advance that no draw carried.
    Texts Rows(TCustomStat& stat, bool sorted, bool seenOnly) {
        Texts rows;
        for (const TStatDraw& row : Evaluate(stat, sorted)) {
            if (!seenOnly || row.Count > 0)
                rows.push_back(stat.ValueText(row) + "=" + std::to_string(row.Count));
        }
        return rows;
    }
    Texts Codes(int group) {
        stats.Rebuild();
        Texts codes;
        for (const TStatMethod& entry : stats.Items) {
            if (entry.StatClass->Group == group) codes.push_back(entry.Code());
        }
        return codes;
    }

    TDrawsArray draws;
    TStatList stats;
};

struct RowsCase {
    const char* Name;
    int ChannelSize;
    std::vector<Values> Draws;
    bool Sorted;
    bool SeenOnly;
    const char* Code;
    Texts Rows;
};

TEST_F(ChannelsFamily, ValuesOfDraws) {
    const std::vector<Values> d723 = {{7, 2, 3}};
    const std::vector<Values> d555 = {{5, 5, 5}};
    const RowsCase cases[] = {
        // The worked example: channels 4, 2, 2.
        {"chan",
         2,
         d723,
         false,
         false,
         "CHAN",
         {"01 [0-1]=0", "02 [2-3]=2", "03 [4-5]=0", "04 [6-7]=1", "05 [8-9]=0"}},
        {"chnv",
         2,
         d723,
         false,
         true,
         "CHNV",
         {"01 [0-1] x 0=1", "02 [2-3] x 2=1", "03 [4-5] x 0=1", "04 [6-7] x 1=1", "05 [8-9] x 0=1"}},
        {"chnc", 2, d723, false, false, "CHNC", {"1=0", "2=1"}},
        {"chn2", 2, d723, false, false, "CHN2", {"1=0", "2=1"}},
        {"chn4", 2, d723, false, false, "CHN4", {"1=1", "2=0"}},
        {"chn1", 2, d723, false, false, "CHN1", {"1=0", "2=0", "0=1"}},
        {"kcm2", 2, d723, false, false, "KCM2", {"4:2=2", "2:2=1"}},
        {"kcm3", 2, d723, false, false, "KCM3", {"4:2:2=1"}},
        {"kcs2", 2, d723, false, false, "KCS2", {"4:2=1", "2:2=1"}},
        {"kcs3", 2, d723, false, false, "KCS3", {"4:2:2=1"}},
        {"kcm2 sorted", 2, d723, true, false, "KCM2", {"2:2=1", "2:4=2"}},
        {"kcs2 sorted", 2, d723, true, false, "KCS2", {"2:2=1", "2:4=1"}},
        // Three equal values: one channel three times, a count beyond those listed in advance.
        {"chan 555", 2, d555, false, true, "CHAN", {"03 [4-5]=3"}},
        {"chnv 555",
         2,
         d555,
         false,
         true,
         "CHNV",
         {"01 [0-1] x 0=1", "02 [2-3] x 0=1", "04 [6-7] x 0=1", "05 [8-9] x 0=1", "03 [4-5] x 3=1"}},
        {"chnc 555", 2, d555, false, false, "CHNC", {"1=1", "2=0"}},
        {"kcm2 555", 2, d555, false, false, "KCM2", {"3:3=3"}},
        {"chn3 555", 2, d555, false, false, "CHN3", {"1=0", "2=0", "3=1"}},
        // Size 1: one value per channel, only the count 1 listed in advance.
        {"chnc size 1", 1, d723, false, false, "CHNC", {"1=0", "3=1"}},
        {"chan size 1", 1, {{0, 9, 9}}, false, true, "CHAN", {"01 [0-0]=1", "10 [9-9]=2"}},
        // Size 3: the last channel holds only 9 and shows its bounds unclipped.
        {"chan size 3",
         3,
         {{9, 9, 0}},
         false,
         false,
         "CHAN",
         {"01 [0-2]=1", "02 [3-5]=0", "03 [6-8]=0", "04 [9-11]=2"}},
        {"chnv size 3",
         3,
         {{9, 9, 0}},
         false,
         false,
         "CHNV",
         {"01 [0-2] x 0=0", "01 [0-2] x 1=1", "01 [0-2] x 2=0", "01 [0-2] x 3=0", "02 [3-5] x 0=1",
          "02 [3-5] x 1=0", "02 [3-5] x 2=0", "02 [3-5] x 3=0", "03 [6-8] x 0=1", "03 [6-8] x 1=0",
          "03 [6-8] x 2=0", "03 [6-8] x 3=0", "04 [9-11] x 0=0", "04 [9-11] x 1=0", "04 [9-11] x 2=1",
          "04 [9-11] x 3=0"}},
        // Sizes of 10 and more: a single channel holding every value.
        {"chnc size 10", 10, d723, false, false, "CHNC", {"1=1", "2=0", "3=0"}},
        {"chnv size 10", 10, d723, false, true, "CHNV", {"01 [0-9] x 3=1"}},
        {"chn1 size 10",
         10,
         d723,
         false,
         false,
         "CHN1",
         {"1=0", "2=0", "3=1", "4=0", "5=0", "6=0", "7=0", "8=0", "9=0", "10=0"}},
        {"chan size 12", 12, d723, false, false, "CHAN", {"01 [0-11]=3"}},
        {"chnv size 12", 12, d723, false, true, "CHNV", {"01 [0-11] x 3=1"}},
        // A size below 1 never divides: the channels are those of size 1.
        {"chan size 0", 0, {{0, 1, 1}}, false, true, "CHAN", {"01 [0-0]=1", "02 [1-1]=2"}},
        {"chnc size -3", -3, d723, false, false, "CHNC", {"1=0", "3=1"}},
        // A damaged value outside 0..9 gets a channel beyond the last one, never a table slot.
        {"chan damaged",
         2,
         {{12, 0, 255}},
         false,
         true,
         "CHAN",
         {"01 [0-1]=1", "07 [12-13]=1", "128 [254-255]=1"}},
        {"chnv damaged",
         2,
         {{12, 0, 0}},
         false,
         true,
         "CHNV",
         {"01 [0-1] x 2=1", "02 [2-3] x 0=1", "03 [4-5] x 0=1", "04 [6-7] x 0=1", "05 [8-9] x 0=1",
          "07 [12-13] x 1=1"}},
    };
    for (const RowsCase& c : cases) {
        SCOPED_TRACE(c.Name);
        stats.Config.ChannelSize = c.ChannelSize;
        SetDraws(c.Draws);
        auto stat = Create(c.Code);
        ASSERT_NE(stat, nullptr);
        EXPECT_EQ(Rows(*stat, c.Sorted, c.SeenOnly), c.Rows);
    }
}

TEST_F(ChannelsFamily, CatalogueFollowsTheChannelSize) {
    struct Case {
        int ChannelSize;
        Texts Codes;
    };
    const Case cases[] = {
        {2, {"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCS2", "KCS3", "CHN1", "CHN2", "CHN3", "CHN4", "CHN5"}},
        {1,
         {"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCS2", "KCS3", "CHN1", "CHN2", "CHN3", "CHN4", "CHN5",
          "CHN6", "CHN7", "CHN8", "CHN9", "CHN10"}},
        {3, {"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCS2", "KCS3", "CHN1", "CHN2", "CHN3", "CHN4"}},
        {10, {"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCS2", "KCS3", "CHN1"}},
        {12, {"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCS2", "KCS3", "CHN1"}},
        {0, {"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCS2", "KCS3"}},
        {-1, {"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCS2", "KCS3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ChannelSize);
        stats.Config.ChannelSize = c.ChannelSize;
        EXPECT_EQ(Codes(3), c.Codes);
    }
}

TEST_F(ChannelsFamily, EntriesShowTheirTitlesAndFeatures) {
    stats.Rebuild();
    Texts shown;
    for (const TStatMethod& entry : stats.Items) {
        if (entry.StatClass->Group != 3) continue;
        shown.push_back(entry.Code() + " " + entry.Title() + " [" +
                        FeatureLetters(entry.StatClass->DisplayFlags()) + "] " +
                        (entry.StatClass->NumericValues ? "numeric" : "listed"));
    }
    const Texts expected = {
        "CHAN Каналы [N] numeric",
        "CHNV Количество чисел в канале [N] listed",
        "CHNC Количество каналов в тираже [NG] numeric",
        "KCM2 Сочетания из 2 каналов по всем числам тиража [S] listed",
        "KCM3 Сочетания из 3 каналов по всем числам тиража [S] listed",
        "KCS2 Сочетания из 2 каналов по соседним числам [S] listed",
        "KCS3 Сочетания из 3 каналов по соседним числам [S] listed",
        "CHN1 Количество чисел в 1 канале [NG] numeric",
        "CHN2 Количество чисел в 2 канале [NG] numeric",
        "CHN3 Количество чисел в 3 канале [NG] numeric",
        "CHN4 Количество чисел в 4 канале [NG] numeric",
        "CHN5 Количество чисел в 5 канале [NG] numeric",
    };
    EXPECT_EQ(shown, expected);
    const TStatMethod& chn = stats.Items[static_cast<size_t>(stats.IndexOfCode("CHN3"))];
    EXPECT_EQ(chn.StatClass->HelpTopicFormat(), "CHNx");
}

TEST_F(ChannelsFamily, MatchesTestTheCombinationsOwnChannels) {
    struct Case {
        const char* Code;
        std::array<uint16_t, 4> Selected;
        Values Comb;
        bool Matches;
    };
    const Case cases[] = {
        {"KCS2", {2, 2, 0, 0}, {7, 2, 3}, true},   // positions 2-3
        {"KCS2", {2, 2, 0, 0}, {3, 2, 7}, true},   // positions 1-2
        {"KCS2", {2, 2, 0, 0}, {2, 7, 3}, false},  // only positions 1 and 3 share a channel
        {"KCM2", {1, 2, 0, 0}, {0, 9, 2}, true},   // positions 1 and 3
        {"KCM2", {1, 2, 0, 0}, {2, 9, 0}, false},
        {"KCM2", {1, 2, 5, 0}, {0, 9, 2}, false},  // a word beyond k must be zero
        {"KCM3", {4, 2, 2, 0}, {7, 2, 3}, true},
        {"KCM3", {4, 2, 2, 0}, {2, 3, 7}, false},
        {"CHAN", {3, 0, 0, 0}, {0, 0, 4}, true},
        {"CHAN", {3, 0, 0, 0}, {0, 1, 2}, false},
        {"CHNV", {2, 2, 0, 0}, {2, 3, 7}, true},
        {"CHNV", {2, 2, 0, 0}, {2, 7, 7}, false},
        {"CHNV", {5, 0, 0, 0}, {2, 7, 7}, true},  // an empty channel is a value too
        {"CHNV", {2, 2, 1, 0}, {2, 3, 7}, false},
        {"CHNC", {3, 0, 0, 0}, {0, 2, 4}, true},
        {"CHNC", {3, 0, 0, 0}, {0, 1, 2}, false},
        {"CHN4", {1, 0, 0, 0}, {7, 0, 0}, true},
        {"CHN4", {1, 0, 0, 0}, {6, 7, 0}, false},
        {"CHN1", {0, 0, 0, 0}, {2, 4, 6}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Code) + " " + CombToStr(Comb(c.Comb)));
        auto stat = Create(c.Code);
        TStatDrawArray selected(1);
        selected[0].Key = c.Selected;
        EXPECT_EQ(stat->Matches(selected, -1, Comb(c.Comb), false, false), c.Matches);
    }
}

TEST_F(ChannelsFamily, FullSetCountsAndGraphValues) {
    auto count = [&](const std::string& code, std::array<uint16_t, 4> key) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        for (const TStatDraw& row : table) {
            if (row.Key == key) return row.Count;
        }
        return 0;
    };
    EXPECT_EQ(count("CHAN", {1, 0, 0, 0}), 600);  // 3 positions x 1000 x 2 of 10 values
    EXPECT_EQ(count("CHNV", {1, 0, 0, 0}), 512);  // no value in channel 1: 8 x 8 x 8
    EXPECT_EQ(count("CHNC", {1, 0, 0, 0}), 40);
    EXPECT_EQ(count("CHNC", {3, 0, 0, 0}), 480);
    EXPECT_EQ(count("CHN5", {3, 0, 0, 0}), 8);
    // The tuples take no part in the full set.
    auto tuples = Create("KCM2");
    TStatDrawArray table;
    EvaluateFullSet(*tuples, table);
    EXPECT_TRUE(table.empty());

    SetDraws({{7, 2, 3}});
    auto chnc = Create("CHNC");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*chnc).GraphValue(0, -1, Comb({0, 5, 9}), false), 3);
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*chnc).DrawGraphValue(0, -1, false), 2);
    auto chn2 = Create("CHN2");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*chn2).DrawGraphValue(0, -1, false), 2);
}

TEST_F(ChannelsFamily, DrawsTrackPeriodsAndObjectsKeepTheirSize) {
    SetDraws({{0, 5, 5}, {4, 4, 4}, {1, 5, 5}, {0, 9, 9}});
    draws[0].Number = 10;
    draws[1].Number = 11;
    draws[2].Number = 13;
    draws[3].Number = 20;
    auto chan = Create("CHAN");
    const TStatDrawArray table = Evaluate(*chan, false);
    ASSERT_EQ(table[0].Key[0], 1);
    EXPECT_EQ(table[0].Count, 3);
    EXPECT_EQ(table[0].LastDraw, 20);
    EXPECT_EQ(table[0].Depth, 1);
    EXPECT_EQ(table[0].PeriodMin, 3);
    EXPECT_EQ(table[0].PeriodMax, 7);

    // An object keeps the size it was made with; a later change reaches new objects only.
    auto before = Create("CHAN");
    stats.Config.ChannelSize = 5;
    EXPECT_EQ(before->ValueText(table[1]), "02 [2-3]");
    EXPECT_EQ(Create("CHAN")->ValueText(table[1]), "02 [5-9]");
}

TEST_F(ChannelsFamily, ChannelTextsParseBack) {
    auto chan = Create("CHAN");
    EXPECT_EQ(chan->ParseValue("03 [4-5]"), 3);
    EXPECT_EQ(chan->ParseValue("12"), 12);
    EXPECT_EQ(chan->ParseValue("x [4-5]"), 0);
    EXPECT_EQ(chan->ParseValue(""), 0);
    // Pair values cannot be listed by number.
    EXPECT_EQ(Create("CHNV")->ParseListedValue("02 [2-3] x 2"), 0);
    EXPECT_EQ(Create("KCS2")->ParseListedValue("4"), 0);
    EXPECT_EQ(Create("CHNC")->ParseListedValue("2"), 2);
}

}  // namespace
}  // namespace quorvel
