#pragma once

#include <string>

namespace quorvel {

enum class WarningCaption { Attention, Caution };  // "Внимание!" or "Предупреждение"

// Everything a workflow needs from a person: progress, messages and questions. The desktop
// program answers with windows, the command line with its streams and flags, tests with a
// script.
class UiHost {
public:
    virtual ~UiHost() = default;

    // Puts a progress text where the user sees it at once; an empty text clears it.
    virtual void ShowProgress(const std::string& text) = 0;
    // Called when the program enters (true) or leaves (false) the busy state.
    virtual void BusyChanged(bool busy) { (void)busy; }

    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowInfo(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text, WarningCaption caption = WarningCaption::Attention) = 0;
    // Question captioned "Подтверждение" with Yes and No.
    virtual bool AskYesNo(const std::string& text) = 0;
    // Deletion question captioned "Предупреждение", No being the default answer.
    virtual bool AskDelete(const std::string& text) = 0;
    // Yes/No question after a failure, captioned "Ошибка" (the download's retry question);
    // a host without such a box asks the plain question.
    virtual bool AskRetry(const std::string& text) { return AskYesNo(text); }
    // Polled by long runs; true when the user asked to stop.
    virtual bool StopRequested() { return false; }
};

// "Удалить выделенную запись?" for one record, the counted question for several.
std::string ConfirmDeleteText(int count);
bool ConfirmDelete(UiHost& host, int count);

// The error text of an action: its own fixed text ending in "\r\r%s" filled with the cause.
std::string ActionError(const std::string& fixedText, const std::string& cause);

}  // namespace quorvel
