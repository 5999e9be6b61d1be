#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>

#include "core/archive/draws_import.h"
#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/stat_list.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

TStatDraw Work(uint16_t key, int32_t lastDraw, int32_t depth = 1) {
    TStatDraw work;
    work.Key[0] = key;
    work.LastDraw = work.PrevDraw = lastDraw;
    work.Depth = depth;
    work.Count = 1;
    return work;
}

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

// A catalogue over a small archive, with an instance of the entry with the given code.
struct Engine {
    explicit Engine(TDrawsArray archive) : draws(std::move(archive)), stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }
    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        return stats.Items[static_cast<size_t>(stats.IndexOfCode(code))].CreateStat(stats);
    }
    TStatDrawArray Window(TCustomStat& stat, int first, int last, bool sorted = false) {
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(stat, first, last, sorted, table, scratch, lastValues);
        return table;
    }
    TDrawsArray draws;
    TStatList stats;
};

const TStatDraw* Row(const TStatDrawArray& table, uint16_t key) {
    for (const TStatDraw& row : table) {
        if (row.Key[0] == key && row.Key[1] == 0) return &row;
    }
    return nullptr;
}

TEST(AddValue, PeriodsFollowTheOccurrences) {
    TStatDrawArray table;
    AddValue(table, Work(5, 10, 3), true);
    AddValue(table, Work(5, 13, 2), true);
    AddValue(table, Work(5, 20, 1), true);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].LastDraw, 20);
    EXPECT_EQ(table[0].Depth, 1);
    EXPECT_EQ(table[0].PeriodMin, 3);
    EXPECT_EQ(table[0].PeriodMax, 7);
    EXPECT_EQ(table[0].PrevDraw, 20);
    EXPECT_EQ(table[0].Count, 3);
    // A second addition within one draw has the gap 0, which resets the minimum only.
    AddValue(table, Work(5, 20, 1), true);
    EXPECT_EQ(table[0].PeriodMin, 0);
    EXPECT_EQ(table[0].PeriodMax, 7);
    // Without period tracking nothing but counts and the newest occurrence moves.
    TStatDrawArray plain;
    AddValue(plain, Work(1, 10), false);
    AddValue(plain, Work(1, 30), false);
    EXPECT_EQ(plain[0].PeriodMin, 0);
    EXPECT_EQ(plain[0].PrevDraw, 30);
}

TEST(AddValue, KeysAreAllEightBytesAndGapsKeepSixteenBits) {
    TStatDrawArray table;
    TStatDraw a = Work(1, 1);
    TStatDraw b = Work(1, 1);
    b.Key[3] = 1;
    AddValue(table, a, true);
    AddValue(table, b, true);
    EXPECT_EQ(table.size(), 2u);
    TStatDrawArray wide;
    AddValue(wide, Work(2, 1), true);
    AddValue(wide, Work(2, 70001), true);  // the gap 70000 is kept in 16 bits
    EXPECT_EQ(wide[0].PeriodMin, static_cast<uint16_t>(70000));
}

TEST(ValueTables, SortTotalsAndMatchHelpers) {
    TStatDrawArray table;
    for (uint16_t key : {0xFFFF, 2, 1, 2}) {
        TStatDraw w = Work(key, 1);
        w.Count = key == 2 ? 7 : 3;
        w.Depth = key;
        table.push_back(w);
    }
    table[3].LastDraw = 99;
    SortValues(table);
    EXPECT_EQ(table[0].Key[0], 1);
    EXPECT_EQ(table[1].LastDraw, 1);  // equal keys keep their order
    EXPECT_EQ(table[2].LastDraw, 99);
    EXPECT_EQ(table[3].Key[0], 0xFFFF);  // words compare unsigned
    TValueTotals totals = ValueTotals(table);
    EXPECT_EQ(totals.Total, 20);
    EXPECT_EQ(totals.MinCount, 3);
    EXPECT_EQ(totals.MaxCount, 7);
    EXPECT_EQ(totals.MaxDepth, 0xFFFF);
    TValueTotals empty = ValueTotals({});
    EXPECT_EQ(empty.MinCount, 2147483647);
    EXPECT_EQ(empty.MaxDepth, 0);

    TStatDraw selected;
    selected.Key = {0x0201, 0, 7, 0};
    TStatDrawArray set{selected};
    EXPECT_TRUE(HasKey(set, 0x0201, 0, 7, 0));
    EXPECT_TRUE(HasKeyPair(set, 0x0201, 7));
    EXPECT_TRUE(HasKeyByte(set, 1, 1));
    EXPECT_TRUE(HasKeyByte(set, 2, 2));
    EXPECT_TRUE(HasKeyByte(set, 5, 7));
    EXPECT_FALSE(HasKeyByte(set, 0, 1));
    EXPECT_FALSE(HasKeyByte(set, 9, 0));
    EXPECT_TRUE(HasKeyWord(set, 3, 7));
    EXPECT_FALSE(HasKeyWord(set, 5, 0));
    EXPECT_TRUE(HasKeyDword(set, 1, 0x0201));
    EXPECT_TRUE(HasKeyDword(set, 2, 7));
    EXPECT_FALSE(HasKeyDword(set, 3, 7));
}

