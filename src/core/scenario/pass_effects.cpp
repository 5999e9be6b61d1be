#include "core/scenario/pass_effects.h"

namespace quorvel {

PassEvent& PassRecorder::Add(PassEvent::Kind kind, std::string text) {
    PassEvent& event = Events.emplace_back();
    event.What = kind;
    event.Text = std::move(text);
    return event;
}

void PassRecorder::Log(const std::string& line) {
    Add(PassEvent::Kind::Log, line);
}

void PassRecorder::Stake(const TStakeRecord& stake, bool newOnly, bool bulk) {
    PassEvent& event = Add(PassEvent::Kind::Stake);
    event.Record = stake;
    event.NewOnly = newOnly;
    event.Bulk = bulk;
}

void PassRecorder::StakesAdded() {
    Add(PassEvent::Kind::StakesAdded);
}

void PassRecorder::CheckStakes() {
    Add(PassEvent::Kind::Check);
}

void PassRecorder::ClearStakes() {
    Add(PassEvent::Kind::Clear);
}

void PassRecorder::Error(const std::string& text) {
    Add(PassEvent::Kind::Error, text);
}

void PassRecorder::Warning(const std::string& text, WarningCaption caption) {
    Add(PassEvent::Kind::Warning, text).Caption = caption;
}

void PassRecorder::Stop() {
    Add(PassEvent::Kind::Stop);
    if (onStop_) onStop_();
}

void ReplayPassEvents(const std::vector<PassEvent>& events, PassEffects& effects) {
    for (const PassEvent& event : events) {
        switch (event.What) {
            case PassEvent::Kind::Log:
                effects.Log(event.Text);
                break;
            case PassEvent::Kind::Stake:
                effects.Stake(event.Record, event.NewOnly, event.Bulk);
                break;
            case PassEvent::Kind::StakesAdded:
                effects.StakesAdded();
                break;
            case PassEvent::Kind::Check:
                effects.CheckStakes();
                break;
            case PassEvent::Kind::Clear:
                effects.ClearStakes();
                break;
            case PassEvent::Kind::Error:
                effects.Error(event.Text);
                break;
            case PassEvent::Kind::Warning:
                effects.Warning(event.Text, event.Caption);
                break;
            case PassEvent::Kind::Stop:
                effects.Stop();
                break;
        }
    }
}

}  // namespace quorvel
