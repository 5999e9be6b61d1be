#include "cli/cli_options.h"
#include "cli/cli_language.h"

#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel::cli {

namespace {

thread_local bool usageError = false;

bool RefuseUsage() {
    usageError = true;
    return false;
}

}  // namespace

int RefuseWords() {
    RefuseUsage();
    return 1;
}

bool UsageErrorSeen() {
    return usageError;
}

void ClearUsageError() {
    usageError = false;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& flag) {
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == flag) {
            args.erase(it);
            return true;
        }
    }
    return false;
}

std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name) {
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == name) {
            std::string value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            return value;
        }
    }
    return std::nullopt;
}

bool TakeIntOption(std::vector<std::string>& args, const std::string& name, int min, int max, int& value,
                   std::ostream& err) {
    auto text = TakeOption(args, name);
    if (!text) return true;
    auto number = ParseInt32(*text);
    if (!number || *number < min || *number > max) {
        // A value out of its range is bad input rather than a misuse: the message says enough.
        err << Format(Text("Параметр %s должен быть целым числом от %d до %d"), {name, min, max}) << "\n";
        return false;
    }
    value = *number;
    return true;
}

bool NoArgsLeft(const std::vector<std::string>& args, std::ostream& err) {
    if (args.empty()) return true;
    // An option with its value left out is left over too, as an unknown word.
    err << Text("Неизвестный параметр:") << " " << args.front() << "\n";
    return RefuseUsage();
}

bool NoOptionsLeft(const std::vector<std::string>& args, std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
            err << Text("Неизвестный параметр:") << " " << arg << "\n";
            return RefuseUsage();
        }
    }
    return true;
}

}  // namespace quorvel::cli
