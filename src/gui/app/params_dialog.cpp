#include "gui/app/params_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <string_view>

#include "core/model/game.h"
#include "core/stats/config_changes.h"
#include "core/util/format.h"
#include "core/util/money.h"

namespace quorvel::gui {

namespace {

constexpr int ProfitRowCount = PositionCount + 1;  // 0 to 3 matches
constexpr int SegmentRows = ValueCount;
constexpr int SegmentEntries = PositionCount * ValueCount;
constexpr int ChannelSizeShownMax = 10;
constexpr double WeightLimit = 999999.999;
// Typing into a cell starts editing it; merely moving onto a cell does not.
constexpr QAbstractItemView::EditTriggers CellEditTriggers =
    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;
constexpr const char* CellRowProperty = "cellRow";
constexpr const char* CellColumnProperty = "cellColumn";

using InputRule = bool (*)(std::string_view);

// Lets through only what the core rule accepts; typing anything else does nothing.
class RuleValidator : public QValidator {
public:
    RuleValidator(InputRule rule, QObject* parent) : QValidator(parent), rule_(rule) {}
    State validate(QString& input, int&) const override {
        return rule_(input.toStdString()) ? Acceptable : Invalid;
    }

private:
    InputRule rule_;
};

// Line editors with an input rule for the cells of a grid; each editor remembers its cell,
// since after Tab the grid's current cell is already the next one.
class RuleDelegate : public QStyledItemDelegate {
public:
    RuleDelegate(InputRule rule, QObject* parent) : QStyledItemDelegate(parent), rule_(rule) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setValidator(new RuleValidator(rule_, editor));
        editor->setProperty(CellRowProperty, index.row());
        editor->setProperty(CellColumnProperty, index.column());
        return editor;
    }

private:
    InputRule rule_;
};

// Spin boxes read and show numbers with the separator the rest of the program uses.
QLocale NumberLocale() {
    QLocale locale =
        FormatSettings().DecimalSeparator == ',' ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QDoubleSpinBox* WeightSpin(double value, QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setLocale(NumberLocale());
    spin->setDecimals(3);
    spin->setRange(-WeightLimit, WeightLimit);
    spin->setSingleStep(0.1);
    spin->setValue(value);
    return spin;
}

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// Both grids are small: sized to show every row, and the segment grid every column, they
// need no scroll bars.
void FitToContents(QTableWidget* table, bool fitWidth) {
    const int frame = 2 * table->frameWidth();
    int height = table->horizontalHeader()->sizeHint().height() + frame;
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
    if (!fitWidth) return;
    int width = table->verticalHeader()->width() + frame;
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    table->setFixedWidth(width);
}

QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ParamsDialog::ParamsDialog(const TConfigData& config, UiHost& host, QWidget* parent)
    : QDialog(parent), original_(config), host_(host) {
    setWindowTitle(tr("Параметры системы"));
    CreateControls();
    FillFromConfig();
    FitToContents(profits_, false);
    FitToContents(segments_, true);
    adjustSize();
}

void ParamsDialog::CreateControls() {
    // Left: money and weights; right: the matrix. Read top to bottom, left to right, the
    // controls follow the order of the settings record.
    auto* left = new QFormLayout;
    left->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    cost_ = new QLineEdit(this);
    cost_->setObjectName("cost");
    cost_->setValidator(new RuleValidator(&AmountInputAllowed, cost_));
    cost_->setAlignment(Qt::AlignRight);
    cost_->setMaximumWidth(120);
    left->addRow(tr("Стоимость ставки:"), cost_);

    profits_ = new QTableWidget(ProfitRowCount, 2, this);
    profits_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    profits_->setObjectName("profits");
    profits_->setHorizontalHeaderLabels({tr("Совпадений"), tr("Сумма выигрыша")});
    profits_->verticalHeader()->hide();
    profits_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    profits_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    profits_->setItemDelegateForColumn(1, new RuleDelegate(&AmountInputAllowed, profits_));
    profits_->setSelectionMode(QAbstractItemView::SingleSelection);
    profits_->setEditTriggers(CellEditTriggers);
    profits_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    profits_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    profits_->setMinimumWidth(240);
    auto* profitsLabel = new QLabel(tr("Размеры выигрышей:"), this);
    profitsLabel->setBuddy(profits_);
    left->addRow(profitsLabel);
    left->addRow(profits_);

    count_ = WeightSpin(0, this);
    count_->setObjectName("count");
    left->addRow(tr("Количество:"), count_);
    deviation_ = WeightSpin(0, this);
    deviation_->setObjectName("deviation");
    left->addRow(tr("Отклонение:"), deviation_);
    level_ = WeightSpin(0, this);
    level_->setObjectName("level");
    left->addRow(tr("Глубина:"), level_);

    usePercents_ = new QCheckBox(tr("Использовать значения в %"), this);
    usePercents_->setObjectName("usePercents");
    left->addRow(usePercents_);
    useAbsValues_ = new QCheckBox(tr("Использовать абсолютные значения"), this);
    useAbsValues_->setObjectName("useAbsValues");
    left->addRow(useAbsValues_);

    auto* right = new QVBoxLayout;
    auto* size = new QHBoxLayout;
    matrixCols_ = new QSpinBox(this);
    matrixCols_->setObjectName("matrixCols");
    matrixCols_->setRange(1, MatrixColsMax);
    matrixCols_->setReadOnly(true);
    matrixCols_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    matrixRows_ = new QSpinBox(this);
    matrixRows_->setObjectName("matrixRows");
    matrixRows_->setRange(SegmentRows, SegmentRows);
    matrixRows_->setReadOnly(true);
    matrixRows_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    auto* sizeLabel = new QLabel(tr("Размер матрицы:"), this);
    sizeLabel->setBuddy(matrixCols_);
    size->addWidget(sizeLabel);
    size->addWidget(matrixCols_);
    size->addWidget(new QLabel("x", this));
    size->addWidget(matrixRows_);
    size->addStretch();
    right->addLayout(size);

    segments_ = new QTableWidget(this);
    segments_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    segments_->setObjectName("segments");
    segments_->setItemDelegate(new RuleDelegate(&SegmentInputAllowed, segments_));
    segments_->setSelectionMode(QAbstractItemView::SingleSelection);
    segments_->setEditTriggers(CellEditTriggers);
    segments_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    segments_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    segments_->horizontalHeader()->setDefaultSectionSize(36);
    segments_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    segments_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A fixed header width lets the grid be sized before it is first shown.
    segments_->verticalHeader()->setFixedWidth(fontMetrics().horizontalAdvance("0") + 14);
    auto* segmentsLabel = new QLabel(tr("Сегменты матрицы:"), this);
    segmentsLabel->setBuddy(segments_);
    right->addWidget(segmentsLabel);
    right->addWidget(segments_, 0, Qt::AlignLeft);

    auto* channel = new QHBoxLayout;
    channelSize_ = new QSpinBox(this);
    channelSize_->setObjectName("channelSize");
    auto* channelLabel = new QLabel(tr("Размер канала:"), this);
    channelLabel->setBuddy(channelSize_);
    channel->addWidget(channelLabel);
    channel->addWidget(channelSize_);
    channel->addStretch();
    right->addLayout(channel);
    right->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ParamsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ParamsDialog::reject);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addLayout(left);
    leftColumn->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn);
    columns->addSpacing(16);
    columns->addLayout(right);
    auto* main = new QVBoxLayout(this);
    main->addLayout(columns);
    main->addWidget(buttons);

