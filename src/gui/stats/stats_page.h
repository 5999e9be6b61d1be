#pragma once

#include <QWidget>

class QAction;
class QPushButton;

namespace quorvel::gui {

class MethodCombo;

// The "Статистика" tab: the method list and the favourites button above the statistics
// table of the chosen method.
class StatsPage : public QWidget {
    Q_OBJECT

public:
    explicit StatsPage(QWidget* parent = nullptr);

    // The button runs the favourites action and follows its enabled state.
    void SetFavouritesAction(QAction* favourites);

    MethodCombo* Methods() const { return methods_; }
    QPushButton* FavouritesButton() const { return favourites_; }
    QWidget* TableArea() const { return tableArea_; }

private:
    MethodCombo* methods_;
    QPushButton* favourites_;
    QWidget* tableArea_;
};

}  // namespace quorvel::gui
