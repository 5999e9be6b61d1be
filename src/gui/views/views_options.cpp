#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <functional>

#include "gui/app/option_toggle.h"
#include "gui/archive/draws_page.h"
#include "gui/views/card_page.h"
#include "gui/views/graphs_page.h"
#include "gui/views/layout_page.h"
#include "gui/views/views_controller.h"
#include "gui/views/week_page.h"

namespace quorvel::gui {

namespace {

// An option entry of the views: its action, caption, key and flag.
struct ViewOption {
    const char* Name;
    const char* Caption;
    const char* Key;
    bool TUiOptions::*Flag;
};

const ViewOption TabOptions[] = {
    {"TabGraps", QT_TRANSLATE_NOOP("quorvel::gui::ViewsController", "Вкладка \"Графики\""), "TabGraphs",
     &TUiOptions::TabGraphs},
    {"TabCard", QT_TRANSLATE_NOOP("quorvel::gui::ViewsController", "Вкладка \"Карта\""), "TabCard",
     &TUiOptions::TabCard},
    {"TabLayout", QT_TRANSLATE_NOOP("quorvel::gui::ViewsController", "Вкладка \"Схема\""), "TabLayout",
     &TUiOptions::TabLayout},
    {"TabWeek", QT_TRANSLATE_NOOP("quorvel::gui::ViewsController", "Вкладка \"Неделя\""), "TabWeek",
     &TUiOptions::TabWeek},
};

const ViewOption CardColorOptions[] = {
    {"ColorCard", QT_TRANSLATE_NOOP("quorvel::gui::ViewsController", "Выделять каналы в карте тиражей"),
     "ColorCard", &TUiOptions::ColorCard},
    {"ColorCardSequences",
     QT_TRANSLATE_NOOP("quorvel::gui::ViewsController", "Выделять последовательности в карте тиражей"),
     "ColorCardSequences", &TUiOptions::ColorCardSequences},
};

const ViewOption LayoutGradientOption = {
    "LayoutGradient", QT_TRANSLATE_NOOP("quorvel::gui::ViewsController", "Градиентная раскраска схемы"),
    "LayoutGradient", &TUiOptions::LayoutGradient};

bool TabShown(const QTabWidget* tabs, QWidget* page) {
    return page != nullptr && tabs->isTabVisible(tabs->indexOf(page));
}

}  // namespace

void ViewsController::CreateViewOptionActions() {
    // What each tab computes when it is shown again: only what went stale while it was hidden.
    const std::function<void()> builds[] = {
        [this] { RebuildGraph(false); },
        [this] { RebuildCard(false); },
        [this] {
            RebuildLayout(false);
            RebuildLayoutCompare(false);
        },
        [this] { RebuildWeek(false); },
    };
    QWidget* const pages[] = {graphsPage_, cardPage_, layoutPage_, weekPage_};
    for (size_t i = 0; i < std::size(TabOptions); ++i) {
        const ViewOption& option = TabOptions[i];
        QWidget* page = pages[i];
        const std::function<void()> build = builds[i];
        actions_
            ->Add(
                option.Name, tr(option.Caption), {}, [] { return true; },
                [this, option, page, build] {
                    ToggleUiOption(*workspace_, router_, actions_->Find(option.Name), option.Key,
                                   option.Flag);
                    const bool shown = workspace_->Options().*option.Flag;
                    rightTabs_->setTabVisible(rightTabs_->indexOf(page), shown);
                    if (shown) {
                        build();
                        rightTabs_->setCurrentWidget(page);
                    }
                    actions_->UpdateAll();
                })
            ->setCheckable(true);
    }

    for (const ViewOption& option : CardColorOptions) {
        actions_
            ->Add(
                option.Name, tr(option.Caption), {}, [this] { return TabShown(rightTabs_, cardPage_); },
                [this, option] {
                    ToggleUiOption(*workspace_, router_, actions_->Find(option.Name), option.Key,
                                   option.Flag);
                    cardPage_->SetColoring(
                        CardColoringOf(workspace_->Options(), workspace_->Stats().List().Config.ChannelSize));
                })
            ->setCheckable(true);
        cardPage_->Table()->addAction(actions_->Find(option.Name));
    }
    actions_
        ->Add(
            LayoutGradientOption.Name, tr(LayoutGradientOption.Caption), {}, [] { return true; },
            [this] {
                ToggleUiOption(*workspace_, router_, actions_->Find(LayoutGradientOption.Name),
                               LayoutGradientOption.Key, LayoutGradientOption.Flag);
                layoutPage_->SetGradient(workspace_->Options().LayoutGradient);
            })
        ->setCheckable(true);
    layoutPage_->Table()->addAction(actions_->Find(LayoutGradientOption.Name));

    // The card's number column follows the first column of the draws list, also when the
    // user widens it or its stored width is restored.
    QHeaderView* drawsHeader = drawsPage_->List()->horizontalHeader();
    cardPage_->SetNumberColumnWidth(drawsHeader->sectionSize(0));
    connect(drawsHeader, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column == 0) cardPage_->SetNumberColumnWidth(width);
    });
}

void ViewsController::ApplyViewOptions() {
    const TUiOptions& options = workspace_->Options();
    for (const ViewOption& option : TabOptions)
        actions_->Find(option.Name)->setChecked(options.*option.Flag);
    for (const ViewOption& option : CardColorOptions)
        actions_->Find(option.Name)->setChecked(options.*option.Flag);
    actions_->Find(LayoutGradientOption.Name)->setChecked(options.LayoutGradient);
    actions_->Find("ViewWeekChartMode")->setChecked(options.WeekChartMode == 1);
    // The pages paint with the options read at start-up, before they are first built.
    cardPage_->SetColoring(CardColoringOf(options, workspace_->Stats().List().Config.ChannelSize));
    layoutPage_->SetGradient(options.LayoutGradient);
    // The length boxes were made before the options were read.
    graphsPage_->Length()->setValue(options.DrawsGraphLen);
    layoutPage_->Length()->setValue(options.LayoutLen);
    for (int i = 0; i < LayoutPage::CompareListCount; ++i)
        layoutPage_->CompareLength(i)->setValue(options.LayoutCompareLen[static_cast<size_t>(i)]);
    weekPage_->Length()->setValue(options.WeekLen);
}

}  // namespace quorvel::gui
