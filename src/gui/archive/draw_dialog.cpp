#include "gui/archive/draw_dialog.h"

#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <limits>

#include "core/model/text_forms.h"
#include "core/util/error.h"
#include "gui/widgets/value_fields.h"

namespace quorvel::gui {

namespace {

// A stored date, or now when the draw has none (or an unreadable one).
QDateTime InitialDateTime(const TDraw& draw) {
    try {
        TDateTime value = StrToDrawDate(draw.DateText.Text());
        if (value > 0) {
            DateTimeParts p = DecodeDateTime(value);
            return QDateTime(QDate(p.Year, p.Month, p.Day), QTime(p.Hour, p.Minute));
        }
    } catch (const Error&) {
    }
    return QDateTime::currentDateTime();
}

}  // namespace

DrawDialog::DrawDialog(const TDraw& draw, bool withDate, const QString& caption, UiHost& host,
                       QWidget* parent)
    : QDialog(parent), host_(host), withDate_(withDate), result_(draw) {
    setObjectName("TFormDraw");
    setWindowTitle(caption);
    number_ = new QSpinBox(this);
    number_->setRange(1, std::numeric_limits<int>::max());
    number_->setValue(std::max(draw.Number, 1));
    values_ = NewCombinationField(QString::fromStdString(CombToStr(CombOfDraw(draw))), this);
    date_ = new QDateEdit(this);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat("dd.MM.yyyy");
    time_ = new QTimeEdit(this);
    time_->setDisplayFormat("HH:mm");
    const QDateTime initial = InitialDateTime(draw);
    date_->setDate(initial.date());
    time_->setTime(initial.time());

    auto* form = new QVBoxLayout(this);
    form->addWidget(new QLabel(tr("Номер тиража:"), this));
    form->addWidget(number_);
    form->addWidget(new QLabel(tr("Выпавшие числа, разделенные точкой с запятой или запятой:"), this));
    form->addWidget(values_);
    auto* dateLabel = new QLabel(tr("Дата и время тиража:"), this);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(date_);
    dateRow->addWidget(time_);
    form->addWidget(dateLabel);
    form->addLayout(dateRow);
    dateLabel->setVisible(withDate);
    date_->setVisible(withDate);
    time_->setVisible(withDate);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DrawDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DrawDialog::reject);
    form->addWidget(buttons);
    values_->setFocus();
}

void DrawDialog::ClearValues() {
    values_->clear();
}

void DrawDialog::accept() {
    const std::optional<TComb> comb = ParseTypedComb(values_->text().toStdString());
    if (!comb) {
        host_.ShowError(tr("Введена некорректная комбинация!").toStdString());
        values_->setFocus();
        return;
    }
    result_.Number = number_->value();
    result_.Values = comb->Values;
    if (withDate_) {
        const QDate d = date_->date();
        const QTime t = time_->time();
        TDateTime value = EncodeDateTime({d.year(), d.month(), d.day(), t.hour(), t.minute(), 0, 0});
        result_.DateText.SetText(DrawDateToStr(value).substr(0, DrawDateLength));
    }
    QDialog::accept();
}

}  // namespace quorvel::gui
