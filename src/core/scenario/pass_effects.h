#pragma once

#include <string>
#include <vector>

#include "app/ui_host.h"
#include "stakes/stake_record.h"

namespace quorvel {

// What one pass of a scenario does beyond its own combination list: log lines, stakes, checks,
// messages and stops. A plain run does each at once; a worker of a parallel test records them,
// and the run replays the records pass by pass, so the stakes file, the rating and the log come
// out as a plain run leaves them.
class PassEffects {
public:
    virtual ~PassEffects() = default;
    virtual void Log(const std::string& line) = 0;
    // A stake of the list; newOnly: skipped when the stakes file already holds it for the draw;
    // bulk: one of many stakes of a variant (the stakes view follows only when it scrolls).
    virtual void Stake(const TStakeRecord& stake, bool newOnly, bool bulk) = 0;
    virtual void StakesAdded() = 0;
    virtual void CheckStakes() = 0;
    virtual void ClearStakes() = 0;
    virtual void Error(const std::string& text) = 0;
    virtual void Warning(const std::string& text, WarningCaption caption) = 0;
    virtual void Stop() = 0;
};

// One effect kept for its replay.
struct PassEvent {
    enum class Kind { Log, Stake, StakesAdded, Check, Clear, Error, Warning, Stop };
    Kind What = Kind::Log;
    std::string Text;
    TStakeRecord Record;
    bool NewOnly = false;
    bool Bulk = false;
    WarningCaption Caption = WarningCaption::Attention;
};

// Replays recorded effects in their order.
void ReplayPassEvents(const std::vector<PassEvent>& events, PassEffects& effects);

}  // namespace quorvel
