#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace quorvel::gui {

// A field where a person types a combination: it shows the form it takes as placeholder text.
QLineEdit* NewCombinationField(const QString& text, QWidget* parent);

// A field that only shows a value: it looks like a label's background, so nobody tries to type
// into it, and Tab passes it by.
void ShowAsReadOnly(QLineEdit* field);

}  // namespace quorvel::gui
