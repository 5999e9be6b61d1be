#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <vector>

#include "core/app/workspace.h"

class QTableView;
class QToolBar;

namespace quorvel::gui {

// The regulars in list order, over the workspace's array.
class RegularsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RegularsModel(const Workspace& workspace, QObject* parent = nullptr);

    // Follows the workspace's list after any change.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const Workspace& workspace_;
};

// The "Регуляры" tab: the regular stakes with a bar of the tab's actions above them.
class RegularsPage : public QWidget {
    Q_OBJECT

public:
    RegularsPage(const Workspace& workspace, QWidget* parent = nullptr);

    QTableView* List() const { return list_; }
    QToolBar* Bar() const { return bar_; }
    RegularsModel* Model() const { return model_; }
    void Refresh();
    // The selected rows in list order (a row is the regular's index).
    std::vector<int> SelectedRows() const;

signals:
    void SelectionChanged();
    void RowActivated();

private:
    RegularsModel* model_;
    QToolBar* bar_;
    QTableView* list_;
};

}  // namespace quorvel::gui
