#pragma once

// The driver of the desktop journeys. The program runs on its own thread exactly as its main()
// runs it; the journey runs on another thread and, like a person, reaches it only through the X
// server (xdotool's key presses and clicks, xwininfo's window frames). What a person would read
// off the screen it reads from the widgets, on the program's thread (OnGui).

#include <QCoreApplication>
#include <QMetaObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>

class QWidget;
class QAction;
class QTabWidget;

namespace quorvel::gui {
class MainWindow;
}

namespace quorvel::journeys {

// Runs f on the program's thread and hands back what it returned. Queued calls are delivered
// inside modal dialogs' event loops too, so this works while a dialog waits for its answer.
template <typename F>
auto OnGui(F&& f) {
    using Result = std::invoke_result_t<F&>;
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&] { f(); }, Qt::BlockingQueuedConnection);
    } else {
        std::optional<Result> result;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&] { result.emplace(f()); }, Qt::BlockingQueuedConnection);
        return std::move(*result);
    }
}

// Polls the condition until it holds or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs = 50);
void Pause(int ms);

// A rectangle with its first and last pixel, so that a frame one pixel past the screen shows.
QString RectText(const QRect& rect);

// The keyboard, the mouse and the window manager's view of the windows, all through X.
namespace x {

// A key or a chord in xdotool's names ("Insert", "alt+F4", "ctrl+a"); modifiers still held are
// released first, so a chord means exactly what it says.
void Key(const QString& keys);
// Types the text key by key, as a person would.
void Type(const QString& text);
// A left click at a point of the screen.
void Click(QPoint global);
// Moves the mouse out of the way, so that no hover effect or status tip depends on where the
// last click happened.
void ParkMouse(QPoint global);
// The frame the window manager put around the X window (its outermost window below the root),
// or nothing when no window manager has taken the window.
std::optional<QRect> FrameOf(unsigned long window);
// The part of the screen windows may take (_NET_WORKAREA), or the whole root window.
QRect WorkArea();

}  // namespace x

// A check that failed and that the rest of the journey depends on.
struct JourneyAbort : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One journey: its checks, its screenshots and its data directory, all under
// <out>/<name>/.
class Journey {
public:
    Journey(QString name, const std::filesystem::path& outDir);

    const QString& Name() const { return name_; }
    // A fresh data directory of this journey's own, kept after the run for a look.
    const std::filesystem::path& DataDir() const { return dataDir_; }

    // A check a person makes; a failed one is reported and the journey goes on.
    bool Expect(bool ok, const QString& failure);
    // A check without which the rest of the journey means nothing.
    void Require(bool ok, const QString& failure);
    void Note(const QString& text) const;
    // A picture of the whole screen, window manager's frames included, as <NN>_<step>.png.
    void Shot(const QString& step);

    int Checks() const { return checks_; }
    int Failures() const { return failures_; }

private:
    QString name_;
    std::filesystem::path dir_;
    std::filesystem::path dataDir_;
    int shots_ = 0;
    int checks_ = 0;
    int failures_ = 0;
};

// Runs the command-line program on a data directory; its exit code, with its output kept.
struct CliRun {
    int Code = -1;
    QString Output;
};
CliRun RunCli(const std::filesystem::path& dataDir, const QStringList& args);

// What a modal window shows: its class, title and text (a message box's message, a dialog's
// label).
struct ModalFacts {
    QPointer<QWidget> Widget;
    QString Class;
    QString Title;
    QString Text;
    QString Describe() const;
};
// The modal window up now, if any (read on the program's thread).
std::optional<ModalFacts> ModalNow();
// Waits for a modal window (of the class, when given) to come up.
std::optional<ModalFacts> WaitForModal(int timeoutMs, const char* className = nullptr);
bool WaitForNoModal(int timeoutMs);

// The centre of a widget, or of a rectangle in its coordinates, on the screen; nothing when
// the widget is gone or hidden. On the program's thread.
std::optional<QPoint> CentreOnScreen(const QWidget* widget, std::optional<QRect> local = std::nullopt);

// One start of the desktop program on a data directory, built as its main() builds it: the
// stored interface language installed, the window shown, its initialisation 100 ms later.
class Program {
public:
    Program(Journey& journey, const std::filesystem::path& dataDir);
    // A start still open at the end of a journey is closed by force (its dialogs rejected, the
    // window destroyed, which shuts the workspace down), so the next journey starts clean.
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The window; only on the program's thread.
    gui::MainWindow& Window() const;
    bool Running() const;
    unsigned long WindowId() const { return windowId_; }
    // The frame the window manager drew around the window, through X.
    QRect Frame() const;

    // The window's frame inside the screen's free area.
    void ExpectInsideScreen(const QString& when);
    // Alt+F4 through X: the window manager asks the window to close, the program ends and its
    // workspace shuts down.
    void QuitByKey();
    // A click on the menu entry of the action, menu bar first.
    void ChooseMenuEntry(const QString& action);
    // A click on a tab's caption; whether the tab became current (false when the caption is
    // off its tab bar or off the screen).
    bool ClickTab(QTabWidget* (*tabs)(gui::MainWindow&), int index);
    // A click on the middle of the widget the getter finds (on the program's thread); false when
    // it is hidden or its middle lies off the screen.
    bool ClickWidget(const std::function<QWidget*()>& find);
    // Moves the mouse onto the title bar the window manager drew, off every widget.
    void ParkMouse();

private:
    struct Started;
    void CloseByForce();

    Journey& journey_;
    std::unique_ptr<Started> started_;
    unsigned long windowId_ = 0;
};

}  // namespace quorvel::journeys
