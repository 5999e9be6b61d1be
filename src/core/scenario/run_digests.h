#pragma once

#include <string>
#include <vector>

#include "core/util/digest.h"

namespace quorvel {

// What a back-test's passes are worked out from, as content digests: the scenario's lines, the
// archive, and every setting a pass reads (analysis settings, catalogue with its names and
// favourites, generation of the start list, shredding formulas, the options that change what is
// computed or logged, and the system files when the scenario plays systems). Two workspaces with
// the same digests work out the same passes.
struct RunDigests {
    Sha256Digest Scenario{};
    Sha256Digest Draws{};
    Sha256Digest Settings{};
    bool operator==(const RunDigests&) const = default;
};

Sha256Digest DigestScenario(const std::vector<std::string>& lines);

}  // namespace quorvel