TEST(Evaluation, AWindowOfOneDrawAndRepeatedValues) {
    Engine engine({Draw(1, 1, 2, 3), Draw(2, 4, 4, 9)});
    auto nums = engine.Create("NUMS");
    TStatDrawArray table = engine.Window(*nums, 1, 1);
    ASSERT_EQ(table.size(), 10u);  // every value listed in advance
    const TStatDraw* four = Row(table, 4);
    EXPECT_EQ(four->Count, 2);
    EXPECT_EQ(four->Depth, 1);
    EXPECT_EQ(four->LastDraw, 2);
    EXPECT_EQ(four->PeriodMin, 0);
    EXPECT_EQ(four->PeriodMax, 0);
    EXPECT_EQ(Row(table, 1)->Count, 0);
    EXPECT_EQ(Row(table, 1)->Depth, 0);
    EXPECT_TRUE(engine.Window(*nums, 2, 1).empty());  // an empty window
}

TEST(Evaluation, RepeatedValueResetsTheShortestPeriod) {
    Engine engine({Draw(10, 5, 0, 1), Draw(14, 5, 2, 3), Draw(20, 5, 5, 3)});
    auto nums = engine.Create("NUMS");
    const auto window = engine.Window(*nums, 0, 2);
    const TStatDraw* five = Row(window, 5);
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(five->Count, 4);
    EXPECT_EQ(five->PeriodMin, 0);
    EXPECT_EQ(five->PeriodMax, 6);
}

TEST(Evaluation, ReadDrawFindNextAndSortedDraws) {
    Engine engine({Draw(1, 9, 1, 5), Draw(2, 3, 3, 3), Draw(3, 0, 7, 2)});
    auto pos = engine.Create("POS1");
    EXPECT_EQ(pos->ReadDraw(-1, false), TDraw{});
    EXPECT_EQ(pos->ReadDraw(3, false), TDraw{});
    EXPECT_EQ(pos->ReadDraw(0, true).Values, (std::array<uint8_t, 3>{1, 5, 9}));
    // Sorted draws make the first position the smallest value.
    TStatDrawArray sorted = engine.Window(*pos, 0, 0, true);
    EXPECT_EQ(Row(sorted, 1)->Count, 1);
    EXPECT_EQ(Row(sorted, 9)->Count, 0);
    TStatDraw row;
    row.Key[0] = 0;
    EXPECT_EQ(pos->FindNext(row, 0, 2, false), 3);
    EXPECT_EQ(pos->FindNext(row, 3, 2, false), -1);
    row.Key[0] = 8;
    EXPECT_EQ(pos->FindNext(row, 0, 2, false), -1);
}

