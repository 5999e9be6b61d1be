#include <QApplication>
#include <QThread>
#include <QTimer>
#include <iostream>

#include "core/app/processes.h"
#include "core/app/switches.h"
#include "core/util/languages.h"
#include "core/util/version.h"
#include "gui/app/language_loader.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_ui_host.h"
#include "language/message_text.h"
#include "language/translation.h"

namespace {

// After "restart" the previous copy may still be closing: wait for it up to about a minute,
// keeping the interface alive.
bool WaitForPreviousCopy() {
    const std::string exe = QApplication::applicationFilePath().section('/', -1).toStdString();
    for (int check = 0; check < 601; ++check) {
        if (!quorvel::OtherProcessRunning(exe)) return true;
        QApplication::processEvents();
        QThread::msleep(100);
    }
    return false;
}

// Messages of a batch run go to the error stream in the interface language; questions are
// answered No.
class BatchHost : public quorvel::UiHost {
public:
    void ShowProgress(const std::string&) override {}
    void ShowError(const std::string& text) override { Say(text); }
    void ShowInfo(const std::string& text) override { Say(text); }
    void ShowWarning(const std::string& text, quorvel::WarningCaption) override { Say(text); }
    bool AskYesNo(const std::string&) override { return false; }
    bool AskDelete(const std::string&) override { return false; }

private:
    static void Say(const std::string& text) {
        std::cerr << quorvel::gui::UiText(quorvel::language::MessageText(text).toStdString()).toStdString()
                  << "\n";
    }
};

// The language the window would start in, for a run that shows none.
int StartingLanguageOf(const quorvel::DataDirectory& dir, const std::vector<std::string>& args) {
    return quorvel::HasSwitch(args, "no-language")
               ? quorvel::BuiltInLanguage
               : quorvel::StartingLanguage(dir.UiStatePath(), quorvel::DataDirectory::ExecutableDirectory());
}

// "loadonly", "fullrecreate" and "fullrefresh" make the program a batch tool that needs no
// display: it downloads new draws or rebuilds the full-set files and ends.
bool IsBatchRun(const std::vector<std::string>& args) {
    return quorvel::HasSwitch(args, "loadonly") || quorvel::HasSwitch(args, "fullrecreate") ||
           quorvel::HasSwitch(args, "fullrefresh");
}

int RunBatch(const quorvel::DataDirectory& dir, const std::vector<std::string>& args) {
    BatchHost host;
    quorvel::language::LoadedModule language = quorvel::language::LoadLanguageModule(
        quorvel::DataDirectory::ExecutableDirectory(), StartingLanguageOf(dir, args));
    if (!language.Error.empty()) host.ShowError(language.Error);
    quorvel::language::UseLanguageModule(language.Module.get());
    quorvel::Workspace workspace(dir, host, args, quorvel::Workspace::Mode::CommandLine);
    workspace.LoadStartupSettings();
    return workspace.Initialise() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    {
        std::vector<std::string> args(argv + 1, argv + argc);
        const quorvel::DataDirectory dir = quorvel::DataDirectory::FromArguments(args);
        if (IsBatchRun(args)) return RunBatch(dir, args);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(quorvel::ProgramName);
    std::vector<std::string> args(argv + 1, argv + argc);
    const quorvel::DataDirectory dir = quorvel::DataDirectory::FromArguments(args);
    if (quorvel::HasSwitch(args, "restart") && !WaitForPreviousCopy()) return 0;

    quorvel::gui::QtUiHost startupHost(nullptr);
    const int language = StartingLanguageOf(dir, args);
    auto translator =
        quorvel::gui::InstallLanguage(quorvel::DataDirectory::ExecutableDirectory(), language, startupHost);
    auto qtTranslator = quorvel::gui::InstallQtTranslation(translator ? language : quorvel::BuiltInLanguage);

    quorvel::gui::MainWindow window(dir, args);
    window.show();
    QTimer::singleShot(quorvel::gui::MainWindow::InitialisationDelayMs, &window, [&window] {
        if (!window.Initialise()) QApplication::exit(1);
    });
    return app.exec();
}
