#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/scenario/shard_file.h"
#include "core/scenario_run/run_inputs.h"
#include "core/scenario_run/scenario_run.h"

namespace quorvel {

class Workspace;

// The seed of a shard run without one of its own: the same for every shard of one test, as it
// comes from the test's inputs.
uint32_t ShardSeed(const RunDigests& digests);

// Works out one shard of a test into a shard file; the workspace holds the scenario and options
// of the test. Returns the number of passes written.
int WriteTestShard(Workspace& workspace, int tests, int shard, int shards, uint32_t seed, int jobs,
                   const std::filesystem::path& file);

// The name of part K in a folder of parts, as the cluster scripts keep them: "part-K.qpart".
std::string ShardFileName(int shard);

// The numbers of the parts of a test of `shards` parts that `folder` still lacks: the parts
// whose file is missing, or is damaged, or was worked out for another test or from other inputs
// than the workspace's. Each file found and not taken is told to `refused` with the reason.
std::vector<int> PendingShards(Workspace& workspace, int tests, int shards, uint32_t seed,
                               const std::filesystem::path& folder,
                               const std::function<void(const std::string& reason)>& refused);

// The parts of one test, checked to fit together and to the workspace, in pass order. Only
// what the check found is kept: the merge reads one part at a time, so that its memory is that
// of the largest part, not of them all.
struct ShardMergePlan {
    ShardHeader Header;
    std::vector<std::filesystem::path> Files;
    std::vector<ShardCheck> Shards;
};
// Refuses (Error saying why) parts that are damaged, of another scenario, archive or settings
// than the workspace's, split differently, overlapping or leaving passes out. Sets the
// workspace's scenario and log option to the parts'; writes nothing.
ShardMergePlan PlanShardMerge(Workspace& workspace, const std::vector<std::filesystem::path>& files);
// Does the effects of the planned parts in order, as the whole test would have done them. A part
// whose file changed since it was checked stops the merge with an Error.
ScenarioRunSummary MergeShards(Workspace& workspace, const ShardMergePlan& plan,
                               std::filesystem::path* logPath = nullptr);

}  // namespace quorvel