// The selection answers from sets built once; each answer must be the one a scan of the
// entries gives, for small and large keys, few entries (kept side by side) and many (hashed).
TEST(ValueTables, SelectionAnswersAsAScanOfItsEntries) {
    std::mt19937 random(7);
    for (const size_t size : {size_t{3}, size_t{40}, size_t{400}}) {
        TStatDrawArray entries(size);
        for (TStatDraw& entry : entries) {
            for (uint16_t& word : entry.Key)
                word = static_cast<uint16_t>(random() % 2 == 0 ? random() % 12 : random() % 3000);
        }
        const TSelection selection(entries);
        const auto scan = [&](auto fits) { return std::any_of(entries.begin(), entries.end(), fits); };
        for (int probe = 0; probe < 2000; ++probe) {
            TStatDraw wanted = entries[random() % size];
            wanted.Key[random() % 4] = static_cast<uint16_t>(random() % 3000);  // often not selected
            const uint64_t key = wanted.KeyBits();
            EXPECT_EQ(selection.HasKey(key), scan([&](const TStatDraw& e) { return e.KeyBits() == key; }));
            if (key < 256) {
                EXPECT_EQ(selection.ByteKeys()[key] != 0, selection.HasKey(key));
            }
            for (int d = 0; d < 2; ++d) {
                const uint32_t dword = wanted.KeyDword(d + 1);
                EXPECT_EQ(selection.HasDword(d, dword),
                          scan([&](const TStatDraw& e) { return e.KeyDword(d + 1) == dword; }));
            }
            for (size_t w = 0; w < 4; ++w) {
                const uint16_t word = wanted.Key[w];
                EXPECT_EQ(selection.HasWord(static_cast<int>(w), word),
                          scan([&](const TStatDraw& e) { return e.Key[w] == word; }));
            }
        }
    }
}

// A window counted at once, as tables are, must equal its draws added one at a time to a table
// without an index, for every method: draws sorted or not, and a window starting before the archive.
TEST(Evaluation, AWindowCountedAtOnceEqualsItsDrawsAddedOneByOne) {
    DrawArchive archive;
    ImportDrawLines(archive, ReadDrawsTextFile(std::filesystem::path(QUORVEL_SAMPLES_DIR) / "cash3.csv"));
    Engine engine(archive.Draws());
    const int newest = archive.Count() - 1;
    const std::pair<int, int> windows[] = {{-2, 40}, {newest - 999, newest}, {100, 100}};
    size_t rows = 0;
    for (const TStatMethod& entry : engine.stats.Items) {
        for (const bool sorted : {false, true}) {
            for (const auto& [first, last] : windows) {
                const TStatDrawArray table =
                    engine.Window(*entry.CreateStat(engine.stats), first, last, sorted);
                auto stat = entry.CreateStat(engine.stats);
                TStatDrawArray expected;
                TStatScratch scratch;
                TLastValueArray lastValues;
                stat->PrepareValues(last, expected);
                for (int index = first; index <= last; ++index)
                    stat->AddDraw(index, last, sorted, expected, scratch, lastValues);
                // An empty table may have no storage at all, which memcmp must not be given.
                const bool equal = table.size() == expected.size() &&
                                   (table.empty() || std::memcmp(table.data(), expected.data(),
                                                                 table.size() * sizeof(TStatDraw)) == 0);
                EXPECT_TRUE(equal) << entry.Code() << (sorted ? " sorted " : " ") << first << ".." << last;
                rows += table.size();
            }
        }
    }
    EXPECT_GT(rows, 10000u);
}

TEST(Catalogue, BuildsEntriesInRegistrationOrderWithTheirTexts) {
    Engine engine({});
    // The numbers family keeps its order; the other families' entries stand between PRMV and POS1.
    std::vector<std::string> codes;
    for (const TStatMethod& entry : engine.stats.Items) {
        if (entry.StatClass->Group == 0 && entry.StatClass->Position <= 102) codes.push_back(entry.Code());
    }
    const std::vector<std::string> numbers{"NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV"};
    ASSERT_GE(codes.size(), numbers.size() + 3);
    EXPECT_TRUE(std::equal(numbers.begin(), numbers.end(), codes.begin()));
    EXPECT_EQ(std::vector<std::string>(codes.end() - 3, codes.end()),
              (std::vector<std::string>{"POS1", "POS2", "POS3"}));
    EXPECT_EQ(engine.stats.IndexOfCode("POE1"), -1);  // its range is empty in this game
    for (size_t i = 1; i < engine.stats.Items.size(); ++i) {
        EXPECT_LE(engine.stats.Items[i - 1].StatClass->Position, engine.stats.Items[i].StatClass->Position);
    }
    const int pos1 = engine.stats.IndexOfCode("pos1");
    EXPECT_EQ(engine.stats.ListText(pos1, true), "{ num } Число в 1 позиции тиража [ SNG ]");
    EXPECT_EQ(engine.stats.ListText(pos1, false), "{ num } Число в 1 позиции тиража");
    engine.stats.ShowGroupName = false;
    engine.stats.ShowMethodFlags = false;
    EXPECT_EQ(engine.stats.ListText(pos1, true), "Число в 1 позиции тиража");
    EXPECT_EQ(GroupText(0), "{ num } Числа тиража");
    EXPECT_EQ(GroupText(13), "#ERROR#");
    EXPECT_EQ(FeatureLetters(31), "SNDPG");
    try {
        engine.stats.CreateSelected(-1, "cbDrawsStat");
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Не выбран метод расчета статистики (cb: cbDrawsStat)!");
    }
}

