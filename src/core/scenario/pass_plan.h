#pragma once

#include <string>
#include <vector>

namespace quorvel {

// Whether every pass of a test continues from the combination list the pass before it left:
// the first line that runs starts from the current list ("CURR"). Such passes can only be
// worked out one after another.
bool PassesRunInOrder(const std::vector<std::string>& lines);

// The offsets of one block of a test's passes: from First down to Last (First >= Last).
struct PassRange {
    int First = 0;
    int Last = 0;
    int Count() const { return First - Last + 1; }
    bool operator==(const PassRange&) const = default;
};

// The shard-th (1-based) of shards contiguous blocks of the offsets tests..1, in order; the
// first blocks take one pass more when they do not divide evenly. Precondition:
// 1 <= shard <= shards <= tests.
PassRange ShardRange(int tests, int shard, int shards);

}  // namespace quorvel
