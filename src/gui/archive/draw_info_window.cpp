#include "gui/archive/draw_info_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/colors.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

DrawInfoWindow::DrawInfoWindow(const TComb& values, std::optional<TDraw> draw, int matrixCols,
                               int channelSize, const MethodRows& methodRows, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TFormInfo");
    setWindowTitle(tr("Подробная информация"));
    const int columns = std::clamp(matrixCols, 1, 9);

    auto* columnsBox = new QSpinBox(this);
    columnsBox->setRange(1, 9);
    columnsBox->setValue(columns);
    columnsBox->setEnabled(false);
    auto* columnsRow = new QHBoxLayout;
    columnsRow->addWidget(new QLabel(tr("Количество столбцов:"), this));
    columnsRow->addWidget(columnsBox);
    columnsRow->addStretch();

    board_ = new QTableWidget(ValueCount, columns, this);
    board_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    board_->setSelectionMode(QAbstractItemView::NoSelection);
    board_->setFocusPolicy(Qt::NoFocus);
    board_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    board_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FillBoard(values, columns, channelSize);

    properties_ = new QTreeWidget(this);
    properties_->setRootIsDecorated(false);
    properties_->setHeaderLabels({tr("Свойство"), tr("Значение")});
    if (draw) {
        properties_->addTopLevelItem(
            new QTreeWidgetItem({tr("Номер тиража:"), QString::number(draw->Number)}));
        properties_->addTopLevelItem(
            new QTreeWidgetItem({tr("Дата тиража:"), QString::fromStdString(draw->DateText.Text())}));
    }
    for (const auto& [title, value] : methodRows) {
        properties_->addTopLevelItem(new QTreeWidgetItem({MethodText(title), QString::number(value)}));
    }
    // Method titles are long; the values column is short.
    properties_->resizeColumnToContents(0);
    properties_->header()->resizeSection(0, std::max(properties_->header()->sectionSize(0) + 16, 260));

    auto* left = new QVBoxLayout;
    left->addLayout(columnsRow);
    left->addWidget(board_);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(properties_, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &DrawInfoWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    resize(860, 420);
}

void DrawInfoWindow::FillBoard(const TComb& values, int matrixCols, int channelSize) {
    for (int v = 0; v < ValueCount; ++v) {
        board_->setVerticalHeaderItem(v, new QTableWidgetItem(QString::number(v)));
        for (int c = 0; c < matrixCols; ++c) {
            auto* cell = new QTableWidgetItem;
            cell->setBackground(QColor::fromRgb(ValueColor(v, channelSize)));
            cell->setTextAlignment(Qt::AlignCenter);
            board_->setItem(v, c, cell);
        }
    }
    for (int p = 0; p < PositionCount && p < matrixCols; ++p) {
        const int v = values.Values[p];
        if (IsValidValue(v)) board_->item(v, p)->setText(QString::number(v));
    }
}

}  // namespace quorvel::gui
