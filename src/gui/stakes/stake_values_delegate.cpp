#include "gui/stakes/stake_values_delegate.h"

#include <QApplication>
#include <QPainter>

#include "gui/stakes/stakes_models.h"

namespace quorvel::gui {

namespace {

const QString ValueSeparator = QStringLiteral(";");

}  // namespace

void StakeValuesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QVariant mask = index.data(StakesModel::MatchMaskRole);
    if (!mask.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStringList values = opt.text.split(ValueSeparator);
    opt.text.clear();
    QStyle* style = opt.widget != nullptr ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        opt.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    // On the selection colour blue would not read; there a match keeps only its weight.
    const QColor plainColor = opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor matchColor = selected ? plainColor : QColor(Qt::blue);
    QFont plainFont = opt.font;
    QFont matchFont = opt.font;
    matchFont.setBold(true);
    const QFontMetrics plainMetrics(plainFont);
    const QFontMetrics matchMetrics(matchFont);

    const int bits = mask.toInt();
    auto matched = [bits](qsizetype i) { return i < 31 && (bits & (1 << i)) != 0; };
    int width = plainMetrics.horizontalAdvance(ValueSeparator) * static_cast<int>(values.size() - 1);
    for (qsizetype i = 0; i < values.size(); ++i)
        width += (matched(i) ? matchMetrics : plainMetrics).horizontalAdvance(values[i]);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    int x = area.left() + std::max(0, (area.width() - width) / 2);
    painter->save();
    painter->setClipRect(area);
    for (qsizetype i = 0; i < values.size(); ++i) {
        const bool match = matched(i);
        painter->setFont(match ? matchFont : plainFont);
        painter->setPen(match ? matchColor : plainColor);
        const int advance = (match ? matchMetrics : plainMetrics).horizontalAdvance(values[i]);
        painter->drawText(QRect(x, area.top(), advance, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          values[i]);
        x += advance;
        if (i + 1 < values.size()) {
            painter->setFont(plainFont);
            painter->setPen(plainColor);
            const int separator = plainMetrics.horizontalAdvance(ValueSeparator);
            painter->drawText(QRect(x, area.top(), separator, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, ValueSeparator);
            x += separator;
        }
    }
    painter->restore();
}

}  // namespace quorvel::gui
