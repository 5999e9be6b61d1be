#include "cli/command_help.h"

#include <array>
#include <utility>

#include "cli/cli_language.h"

namespace quorvel::cli {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 18> Examples = {{
    {"download", "quorvel download --url https://example.org/draws.csv"},
    {"import", "quorvel import draws.csv"},
    {"export", "quorvel export /tmp/draws.csv"},
    {"info", "quorvel info --offset 2"},
    {"add", "quorvel add 3330 \"1;2;3\" \"02.08.2025 12:29\""},
    {"delete", "quorvel delete 3330"},
    {"methods", "quorvel methods --list"},
    {"stats", "quorvel stats --method NUMS --window 1000 --prefetch"},
    {"fullset", "quorvel fullset --force"},
    {"combs", "quorvel combs --mode 1 --numbers 7"},
    {"filter", "quorvel filter --method NUMS --remove 5 --out no5.lcv"},
    {"scenario", "quorvel scenario test my.lsc --tests 100 --jobs 2"},
    {"step", "quorvel step \"TSD1#NUMS:10#LNO:#SF:0\""},
    {"stakes", "quorvel stakes add \"1;2;3\" --draws 3 --comment Мой"},
    {"rating", "quorvel rating significance"},
    {"regulars", "quorvel regulars add Мой --start \"1;2;3\" --step 7"},
    {"systems", "quorvel systems stake --all"},
    {"view", "quorvel view graph --method SUMS --length 50"},
}};

// A line that starts a command's entry: two blanks, then the command's word.
bool StartsEntry(std::string_view line) {
    return line.size() > 2 && line.substr(0, 2) == "  " && line[2] != ' ' && line[2] != '-';
}

}  // namespace

std::string CommandHelp(std::string_view usage, std::string_view command) {
    std::string help;
    bool inside = false;
    size_t start = 0;
    while (start < usage.size()) {
        const size_t end = usage.find('\n', start);
        const std::string_view line = usage.substr(start, end == std::string_view::npos ? end : end - start);
        if (StartsEntry(line)) {
            const std::string_view rest = line.substr(2);
            inside = rest.substr(0, command.size()) == command &&
                     (rest.size() == command.size() || rest[command.size()] == ' ');
        } else if (line.empty() || line[0] != ' ') {
            inside = false;
        }
        if (inside) help.append(line).append("\n");
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (help.empty()) return help;
    for (const auto& [name, example] : Examples) {
        if (name == command) help.append("\n").append(Text(std::string(example).c_str())).append("\n");
    }
    return help;
}

std::string UnknownOption(std::string_view commandHelp, const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        if (word.size() < 3 || word.rfind("--", 0) != 0) continue;
        bool named = false;
        for (size_t at = commandHelp.find(word); at != std::string_view::npos && !named;
             at = commandHelp.find(word, at + 1)) {
            const size_t after = at + word.size();
            const char next = after < commandHelp.size() ? commandHelp[after] : ' ';
            named = !(next >= 'a' && next <= 'z') && next != '-';
        }
        if (!named) return word;
    }
    return {};
}

std::vector<std::string> SplitOptionValues(const std::vector<std::string>& args) {
    std::vector<std::string> split;
    for (const std::string& arg : args) {
        const size_t equals = arg.find('=');
        if (arg.rfind("--", 0) == 0 && equals != std::string::npos && equals > 2) {
            split.push_back(arg.substr(0, equals));
            split.push_back(arg.substr(equals + 1));
        } else {
            split.push_back(arg);
        }
    }
    return split;
}

}  // namespace quorvel::cli
