#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/scenario/scenario_log.h"
#include "core/stakes/stake_record.h"
#include "core/util/ui_host.h"

namespace quorvel {

// What one pass of a scenario does beyond its own combination list: log lines, stakes, checks,
// messages and stops. A plain run does each at once; a worker of a parallel test or a shard
// records them, and the run (or the merge of the shards) replays the records pass by pass, so
// the stakes file, the rating and the log come out as a plain run leaves them. Whatever depends
// on the stakes file (new stakes only, clearing, checking) is decided when the effect is done.
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

    bool operator==(const PassEvent&) const = default;
};

// The effects of one pass at one offset, in order, and the filter variants it ran.
struct RecordedPass {
    int Offset = 0;
    int Variants = 0;
    std::vector<PassEvent> Events;

    bool operator==(const RecordedPass&) const = default;
};

// Keeps a pass's effects, the filter steps' log lines included. A stop is also passed on to
// the one who records, so that the pass ends where a plain run would end it.
class PassRecorder : public PassEffects, public ScenarioLogSink {
public:
    explicit PassRecorder(std::function<void()> onStop) : onStop_(std::move(onStop)) {
        constexpr size_t UsualEvents = 1024;
        Events.reserve(UsualEvents);
    }

    std::vector<PassEvent> Events;

    void WriteLine(const std::string& line) override { Log(line); }
    void Log(const std::string& line) override;
    void Stake(const TStakeRecord& stake, bool newOnly, bool bulk) override;
    void StakesAdded() override;
    void CheckStakes() override;
    void ClearStakes() override;
    void Error(const std::string& text) override;
    void Warning(const std::string& text, WarningCaption caption) override;
    void Stop() override;

private:
    PassEvent& Add(PassEvent::Kind kind, std::string text = {});

    std::function<void()> onStop_;
};

// Replays recorded effects in their order.
void ReplayPassEvents(const std::vector<PassEvent>& events, PassEffects& effects);

}  // namespace quorvel
