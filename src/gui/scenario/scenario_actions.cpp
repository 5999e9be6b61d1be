#include <QFileDialog>
#include <QSpinBox>
#include <QTableView>
#include <filesystem>

#include "gui/combos/combs_page.h"
#include "gui/scenario/scenario_controller.h"
#include "gui/scenario/scenario_page.h"
#include "gui/scenario/scenario_run_controller.h"
#include "gui/scenario/script_line_dialog.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_page.h"

namespace quorvel::gui {

namespace {

const char* const ScenarioFilter =
    QT_TRANSLATE_NOOP("quorvel::gui::ScenarioController", "Файлы сценариев (*.lsc)");

std::filesystem::path PathOf(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

}  // namespace

ScenarioController::ScenarioController(Frame& frame) : AreaController(frame) {
    page_ = new ScenarioPage(*workspace_, rightTabs_);
    scenarioRun_ = new ScenarioRunController(*workspace_, this);
}

void ScenarioController::CreateActions() {
    auto* page = rightTabs_->findChild<ScenarioPage*>();
    if (page == nullptr) return;
    const TScenario& scenario = workspace_->Script().Scenario();
    // A scenario run disables the list, and with it every action on it.
    auto ready = [this, page] { return working_ && page->List()->isEnabled(); };
    auto notEmpty = [ready, &scenario] { return ready() && !scenario.Empty(); };
    auto commandLine = [ready, page, &scenario] {
        const int row = page->FirstSelectedRow();
        return ready() && row >= 0 && scenario.IsCommandLine(row);
    };
    // The line dialog; on OK the line is appended (index -1) or replaces the line at index.
    auto editLine = [this, page](const QString& title, const std::string& line, int index) {
        // The number of last draws to exclude set on the combinations tab is the default N.
        const int draws = combsPage_ != nullptr ? combsPage_->ExcludeBox()->value() : 0;
        // An empty step opens the step editor on the method and length of the statistics tab.
        const FilterStepDefaults stepDefaults{&workspace_->Stats().List(),
                                              statsPage_->Methods()->CurrentEntry(),
                                              statsPage_->WindowLength()->value()};
        ScriptLineDialog dialog(title, draws, line, stepDefaults, window_);
        if (dialog.exec() != QDialog::Accepted) return;
        if (index < 0) {
            page->SelectOnly(workspace_->Script().AppendScriptLine(dialog.Line()));
        } else {
            workspace_->Script().ReplaceScriptLine(index, dialog.Line());
            page->SelectOnly(index);
        }
    };

    actions_->Add("ScriptOpen", tr("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_J), ready, [this] {
        const QString file = QFileDialog::getOpenFileName(window_, tr("Открыть"), {}, tr(ScenarioFilter));
        if (!file.isEmpty()) workspace_->Script().OpenScriptFile(PathOf(file));
    });
    // Ctrl+J is also the key of system games, and Ctrl+O opens a combination list.
    actions_->AddReachableKey("ScriptOpen", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    actions_->Add("ScriptSave", tr("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_I), notEmpty, [this] {
        QFileDialog dialog(window_, tr("Сохранить"), {}, tr(ScenarioFilter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QString::fromLatin1(ScenarioFileExtension));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        workspace_->Script().SaveScriptFile(PathOf(dialog.selectedFiles().front()));
    });
    actions_->Add("ScriptAdd", tr("Добавить фильтры"), QKeySequence(Qt::CTRL | Qt::Key_Insert), ready,
                  [this, editLine] { editLine(tr("Создание новой строки"), std::string(), -1); });
    actions_->Add("ScriptEmpty", tr("Добавить разделитель"),
                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Insert), notEmpty,
                  [this, page] { page->SelectOnly(workspace_->Script().AppendScriptLine(std::string())); });
    actions_->Add("ScriptLoad", tr("Добавить сценарий"), {}, ready, [this] {
        const QString file =
            QFileDialog::getOpenFileName(window_, tr("Добавить сценарий"), {}, tr(ScenarioFilter));
        if (!file.isEmpty()) workspace_->Script().AppendScriptFile(PathOf(file));
    });
    actions_->Add("ScriptClone", tr("Клонировать"), QKeySequence(Qt::CTRL | Qt::Key_K), commandLine,
                  [this, page, editLine] {
                      const int row = page->FirstSelectedRow();
                      editLine(tr("Создание новой строки"), workspace_->Script().ScriptLine(row), -1);
                  });
    actions_->Add("ScriptEdit", tr("Изменить"), QKeySequence(Qt::CTRL | Qt::Key_Return), commandLine,
                  [this, page, editLine] {
                      const int row = page->FirstSelectedRow();
                      editLine(tr("Редактирование строки"), workspace_->Script().ScriptLine(row), row);
                  });
    actions_->Add(
        "ScriptDel", tr("Удалить"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        [ready, page] { return ready() && page->FirstSelectedRow() >= 0; },
        [this, page] {
            if (workspace_->Script().DeleteScriptLines(page->SelectedRows())) page->List()->clearSelection();
        });
    actions_->Add("ScriptClr", tr("Удалить все"), {}, notEmpty,
                  [this] { workspace_->Script().ClearScript(); });
    actions_->Add(
        "ScriptUp", tr("Переместить вверх"), QKeySequence(Qt::CTRL | Qt::Key_Up),
        [ready, page, &scenario] { return ready() && scenario.CanMoveUp(page->FirstSelectedRow()); },
        [this, page] {
            const int row = page->FirstSelectedRow();
            if (workspace_->Script().MoveScriptLineUp(row)) page->SelectOnly(row - 1);
        });
    actions_->Add(
        "ScriptDown", tr("Переместить вниз"), QKeySequence(Qt::CTRL | Qt::Key_Down),
        [ready, page, &scenario] { return ready() && scenario.CanMoveDown(page->FirstSelectedRow()); },
        [this, page] {
            const int row = page->FirstSelectedRow();
            if (workspace_->Script().MoveScriptLineDown(row)) page->SelectOnly(row + 1);
        });

    for (const char* name : {"ScriptOpen", "ScriptSave", "ScriptAdd", "ScriptEmpty", "ScriptLoad",
                             "ScriptClone", "ScriptEdit", "ScriptDel", "ScriptClr", "ScriptUp", "ScriptDown"})
        page->List()->addAction(actions_->Find(name));
    // Ctrl+Delete also deletes combinations and stakes: each list keeps its own.
    actions_->Find("ScriptDel")->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(page, &ScenarioPage::SelectionChanged, this, [this] {
        if (actions_ != nullptr) actions_->UpdateAll();
    });
    connect(page, &ScenarioPage::RowActivated, this, [this] { actions_->Execute("ScriptEdit"); });
}

}  // namespace quorvel::gui
