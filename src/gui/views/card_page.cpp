#include "gui/views/card_page.h"

#include <QColor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "gui/widgets/core_text.h"

namespace quorvel::gui {

void ViewGridModel::Reset(int gridColumns, int gridRows, TextOf text, ColorOf color) {
    beginResetModel();
    columns_ = std::max(0, gridColumns - 1);
    rows_ = std::max(0, gridRows - 1);
    text_ = std::move(text);
    color_ = std::move(color);
    endResetModel();
}

void ViewGridModel::Repaint() {
    if (rows_ > 0 && columns_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

std::string ViewGridModel::GridText(int column, int row) const {
    return text_ ? text_(column, row) : std::string();
}

int ViewGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ViewGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant ViewGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(GridText(column, row));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment_);
        case Qt::BackgroundRole:
            if (color_) {
                if (const auto color = color_(column, row)) return QColor(QRgb(*color));
            }
            return {};
        default:
            return {};
    }
}

QVariant ViewGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? ColumnText(GridText(section + 1, 0))
                                         : ColumnText(GridText(0, section + 1));
}

ViewLengthBox::ViewLengthBox(const QString& name, QWidget* parent) : QSpinBox(parent) {
    setObjectName(name);
    setRange(1, std::numeric_limits<int>::max());
}

void ViewLengthBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        interpretText();
        emit Entered();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

std::vector<std::pair<int, int>> SelectedGridCells(const QTableView* table) {
    std::vector<std::pair<int, int>> cells;
    if (table->selectionModel() == nullptr) return cells;
    QModelIndexList indexes = table->selectionModel()->selectedIndexes();
    std::sort(indexes.begin(), indexes.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    for (const QModelIndex& index : indexes)
        cells.emplace_back(index.column() + 1, index.row() + 1);
    return cells;
}

TCardColoring CardColoringOf(const TUiOptions& options, int channelSize) {
    return {options.ColorCard, options.ColorCardSequences, channelSize};
}

CardPage::CardPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsCard");
    model_ = new ViewGridModel(this);
    model_->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    table_ = new QTableView(this);
    table_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    table_->setObjectName("CardGrid");
    table_->setModel(model_);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setDefaultSectionSize(28);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(18);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
}

void CardPage::Rebuild(const TDrawsArray& draws) {
    grid_ = BuildCard(draws);
    model_->Reset(
        CardColumnCount, grid_.RowCount(), [this](int column, int row) { return grid_.At(column, row); },
        [this](int column, int row) { return CardCellColor(grid_, column, row, coloring_); });
}

void CardPage::SetColoring(const TCardColoring& coloring) {
    coloring_ = coloring;
    model_->Repaint();
}

void CardPage::SetNumberColumnWidth(int width) {
    // A fixed width also spares the header from measuring its rows, which a long archive
    // would make slow.
    table_->verticalHeader()->setFixedWidth(std::max(width, 0));
}

std::vector<std::string> CardPage::SelectedTexts() const {
    std::vector<std::string> texts;
    for (const auto& [column, row] : SelectedGridCells(table_)) {
        const std::string& text = grid_.At(column, row);
        if (!text.empty()) texts.push_back(text);
    }
    return texts;
}

bool CardPage::HasSelection() const {
    return table_->selectionModel() != nullptr && table_->selectionModel()->hasSelection();
}

}  // namespace quorvel::gui
