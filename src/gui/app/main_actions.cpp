#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QProcess>
#include <QSpinBox>
#include <algorithm>
#include <utility>

#include "core/stats/config_changes.h"
#include "core/stats/help_pages.h"
#include "core/util/languages.h"
#include "gui/app/about_dialog.h"
#include "gui/app/params_dialog.h"
#include "gui/app/window_areas.h"
#include "gui/archive/draws_page.h"
#include "gui/archive/proxy_dialog.h"
#include "gui/stats/shredding_dialog.h"
#include "gui/stats/stats_page.h"

namespace quorvel::gui {

void MainWindow::CreateActions() {
    auto always = [] { return true; };
    frame_.Actions->Add("EditConfig", tr("Параметры"), {}, always, [this] { EditConfigExecute(); });
    frame_.Actions->Add("EditShredding", tr("Формулы шинковки"), {}, always, [this] {
        if (!EditShredding(*workspace_, this)) return;
        FillMethodLists(true, true);
        workspace_->Draws().RecalcViews();
    });
    frame_.Actions->Add("EditProxy", tr("Параметры proxy-сервера"), {}, always,
                        [this] { EditProxy(*workspace_, this); });
    frame_.Actions->Add("ExitProgram", tr("Выход"), QKeySequence(Qt::ALT | Qt::Key_F4), always,
                        [this] { close(); });
    // The window manager takes Alt+F4 to close the window itself.
    frame_.Actions->AddReachableKey("ExitProgram", QKeySequence::Quit);
    frame_.Actions->Add(
        "GetHelp", tr("Справка"), QKeySequence(Qt::Key_F1),
        [this] { return !HelpMainPage(frame_.ProgramDir, HelpLanguage()).empty(); },
        [this] {
            // The pages are plain HTML: the system's browser shows them and follows their links,
            // and without one the program's own viewer does.
            const auto help = HelpMainPage(frame_.ProgramDir, HelpLanguage());
            if (!help.empty())
                OpenDocument(QString::fromStdString(help.string()), true, this, frame_.OpenExternally);
        });
    frame_.Actions->Add("About", tr("О программе"), {}, always, [this] { AboutDialog(this).exec(); });
    for (int mode = 0; mode < 3; ++mode) {
        static const char* const captions[] = {QT_TR_NOOP("По запросу (по умолчанию)"),
                                               QT_TR_NOOP("Автоматически"), QT_TR_NOOP("Отключено")};
        QAction* action = frame_.Actions->Add(QString("AutoDownload%1").arg(mode), tr(captions[mode]), {},
                                              always, [this, mode] { SetDownloadOnStart(mode); });
        action->setCheckable(true);
    }
    areas_->Archive->CreateActions();
    areas_->Stats->CreateActions();
}

void MainWindow::CreateMenus() {
    QMenu* program = menuBar()->addMenu(tr("Программа"));
    program->addAction(frame_.Actions->Find("EditConfig"));
    program->addAction(frame_.Actions->Find("EditShredding"));
    program->addAction(frame_.Actions->Find("EditProxy"));
    QMenu* languages = program->addMenu(tr("Язык интерфейса"));
    languages->setObjectName("mnLanguages");
    auto* languageGroup = new QActionGroup(this);
    for (const LanguageInfo& language : AvailableLanguages(DataDirectory::ExecutableDirectory())) {
        QAction* entry = languages->addAction(QString::fromUtf8(language.Name));
        entry->setCheckable(true);
        entry->setData(language.Lcid);
        languageGroup->addAction(entry);
        const int lcid = language.Lcid;
        connect(entry, &QAction::triggered, this, [this, lcid] { SwitchLanguage(lcid); });
    }
    program->addSeparator();
    program->addAction(frame_.Actions->Find("ExitProgram"));

    QMenu* draws = menuBar()->addMenu(tr("Тиражи"));
    draws->addAction(frame_.Actions->Find("DrawsDownload"));
    draws->addAction(frame_.Actions->Find("OpenLotoSite"));
    QMenu* autoDownload = draws->addMenu(tr("Автозагрузка при запуске программы"));
    auto* autoGroup = new QActionGroup(this);
    for (int mode = 0; mode < 3; ++mode) {
        QAction* action = frame_.Actions->Find(QString("AutoDownload%1").arg(mode));
        autoGroup->addAction(action);
        autoDownload->addAction(action);
    }
    draws->addSeparator();
    for (const char* name : {"DrawsAdd", "DrawsEdit", "DrawsDel", "DrawsInfo"})
        draws->addAction(frame_.Actions->Find(name));
    draws->addSeparator();
    for (const char* name : {"DrawsImport", "DrawsExport", "DrawsXlsExport"})
        draws->addAction(frame_.Actions->Find(name));
    draws->addSeparator();
    draws->addAction(frame_.Actions->Find("DrawsSorted"));

    QMenu* stats = menuBar()->addMenu(tr("Статистика"));
    stats->setObjectName("mnStats");
    stats->addAction(frame_.Actions->Find("FiltersManager"));
    stats->addAction(frame_.Actions->Find("FiltersReset"));
    stats->addSeparator();
    stats->addAction(frame_.Actions->Find("FiltersInfo"));

    QMenu* help = menuBar()->addMenu(tr("Помощь"));
    help->addAction(frame_.Actions->Find("GetHelp"));
    help->addSeparator();
    help->addAction(frame_.Actions->Find("About"));
}

void MainWindow::ApplyOptionMarks() {
    const TUiOptions& options = workspace_->Options();
    const std::pair<const char*, bool> marks[] = {
        {"DrawsStatePrefetchsEnabled", options.PrefetchsEnabled},
        {"DrawsStatShowTotalLine", options.ShowTotalLine},
        {"DrawsSorted", options.SortedDraws},
    };
    for (const auto& [name, checked] : marks) {
        if (QAction* action = frame_.Actions->Find(name)) action->setChecked(checked);
    }
    for (int mode = 0; mode < 3; ++mode)
        frame_.Actions->Find(QString("AutoDownload%1").arg(mode))
            ->setChecked(mode == options.DownloadDrawsOnStart);
    // A stored language without a module, or "no-language", leaves the built-in texts.
    if (auto* languages = menuBar()->findChild<QMenu*>("mnLanguages")) {
        const int wanted = workspace_->HasSwitch("no-language") ? BuiltInLanguage : options.Language;
        const QList<QAction*> entries = languages->actions();
        const bool listed = std::any_of(entries.begin(), entries.end(), [wanted](const QAction* entry) {
            return entry->data().toInt() == wanted;
        });
        for (QAction* entry : entries)
            entry->setChecked(entry->data().toInt() == (listed ? wanted : BuiltInLanguage));
    }
    // The length boxes were made before the options were read, like the marks.
    frame_.Stats->WindowLength()->setValue(options.DrawsStatLen);
    areas_->Views->ApplyViewOptions();
    areas_->Stakes->ApplyOptions();
    areas_->Rating->ApplyOptions();
}

void MainWindow::SetDownloadOnStart(int mode) {
    workspace_->Options().DownloadDrawsOnStart = mode;
    try {
        workspace_->UiState().WriteUiInt("DownloadDrawsOnStart", mode);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
    for (int m = 0; m < 3; ++m)
        frame_.Actions->Find(QString("AutoDownload%1").arg(m))->setChecked(m == mode);
}

void MainWindow::EditConfigExecute() {
    ParamsDialog dialog(workspace_->Stats().List().Config, router_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    workspace_->Stats().ApplyConfig(dialog.Config());
    // Channel and segment settings change the catalogue's parameter ranges.
    FillMethodLists(true, true);
    workspace_->Draws().RecalcViews();
    ApplyUiOptions();
    frame_.Draws->Refresh(false);
}

int MainWindow::HelpLanguage() const {
    const int chosen =
        workspace_->HasSwitch("no-language") ? BuiltInLanguage : workspace_->Options().Language;
    if (chosen == BuiltInLanguage || FindLanguage(chosen) == nullptr) return BuiltInLanguage;
    // The interface stayed Russian when the module was missing at the start; so does the help.
    std::error_code ec;
    return std::filesystem::is_regular_file(frame_.ProgramDir / LanguageModuleName(chosen), ec)
               ? chosen
               : BuiltInLanguage;
}

void MainWindow::SwitchLanguage(int lcid) {
    // The language the system gave is stored too once picked, so that it holds when the locale
    // changes; only a change of language needs the restart.
    const bool changes = lcid != workspace_->Options().Language;
    // The restart makes the combination list afresh: a filtered one would be lost unasked.
    if (changes && !workspace_->Combs().List().Applied().empty() &&
        !router_.AskYesNo(
            tr("Для смены языка программа будет перезапущена, а список комбинаций создан заново: "
               "примененные фильтры будут потеряны. Продолжить?")
                .toStdString()))
        return;
    workspace_->Options().Language = lcid;
    try {
        workspace_->UiState().WriteUiInt("Language", lcid);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
        return;
    }
    if (changes) Restart();
}

void MainWindow::Restart() {
    QStringList arguments{"restart", "--data-dir", QString::fromStdString(workspace_->Dir().Root().string())};
    QProcess::startDetached(QApplication::applicationFilePath(), arguments,
                            QString::fromStdString(workspace_->Dir().Root().string()));
    close();
}

}  // namespace quorvel::gui
