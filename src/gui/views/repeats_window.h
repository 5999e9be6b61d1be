#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/app/ui_state.h"
#include "core/util/ui_host.h"
#include "core/views/repeats_analysis.h"

class QChart;
class QSplitter;
class QValueAxis;
class QTableWidget;
class QToolButton;

namespace quorvel::gui {

class ViewLengthBox;

// "Количество повторов в зависимости от тиража": the rows of the repeats analysis for the chosen
// window length and depth, and their chart, one line per match count. The window keeps its
// placement, list layout, lengths and chart height in a section of its own of the interface
// state file: read when it opens, written when it closes.
class RepeatsWindow : public QWidget {
    Q_OBJECT

public:
    using Analyzer = std::function<std::vector<TRepeatsRow>(int length, int deep)>;
    static constexpr const char* StateSection = "TFormRepeats";
    static constexpr int DefaultGraphHeight = 340;

    // Without a state file the window starts with its designed layout and keeps nothing; a
    // failed write of its keys is shown through the host when there is one.
    RepeatsWindow(Analyzer analyzer, const UiStateFile* uiState = nullptr, UiHost* host = nullptr,
                  QWidget* parent = nullptr);

    // Recomputes with the boxes' values.
    void Compute();

    ViewLengthBox* Length() const { return length_; }
    ViewLengthBox* Deep() const { return deep_; }
    QTableWidget* Table() const { return table_; }
    QChart* Chart() const { return chart_; }
    QSplitter* Splitter() const { return splitter_; }
    // The chart's share of the splitter, the "GraphHeight" kept for the next opening.
    int GraphHeight() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RestoreState();
    void SaveState();

    Analyzer analyzer_;
    std::optional<UiStateFile> state_;
    UiHost* host_;
    ViewLengthBox* length_;
    ViewLengthBox* deep_;
    QToolButton* compute_;
    QTableWidget* table_;
    QSplitter* splitter_;
    QChart* chart_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
};

}  // namespace quorvel::gui
