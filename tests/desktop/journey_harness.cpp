#include "journey_harness.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <thread>

#include "core/app/data_dir.h"
#include "core/app/ui_state.h"
#include "core/util/languages.h"
#include "gui/app/language_loader.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_ui_host.h"

namespace quorvel::journeys {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        Pause(pollMs);
    }
}

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

QString RectText(const QRect& rect) {
    return QString("%1×%2 from (%3, %4) to (%5, %6)")
        .arg(rect.width())
        .arg(rect.height())
        .arg(rect.left())
        .arg(rect.top())
        .arg(rect.right())
        .arg(rect.bottom());
}

namespace {

// A tool of the X session; its output, or nothing when it could not run or failed.
std::optional<QString> Tool(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "journeys: %s %s failed: %s\n", qPrintable(program), qPrintable(args.join(' ')),
                     qPrintable(QString::fromLocal8Bit(process.readAll()).trimmed()));
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAll());
}

void Xdotool(const QStringList& args) {
    if (!Tool("xdotool", args)) throw JourneyAbort("xdotool " + args.join(' ').toStdString() + " failed");
    // X delivers the events on its own time: give the program a moment to read them.
    Pause(120);
}

QString Hex(unsigned long window) {
    return "0x" + QString::number(window, 16);
}

std::optional<int> Field(const QString& text, const QString& name) {
    const QRegularExpression pattern(QRegularExpression::escape(name) + R"(:\s*(-?\d+))");
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toInt();
}

}  // namespace

namespace x {

void Key(const QString& keys) {
    Xdotool(QStringList{"key", "--clearmodifiers", "--delay", "60"} + keys.split(' ', Qt::SkipEmptyParts));
}

void Type(const QString& text) {
    Xdotool({"type", "--clearmodifiers", "--delay", "60", "--", text});
}

void Click(QPoint global) {
    Xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
    Xdotool({"click", "1"});
}

void ParkMouse(QPoint global) {
    Xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
}

std::optional<QRect> FrameOf(unsigned long window) {
    // The window manager reparents the window into its frame; the frame is the ancestor whose
    // parent is the root.
    unsigned long current = window;
    for (int depth = 0; depth < 8; ++depth) {
        const std::optional<QString> tree = Tool("xwininfo", {"-tree", "-id", Hex(current)});
        if (!tree) return std::nullopt;
        const QRegularExpressionMatch parent =
            QRegularExpression(R"(Parent window id:\s*(0x[0-9a-fA-F]+)(.*))").match(*tree);
        if (!parent.hasMatch()) return std::nullopt;
        if (parent.captured(2).contains("the root window")) break;
        current = parent.captured(1).toULong(nullptr, 16);
    }
    if (current == window) return std::nullopt;
    const std::optional<QString> info = Tool("xwininfo", {"-id", Hex(current)});
    if (!info) return std::nullopt;
    const auto left = Field(*info, "Absolute upper-left X");
    const auto top = Field(*info, "Absolute upper-left Y");
    const auto width = Field(*info, "Width");
    const auto height = Field(*info, "Height");
    if (!left || !top || !width || !height) return std::nullopt;
    return QRect(*left, *top, *width, *height);
}

QRect WorkArea() {
    if (const auto area = Tool("xprop", {"-root", "-notype", "_NET_WORKAREA"})) {
        const QRegularExpressionMatch match =
            QRegularExpression(R"(=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+))").match(*area);
        if (match.hasMatch())
            return QRect(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                         match.captured(4).toInt());
    }
    const std::optional<QString> root = Tool("xwininfo", {"-root"});
    if (!root) throw JourneyAbort("the X server does not describe its root window");
    return QRect(0, 0, Field(*root, "Width").value_or(0), Field(*root, "Height").value_or(0));
}

}  // namespace x

Journey::Journey(QString name, const std::filesystem::path& outDir)
    : name_(std::move(name)), dir_(outDir / name_.toStdString()), dataDir_(dir_ / "data") {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dataDir_);
    std::fprintf(stderr, "\n== %s\n", qPrintable(name_));
}

bool Journey::Expect(bool ok, const QString& failure) {
    ++checks_;
    if (!ok) {
        ++failures_;
        std::fprintf(stderr, "  FAIL %s: %s\n", qPrintable(name_), qPrintable(failure));
    }
    return ok;
}

void Journey::Require(bool ok, const QString& failure) {
    if (!Expect(ok, failure)) throw JourneyAbort("cannot go on");
}

