#pragma once

#include <string>

namespace quorvel {

// True when a process other than this one runs an executable with this file name.
bool OtherProcessRunning(const std::string& executableName);

}  // namespace quorvel
