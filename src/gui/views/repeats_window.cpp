#include "gui/views/repeats_window.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLegend>
#include <QLineSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <exception>
#include <string>

#include "gui/app/window_layout.h"
#include "gui/views/card_page.h"
#include "gui/widgets/chart_axes.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

const QString ListName = "lvRepeats";
constexpr int DesignedColumnWidths[] = {70, 90, 110};
constexpr int MinimumGraphHeight = 120;

}  // namespace

RepeatsWindow::RepeatsWindow(Analyzer analyzer, const UiStateFile* uiState, UiHost* host, QWidget* parent)
    : QWidget(parent), analyzer_(std::move(analyzer)), host_(host) {
    setWindowFlag(Qt::Window);
    setObjectName("FormRepeats");
    setWindowTitle(tr(RepeatsCaption));
    length_ = new ViewLengthBox("DrawsLength", this);
    length_->setToolTip(tr("Количество тиражей, использующихся для расчета статистики"));
    length_->setValue(RepeatsDefaultLength);
    deep_ = new ViewLengthBox("DrawsDeep", this);
    deep_->setToolTip(tr("Количество тиражей, просматриваемых \"в глубину\" для поиска совпадений"));
    deep_->setValue(RepeatsDefaultDeep);
    compute_ = new QToolButton(this);
    compute_->setText(tr("Рассчитать"));
    table_ = new QTableWidget(0, 4, this);
    table_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    table_->setHorizontalHeaderLabels(
        {tr("Тираж"), tr("Совпадений"), tr("Кол-во повторов"), tr("Список тиражей")});
    table_->setObjectName(ListName);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(22);
    // The user's column widths are kept, so the columns are sized by hand, not by contents.
    for (int column = 0; column < 3; ++column)
        table_->horizontalHeader()->resizeSection(column, DesignedColumnWidths[column]);
    table_->horizontalHeader()->setStretchLastSection(true);
    chart_ = new QChart;
    KeepTickLabelsWhole(chart_);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    axisX_ = new QValueAxis(chart_);
    axisY_ = new QValueAxis(chart_);
    axisX_->setLabelFormat("%d");
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    auto* view = new QChartView(chart_);
    view->setRenderHint(QPainter::Antialiasing);

    auto* top = new QHBoxLayout;
    top->addWidget(length_);
    top->addWidget(deep_);
    top->addWidget(compute_);
    top->addStretch(1);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName("splRepeats");
    splitter_->addWidget(table_);
    splitter_->addWidget(view);
    // A taller window gives its room to the list; the chart keeps its height.
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    view->setMinimumHeight(MinimumGraphHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter_, 1);

    connect(compute_, &QToolButton::clicked, this, &RepeatsWindow::Compute);
    connect(length_, &ViewLengthBox::Entered, this, &RepeatsWindow::Compute);
    connect(deep_, &ViewLengthBox::Entered, this, &RepeatsWindow::Compute);

    resize(900, 640);
    if (uiState != nullptr) state_ = uiState->ForSection(StateSection);
    RestoreState();
}

void RepeatsWindow::RestoreState() {
    int graphHeight = DefaultGraphHeight;
    if (state_) {
        try {
            RestorePlacement(this, *state_);
            RestoreColumnWidths(table_->horizontalHeader(), ListName, *state_);
            length_->setValue(state_->ReadUiInt("DrawsLength", RepeatsDefaultLength));
            deep_->setValue(state_->ReadUiInt("DrawsDeep", RepeatsDefaultDeep));
            graphHeight = std::max(state_->ReadUiInt("GraphHeight", DefaultGraphHeight), MinimumGraphHeight);
        } catch (const std::exception&) {
            // An unreadable state file was reported at start-up; the designed layout serves.
        }
    }
    // The layout is not settled before the window shows: size the splitter to what the
    // window's layout will give it, so that the chart opens at its stored height.
    layout()->activate();
    splitter_->setSizes({std::max(splitter_->height() - graphHeight, 0), graphHeight});
}

int RepeatsWindow::GraphHeight() const {
    const QList<int> sizes = splitter_->sizes();
    return sizes.size() > 1 ? sizes.last() : DefaultGraphHeight;
}

void RepeatsWindow::SaveState() {
    if (!state_) return;
    UiValues values;
    AppendPlacement(this, values);
    AppendColumnWidths(table_->horizontalHeader(), ListName, values);
    values.emplace_back("DrawsLength", std::to_string(length_->value()));
    values.emplace_back("DrawsDeep", std::to_string(deep_->value()));
    values.emplace_back("GraphHeight", std::to_string(GraphHeight()));
    try {
        state_->WriteUiValues(values);
    } catch (const std::exception& e) {
        if (host_ != nullptr)
            host_->ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
}

void RepeatsWindow::closeEvent(QCloseEvent* event) {
    SaveState();
    QWidget::closeEvent(event);
}

void RepeatsWindow::Compute() {
    const std::vector<TRepeatsRow> rows = analyzer_(length_->value(), deep_->value());
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const TRepeatsRow& r = rows[static_cast<size_t>(i)];
        const QStringList texts{QString::number(r.Number), QString::number(r.Matches),
                                QString::number(r.Repeats), QString::fromStdString(r.Draws)};
        for (int c = 0; c < texts.size(); ++c)
            table_->setItem(i, c, new QTableWidgetItem(texts[c]));
    }

    chart_->removeAllSeries();
    ChartBounds bounds;
    for (const TViewSeries& s : RepeatsSeries(rows)) {
        auto* line = new QLineSeries;
        line->setName(SeriesText(s.Title));
        line->setColor(QColor(QRgb(s.Color)));
        line->setPointsVisible(s.Points);
        line->setMarkerSize(4);
        for (const TViewPoint& p : s.Data) {
            line->append(p.X, p.Y);
            bounds.Add(p.X, p.Y);
        }
        chart_->addSeries(line);
        line->attachAxis(axisX_);
        line->attachAxis(axisY_);
    }
    FitValueAxes(axisX_, axisY_, bounds);
    FitTicksToPlot(chart_);
}

}  // namespace quorvel::gui
