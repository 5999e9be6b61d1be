#include "core/views/view_series.h"

#include <algorithm>

namespace quorvel {

TViewWindow ViewWindow(int drawCount, int offset, int length) {
    if (drawCount <= 0) return {};
    const int last = drawCount - 1 - std::clamp(offset, 0, drawCount - 1);
    // Computed in 64 bits: a length near the integer limit must not wrap.
    const int64_t first = std::max<int64_t>(0, int64_t{last} - std::max(length, 1) + 1);
    return {static_cast<int>(first), last};
}

}  // namespace quorvel
