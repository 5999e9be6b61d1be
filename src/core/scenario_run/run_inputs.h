#pragma once

#include "core/scenario/run_digests.h"

namespace quorvel {

class Workspace;

// The digests of what the workspace's passes are worked out from. May make the systems folder
// from the shipped systems, as playing a system would.
RunDigests DigestRunInputs(Workspace& workspace);

}  // namespace quorvel
