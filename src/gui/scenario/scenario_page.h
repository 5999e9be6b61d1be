#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <vector>

#include "core/app/workspace.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QTableView;

namespace quorvel::gui {

class ElidedLabel;

// The scenario lines as rows of "Комментарии", "Опции", "Фильтр 1".."Фильтр 7"; each row is
// formatted from its line when shown.
class ScenarioModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ScenarioModel(const TScenario& scenario, const TStatList& catalogue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Follows the scenario after a change.
    void Refresh();

private:
    const TScenario& scenario_;
    const TStatList& catalogue_;
};

// The "Сценарий" tab: the scenario list and its "Строк: %d" panel, following the workspace.
class ScenarioPage : public QWidget, public ScenarioListener {
    Q_OBJECT

public:
    ScenarioPage(Workspace& workspace, QWidget* parent = nullptr);

    QTableView* List() const { return list_; }
    ScenarioModel* Model() const { return model_; }
    QLabel* CountLabel() const { return count_; }
    // The run panels: "Цикл: %d", "Строка: %d", "Ставок: %d" and the free text.
    QLabel* RunPanel(int panel) const { return runPanels_[static_cast<size_t>(panel)]; }
    // Buttons for the run's actions beside the panels, so that "Стоп" is in sight during a run.
    void AddRunButtons(const std::vector<QAction*>& actions);
    // What a panel says in full, though the last one may show it cut to its width.
    QString RunPanelText(int panel) const;
    void ShowRunStatus(int cycle, int line, int stakes, const QString& text);
    // The selected rows in ascending order.
    std::vector<int> SelectedRows() const;
    // The lowest selected row, or -1 when none.
    int FirstSelectedRow() const;
    // Makes a row the only selected one and scrolls it into view.
    void SelectOnly(int row);

    void ScenarioRefreshed() override;

signals:
    void SelectionChanged();
    void RowActivated();

private:
    Workspace& workspace_;
    ScenarioModel* model_;
    QTableView* list_;
    QLabel* count_;
    std::array<QLabel*, 4> runPanels_{};
    ElidedLabel* variant_ = nullptr;
    QHBoxLayout* panels_ = nullptr;
};

}  // namespace quorvel::gui
