#include "gui/widgets/value_fields.h"

#include <QLineEdit>
#include <QPalette>

namespace quorvel::gui {

QLineEdit* NewCombinationField(const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setPlaceholderText(QStringLiteral("7;7;4"));
    return field;
}

void ShowAsReadOnly(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
}

}  // namespace quorvel::gui