    // A cell is checked when the user leaves it: by moving to another cell, or by ending the
    // edit in place (Enter, or focus going to another control).
    connect(segments_, &QTableWidget::currentCellChanged, this,
            [this](int, int, int previousRow, int previousColumn) {
                CheckSegmentCell(previousRow, previousColumn);
            });
    connect(segments_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this](QWidget* editor) {
        CheckSegmentCell(editor->property(CellRowProperty).toInt(),
                         editor->property(CellColumnProperty).toInt());
    });
}

void ParamsDialog::FillFromConfig() {
    shownCost_ = Qs(MoneyToStr(original_.Cost, 2));
    cost_->setText(shownCost_);

    for (int matches = 0; matches < ProfitRowCount; ++matches) {
        const QString amount = Qs(MoneyToStr(ProfitForMatches(original_.Profits, matches), 2));
        shownProfits_.append(amount);
        auto* matchesItem = ReadOnlyItem(QString::number(matches));
        matchesItem->setTextAlignment(Qt::AlignCenter);
        profits_->setItem(matches, 0, matchesItem);
        auto* amountItem = new QTableWidgetItem(amount);
        amountItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        profits_->setItem(matches, 1, amountItem);
    }

    const WeightCoefficients& weights = original_.Weights;
    count_->setValue(weights.Count);
    deviation_->setValue(weights.Deviation);
    level_->setValue(weights.Level);
    shownWeights_ = {count_->value(), deviation_->value(), level_->value()};
    usePercents_->setChecked(weights.UsePercents);
    useAbsValues_->setChecked(weights.UseAbsValues);

    matrixCols_->setValue(original_.MatrixCols);
    matrixRows_->setValue(SegmentRows);

    // Column by column: entry 10 * c + r sits in column c, row r. Columns past the table's
    // 30 entries have nothing to edit.
    const int columns = SegmentColumns();
    segments_->setColumnCount(columns);
    segments_->setRowCount(SegmentRows);
    QStringList columnTitles;
    for (int column = 0; column < columns; ++column)
        columnTitles.append(QString::number(column + 1));
    QStringList rowTitles;
    for (int row = 0; row < SegmentRows; ++row)
        rowTitles.append(QString::number(row));
    segments_->setHorizontalHeaderLabels(columnTitles);
    segments_->setVerticalHeaderLabels(rowTitles);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < SegmentRows; ++row) {
            const int entry = column * SegmentRows + row;
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (entry < SegmentEntries) {
                item->setText(
                    QString::number(original_.MatrixSegments[entry / ValueCount][entry % ValueCount]));
            } else {
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(palette().brush(QPalette::Window));
            }
            segments_->setItem(row, column, item);
        }
    }

    // A hand-edited file may hold a wider channel; show it rather than clip it silently.
    channelSize_->setRange(1, std::max(ChannelSizeShownMax, original_.ChannelSize));
    channelSize_->setValue(original_.ChannelSize);
}