TEST(Catalogue, FavouritesTextRoundTripAndNormalisation) {
    Engine engine({});
    TStatList& stats = engine.stats;
    EXPECT_EQ(stats.FavouritesText(), "");
    stats.ParseFavourites("nums,POS2,XXXX");
    EXPECT_FALSE(stats.ShowAll);
    EXPECT_EQ(stats.FavouritesText(), "NUMS,POS2");
    auto list = stats.MethodList(false);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(stats.Items[static_cast<size_t>(list[1].Entry)].Code(), "POS2");
    EXPECT_EQ(stats.MethodList(true).size(), 1u);  // only POS2 has a graph
    for (TStatMethod& entry : stats.Items)
        entry.Favourite = false;
    stats.NormalizeFavourites();
    EXPECT_TRUE(stats.ShowAll);
    EXPECT_TRUE(stats.Items[0].Favourite);
    stats.ParseFavourites("   ");
    EXPECT_TRUE(stats.ShowAll);
    stats.Ordered = true;
    auto ordered = stats.MethodList(false);
    for (size_t i = 1; i < ordered.size(); ++i)
        EXPECT_LE(ordered[i - 1].Text, ordered[i].Text);
}

TEST(Catalogue, NamesFileRoundTripKeepsOtherLanguages) {
    test::TempDir dir;
    test::WriteBytes(dir / "n.flt", "[STRINGS_ENU]\r\nNUMS=Numbers\r\n[STRINGS_RUS]\r\nOLD=stale\r\n");
    Engine engine({});
    TStatList& stats = engine.stats;
    EXPECT_FALSE(stats.LoadNames(dir / "missing.flt", true));
    EXPECT_TRUE(stats.ShowAll);
    stats.ParseFavourites("EVEN,POS3");
    stats.Ordered = true;
    stats.Items[0].CustomName = "Мои числа";
    EXPECT_FALSE(stats.SaveNames(dir / "n.flt", true, false));
    const std::string saved = test::ReadBytes(dir / "n.flt");
    EXPECT_NE(saved.find("NUMS=Numbers"), std::string::npos);
    EXPECT_EQ(saved.find("OLD=stale"), std::string::npos);  // the section is written afresh

    Engine fresh({});
    EXPECT_FALSE(fresh.stats.LoadNames(dir / "n.flt", true));
    EXPECT_EQ(fresh.stats.FavouritesText(), "EVEN,POS3");
    EXPECT_TRUE(fresh.stats.Ordered);
    EXPECT_EQ(fresh.stats.Items[0].Name(), "Мои числа");
    EXPECT_EQ(fresh.stats.Items[1].Name(), "Цифры тиража");

    // Favourites that name no entry would leave the lists empty: every method shows instead.
    test::WriteBytes(dir / "gone.flt", "[FILTERS]\r\nFavorites=CHN9,OLD\r\n");
    EXPECT_FALSE(fresh.stats.LoadNames(dir / "gone.flt", true));
    EXPECT_TRUE(fresh.stats.ShowAll);
    Engine untouched({});
    EXPECT_EQ(fresh.stats.MethodList(false).size(), untouched.stats.MethodList(false).size());

    std::filesystem::create_directory(dir / "dir.flt");
    auto error = fresh.stats.SaveNames(dir / "dir.flt", true, true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->rfind("Ошибка сохранения списка фильтров!\r\r", 0), 0u);
    error = fresh.stats.LoadNames(dir / "dir.flt", true);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->rfind("Ошибка загрузки списка фильтров!\r\r", 0), 0u);
}

}  // namespace
}  // namespace quorvel
