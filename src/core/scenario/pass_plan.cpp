#include "core/scenario/pass_plan.h"

#include <algorithm>

#include "core/scenario/script_line.h"
#include "core/util/text.h"

namespace quorvel {

bool PassesRunInOrder(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (TrimBlanks(line).empty()) continue;
        try {
            return StrToScriptOptions(ScriptLineOptions(line)).ListMode == ListModeCurr;
        } catch (const std::exception&) {
            // The line stops the run before any list is used.
            return false;
        }
    }
    return false;
}

PassRange ShardRange(int tests, int shard, int shards) {
    const int base = tests / shards;
    const int extra = tests % shards;
    const int before = (shard - 1) * base + std::min(shard - 1, extra);
    const int size = base + (shard <= extra ? 1 : 0);
    return {tests - before, tests - before - size + 1};
}

}  // namespace quorvel
