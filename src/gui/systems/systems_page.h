#pragma once

#include <QWidget>
#include <optional>

#include "gui/systems/systems_model.h"

class QSortFilterProxyModel;
class QTableView;
class QToolBar;

namespace quorvel::gui {

// The "Системы" tab: the local systems with a bar of the tab's actions above them.
class SystemsPage : public QWidget {
    Q_OBJECT

public:
    SystemsPage(const Workspace& workspace, QWidget* parent = nullptr);

    QTableView* List() const { return list_; }
    QToolBar* Bar() const { return bar_; }
    QToolBar* StakeBar() const { return stakeBar_; }
    SystemsModel* Model() const { return model_; }
    // Follows the workspace's list, keeping the sort order.
    void Refresh();
    // The system of the current row, or nothing.
    std::optional<TSystemInfo> SelectedSystem() const;
    // Selects the row showing the system stored in that file, when there is one.
    void SelectFile(const std::filesystem::path& file);

signals:
    void SelectionChanged();
    void RowActivated();

private:
    const Workspace& workspace_;
    SystemsModel* model_;
    QSortFilterProxyModel* sorted_;
    QToolBar* bar_;
    QToolBar* stakeBar_;
    QTableView* list_;
};

}  // namespace quorvel::gui