void Journey::Note(const QString& text) const {
    std::fprintf(stderr, "  %s\n", qPrintable(text));
}

void Journey::Shot(const QString& step) {
    const QString file = QString::fromStdString(
        (dir_ / QString("%1_%2.png").arg(++shots_, 2, 10, QChar('0')).arg(step).toStdString()).string());
    const bool saved = OnGui([&] {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen != nullptr && screen->grabWindow(0).save(file);
    });
    if (!saved) std::fprintf(stderr, "  (could not write %s)\n", qPrintable(file));
}

CliRun RunCli(const std::filesystem::path& dataDir, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QUORVEL_CLI_PATH,
                  QStringList{"--data-dir", QString::fromStdString(dataDir.string())} + args);
    CliRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.Code = process.exitCode();
    run.Output = QString::fromUtf8(process.readAll());
    return run;
}

QString ModalFacts::Describe() const {
    return QString("%1 \"%2\": %3").arg(Class, Title, QString(Text).replace('\n', ' '));
}

std::optional<ModalFacts> ModalNow() {
    return OnGui([]() -> std::optional<ModalFacts> {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return std::nullopt;
        ModalFacts facts{modal, modal->metaObject()->className(), modal->windowTitle(), {}};
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            facts.Text = box->text();
        else if (auto* input = qobject_cast<QInputDialog*>(modal))
            facts.Text = input->labelText();
        return facts;
    });
}

std::optional<ModalFacts> WaitForModal(int timeoutMs, const char* className) {
    std::optional<ModalFacts> found;
    WaitUntil(
        [&] {
            found = ModalNow();
            return found && (className == nullptr || found->Class == className);
        },
        timeoutMs);
    if (!found || (className != nullptr && found->Class != className)) return std::nullopt;
    // Keys go where X has the focus: wait until the window manager has handed it to the new window.
    WaitUntil([&] { return OnGui([&] { return found->Widget && found->Widget->isActiveWindow(); }); }, 3000);
    Pause(100);
    return found;
}

bool WaitForNoModal(int timeoutMs) {
    return WaitUntil([] { return !ModalNow(); }, timeoutMs);
}

std::optional<QPoint> CentreOnScreen(const QWidget* widget, std::optional<QRect> local) {
    if (widget == nullptr || !widget->isVisible()) return std::nullopt;
    const QRect area = local.value_or(widget->rect());
    if (area.isEmpty()) return std::nullopt;
    return widget->mapToGlobal(area.center());
}

struct Program::Started {
    std::unique_ptr<gui::QtUiHost> startupHost;
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<QTranslator> qtTranslator;
    std::unique_ptr<gui::MainWindow> window;
    bool initialised = false;
    bool initialisedOk = false;
};

Program::Program(Journey& journey, const std::filesystem::path& dataDir)
    : journey_(journey), started_(std::make_unique<Started>()) {
    Started& s = *started_;
    windowId_ = OnGui([&] {
        // As main() does: the language the data directory starts with (the stored pick, else the
        // system locale's), then the window, shown, and its initialisation once the event loop runs.
        const DataDirectory dir(dataDir);
        s.startupHost = std::make_unique<gui::QtUiHost>(nullptr);
        const int language = StartingLanguage(dir.UiStatePath(), DataDirectory::ExecutableDirectory());
        s.translator = gui::InstallLanguage(DataDirectory::ExecutableDirectory(), language, *s.startupHost);
        s.qtTranslator = gui::InstallQtTranslation(s.translator ? language : BuiltInLanguage);
        s.window = std::make_unique<gui::MainWindow>(dir, std::vector<std::string>{});
        s.window->show();
        QTimer::singleShot(gui::MainWindow::InitialisationDelayMs, s.window.get(), [&s] {
            s.initialisedOk = s.window->Initialise();
            s.initialised = true;
        });
        return static_cast<unsigned long>(s.window->winId());
    });
    const bool initialised = WaitUntil([&] { return OnGui([&] { return s.initialised; }); }, 20000);
    if (!initialised) {
        const auto modal = ModalNow();
        journey_.Require(false, "the program did not finish starting" +
                                    (modal ? "; a window asks: " + modal->Describe() : QString()));
    }
    journey_.Require(s.initialisedOk, "the program refused to start on its data directory");
    // The window manager has taken the window and given it the keyboard.
    const bool active = WaitUntil(
        [&] {
            return OnGui([&] { return s.window->isActiveWindow(); }) && x::FrameOf(windowId_).has_value();
        },
        10000);
    journey_.Require(active, "the window did not get the keyboard focus from the window manager");
    Pause(300);
}

