#include "FormControls.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

namespace velkaris {

QLineEdit* CreateNumberField(QWidget* parent, const char* name, int maxLength, int width) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(maxLength);
    field->setMaximumWidth(width);
    return field;
}

QRadioButton* CreateGroupedRadio(QWidget* parent, const char* name, const QString& text,
                                 QButtonGroup* group) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    group->addButton(button);
    return button;
}

} // namespace velkaris
