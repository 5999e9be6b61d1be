#include "stats/stats_page.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/method_combo.h"

namespace quorvel::gui {

StatsPage::StatsPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsStat");
    methods_ = new MethodCombo("cbDrawsStat", this);
    favourites_ = new QPushButton(tr("Избранное"), this);
    favourites_->setObjectName("btFavourites");
    favourites_->setEnabled(false);
    tableArea_ = new QWidget(this);
    tableArea_->setObjectName("statTableArea");

    auto* top = new QHBoxLayout;
    top->addWidget(methods_, 1);
    top->addWidget(favourites_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(tableArea_, 1);
}

void StatsPage::SetFavouritesAction(QAction* favourites) {
    favourites_->setToolTip(favourites->text());
    favourites_->setEnabled(favourites->isEnabled());
    connect(favourites_, &QPushButton::clicked, favourites, &QAction::trigger);
    connect(favourites, &QAction::changed, favourites_,
            [this, favourites] { favourites_->setEnabled(favourites->isEnabled()); });
}

}  // namespace quorvel::gui
