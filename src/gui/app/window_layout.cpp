#include "gui/app/window_layout.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace quorvel::gui {

namespace {

std::string Key(const QString& prefix, const QString& name) {
    return (prefix.isEmpty() ? name : prefix + "." + name).toStdString();
}

QString ScreenSuffix(const QWidget* window) {
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const QSize size = screen->size();
    return QString("_%1x%2").arg(size.width()).arg(size.height());
}

bool ParseRect(const std::string& text, QRect& rect) {
    const QStringList parts = QString::fromStdString(text).split(',');
    if (parts.size() != 4) return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return false;
    }
    rect = QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
    return rect.width() >= 100 && rect.height() >= 100;
}

std::string RectText(const QRect& r) {
    return QString("%1,%2,%3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right() + 1)
        .arg(r.bottom() + 1)
        .toStdString();
}

}  // namespace

void FitIntoScreen(QWidget* window) {
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    // Before the window shows, the window manager's frame is not known: its size keeps room for a
    // usual one, and where it goes is left as stored unless it lies outside the screen.
    const bool framed = window->isVisible();
    const QMargins frame = framed ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                             outer.right() - inner.right(), outer.bottom() - inner.bottom())
                                  : QMargins(4, 32, 4, 8);
    const QRect free = available.marginsRemoved(frame);
    const QRect place = framed ? free : available;
    QRect rect = inner;
    rect.setSize(rect.size().boundedTo(free.size()).expandedTo(window->minimumSize()));
    rect.moveLeft(
        std::clamp(rect.left(), place.left(), std::max(place.left(), place.right() - rect.width() + 1)));
    rect.moveTop(
        std::clamp(rect.top(), place.top(), std::max(place.top(), place.bottom() - rect.height() + 1)));
    if (rect != inner) window->setGeometry(rect);
}

void RestorePlacement(QWidget* window, const UiStateFile& state, const QString& prefix) {
    QRect rect;
    const std::string screenSpecific = state.ReadUiString(Key(prefix, "NormPos" + ScreenSuffix(window)), "");
    if (ParseRect(screenSpecific, rect) || ParseRect(state.ReadUiString(Key(prefix, "NormPos"), ""), rect)) {
        window->setGeometry(rect);
    }
    FitIntoScreen(window);
    if (state.ReadUiInt(Key(prefix, "ShowCmd"), 1) == 3) window->setWindowState(Qt::WindowMaximized);
}

void AppendPlacement(const QWidget* window, UiValues& values, const QString& prefix) {
    const QRect normal = window->isMaximized() ? window->normalGeometry() : window->geometry();
    values.emplace_back(Key(prefix, "Flags"), "0");
    values.emplace_back(Key(prefix, "ShowCmd"), window->isMaximized() ? "3" : "1");
    values.emplace_back(Key(prefix, "PixelsPerInch"), std::to_string(window->logicalDpiY()));
    values.emplace_back(Key(prefix, "MinMaxPos"), "-1,-1,-1,-1");
    values.emplace_back(Key(prefix, "NormPos"), RectText(normal));
    values.emplace_back(Key(prefix, "MinMaxPos" + ScreenSuffix(window)), "-1,-1,-1,-1");
    values.emplace_back(Key(prefix, "NormPos" + ScreenSuffix(window)), RectText(normal));
}

void RestoreColumnWidths(QHeaderView* header, const QString& listName, const UiStateFile& state) {
    for (int column = 0; column < header->count(); ++column) {
        // A stretched last column takes the room left; a stored width would only be its floor.
        if (header->stretchLastSection() && column == header->count() - 1) continue;
        const int width = state.ReadUiInt(QString("%1.Column%2").arg(listName).arg(column).toStdString(), -1);
        if (width >= 0) header->resizeSection(column, width);
    }
}

void AppendColumnWidths(const QHeaderView* header, const QString& listName, UiValues& values) {
    for (int column = 0; column < header->count(); ++column) {
        values.emplace_back(QString("%1.Column%2").arg(listName).arg(column).toStdString(),
                            std::to_string(header->sectionSize(column)));
    }
}

}  // namespace quorvel::gui
