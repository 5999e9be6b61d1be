#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "gui/widgets/column_widths.h"

namespace quorvel::test {

// One text a person sees, and the widget class and object name that show it.
struct ShownText {
    QString where;
    QString text;
};

inline bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

inline QString WhereOf(const QWidget* widget) {
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

namespace detail {

inline void AddText(std::vector<ShownText>& out, const QWidget* widget, const QString& text) {
    if (!text.trimmed().isEmpty()) out.push_back({WhereOf(widget), text});
}

inline void AddMenuTexts(std::vector<ShownText>& out, const QWidget* owner, const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
        if (!action->isVisible() || action->isSeparator()) continue;
        AddText(out, owner, action->text());
        if (action->menu() != nullptr) AddMenuTexts(out, owner, action->menu()->actions());
    }
}

inline void AddHeaderTexts(std::vector<ShownText>& out, const QHeaderView* header) {
    if (!header->isVisible() || header->model() == nullptr) return;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section)) continue;
        AddText(out, header, header->model()->headerData(section, header->orientation()).toString());
    }
}

// The cells in sight: enough to see what a table shows without reading thousands of rows.
inline void AddCellTexts(std::vector<ShownText>& out, const QAbstractItemView* view) {
    const QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    const int rows = std::min(model->rowCount(view->rootIndex()), 40);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < model->columnCount(view->rootIndex()); ++column)
            AddText(out, view, model->index(row, column, view->rootIndex()).data().toString());
    }
}

// A chart's title, its series' names and its axes' titles and captions.
inline void AddChartTexts(std::vector<ShownText>& out, const QChartView* view) {
    const QChart* chart = view->chart();
    AddText(out, view, chart->title());
    for (const QAbstractSeries* series : chart->series())
        AddText(out, view, series->name());
    for (QAbstractAxis* axis : chart->axes()) {
        AddText(out, view, axis->titleText());
        if (auto* categories = qobject_cast<QCategoryAxis*>(axis))
            for (const QString& label : categories->categoriesLabels())
                AddText(out, view, label);
        if (auto* bars = qobject_cast<QBarCategoryAxis*>(axis))
            for (const QString& label : bars->categories())
                AddText(out, view, label);
    }
}

}  // namespace detail

namespace detail {

inline void AddWidgetTexts(std::vector<ShownText>& out, QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) AddText(out, label, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) AddText(out, button, button->text());
    if (auto* box = qobject_cast<QGroupBox*>(widget)) AddText(out, box, box->title());
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        for (int tab = 0; tab < bar->count(); ++tab)
            if (bar->isTabVisible(tab)) AddText(out, bar, bar->tabText(tab));
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        for (int item = 0; item < combo->count(); ++item)
            AddText(out, combo, combo->itemText(item));
    }
    if (auto* header = qobject_cast<QHeaderView*>(widget)) AddHeaderTexts(out, header);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget);
        view != nullptr && qobject_cast<QHeaderView*>(widget) == nullptr &&
        !qobject_cast<QComboBox*>(widget->parentWidget()))
        AddCellTexts(out, view);
    if (auto* bar = qobject_cast<QMenuBar*>(widget)) AddMenuTexts(out, bar, bar->actions());
    if (auto* chart = qobject_cast<QChartView*>(widget)) AddChartTexts(out, chart);
    if (widget->contextMenuPolicy() == Qt::ActionsContextMenu) AddMenuTexts(out, widget, widget->actions());
}

}  // namespace detail

// Every text the visible part of a window shows or offers: its title, labels, buttons, group
// titles, tab captions, headers, the entries of its lists and menus, and the cells in sight.
inline std::vector<ShownText> ShownTexts(QWidget* top) {
    std::vector<ShownText> out;
    detail::AddText(out, top, top->windowTitle());
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(top) && widget != top) continue;
        detail::AddWidgetTexts(out, widget);
    }
    return out;
}

// Every text a dialog may come to show, whichever of its controls a choice shows or hides: the
// texts of all its widgets, their tool tips and the texts its fields start with.
inline std::vector<ShownText> EveryText(QWidget* top) {
    std::vector<ShownText> out;
    detail::AddText(out, top, top->windowTitle());
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* widget : widgets) {
        detail::AddWidgetTexts(out, widget);
        detail::AddText(out, widget, widget->toolTip());
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            detail::AddText(out, edit, edit->text());
            detail::AddText(out, edit, edit->placeholderText());
        }
    }
    return out;
}

namespace detail {

// The widest line of a text, in the widget's font.
inline int TextWidth(const QWidget* widget, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, widget->fontMetrics().horizontalAdvance(line));
    return widest;
}

// A column caption is cut when its section is narrower than the caption needs (its text, the
// style's margins and the section's lines), or when a table that nearly
// fits its width (a quarter more at most: one made to scroll is wider) ends a caption at its
// right edge.
inline void AddCutHeaders(std::vector<ShownText>& out, const QHeaderView* header) {
    if (!header->isVisible() || header->model() == nullptr || header->orientation() != Qt::Horizontal) return;
    const bool allWouldFit = header->length() * 4 <= header->viewport()->width() * 5;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section) || header->sectionSize(section) == 0) continue;
        const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
        const int right = header->sectionViewportPosition(section) + header->sectionSize(section);
        const bool narrow = gui::CaptionRoom(header, section) > header->sectionSize(section);
        const bool pastEdge = allWouldFit &&
                              header->sectionViewportPosition(section) < header->viewport()->width() &&
                              right > header->viewport()->width() + 1;
        if (!text.trimmed().isEmpty() && (narrow || pastEdge)) out.push_back({WhereOf(header), text});
    }
}

}  // namespace detail

// The captions of the visible part of a window that do not fit their place: column headers
// narrower than their caption, and labels, buttons and group titles narrower than their text.
inline std::vector<ShownText> CutCaptions(QWidget* top) {
    std::vector<ShownText> out;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top)) continue;
        if (auto* header = qobject_cast<QHeaderView*>(widget)) detail::AddCutHeaders(out, header);
        // A tab out of the bar's width is behind its scroll arrows.
        if (auto* bar = qobject_cast<QTabBar*>(widget)) {
            for (int tab = 0; tab < bar->count(); ++tab)
                if (bar->isTabVisible(tab) &&
                    (bar->tabRect(tab).right() >= bar->width() || bar->tabRect(tab).left() < 0))
                    out.push_back({WhereOf(bar), bar->tabText(tab)});
        }
        if (auto* label = qobject_cast<QLabel*>(widget);
            label != nullptr && !label->wordWrap() && label->pixmap().isNull() &&
            !Qt::mightBeRichText(label->text()) && label->sizeHint().width() > label->width() + 1)
            out.push_back({WhereOf(label), label->text()});
        // A push button's size hint has a floor of its own; what matters is whether its text fits.
        if (auto* button = qobject_cast<QPushButton*>(widget);
            button != nullptr &&
            detail::TextWidth(button, QString(button->text()).remove('&')) + 8 > button->width())
            out.push_back({WhereOf(button), button->text()});
        if ((qobject_cast<QCheckBox*>(widget) != nullptr || qobject_cast<QRadioButton*>(widget) != nullptr) &&
            widget->sizeHint().width() > widget->width() + 1)
            out.push_back({WhereOf(widget), qobject_cast<QAbstractButton*>(widget)->text()});
        if (auto* box = qobject_cast<QGroupBox*>(widget);
            box != nullptr && detail::TextWidth(box, box->title()) + 16 > box->width())
            out.push_back({WhereOf(box), box->title()});
    }
    return out;
}

}  // namespace quorvel::test
