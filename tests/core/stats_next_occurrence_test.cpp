#include <gtest/gtest.h>

#include <filesystem>

#include "core/archive/draws_import.h"
#include "core/stats/evaluation.h"
#include "core/stats/next_occurrence.h"
#include "core/stats/stat_list.h"

using namespace quorvel;

namespace {

// What the "Факт" column read before the forward pass: one FindNext per row, each starting at
// the draw after the row's last draw.
std::vector<int> FactsRowByRow(TCustomStat& stat, const DrawArchive& archive, const TStatDrawArray& table,
                               int lastIndex, bool sorted) {
    std::vector<int> facts;
    for (const TStatDraw& entry : table) {
        const bool shown = entry.Count > 0 && entry.Depth != 0;
        const int start = archive.IndexOfNumber(entry.LastDraw) + 1;
        facts.push_back(shown ? stat.FindNext(entry, start, lastIndex, sorted) : -1);
    }
    return facts;
}

DrawArchive SampleArchive() {
    DrawArchive archive;
    ImportDrawLines(archive, ReadDrawsTextFile(std::filesystem::path(QUORVEL_SAMPLES_DIR) / "cash3.csv"));
    return archive;
}

// Compares both ways of finding the facts for every catalogue entry at the given offsets and
// window lengths; returns how many facts were found, so that a caller can see the comparison
// was not between empty answers.
int CompareEveryEntry(const DrawArchive& archive, std::initializer_list<int> offsets,
                      std::initializer_list<int> windows, bool sorted) {
    TStatList stats("unused.ini");
    stats.SetDraws(&archive.Draws());
    stats.Rebuild();
    int found = 0;
    for (const TStatMethod& entry : stats.Items) {
        for (int offset : offsets) {
            for (int window : windows) {
                auto stat = entry.CreateStat(stats);
                const int last = archive.Count() - 1 - offset;
                TStatDrawArray table;
                TStatScratch scratch;
                TLastValueArray lastValues;
                EvaluateWindow(*stat, std::max(0, last - window + 1), last, sorted, table, scratch,
                               lastValues);
                const std::vector<int> expected = FactsRowByRow(*stat, archive, table, last, sorted);
                const std::vector<int> facts = FindNextOccurrences(*stat, archive, table, last, sorted);
                EXPECT_EQ(facts, expected) << entry.Code() << " offset " << offset << " window " << window;
                for (int fact : facts)
                    found += fact >= 0;
            }
        }
    }
    return found;
}

}  // namespace

TEST(NextOccurrence, OneForwardPassAnswersAsEveryRowsOwnScanForEveryMethod) {
    const DrawArchive archive = SampleArchive();
    EXPECT_GT(CompareEveryEntry(archive, {0, 1, 37, 1000}, {250, 1000}, false), 1000);
    EXPECT_GT(CompareEveryEntry(archive, {37}, {60}, true), 100);
}

// Duplicate and missing draw numbers send some rows' scans elsewhere than after their newest
// occurrence in the window; the pass must still answer as those scans do.
TEST(NextOccurrence, DuplicateAndMissingNumbersAnswerAsTheRowScans) {
    DrawArchive sample = SampleArchive();
    TDrawsArray draws(sample.Draws().begin(), sample.Draws().begin() + 400);
    for (size_t i = 300; i < 320; ++i)
        draws[i].Number = draws[i - 10].Number;  // ten numbers twice
    draws[350].Number = 99999;                   // a gap
    DrawArchive archive;
    archive.Assign(draws);
    EXPECT_GT(CompareEveryEntry(archive, {0, 30, 90}, {120}, false), 100);
}
