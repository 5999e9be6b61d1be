#include "cli/console_host.h"
#include "cli/cli_language.h"

#include <istream>
#include <ostream>
#include <string>

namespace quorvel::cli {

std::string ConsoleText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void ConsoleHost::ShowError(const std::string& text) {
    errorShown_ = true;
    err_ << ConsoleText(MessageText(text)) << "\n";
}

void ConsoleHost::ShowInfo(const std::string& text) {
    out_ << ConsoleText(MessageText(text)) << "\n";
}

void ConsoleHost::ShowWarning(const std::string& text, WarningCaption) {
    err_ << ConsoleText(MessageText(text)) << "\n";
}

bool ConsoleHost::Ask(const std::string& text) {
    if (answer_ != Answer::Ask) return answer_ == Answer::Yes;
    err_ << ConsoleText(MessageText(text)) << " " << Text("[да/нет]:") << " " << std::flush;
    std::string reply;
    if (!std::getline(in_, reply)) return false;
    return reply == "y" || reply == "Y" || reply == "yes" || reply == "д" || reply == "Д" || reply == "да";
}

}  // namespace quorvel::cli
