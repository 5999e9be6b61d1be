#pragma once

#include <QTranslator>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "core/app/data_dir.h"

namespace quorvel::cli {

// The language the command line speaks: the one asked with "--language ru|en", else the
// interface language the desktop program starts with for the data directory (StartingLanguage).
// Its module stays loaded while this lives.
class CliLanguage {
public:
    // False (with the reason on err) when the asked language is unknown or its module cannot be
    // loaded; a module missing for the directory's language is said and the built-in texts serve.
    bool Start(const std::optional<std::string>& asked, const DataDirectory& dir, std::ostream& err);
    ~CliLanguage();

private:
    std::unique_ptr<QTranslator> module_;
};

// A text of the command line itself (its usage, its messages), from the context "CommandLine".
std::string Text(const char* text);
// A message of the core, paragraph by paragraph, in the interface language.
std::string MessageText(const std::string& text);
// A text the core writes, from the module's context for such texts ("Columns", "EntryChecks").
std::string CoreText(const char* context, std::string_view text);
// A method's title, and a method as the method lists show it, as the desktop program gives them.
std::string MethodTitleText(const std::string& title);
std::string MethodListText(const std::string& listText);

// A table's header line: the column captions in the interface language, joined as the rows are.
template <typename Captions>
std::string HeaderLine(const Captions& captions, std::string_view separator = ";") {
    std::vector<std::string> shown;
    for (const auto& caption : captions)
        shown.push_back(CoreText("Columns", caption));
    return JoinCells(shown, separator);
}

}  // namespace quorvel::cli
