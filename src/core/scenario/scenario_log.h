#pragma once

#include <string>

namespace quorvel {

// Where the lines of a scenario's log go while the log is switched on. The run owns the log
// file and adds the time prefix; the command line prints the lines and tests keep them.
class ScenarioLogSink {
public:
    virtual ~ScenarioLogSink() = default;
    virtual void WriteLine(const std::string& line) = 0;
};

}  // namespace quorvel
