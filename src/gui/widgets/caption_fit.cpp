#include "gui/widgets/caption_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPointer>

#include "gui/widgets/column_widths.h"

namespace quorvel::gui {

namespace {

// Room a title bar keeps for the window's icon and its buttons, and a margin for themes whose
// title font is larger than the program's.
constexpr int TitleBarButtonsWidth = 140;
constexpr double TitleFontAllowance = 1.2;
constexpr const char* WatchedProperty = "quorvelCaptionsWatched";

int TitleWidth(const QWidget* window) {
    QFont font = QApplication::font();
    font.setBold(true);
    return static_cast<int>(QFontMetrics(font).horizontalAdvance(window->windowTitle()) *
                            TitleFontAllowance) +
           TitleBarButtonsWidth;
}

void FitTitle(QDialog* dialog) {
    if (!dialog->isWindow() || dialog->windowTitle().isEmpty()) return;
    const int width = TitleWidth(dialog);
    if (dialog->width() < width && dialog->maximumWidth() >= width) dialog->resize(width, dialog->height());
}

void WidenSections(QHeaderView* header) {
    if (header->model() == nullptr) return;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section) ||
            header->sectionResizeMode(section) != QHeaderView::Interactive)
            continue;
        const int needed = CaptionRoom(header, section);
        if (header->sectionSize(section) < needed) header->resizeSection(section, needed);
    }
}

// Widens now and again whenever the columns change.
void WatchHeader(QHeaderView* header) {
    WidenSections(header);
    if (header->property(WatchedProperty).toBool()) return;
    header->setProperty(WatchedProperty, true);
    const QPointer<QHeaderView> guarded(header);
    auto widen = [guarded] {
        if (guarded) WidenSections(guarded);
    };
    QObject::connect(header, &QHeaderView::sectionCountChanged, header, widen);
}

class CaptionFit : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched)) FitTitle(dialog);
            if (auto* header = qobject_cast<QHeaderView*>(watched);
                header != nullptr && header->orientation() == Qt::Horizontal)
                WatchHeader(header);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void KeepCaptionsWhole() {
    static CaptionFit* installed = nullptr;
    if (installed != nullptr || qApp == nullptr) return;
    installed = new CaptionFit(qApp);
    qApp->installEventFilter(installed);
}

}  // namespace quorvel::gui
