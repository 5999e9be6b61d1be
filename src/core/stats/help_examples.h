#pragma once

#include <string>
#include <vector>

#include "core/model/game.h"
#include "core/stats/stat_list.h"

namespace quorvel {

// The archive every help page computes its example on: a fixed run of draws, oldest first,
// the same in every build so that the pages do not change between builds.
const TDrawsArray& HelpExampleDraws();

// A value of a method as a row of its statistics table.
struct HelpValueRow {
    std::string Text;
    int Count = 0;
};

// What a method gives on the example archive, computed by the method itself.
struct HelpMethodExample {
    std::vector<HelpValueRow> Rows;         // the statistics table of the whole example archive
    std::vector<std::string> NewestValues;  // the values the newest draw carries
    std::vector<std::string> ListedValues;  // the values the table always shows, even with count 0
    std::string SelectedText;               // the row the filter example selects; empty: none
    int Kept = 0;                           // combinations left by "Оставить выделенные"
    int LeftAfterRemove = 0;                // combinations left by "Удалить выделенные"
};

// The example of one catalogue entry; the catalogue reads the example archive.
HelpMethodExample ComputeHelpExample(const TStatList& stats, const TStatMethod& entry);

// How many of the 1000 combinations carry each value, in key order; empty for a method
// without a full-set evaluation.
std::vector<HelpValueRow> HelpFullSetValues(const TStatList& stats, const TStatMethod& entry);

}  // namespace quorvel
