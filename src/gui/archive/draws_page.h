#pragma once

#include <QWidget>
#include <vector>

#include "gui/archive/draws_model.h"

class QAction;
class QHBoxLayout;
class QSpinBox;
class QTableView;

namespace quorvel::gui {

// The "Архив тиражей" page: the offset box above the draws list.
class DrawsPage : public QWidget {
    Q_OBJECT

public:
    DrawsPage(const DrawArchive& archive, QWidget* parent = nullptr);

    QTableView* List() const { return list_; }
    QSpinBox* OffsetBox() const { return offset_; }
    DrawsModel* Model() const { return model_; }

    // A button beside the hint an empty archive shows: how to get draws.
    void AddEmptyArchiveAction(QAction* action);
    QWidget* EmptyArchiveHint() const { return empty_; }

    // Follows the archive: rows, the offset box's limits and value, the hint while it is empty.
    void Refresh(bool force);
    // Selected rows, top first.
    std::vector<int> SelectedRows() const;
    int FirstSelectedRow() const;

signals:
    void OffsetEdited(int offset);
    void RowActivated(int row);
    void SelectionChanged();

private:
    const DrawArchive& archive_;
    DrawsModel* model_;
    QTableView* list_;
    QSpinBox* offset_;
    QWidget* empty_;
    QHBoxLayout* emptyButtons_;
};

}  // namespace quorvel::gui
