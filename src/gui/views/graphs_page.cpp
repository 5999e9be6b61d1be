#include "views/graphs_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "stats/method_combo.h"

namespace quorvel::gui {

GraphsPage::GraphsPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsGraphs");
    methods_ = new MethodCombo("cbDrawsGraph", this);
    chartArea_ = new QWidget(this);
    chartArea_->setObjectName("graphArea");
    auto* top = new QHBoxLayout;
    top->addWidget(methods_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(chartArea_, 1);
}

}  // namespace quorvel::gui
