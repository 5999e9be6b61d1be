#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/util/ui_host.h"

namespace quorvel::test {

// Records every message and answers questions from a script (No when the script is empty).
class FakeUiHost : public UiHost {
public:
    struct Message {
        std::string Kind;  // "error", "info", "warning", "question", "delete"
        std::string Text;
    };

    void ShowProgress(const std::string& text) override { Progress.push_back(text); }
    void BusyChanged(bool busy) override { BusyChanges.push_back(busy); }
    void ShowError(const std::string& text) override { Messages.push_back({"error", text}); }
    void ShowInfo(const std::string& text) override { Messages.push_back({"info", text}); }
    void ShowWarning(const std::string& text, WarningCaption) override {
        Messages.push_back({"warning", text});
    }
    bool AskYesNo(const std::string& text) override { return Answer("question", text); }
    bool AskDelete(const std::string& text) override { return Answer("delete", text); }

    int Count(const std::string& kind) const {
        int n = 0;
        for (const Message& m : Messages)
            n += m.Kind == kind;
        return n;
    }
    std::string Last(const std::string& kind) const {
        for (auto it = Messages.rbegin(); it != Messages.rend(); ++it) {
            if (it->Kind == kind) return it->Text;
        }
        return {};
    }

    std::deque<bool> Answers;
    // Runs while a question is open, before it is answered: what a person does meanwhile.
    std::function<void()> WhileAsking;
    std::vector<Message> Messages;
    std::vector<std::string> Progress;
    std::vector<bool> BusyChanges;

private:
    bool Answer(const std::string& kind, const std::string& text) {
        Messages.push_back({kind, text});
        if (WhileAsking) WhileAsking();
        if (Answers.empty()) return false;
        bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

}  // namespace quorvel::test
