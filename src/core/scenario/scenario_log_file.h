#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/scenario/scenario_log.h"

namespace quorvel {

// The scenario log of one run: "ScriptLog_<start time>.txt" in the program directory. Each line
// gets the local time in front and is appended by opening, writing and closing the file, so
// whatever was logged before a crash is on disk. A line that cannot be written is reported
// through the error callback and the run goes on.
class ScenarioLogFile : public ScenarioLogSink {
public:
    using ErrorCallback = std::function<void(const std::string& message)>;

    ScenarioLogFile(const std::filesystem::path& directory, ErrorCallback onError);
    const std::filesystem::path& Path() const { return path_; }
    void WriteLine(const std::string& line) override;

private:
    std::filesystem::path path_;
    ErrorCallback onError_;
};

// The log lines carry this in front: "[2026-12-09 08:52:57]: ".
std::string ScenarioLogTimePrefix();
// Every scenario log of the directory.
std::vector<std::filesystem::path> FindScenarioLogs(const std::filesystem::path& directory);

}  // namespace quorvel
