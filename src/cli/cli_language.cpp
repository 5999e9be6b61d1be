#include "cli/cli_language.h"

#include <ostream>

#include "cli/console_host.h"
#include "core/app/ui_state.h"
#include "core/util/languages.h"
#include "language/message_text.h"
#include "language/method_text.h"
#include "language/translation.h"

namespace quorvel::cli {

bool CliLanguage::Start(const std::optional<std::string>& asked, const DataDirectory& dir,
                        std::ostream& err) {
    const LanguageInfo* known = asked ? FindLanguageByCode(*asked) : nullptr;
    if (asked && known == nullptr) {
        // Said in the directory's language, the one the user would otherwise have had.
        Start(std::nullopt, dir, err);
        err << Text("Неизвестный язык:") << " " << *asked << " (ru, en)\n";
        return false;
    }
    const std::filesystem::path programDir = DataDirectory::ExecutableDirectory();
    const int lcid = known != nullptr ? known->Lcid : StartingLanguage(dir.UiStatePath(), programDir);
    language::LoadedModule loaded = language::LoadLanguageModule(programDir, lcid);
    if (!loaded.Error.empty()) {
        err << ConsoleText(loaded.Error) << "\n";
        if (asked) return false;
    }
    module_ = std::move(loaded.Module);
    language::UseLanguageModule(module_.get());
    return true;
}

CliLanguage::~CliLanguage() {
    language::UseLanguageModule(nullptr);
}

std::string Text(const char* text) {
    return CoreText("CommandLine", text);
}

std::string MessageText(const std::string& text) {
    return language::MessageText(text).toStdString();
}

std::string CoreText(const char* context, std::string_view text) {
    return language::Translate(context, text).toStdString();
}

std::string MethodTitleText(const std::string& title) {
    return language::MethodTitleText(title).toStdString();
}

std::string MethodListText(const std::string& listText) {
    return language::MethodListText(listText).toStdString();
}

}  // namespace quorvel::cli
