#pragma once

#include <QDialog>

#include "core/model/game.h"
#include "core/util/ui_host.h"

class QDateEdit;
class QLineEdit;
class QSpinBox;
class QTimeEdit;

namespace quorvel::gui {

// "Данные тиража": the number, the three values as text and, when asked for, the date and time.
class DrawDialog : public QDialog {
    Q_OBJECT

public:
    DrawDialog(const TDraw& draw, bool withDate, const QString& caption, UiHost& host,
               QWidget* parent = nullptr);

    // The entered draw; valid after the dialog was accepted.
    TDraw Result() const { return result_; }

    QLineEdit* ValuesEdit() const { return values_; }
    QSpinBox* NumberEdit() const { return number_; }

    // A new draw has no values yet: Enter on an untouched dialog must not store 0;0;0.
    void ClearValues();

    void accept() override;

private:
    UiHost& host_;
    bool withDate_;
    TDraw result_;
    QSpinBox* number_;
    QLineEdit* values_;
    QDateEdit* date_;
    QTimeEdit* time_;
};

}  // namespace quorvel::gui