Program::~Program() {
    try {
        CloseByForce();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "journeys: closing the program failed: %s\n", e.what());
    }
}

void Program::CloseByForce() {
    if (!started_ || !OnGui([&] { return started_->window != nullptr; })) return;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const bool closedOne = OnGui([] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
                return true;
            }
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return false;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return true;
        });
        if (!closedOne) break;
        Pause(150);
    }
    OnGui([&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != started_->window.get() && widget->isVisible()) widget->close();
        }
        started_->window.reset();
        started_->qtTranslator.reset();
        started_->translator.reset();
    });
}

gui::MainWindow& Program::Window() const {
    return *started_->window;
}

bool Program::Running() const {
    return OnGui([&] { return started_->window != nullptr && started_->window->isVisible(); });
}

QRect Program::Frame() const {
    const std::optional<QRect> frame = x::FrameOf(windowId_);
    journey_.Require(frame.has_value(), "the window manager shows no frame around the window");
    return *frame;
}

void Program::ExpectInsideScreen(const QString& when) {
    const QRect frame = Frame();
    const QRect area = x::WorkArea();
    journey_.Expect(area.contains(frame),
                    QString("%1: the window's frame, %2, does not fit the screen's free area, %3")
                        .arg(when, RectText(frame), RectText(area)));
}

void Program::QuitByKey() {
    x::Key("alt+F4");
    const bool gone = WaitUntil([&] { return !Running(); }, 10000);
    const auto modal = ModalNow();
    journey_.Require(gone, "Alt+F4 did not close the window" +
                               (modal ? "; a window asks: " + modal->Describe() : QString()));
    const QStringList stillShown = OnGui([] {
        QStringList titles;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                titles << QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->windowTitle());
        }
        return titles;
    });
    journey_.Expect(stillShown.isEmpty(),
                    "after the main window closed, windows stayed on the screen: " + stillShown.join(", "));
    // The program's main() returns now: the window goes and the workspace shuts down.
    CloseByForce();
}

void Program::ChooseMenuEntry(const QString& action) {
    const auto bar = OnGui([&]() -> std::optional<QPoint> {
        QAction* entry = Window().Actions().Find(action);
        if (entry == nullptr) return std::nullopt;
        for (QAction* top : Window().menuBar()->actions()) {
            if (top->menu() != nullptr && top->menu()->actions().contains(entry))
                return CentreOnScreen(Window().menuBar(), Window().menuBar()->actionGeometry(top));
        }
        return std::nullopt;
    });
    journey_.Require(bar.has_value(), "no menu of the menu bar holds the entry " + action);
    x::Click(*bar);
    std::optional<QPoint> item;
    WaitUntil(
        [&] {
            item = OnGui([&]() -> std::optional<QPoint> {
                QAction* entry = Window().Actions().Find(action);
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (menu == nullptr || !menu->actions().contains(entry)) return std::nullopt;
                return CentreOnScreen(menu, menu->actionGeometry(entry));
            });
            return item.has_value();
        },
        5000);
    journey_.Require(item.has_value(), "the menu holding " + action + " did not open on a click");
    Pause(150);
    x::Click(*item);
}

bool Program::ClickTab(QTabWidget* (*tabs)(gui::MainWindow&), int index) {
    const auto point = OnGui([&]() -> std::optional<QPoint> {
        QTabBar* bar = tabs(Window())->tabBar();
        const QRect rect = bar->tabRect(index);
        if (!bar->rect().contains(rect.center())) return std::nullopt;
        return CentreOnScreen(bar, rect);
    });
    if (!point || !x::WorkArea().contains(*point)) return false;
    x::Click(*point);
    return WaitUntil([&] { return OnGui([&] { return tabs(Window())->currentIndex() == index; }); }, 3000);
}

bool Program::ClickWidget(const std::function<QWidget*()>& find) {
    const auto point = OnGui([&] { return CentreOnScreen(find()); });
    // A person cannot click what lies off the screen.
    if (!point || !x::WorkArea().contains(*point)) return false;
    x::Click(*point);
    return true;
}

void Program::ParkMouse() {
    const QRect frame = Frame();
    const QPoint client = OnGui([&] { return Window().geometry().topLeft(); });
    // Halfway down the title bar: the window manager's, not the program's.
    x::ParkMouse(QPoint(frame.center().x(), (frame.top() + client.y()) / 2));
}

}  // namespace quorvel::journeys
