#include <gtest/gtest.h>

#include "core/model/lists.h"
#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/stat_list.h"

namespace quorvel {
namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

TComb Comb(int a, int b, int c) {
    return TComb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
}

using Key = std::array<uint16_t, 3>;
using Texts = std::vector<std::string>;

TStatDrawArray Selected(std::initializer_list<Key> keys) {
    TStatDrawArray selected;
    for (const Key& key : keys) {
        selected.emplace_back();
        selected.back().Key = {key[0], key[1], key[2], 0};
    }
    return selected;
}

// Value 9 lies in segment 2 at position 1 only; every other cell in segment 1.
const char* const NineFirstSegments = "111111111211111111111111111111";

class TransitionsFamily : public ::testing::Test {
protected:
    TransitionsFamily() : stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        stats.Rebuild();
        const int entry = stats.IndexOfCode(code);
        EXPECT_GE(entry, 0) << code;
        return stats.Items[static_cast<size_t>(entry)].CreateStat(stats);
    }
    // The rows of a method over draws first..newest, as "value=count".
    Texts Rows(const std::string& code, int first = 0, bool sorted = false) {
        auto stat = Create(code);
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(*stat, first, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        Texts rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    // A filter of the method with the given values, tested as the filtering pass does.
    bool Matches(const std::string& code, std::initializer_list<Key> keys, int refIndex, const TComb& comb) {
        auto stat = Create(code);
        stat->LoadDraws(-1, refIndex, false);
        return stat->Matches(Selected(keys), refIndex, comb, false, false);
    }
    int FindNext(const std::string& code, Key key, int fromIndex) {
        auto stat = Create(code);
        TStatDraw row;
        row.Key = {key[0], key[1], key[2], 0};
        return stat->FindNext(row, fromIndex, static_cast<int>(draws.size()) - 1, false);
    }
    // ChannelSize 2; 3 1 4, 1 5 9, 2 6 5, 1 5 8 (newest).
    void WorkedExample() { draws = {Draw(1, 3, 1, 4), Draw(2, 1, 5, 9), Draw(3, 2, 6, 5), Draw(4, 1, 5, 8)}; }
    // 4 5 6, 7 2 3, 1 8 9, 4 0 6, then 4 5 0 before the newest 7 2 3: only 1 8 9 follows
    // draws like the two newest (at positions 1 and 2).
    void ThreeDrawArchive() {
        draws = {Draw(1, 4, 5, 6), Draw(2, 7, 2, 3), Draw(3, 1, 8, 9),
                 Draw(4, 4, 0, 6), Draw(5, 4, 5, 0), Draw(6, 7, 2, 3)};
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST_F(TransitionsFamily, RegisteredInTableOrderWithTheirTexts) {
    const int first = stats.IndexOfCode("SDV2");
    ASSERT_GE(first, 0);
    std::string codes;
    for (int i = first; i < stats.Count() && stats.Items[static_cast<size_t>(i)].StatClass->Group == 10;
         ++i) {
        const TStatMethod& entry = stats.Items[static_cast<size_t>(i)];
        codes += entry.Code() + " ";
        EXPECT_FALSE(entry.StatClass->NumericValues) << entry.Code();
    }
    EXPECT_EQ(codes,
              "SDV2 SDP2 SDN1 SDN2 SDN3 SDP3 SDM1 SDM2 SDM3 SCV2 SCP2 SCN1 SCN2 SCN3 SCP3 SCM1 SCM2 SCM3 "
              "SC2C1 SC2C2 SC2C3 SC2C4 SC2C5 SC3C1 SC3C2 SC3C3 SC3C4 SC3C5 SDA2 SDG2 SDZ2 SDC2 "
              "SSV2 SSP2 SSN1 SSN2 SSN3 SSP3 SSM1 SSM2 SSM3 SS2C1 SS3C1 ");

    struct Row {
        const char* code;
        int position;
        const char* topic;
        const char* text;
    };
    const Row rows[] = {
        {"SDV2", 117, "SDV2", "Переходы чисел между 2 тиражами без учета позиции [ D ]"},
        {"SDP2", 118, "SDP2", "Переходы чисел между 2 тиражами с учетом позиции [ SD ]"},
        {"SDN2", 119, "SDNx", "Переходы чисел между 2 тиражами в 2 позиции [ SD ]"},
        {"SDM3", 121, "SDMx", "Переходы чисел между 3 тиражами в 3 позиции [ SD ]"},
        {"SCV2", 122, "SCV2", "Переходы каналов между 2 тиражами без учета позиции [ D ]"},
        {"SCP3", 125, "SCP3", "Переходы каналов между 3 тиражами с учетом позиции [ SD ]"},
        {"SCN1", 124, "SCNx", "Переходы каналов между 2 тиражами в 1 позиции [ SD ]"},
        {"SCM2", 126, "SCMx", "Переходы каналов между 3 тиражами в 2 позиции [ SD ]"},
        {"SC2C4", 127, "SC2Cx", "Переходы кол-ва чисел в 4 канале между 2 тиражами [ D ]"},
        {"SC3C1", 128, "SC3Cx", "Переходы кол-ва чисел в 1 канале между 3 тиражами [ D ]"},
        {"SDA2", 129, "SDA2", "Переходы чисел в пределах каналов (все) [ D ]"},
        {"SDG2", 130, "SDG2", "Переходы чисел в пределах каналов (N-M, удачные) [ D ]"},
        {"SDZ2", 131, "SDZ2", "Переходы чисел в пределах каналов (N-0, не удачные) [ D ]"},
        {"SDC2", 132, "SDC2", "Переходы чисел в пределах каналов (количество) [ D ]"},
        {"SSV2", 133, "SSV2", "Переходы сегментов между 2 тиражами без учета позиции [ D ]"},
        {"SSP3", 136, "SSP3", "Переходы сегментов между 3 тиражами с учетом позиции [ SD ]"},
        {"SSN3", 135, "SSNx", "Переходы сегментов между 2 тиражами в 3 позиции [ SD ]"},
        {"SSM1", 137, "SSMx", "Переходы сегментов между 3 тиражами в 1 позиции [ SD ]"},
        {"SS2C1", 138, "SS2Cx", "Переходы кол-ва чисел в 1 сегменте между 2 тиражами [ D ]"},
        {"SS3C1", 139, "SS3Cx", "Переходы кол-ва чисел в 1 сегменте между 3 тиражами [ D ]"},
    };
    for (const Row& row : rows) {
        const int index = stats.IndexOfCode(row.code);
        ASSERT_GE(index, 0) << row.code;
        const TStatClass& statClass = *stats.Items[static_cast<size_t>(index)].StatClass;
        EXPECT_EQ(statClass.Position, row.position) << row.code;
        EXPECT_EQ(statClass.HelpTopicFormat(), row.topic);
        EXPECT_EQ(stats.ListText(index, true), std::string("{ mov } ") + row.text);
    }
}

TEST_F(TransitionsFamily, CountMembersFollowTheSettings) {
    stats.Config.ChannelSize = 3;
    stats.Config.MatrixSegments = StrToSegments("123");
    stats.Rebuild();
    EXPECT_GE(stats.IndexOfCode("SC2C4"), 0);
    EXPECT_EQ(stats.IndexOfCode("SC2C5"), -1);
    EXPECT_GE(stats.IndexOfCode("SS3C3"), 0);
    EXPECT_EQ(stats.IndexOfCode("SS3C4"), -1);
    // No channel counts without a channel size; the other channel members keep size 1.
    stats.Config.ChannelSize = 0;
    stats.Rebuild();
    EXPECT_EQ(stats.IndexOfCode("SC2C1"), -1);
    EXPECT_EQ(stats.IndexOfCode("SC3C1"), -1);
    WorkedExample();
    EXPECT_EQ(Rows("SCP2"), (Texts{"02 -> 03=1", "06 -> 07=1"}));
}

TEST_F(TransitionsFamily, TheWorkedExample) {
    WorkedExample();
    struct Case {
        const char* code;
        Texts rows;
    };
    const Case cases[] = {
        {"SDP2", {"1 -> 2=1", "5 -> 6=1"}},
        {"SDN1", {"1 -> 2=1"}},
        {"SDN3", {}},
        {"SDV2",
         {"1 -> 1=1", "1 -> 5=2", "1 -> 9=1", "1 -> 2=1", "1 -> 6=1", "5 -> 2=1", "5 -> 6=1", "5 -> 5=2",
          "5 -> 1=1", "5 -> 8=1"}},
        {"SCP2", {"01 -> 02=1", "03 -> 04=1", "05 -> 03=1"}},
        {"SCN3", {"05 -> 03=1"}},
        {"SCV2",
         {"01 -> 01=1", "01 -> 03=2", "01 -> 05=1", "03 -> 01=2", "03 -> 03=3", "03 -> 05=2", "01 -> 02=1",
          "01 -> 04=1", "03 -> 02=1", "03 -> 04=1", "05 -> 02=1", "05 -> 04=1", "05 -> 03=1"}},
        {"SDA2", {"01 -> 01=1", "01 -> 00=1", "05 -> 05=2"}},
        {"SDG2", {"01 -> 01=1", "05 -> 05=2"}},
        {"SDZ2", {"01 -> 00=1"}},
        {"SDC2", {"1 -> 1=1", "1 -> 0=1", "5 -> 1=2"}},
        // Channel 1 holds one value of 3 1 4, 1 5 9 and 1 5 8, none of 2 6 5.
        {"SC2C1", {"1 -> 0=1", "1 -> 1=1", "1 -> 2=0"}},
        {"SC3C1", {"0-1 -> 0=0", "0-1 -> 1=0", "0-1 -> 2=0"}},
        // Every cell is in segment 1 by default.
        {"SS2C1", {"3 -> 0=0", "3 -> 3=3"}},
        {"SS3C1", {"3-3 -> 0=0", "3-3 -> 3=2"}},
        {"SSP2", {"1 -> 1=9"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rows(c.code), c.rows) << c.code;
}

TEST_F(TransitionsFamily, ThreeDrawMembersAnchorOnTheTwoNewestDraws) {
    ThreeDrawArchive();
    struct Case {
        const char* code;
        int first;
        Texts rows;
    };
    const Case cases[] = {
        {"SDP3", 0, {"4-7 -> 1=1", "5-2 -> 8=1"}},
        // The draws before the window are still read.
        {"SDP3", 2, {"4-7 -> 1=1", "5-2 -> 8=1"}},
        {"SDP3", 3, {}},
        {"SDM1", 0, {"4-7 -> 1=1"}},
        {"SDM3", 0, {}},
        {"SDP2", 0, {"7 -> 1=1", "2 -> 8=1", "3 -> 9=1"}},
        // Channels 3 3 4, 4 2 2, 1 5 5, 3 1 4, 3 3 1, 4 2 2.
        {"SCP3", 0, {"03-04 -> 01=1", "03-02 -> 05=1"}},
        {"SCM2", 0, {"03-02 -> 05=1"}},
        {"SSP3", 0, {"1-1 -> 1=12"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rows(c.code, c.first), c.rows) << c.code << " from " << c.first;
}

TEST_F(TransitionsFamily, DrawsWithoutPredecessorsAddNothing) {
    // Before the archive lies the zero draw 0 0 0, which the newest draw 0 0 0 would match.
    draws = {Draw(1, 5, 5, 5), Draw(2, 0, 0, 0)};
    EXPECT_EQ(Rows("SDP2"), Texts{});
    EXPECT_EQ(Rows("SDV2"), Texts{});
    EXPECT_EQ(Rows("SC2C1"), (Texts{"3 -> 0=0", "3 -> 1=0", "3 -> 2=0"}));
    draws = {Draw(1, 0, 0, 0), Draw(2, 0, 0, 0), Draw(3, 0, 0, 0)};
    EXPECT_EQ(Rows("SDP2"), (Texts{"0 -> 0=6"}));
    EXPECT_EQ(Rows("SDP3"), (Texts{"0-0 -> 0=3"}));
    EXPECT_EQ(Rows("SC3C1"), (Texts{"3-3 -> 0=0", "3-3 -> 1=0", "3-3 -> 2=0", "3-3 -> 3=1"}));
    // Each 0 of the draw before moves to each 0 and, the last move being to 0, once to nothing.
    EXPECT_EQ(Rows("SDA2"), (Texts{"00 -> 00=24"}));
}

TEST_F(TransitionsFamily, EdgeCasesOfTheAnchoring) {
    // A window of the newest draw alone compares it with itself: the repeated positions.
    draws = {Draw(1, 3, 4, 5), Draw(2, 3, 9, 5)};
    EXPECT_EQ(Rows("SDP2", 1), (Texts{"3 -> 3=1", "5 -> 5=1"}));
    // A value twice in the draw before starts its transitions twice.
    draws = {Draw(1, 7, 7, 2), Draw(2, 1, 7, 3)};
    EXPECT_EQ(Rows("SDV2"), (Texts{"7 -> 1=2", "7 -> 7=2", "7 -> 3=2"}));
    // Segments are looked up at each value's own position: 9 is segment 2 only at position 1.
    stats.Config.MatrixSegments = StrToSegments(NineFirstSegments);
    draws = {Draw(1, 9, 0, 0), Draw(2, 9, 9, 0), Draw(3, 0, 9, 9)};
    EXPECT_EQ(Rows("SSV2"), (Texts{"1 -> 2=2", "1 -> 1=10"}));
    EXPECT_EQ(Rows("SS2C2"), (Texts{"0 -> 0=0"}));
}

TEST_F(TransitionsFamily, InsideChannelMovesToTheValueZero) {
    struct Case {
        TDraw next;
        Texts all, successful, unsuccessful, count;
    };
    // r = 1 of 4 1 6 is in the newest draw 1 3 3; the next draw holds 0 and maybe 1 (channel 1).
    const Case cases[] = {
        // The last move goes to 0, so it is also taken for no move.
        {Draw(2, 0, 7, 8), {"01 -> 00=2"}, {"01 -> 00=1"}, {"01 -> 00=1"}, {"1 -> 1=1"}},
        // Its 1 then moves on to the 1 of the newest draw.
        {Draw(2, 1, 0, 8),
         {"01 -> 01=2", "01 -> 00=2"},
         {"01 -> 01=2", "01 -> 00=1"},
         {"01 -> 00=1"},
         {"1 -> 2=1", "1 -> 1=1"}},
        {Draw(2, 0, 1, 8),
         {"01 -> 00=1", "01 -> 01=2"},
         {"01 -> 00=1", "01 -> 01=2"},
         {},
         {"1 -> 2=1", "1 -> 1=1"}},
        {Draw(2, 2, 7, 8), {"01 -> 00=1"}, {}, {"01 -> 00=1"}, {"1 -> 0=1"}},
    };
    for (const Case& c : cases) {
        draws = {Draw(1, 4, 1, 6), c.next, Draw(3, 1, 3, 3)};
        const auto label = ::testing::PrintToString(c.next.Values);
        EXPECT_EQ(Rows("SDA2", 0, false), c.all) << label;
        EXPECT_EQ(Rows("SDG2", 0, false), c.successful) << label;
        EXPECT_EQ(Rows("SDZ2", 0, false), c.unsuccessful) << label;
        EXPECT_EQ(Rows("SDC2", 0, false), c.count) << label;
    }
}

TEST_F(TransitionsFamily, SortedRunsReadSomeEarlierDrawsAsDrawn) {
    // The inside members take the draw before as drawn (5 first), the next draw sorted.
    draws = {Draw(1, 5, 1, 9), Draw(2, 1, 0, 4), Draw(3, 1, 5, 7)};
    EXPECT_EQ(Rows("SDA2", 0, false), (Texts{"05 -> 04=1", "01 -> 01=2", "01 -> 00=2"}));
    EXPECT_EQ(Rows("SDA2", 0, true), (Texts{"05 -> 04=1", "01 -> 00=1", "01 -> 01=2"}));

    stats.Config.MatrixSegments = StrToSegments(NineFirstSegments);
    draws = {Draw(1, 9, 1, 2), Draw(2, 9, 5, 6), Draw(3, 9, 9, 9)};
    struct Case {
        const char* code;
        bool sorted;
        Texts rows;
    };
    const Case cases[] = {
        // The counts read 9 1 2 and 9 5 6 as drawn (one 9 at position 1 each) against the
        // newest 9 9 9; the evaluated draw is sorted (5 6 9 holds none).
        {"SS2C2", true, {"1 -> 0=1", "1 -> 1=1"}},
        {"SS2C2", false, {"1 -> 0=0", "1 -> 1=2"}},
        // The position members sort every draw, so 1 2 9 no longer shares position 1.
        {"SSP2", true, {"1 -> 1=4"}},
        {"SSP2", false, {"2 -> 2=2", "1 -> 1=4"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rows(c.code, 0, c.sorted), c.rows) << c.code << (c.sorted ? " sorted" : "");
}

TEST_F(TransitionsFamily, DamagedValuesStayOutOfTheSegments) {
    draws = {Draw(1, 12, 3, 4), Draw(2, 12, 3, 5), Draw(3, 12, 3, 4)};
    EXPECT_EQ(Rows("SSP2"), (Texts{"1 -> 1=4"}));
    EXPECT_EQ(Rows("SSV2"), (Texts{"1 -> 1=8"}));
    EXPECT_EQ(Rows("SS2C1"), (Texts{"2 -> 0=0", "2 -> 2=2"}));
    EXPECT_EQ(Rows("SDP2"), (Texts{"12 -> 12=2", "3 -> 3=2", "4 -> 5=1"}));
    EXPECT_FALSE(Matches("SSP2", {{1, 2, 0}}, 2, Comb(12, 12, 12)));
}

TEST_F(TransitionsFamily, FiltersTestTheTarget) {
    WorkedExample();
    struct Case {
        const char* code;
        std::initializer_list<Key> selected;
        TComb comb;
        bool matches;
    };
    const Case cases[] = {
        // Values: the target anywhere in the combination; the start is not compared.
        {"SDP2", {{1, 2, 0}}, Comb(0, 0, 2), true},
        {"SDP2", {{1, 2, 0}}, Comb(1, 1, 1), false},
        {"SDN3", {{1, 2, 0}}, Comb(2, 0, 0), true},
        {"SDP3", {{4, 7, 1}}, Comb(0, 1, 0), true},
        {"SDP3", {{4, 7, 1}}, Comb(4, 7, 0), false},
        // Channels: channel 2 holds 2 and 3.
        {"SCP2", {{1, 2, 0}}, Comb(3, 9, 9), true},
        {"SCP2", {{1, 2, 0}}, Comb(0, 1, 9), false},
        {"SCV2", {{1, 5, 0}, {3, 3, 0}}, Comb(4, 0, 0), true},
        // Counts of channel 1 (0 and 1): two over two draws, one over three.
        {"SC2C1", {{1, 2, 0}}, Comb(0, 1, 5), true},
        {"SC2C1", {{1, 2, 0}}, Comb(0, 5, 5), false},
        {"SC3C1", {{0, 1, 1}}, Comb(9, 1, 5), true},
        {"SC3C1", {{0, 1, 1}}, Comb(0, 1, 5), false},
        // Inside channels after 1 5 8: a selected move of 5 to 4, or 1 to nothing.
        {"SDA2", {{5, 4, 0}}, Comb(4, 0, 0), true},
        {"SDA2", {{5, 4, 0}}, Comb(5, 0, 9), false},
        {"SDA2", {{1, 0, 0}}, Comb(9, 0, 9), true},
        {"SDZ2", {{1, 0, 0}}, Comb(2, 3, 4), false},
        {"SDG2", {{7, 7, 0}}, Comb(7, 7, 7), false},
        {"SDC2", {{5, 2, 0}}, Comb(9, 4, 9), true},
        {"SDC2", {{5, 2, 0}}, Comb(3, 6, 7), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Matches(c.code, c.selected, 3, c.comb), c.matches)
            << c.code << " " << ::testing::PrintToString(c.comb.Values);
    }
    // Segments by position: 9 is segment 2 only at position 1.
    stats.Config.MatrixSegments = StrToSegments(NineFirstSegments);
    EXPECT_TRUE(Matches("SSP2", {{1, 2, 0}}, 3, Comb(9, 0, 0)));
    EXPECT_FALSE(Matches("SSP2", {{1, 2, 0}}, 3, Comb(0, 9, 9)));
    EXPECT_TRUE(Matches("SS3C2", {{0, 0, 1}}, 3, Comb(9, 9, 9)));
    EXPECT_FALSE(Matches("SS3C2", {{0, 0, 1}}, 3, Comb(8, 9, 9)));
}

TEST_F(TransitionsFamily, FindNextReportsTheDrawAfterTheAnchor) {
    WorkedExample();
    EXPECT_EQ(FindNext("SDP2", {1, 2, 0}, 0), 3);
    EXPECT_EQ(FindNext("SDP2", {5, 6, 0}, 3), -1);
    EXPECT_EQ(FindNext("SDV2", {5, 5, 0}, 0), 3);
    EXPECT_EQ(FindNext("SDV2", {5, 5, 0}, 3), 4);
    EXPECT_EQ(FindNext("SC2C1", {1, 0, 0}, 0), 3);
    EXPECT_EQ(FindNext("SDZ2", {1, 0, 0}, 0), 3);
    EXPECT_EQ(FindNext("SDP2", {1, 2, 0}, 4), -1);
}

}  // namespace
}  // namespace quorvel
