#pragma once

#include <QSplitter>

namespace quorvel::gui {

// A vertical splitter of a view and the panel below it (a chart, the compare lists). The panel
// keeps its height when the window grows, and its height is kept between runs, so it is asked
// for even when the splitter has never been shown.
class PanelSplitter : public QSplitter {
    Q_OBJECT

public:
    PanelSplitter(int panelHeight, QWidget* parent);

    void SetParts(QWidget* view, QWidget* panel);

    void SetPanelHeight(int height);
    int PanelHeight() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Apply();

    int wanted_;
    bool shown_ = false;
};

}  // namespace quorvel::gui
