#pragma once

#include <filesystem>
#include <vector>

#include "core/app/busy.h"
#include "core/util/ui_host.h"

namespace quorvel {

// Deletes the logs, or says there are none, and shows the report.
void DeleteLogFiles(UiHost& host, BusyState& busy, const std::vector<std::filesystem::path>& files);

}  // namespace quorvel
