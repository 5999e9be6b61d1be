#include "core/scenario/run_digests.h"

namespace quorvel {

Sha256Digest DigestScenario(const std::vector<std::string>& lines) {
    Sha256 sha;
    for (const std::string& line : lines)
        sha.AddField(line);
    return sha.Finish();
}

}  // namespace quorvel
