#pragma once

#include <QFrame>

#include "core/archive/download_owner.h"

class QLabel;

namespace quorvel::gui {

// The borderless wait window of network operations: one centred text over the main window,
// which cannot be used while it shows. The work runs on this thread, so every text is
// painted at once.
class WaitWindow : public QFrame, public TWaitSink {
    Q_OBJECT

public:
    explicit WaitWindow(QWidget* parent = nullptr);

    void ShowWaitText(const std::string& text) override;
    void CloseWait() override;
    QString Text() const;

private:
    void PlaceOverParent();

    QLabel* label_ = nullptr;
};

}  // namespace quorvel::gui
