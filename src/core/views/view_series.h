#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

// One point of a view's chart; the label is what the point's mark shows.
struct TViewPoint {
    double X = 0;
    double Y = 0;
    std::string Label;
};

// A chart series as the views describe it; the window turns it into a toolkit series.
// Colours are 0xRRGGBB.
struct TViewSeries {
    std::string Title;
    uint32_t Color = 0;
    bool Points = false;  // point markers
    bool Marks = false;   // value marks
    std::vector<TViewPoint> Data;
};

// The array indices first..last of a view window of `length` draws ending at the offset
// point; first > last when the archive is empty.
struct TViewWindow {
    int First = 0;
    int Last = -1;
    bool Empty() const { return First > Last; }
};
TViewWindow ViewWindow(int drawCount, int offset, int length);

}  // namespace quorvel
