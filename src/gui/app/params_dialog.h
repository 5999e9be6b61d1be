#pragma once

#include <QDialog>
#include <QStringList>
#include <array>

#include "core/stats/stat_list.h"
#include "core/util/ui_host.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace quorvel::gui {

// "Параметры системы": edits a copy of the analysis settings; the caller takes Config() only
// when the dialog was accepted. Values the user did not touch come back exactly as they went
// in, so opening and confirming the dialog never rounds a stored amount or coefficient.
class ParamsDialog : public QDialog {
    Q_OBJECT

public:
    ParamsDialog(const TConfigData& config, UiHost& host, QWidget* parent = nullptr);

    TConfigData Config() const;

    void accept() override;

private:
    void CreateControls();
    void FillFromConfig();
    // A left cell holding anything but empty text or 1..9 gets the message and 1.
    void CheckSegmentCell(int row, int column);
    int SegmentColumns() const;

    const TConfigData original_;
    UiHost& host_;
    bool checkingCell_ = false;
    int corrections_ = 0;

    QLineEdit* cost_ = nullptr;
    QTableWidget* profits_ = nullptr;
    QDoubleSpinBox* count_ = nullptr;
    QDoubleSpinBox* deviation_ = nullptr;
    QDoubleSpinBox* level_ = nullptr;
    QCheckBox* usePercents_ = nullptr;
    QCheckBox* useAbsValues_ = nullptr;
    QSpinBox* matrixCols_ = nullptr;
    QSpinBox* matrixRows_ = nullptr;
    QTableWidget* segments_ = nullptr;
    QSpinBox* channelSize_ = nullptr;

    // What the controls showed on opening; a control still showing it keeps the exact value.
    QString shownCost_;
    QStringList shownProfits_;
    std::array<double, 3> shownWeights_{};
};

}  // namespace quorvel::gui
