#pragma once

#include <iosfwd>

#include "core/util/ui_host.h"

namespace quorvel::cli {

enum class Answer { Ask, Yes, No };

// Messages go to the error stream (information to the output stream); questions are answered
// by --yes / --no, or asked on the input stream, where an empty input means No.
class ConsoleHost : public UiHost {
public:
    ConsoleHost(std::ostream& out, std::ostream& err, std::istream& in, Answer answer)
        : out_(out), err_(err), in_(in), answer_(answer) {}

    void ShowProgress(const std::string& text) override { (void)text; }
    void ShowError(const std::string& text) override;
    void ShowInfo(const std::string& text) override;
    void ShowWarning(const std::string& text, WarningCaption caption) override;
    bool AskYesNo(const std::string& text) override { return Ask(text); }
    bool AskDelete(const std::string& text) override { return Ask(text); }

    bool ErrorShown() const { return errorShown_; }

private:
    bool Ask(const std::string& text);

    std::ostream& out_;
    std::ostream& err_;
    std::istream& in_;
    Answer answer_;
    bool errorShown_ = false;
};

// The system's texts use CR CR as a paragraph break; a terminal wants LF.
std::string ConsoleText(const std::string& text);

}  // namespace quorvel::cli
