#pragma once

#include <QAbstractTableModel>
#include <QSpinBox>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/ui_state.h"
#include "core/views/card.h"

class QTableView;

namespace quorvel::gui {

// A view grid whose row 0 and column 0 hold captions: they become the table's headers, so the
// table's cell (row, column) is the grid's cell (column + 1, row + 1). Texts and colours are
// asked of the view when painted, so long grids stay cheap.
class ViewGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using TextOf = std::function<std::string(int column, int row)>;
    using ColorOf = std::function<std::optional<uint32_t>(int column, int row)>;

    explicit ViewGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The grid's size counts its caption row and column.
    void Reset(int gridColumns, int gridRows, TextOf text, ColorOf color);
    void SetAlignment(Qt::Alignment alignment) { alignment_ = alignment; }
    // The colours changed, not the texts.
    void Repaint();
    std::string GridText(int column, int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int columns_ = 0;
    int rows_ = 0;
    TextOf text_;
    ColorOf color_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
};

// A window-length box that reports Enter.
class ViewLengthBox : public QSpinBox {
    Q_OBJECT

public:
    ViewLengthBox(const QString& name, QWidget* parent);

signals:
    void Entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The selected cells of a view table, in grid coordinates (column, row), captions left out.
std::vector<std::pair<int, int>> SelectedGridCells(const QTableView* table);

// The card's colour options as the interface options hold them.
TCardColoring CardColoringOf(const TUiOptions& options, int channelSize);

// The "Карта" tab: every draw, newest first, as marks in ten value columns.
class CardPage : public QWidget {
    Q_OBJECT

public:
    explicit CardPage(QWidget* parent = nullptr);

    void Rebuild(const TDrawsArray& draws);
    void SetColoring(const TCardColoring& coloring);
    const TCardColoring& Coloring() const { return coloring_; }
    // The draw numbers' column is as wide as the first column of the draws list.
    void SetNumberColumnWidth(int width);
    const TCardGrid& Grid() const { return grid_; }
    QTableView* Table() const { return table_; }
    // The texts of the non-empty selected value cells.
    std::vector<std::string> SelectedTexts() const;
    bool HasSelection() const;

private:
    TCardGrid grid_;
    TCardColoring coloring_;
    ViewGridModel* model_;
    QTableView* table_;
};

}  // namespace quorvel::gui
