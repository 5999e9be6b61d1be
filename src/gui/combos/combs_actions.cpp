#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableView>

#include <QMainWindow>
#include "gui/archive/draw_info_window.h"
#include "gui/combos/combs_controller.h"
#include "gui/combos/combs_page.h"
#include "gui/combos/generate_dialog.h"

namespace quorvel::gui {

namespace {

const char* const CombsFilter =
    QT_TRANSLATE_NOOP("quorvel::gui::CombsController", "Файлы комбинаций (*.lcv)");

}  // namespace

CombsController::CombsController(Frame& frame) : AreaController(frame) {
    combsPage_ = new CombsPage(workspace_->Combs().List(), leftTabs_);
}

void CombsController::CreateActions() {
    const TCombList& combs = workspace_->Combs().List();
    auto always = [] { return true; };
    auto notEmpty = [&combs] { return combs.CombCount() > 0; };
    auto selected = [this] { return combsPage_->FirstSelectedRow() >= 0; };
    actions_->Add("CombsGen", tr("Генерировать"), QKeySequence(Qt::Key_F2), always,
                  [this] { CombsGenExecute(); });
    actions_->Add("CombsOpen", tr("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O), always,
                  [this] { CombsOpenExecute(); });
    actions_->Add("CombsSave", tr("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S), notEmpty,
                  [this] { CombsSaveExecute(); });
    actions_->Add(
        "CombsUndo", tr("Отменить"), QKeySequence(Qt::CTRL | Qt::Key_Z),
        [&combs] { return combs.UndoCount() > 0; }, [this] { workspace_->Combs().UndoCombs(); });
    actions_->Add(
        "CombsDelExists", tr("Исключить тиражи"), QKeySequence(Qt::CTRL | Qt::Key_E),
        [this, &combs] {
            return combs.CombCount() > 0 && !workspace_->Archive().Empty() &&
                   combsPage_->ExcludeBox()->value() > 0;
        },
        [this] { workspace_->Combs().ExcludeLastDrawsFromList(combsPage_->ExcludeBox()->value()); });
    actions_->Add(
        "CombsDelSelected", tr("Удалить выделенные"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        [notEmpty, selected] { return notEmpty() && selected(); },
        [this] {
            const auto rows = combsPage_->SelectedRows();
            combsPage_->List()->clearSelection();
            workspace_->Combs().DeleteCombRows(rows);
        });
    actions_->Add("CombsCopy", tr("Копировать в буфер"), QKeySequence(Qt::CTRL | Qt::Key_C), notEmpty,
                  [this] {
                      QApplication::clipboard()->setText(
                          QString::fromStdString(workspace_->Combs().CopyCombs(combsPage_->SelectedRows())));
                  });
    actions_->Add(
        "CombsPaste", tr("Вставить из буфера"), QKeySequence(Qt::CTRL | Qt::Key_V),
        [] { return !QApplication::clipboard()->text().isEmpty(); },
        [this] { workspace_->Combs().PasteCombs(QApplication::clipboard()->text().toStdString()); });
    actions_->Add("CombsSelectAll", tr("Выделить все"), QKeySequence(Qt::CTRL | Qt::Key_A), notEmpty,
                  [this] { combsPage_->List()->selectAll(); });
    actions_->Add("CombsInfo", tr("Сведения о комбинации"), {}, selected, [this] { CombsInfoExecute(); });
    actions_->Add("CombsCheckNums", tr("Количество уникальных номеров"), {}, always,
                  [this] { workspace_->Combs().ShowUniqueCombValues(); });
    actions_->Add("CombsFindInDraws", tr("Проверить по архиву тиражей"), QKeySequence(Qt::CTRL | Qt::Key_F),
                  selected, [this] {
                      workspace_->Combs().FindCombInDraws(
                          workspace_->Combs().List().CombAt(combsPage_->FirstSelectedRow()));
                  });
    actions_->Add(
        "CombsXlsExport", tr("Экспорт в Microsoft Excel"), {},
        [this] { return workspace_->Combs().List().CombCount() > 0; },
        [this] { ExportListToXlsx(combsPage_->List()); });
    // The clipboard and selection keys belong to the list, so that text fields keep their own.
    for (const char* name : {"CombsCopy", "CombsPaste", "CombsSelectAll", "CombsDelSelected"}) {
        QAction* action = actions_->Find(name);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        combsPage_->List()->addAction(action);
    }
    connect(combsPage_, &CombsPage::ExcludeRequested, this, [this] { actions_->Execute("CombsDelExists"); });
    connect(combsPage_, &CombsPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
    connect(combsPage_->ExcludeBox(), &QSpinBox::valueChanged, this, [this](int value) {
        workspace_->Options().DrawsExclude = value;
        actions_->UpdateAll();
    });
}

void CombsController::CreateMenu() {
    auto* menu = new QMenu(tr("Комбинации"), window_);
    for (const char* name : {"CombsGen", "CombsOpen", "CombsSave", "CombsUndo"})
        menu->addAction(actions_->Find(name));
    menu->addSeparator();
    for (const char* name :
         {"CombsDelExists", "CombsDelSelected", "CombsCopy", "CombsPaste", "CombsSelectAll"}) {
        menu->addAction(actions_->Find(name));
    }
    menu->addSeparator();
    for (const char* name : {"CombsInfo", "CombsCheckNums", "CombsFindInDraws", "CombsXlsExport"}) {
        menu->addAction(actions_->Find(name));
    }
    // Before the help menu, which stays last.
    const QList<QAction*> menus = window_->menuBar()->actions();
    window_->menuBar()->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu);
    combsPage_->List()->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CombsController::CombsGenExecute() {
    GenerateDialog dialog(workspace_->Combs().StoredGenerateParams(), window_);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.SaveAsDefault()) workspace_->Combs().StoreGenerateParams(dialog.Params());
    workspace_->Combs().MakeUndoCopy(true);
    workspace_->Combs().GenerateCombsList(dialog.Params(), true);
}

void CombsController::CombsOpenExecute() {
    const QString file = QFileDialog::getOpenFileName(window_, tr("Открыть"), {}, tr(CombsFilter));
    if (!file.isEmpty()) workspace_->Combs().OpenCombsFile(file.toStdString());
}

void CombsController::CombsSaveExecute() {
    QFileDialog dialog(window_, tr("Сохранить"), {}, tr(CombsFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("lcv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    workspace_->Combs().SaveCombsFile(dialog.selectedFiles().first().toStdString());
}

void CombsController::CombsInfoExecute() {
    const int row = combsPage_->FirstSelectedRow();
    if (row < 0) return;
    const TComb comb = workspace_->Combs().List().CombAt(row);
    // A combination is taken as the draw after the newest draw seen at the offset.
    const int refIndex = workspace_->Archive().Count() - 1 - workspace_->Archive().Offset();
    DrawInfoWindow window(comb, std::nullopt, workspace_->Stats().List().Config.MatrixCols,
                          workspace_->Stats().List().Config.ChannelSize,
                          workspace_->Stats().MethodGraphRows(refIndex + 1, comb), window_);
    window.exec();
}

void CombsController::CombsRefreshed() {
    combsPage_->Refresh();
    UpdateStatusPanels();
    actions_->UpdateAll();
}

}  // namespace quorvel::gui
