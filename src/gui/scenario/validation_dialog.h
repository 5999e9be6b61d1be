#pragma once

#include <QDialog>

#include "core/scenario_run/validation.h"

class QComboBox;
class QSpinBox;

namespace quorvel::gui {

// "Проверка на новых тиражах": how many passes the rows are chosen on, how many they are
// checked on, how many rows and by what they are ranked.
class ValidationDialog : public QDialog {
    Q_OBJECT

public:
    // drawCount: the archive's size, which bounds the passes.
    ValidationDialog(int drawCount, QWidget* parent = nullptr);

    // The request without the scenario's lines.
    ValidationRequest Request() const;
    QSpinBox* TrainBox() const { return train_; }
    QSpinBox* TestBox() const { return test_; }
    QSpinBox* TopBox() const { return top_; }
    QComboBox* RankingBox() const { return ranking_; }

private:
    QSpinBox* train_;
    QSpinBox* test_;
    QSpinBox* top_;
    QComboBox* ranking_;
};

}  // namespace quorvel::gui
