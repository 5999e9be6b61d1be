#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/stakes/rating.h"
#include "core/stakes/stakes_file.h"

namespace quorvel {

// Series colours as 0xRRGGBB; 0 leaves the chart's own colour.
constexpr uint32_t ChartGreen = 0x008000;
constexpr uint32_t ChartBlue = 0x0000FF;
constexpr uint32_t ChartRed = 0xFF0000;
constexpr uint32_t ChartGrey = 0x808080;

struct TChartSeries {
    std::string Title;
    uint32_t Color = 0;
    std::vector<std::pair<double, double>> Points;  // x, y
};

// What the chart window shows: its title and its series in the order they first get a point.
struct TChartData {
    std::string Title;
    std::vector<TChartSeries> Series;
    // The series of that title (compared without regard to case), made when missing.
    TChartSeries& SeriesNamed(const std::string& title, uint32_t color = 0);
};

// The message of every stakes and rating graph that has nothing to show.
extern const char* const GraphNeedsDrawsMessage;

// The summed profit of the checked stakes per draw, the draws in the order they first occur,
// with the average over the draws and the running total. Throws Error when no stake is checked.
TChartData StakesProfitGraph(StakesFile& file);

// The matches (or the profit) of every checked stake with one of the comments, over the last
// 100 draws of the file that have checked stakes. Throws Error when no comment is given or fewer
// than two draws are found.
TChartData RatingStakesGraph(StakesFile& file, const std::vector<std::string>& comments, bool profit);

// The match counts of the rows against the counts a random choice would give.
TChartData RatingsMatchGraph(const std::vector<TRatingRow>& rows);

}  // namespace quorvel
