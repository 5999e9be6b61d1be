#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/scenario/pass_effects.h"
#include "core/scenario/pass_plan.h"
#include "core/scenario/run_digests.h"

namespace quorvel {

// A shard file holds the recorded passes of one shard of a back-test, so that another process
// (on this machine or another one) can work them out and a merge can do their effects later.
constexpr int ShardFileVersion = 1;

// What the part was worked out from and which passes it holds.
struct ShardHeader {
    int Version = ShardFileVersion;
    std::vector<std::string> ScenarioLines;
    RunDigests Digests;
    int Tests = 0;
    uint32_t Seed = 0;
    bool LogOn = false;
    int Shard = 1;
    int Shards = 1;
    PassRange Range;
    bool operator==(const ShardHeader&) const = default;
};

// Writes a part as its passes come: into a temporary file beside the path, which takes the
// path's place when finished; a writer dropped unfinished leaves nothing behind. The file ends
// with a SHA-256 digest of everything before it. Failures throw Error with the system's reason.
class ShardWriter {
public:
    ShardWriter(std::filesystem::path path, const ShardHeader& header);
    ~ShardWriter();
    ShardWriter(const ShardWriter&) = delete;
    ShardWriter& operator=(const ShardWriter&) = delete;

    void Add(const RecordedPass& pass);
    void Finish();

private:
    void Put(std::string bytes);
    void FlushBuffer();
    void Fail(int error);

    std::filesystem::path path_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    std::string buffer_;
    Sha256 sha_;
    int passes_ = 0;
};

// A part as read back: its passes are the range's, from its first offset on, all of them or up
// to a pass that stopped the test. Digest is the part's own, the one that closes the file.
struct ShardFile {
    ShardHeader Header;
    std::vector<RecordedPass> Passes;
    bool Stopped = false;
    Sha256Digest Digest{};
};

// Reads and checks a whole part; a file that is not one, is damaged or altered, or holds passes
// other than its range's throws Error saying so.
ShardFile ReadShardFile(const std::filesystem::path& path);

// What checking a whole part found, as ReadShardFile checks it, without keeping its passes.
struct ShardCheck {
    ShardHeader Header;
    int Passes = 0;
    bool Stopped = false;
    Sha256Digest Digest{};
};
ShardCheck CheckShardFile(const std::filesystem::path& path);

}  // namespace quorvel
