#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/model/game.h"

class QTableWidget;
class QTreeWidget;

namespace quorvel::gui {

// "Подробная информация" on a draw (with its number and date) or on a combination: the matrix
// board with the values in their rows, and the list of properties, the methods' values last.
class DrawInfoWindow : public QDialog {
    Q_OBJECT

public:
    // A method's title and its value for the values shown.
    using MethodRows = std::vector<std::pair<std::string, int>>;

    DrawInfoWindow(const TComb& values, std::optional<TDraw> draw, int matrixCols, int channelSize,
                   const MethodRows& methodRows = {}, QWidget* parent = nullptr);

    QTableWidget* Board() const { return board_; }
    QTreeWidget* Properties() const { return properties_; }

private:
    void FillBoard(const TComb& values, int matrixCols, int channelSize);

    QTableWidget* board_;
    QTreeWidget* properties_;
};

}  // namespace quorvel::gui
