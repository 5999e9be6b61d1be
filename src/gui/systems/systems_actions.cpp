#include <QFileDialog>
#include <QTableView>
#include <QToolBar>
#include <filesystem>

#include "gui/scenario/scenario_page.h"
#include "gui/stakes/multi_stake_dialog.h"
#include "gui/systems/system_dialog.h"
#include "gui/systems/systems_controller.h"
#include "gui/systems/systems_page.h"
#include "language/message_text.h"

namespace quorvel::gui {

namespace {

const QKeySequence SystemsOnKey(Qt::CTRL | Qt::Key_J);

std::filesystem::path PathOf(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

}  // namespace

SystemsController::SystemsController(Frame& frame) : AreaController(frame) {
    page_ = new SystemsPage(*workspace_, rightTabs_);
}

void SystemsController::CreateActions() {
    SystemsPage* page = SystemsTab();
    if (page == nullptr) return;
    auto shown = [this] { return working_ && workspace_->Options().SystemsEnabled; };
    auto selected = [shown, page] { return shown() && page->SelectedSystem().has_value(); };
    auto canStake = [this, shown] {
        return shown() && workspace_->Combs().List().CombCount() > 0 && workspace_->Stakes().File().IsOpen();
    };

    QAction* on = actions_->Add(
        "SystemsOn", tr("Системная игра"), SystemsOnKey, [this] { return working_; },
        [this] { ToggleSystemsExecute(); });
    on->setCheckable(true);
    actions_->Add("SystemsRefresh", tr("Обновить"), {}, shown,
                  [this] { workspace_->Systems().RefreshSystems(); });
    actions_->Add("SystemsDownload", tr("Загрузить"), {}, shown, [this] { SystemsImportExecute(); });
    actions_->Add("SystemsAdd", tr("Добавить"), {}, shown, [this] { SystemEditExecute(true); });
    actions_->Add("SystemsProp", tr("Свойства"), {}, selected, [this] { SystemEditExecute(false); });
    actions_->Add(
        "SystemsDel", tr("Удалить"), {},
        [shown, page] {
            const auto system = page->SelectedSystem();
            return shown() && system && system->IsDownloaded();
        },
        [this, page] {
            if (const auto system = page->SelectedSystem()) workspace_->Systems().DeleteSystem(*system);
        });
    QAction* all = actions_->Add("SystemStakeAll", tr("Cистемная игра по списку системы"),
                                 QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J), canStake,
                                 [this] { SystemStakeExecute(false); });
    all->setStatusTip(
        tr("Системная игра по всем комбинациям выбранной системы (даже если их нет в списке комбинаций)"));
    QAction* filtered =
        actions_->Add("SystemStakeFilter", tr("Cистемная игра по списку комбинаций"),
                      QKeySequence(Qt::ALT | Qt::Key_J), canStake, [this] { SystemStakeExecute(true); });
    filtered->setStatusTip(
        tr("Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций"));
    for (QAction* action : {all, filtered})
        action->setToolTip(action->statusTip());

    for (const char* name :
         {"SystemsRefresh", "SystemsDownload", "SystemsAdd", "SystemsProp", "SystemsDel"}) {
        page->Bar()->addAction(actions_->Find(name));
        page->List()->addAction(actions_->Find(name));
    }
    page->StakeBar()->addAction(all);
    page->StakeBar()->addAction(filtered);
    connect(page, &SystemsPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
    connect(page, &SystemsPage::RowActivated, this, [this] { actions_->Execute("SystemsProp"); });

    // Ctrl+J also opens a scenario: on the scenario tab it does that, everywhere else it switches
    // system games. Two enabled actions on one key would leave the key doing nothing.
    if (auto* scenario = rightTabs_->findChild<ScenarioPage*>()) {
        if (QAction* open = actions_->Find("ScriptOpen")) {
            open->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            scenario->addAction(open);
        }
        connect(rightTabs_, &QTabWidget::currentChanged, this, [this, scenario] {
            actions_->Find("SystemsOn")
                ->setShortcut(rightTabs_->currentWidget() == scenario ? QKeySequence() : SystemsOnKey);
        });
    }
}

void SystemsController::ShowSystems(bool shown, bool load) {
    SystemsPage* page = SystemsTab();
    if (page == nullptr) return;
    const int tab = rightTabs_->indexOf(page);
    rightTabs_->setTabVisible(tab, shown);
    actions_->Find("SystemsOn")->setChecked(shown);
    for (const char* name : {"SystemStakeAll", "SystemStakeFilter"})
        actions_->Find(name)->setVisible(shown);
    if (!load) return;
    if (shown) {
        workspace_->Systems().RefreshSystems();
        rightTabs_->setCurrentIndex(tab);
    } else {
        workspace_->Systems().ClearSystems();
    }
}

void SystemsController::ToggleSystemsExecute() {
    TUiOptions& options = workspace_->Options();
    options.SystemsEnabled = !options.SystemsEnabled;
    try {
        workspace_->UiState().WriteUiBool("SystemsEnabled", options.SystemsEnabled);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
    ShowSystems(options.SystemsEnabled, true);
}

void SystemsController::SystemsRefreshed() {
    if (SystemsTab() != nullptr) SystemsTab()->Refresh();
    if (actions_ != nullptr) actions_->UpdateAll();
}

void SystemsController::SystemStakeExecute(bool filtered) {
    auto plan = workspace_->Systems().PrepareSystemStakes(filtered);
    if (!plan) return;
    // The comment the core makes is offered in the interface language; the file's name is kept.
    MultiStakeDialog dialog(plan->DrawNumber, language::MessageText(plan->Comment), window_);
    if (dialog.exec() != QDialog::Accepted) return;
    plan->DrawNumber = dialog.DrawNumber();
    plan->Draws = dialog.Draws();
    plan->Comment = dialog.Comment().toStdString();
    workspace_->Systems().AddSystemStakes(*plan);
}

void SystemsController::SystemEditExecute(bool isNew) {
    TSystemData system;
    std::optional<TSystemInfo> current;
    if (!isNew) {
        current = SystemsTab()->SelectedSystem();
        if (!current) return;
        system.Info = *current;
        system.CombsText = ReadSystemCombsText(*current);
    }
    SystemDialog dialog(system, isNew || current->IsOwn(), window_);
    // A failed save (or a replacement the user declined) leaves the entries to try again.
    while (dialog.exec() == QDialog::Accepted) {
        if (isNew ? workspace_->Systems().AddSystem(dialog.Data())
                  : workspace_->Systems().UpdateSystem(*current, dialog.Data()))
            break;
    }
}

void SystemsController::SystemsImportExecute() {
    const QString file =
        QFileDialog::getOpenFileName(window_, tr("Загрузить"), {}, tr("Файлы систем (*.dat);;Все файлы (*)"));
    if (!file.isEmpty()) workspace_->Systems().ImportSystemFile(PathOf(file));
}

}  // namespace quorvel::gui
