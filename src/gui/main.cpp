#include <QApplication>
#include <QThread>
#include <QTimer>

#include "app/language_loader.h"
#include "app/languages.h"
#include "app/main_window.h"
#include "app/processes.h"
#include "app/switches.h"
#include "app/version.h"

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(quorvel::ProgramName);
    std::vector<std::string> args(argv + 1, argv + argc);
    const quorvel::DataDirectory dir = quorvel::DataDirectory::FromArguments(args);
    if (quorvel::HasSwitch(args, "restart") && !WaitForPreviousCopy()) return 0;

    quorvel::gui::QtUiHost startupHost(nullptr);
    int language = quorvel::BuiltInLanguage;
    try {
        if (!quorvel::HasSwitch(args, "no-language")) {
            language =
                quorvel::UiStateFile(dir.UiStatePath()).ReadUiInt("Language", quorvel::BuiltInLanguage);
        }
    } catch (const std::exception&) {
        // An unreadable interface state is reported by the window; the built-in texts serve.
    }
    auto translator =
        quorvel::gui::InstallLanguage(quorvel::DataDirectory::ExecutableDirectory(), language, startupHost);

    quorvel::gui::MainWindow window(dir, args);
    window.show();
    QTimer::singleShot(quorvel::gui::MainWindow::InitialisationDelayMs, &window, [&window] {
        if (!window.Initialise()) QApplication::exit(1);
    });
    return app.exec();
}
