#pragma once

namespace quorvel {

// What a view was last built for, so that a recomputation without force only rebuilds a
// view that has gone stale. Method is -1 for views without one.
struct TViewStamp {
    int Count = -1;
    int Offset = -1;
    int Length = -1;
    int Method = -1;
    bool operator==(const TViewStamp&) const = default;
};

// True when forced or the view was built for something else; the caller then rebuilds and
// the stamp already holds the new state.
inline bool TakeRebuild(TViewStamp& last, const TViewStamp& now, bool force) {
    const bool stale = force || !(last == now);
    last = now;
    return stale;
}

// The card follows the archive only: it is stale when its row count is not count + 1. An
// empty archive keeps one empty data row, so its card is always rebuilt, which costs nothing.
inline bool CardNeedsRebuild(int gridRows, int drawCount, bool force) {
    return force || gridRows != drawCount + 1;
}

}  // namespace quorvel
