#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QTableView>
#include <QUrl>

#include "core/model/text_forms.h"
#include "gui/archive/archive_controller.h"
#include "gui/archive/draw_dialog.h"
#include "gui/archive/draw_info_window.h"
#include "gui/archive/draws_page.h"
#include "gui/widgets/wait_window.h"

namespace quorvel::gui {

namespace {

const char* const DrawsFilter = QT_TRANSLATE_NOOP("quorvel::gui::ArchiveController", "Файлы тиражей (*.csv)");

}  // namespace

ArchiveController::ArchiveController(Frame& frame) : AreaController(frame) {
    drawsPage_ = new DrawsPage(workspace_->Archive(), leftTabs_);
    waitWindow_ = new WaitWindow(window_);
    workspace_->Download().SetWaitSink(waitWindow_);
    connect(drawsPage_, &DrawsPage::OffsetEdited, this,
            [this](int offset) { workspace_->Draws().SetDrawsOffset(offset); });
    connect(drawsPage_, &DrawsPage::RowActivated, this, [this](int row) { DrawsInfoExecute(row); });
    connect(drawsPage_, &DrawsPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
}

void ArchiveController::CreateActions() {
    auto always = [] { return true; };
    auto selected = [this] { return drawsPage_->FirstSelectedRow() >= 0; };
    actions_
        ->Add("DrawsDownload", tr("Загрузка"), QKeySequence(Qt::Key_F3), always,
              [this] { workspace_->Download().DrawsDownload(); })
        ->setStatusTip(tr("Загрузка архива тиражей с сайта лотереи"));
    actions_->Add("OpenLotoSite", tr("Сайт лотереи"), {}, always, [this] { OpenLotoSiteExecute(); });
    // Insert adds a draw where the draws are: in the archive list.
    QAction* add = actions_->Add("DrawsAdd", tr("Добавить"), QKeySequence(Qt::Key_Insert), always,
                                 [this] { DrawsAddExecute(); });
    add->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    drawsPage_->List()->addAction(add);
    actions_->Add("DrawsEdit", tr("Изменить"), {}, selected, [this] { DrawsEditExecute(); });
    actions_->Add("DrawsDel", tr("Удалить"), {}, selected, [this] { DrawsDelExecute(); });
    actions_->Add("DrawsInfo", tr("Сведения о тираже"), {}, selected,
                  [this] { DrawsInfoExecute(drawsPage_->FirstSelectedRow()); });
    actions_->Add("DrawsImport", tr("Импорт из CSV-файла"), {}, always, [this] { DrawsImportExecute(); });
    drawsPage_->AddEmptyArchiveAction(actions_->Find("DrawsImport"));
    drawsPage_->AddEmptyArchiveAction(actions_->Find("DrawsDownload"));
    actions_->Add(
        "DrawsExport", tr("Экспорт в CSV-файл"), {}, [this] { return !workspace_->Archive().Empty(); },
        [this] { DrawsExportExecute(); });
    actions_->Add(
        "DrawsXlsExport", tr("Экспорт в Microsoft Excel"), {}, [] { return true; },
        [this] { ExportListToXlsx(drawsPage_->List()); });
    // In this game the entry never becomes enabled; its mark shows the stored option.
    QAction* sorted = actions_->Add("DrawsSorted", tr("Упорядочить MIN->MAX"), {}, [] { return false; }, {});
    sorted->setCheckable(true);
    sorted->setChecked(workspace_->Options().SortedDraws);
}

void ArchiveController::OpenLotoSiteExecute() {
    const std::string page = GamePageAddress(workspace_->Download().Settings().ResultsUrl);
    if (page.empty()) {
        router_.ShowWarning(NoResultsAddressText, WarningCaption::Attention);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(page)));
}

void ArchiveController::DrawsAddExecute() {
    DrawDialog dialog(workspace_->Draws().NewDrawTemplate(), true, tr("Введите данные следующего тиража"),
                      router_, window_);
    dialog.ClearValues();
    if (dialog.exec() == QDialog::Accepted) workspace_->Draws().AddDraw(dialog.Result());
}

void ArchiveController::DrawsEditExecute() {
    const int row = drawsPage_->FirstSelectedRow();
    if (row < 0) return;
    DrawDialog dialog(workspace_->Archive().DrawAtRow(row), true, tr("Введите данные следующего тиража"),
                      router_, window_);
    if (dialog.exec() == QDialog::Accepted) {
        workspace_->Draws().ReplaceDraw(workspace_->Archive().RowToIndex(row), dialog.Result());
    }
}

void ArchiveController::DrawsDelExecute() {
    if (workspace_->Draws().DeleteDrawsAtRows(drawsPage_->SelectedRows()))
        drawsPage_->List()->clearSelection();
}

void ArchiveController::DrawsInfoExecute(int row) {
    if (row < 0 || row >= workspace_->Archive().Count()) return;
    const TDraw draw = workspace_->Archive().DrawAtRow(row);
    DrawInfoWindow::MethodRows rows;
    try {
        // Evaluated at the draw's own place in the archive, so methods that compare with the
        // previous draw see the one before it.
        rows = workspace_->Stats().MethodGraphRows(workspace_->Archive().RowToIndex(row), CombOfDraw(draw));
    } catch (const std::exception& e) {
        router_.ShowError(e.what());
    }
    DrawInfoWindow window(CombOfDraw(draw), draw, workspace_->Stats().List().Config.MatrixCols,
                          workspace_->Stats().List().Config.ChannelSize, rows, window_);
    window.exec();
}

void ArchiveController::DrawsImportExecute() {
    const QString file =
        QFileDialog::getOpenFileName(window_, tr("Импорт из CSV-файла"), {}, tr(DrawsFilter));
    if (file.isEmpty()) return;
    workspace_->Draws().ImportDraws(file.toStdString());
}

void ArchiveController::DrawsExportExecute() {
    QFileDialog dialog(window_, tr("Экспорт в CSV-файл"), {}, tr(DrawsFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    workspace_->Draws().ExportDraws(dialog.selectedFiles().first().toStdString());
}

}  // namespace quorvel::gui