int ParamsDialog::SegmentColumns() const {
    return std::clamp(original_.MatrixCols, 1, MatrixColsMax);
}

void ParamsDialog::CheckSegmentCell(int row, int column) {
    if (checkingCell_ || row < 0 || column < 0) return;
    QTableWidgetItem* item = segments_->item(row, column);
    if (item == nullptr || !(item->flags() & Qt::ItemIsEditable)) return;
    const std::optional<std::string> error = SegmentCellError(item->text().toStdString());
    if (!error) return;
    // The message box takes the focus, which could end an edit and bring us back here.
    checkingCell_ = true;
    host_.ShowWarning(*error);
    item->setText("1");
    ++corrections_;
    checkingCell_ = false;
}

void ParamsDialog::accept() {
    // Moving off the current cells ends any edit still open, so its text is in the grid, and
    // checks the segment cell being left. After a correction the dialog stays open for the
    // user to see the cell put back to 1.
    const int correctionsBefore = corrections_;
    profits_->setCurrentIndex(QModelIndex());
    segments_->setCurrentIndex(QModelIndex());
    if (corrections_ != correctionsBefore) return;
    QDialog::accept();
}

TConfigData ParamsDialog::Config() const {
    TConfigData config = original_;

    if (cost_->text() != shownCost_) config.Cost = ProfitAmountFromText(cost_->text().toStdString());

    bool profitsEdited = false;
    std::array<Money, ProfitRowCount> amounts{};
    for (int matches = 0; matches < ProfitRowCount; ++matches) {
        const QString text = profits_->item(matches, 1)->text();
        if (text == shownProfits_[matches]) {
            amounts[matches] = ProfitForMatches(original_.Profits, matches);
        } else {
            amounts[matches] = ProfitAmountFromText(text.toStdString());
            profitsEdited = true;
        }
    }
    // Untouched, the table is kept as stored, rows and order; edited, it is what the dialog shows.
    if (profitsEdited) {
        config.Profits.clear();
        for (int matches = 0; matches < ProfitRowCount; ++matches)
            config.Profits.push_back({static_cast<uint8_t>(matches), amounts[matches]});
    }

    const auto weight = [](const QDoubleSpinBox* spin, double shown, double stored) {
        return spin->value() == shown ? stored : spin->value();
    };
    config.Weights.Count = weight(count_, shownWeights_[0], original_.Weights.Count);
    config.Weights.Deviation = weight(deviation_, shownWeights_[1], original_.Weights.Deviation);
    config.Weights.Level = weight(level_, shownWeights_[2], original_.Weights.Level);
    config.Weights.UsePercents = usePercents_->isChecked();
    config.Weights.UseAbsValues = useAbsValues_->isChecked();

    const int columns = std::min(SegmentColumns(), PositionCount);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < SegmentRows; ++row) {
            const int entry = column * SegmentRows + row;
            config.MatrixSegments[entry / ValueCount][entry % ValueCount] =
                SegmentFromCellText(segments_->item(row, column)->text().toStdString());
        }
    }

    config.ChannelSize = channelSize_->value();
    return config;
}

}  // namespace quorvel::gui
