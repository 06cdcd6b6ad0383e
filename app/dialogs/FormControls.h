#pragma once

#include <QString>

class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace velkaris {

/// A number field of the dialogs: named, at most `maxLength` characters, `width` pixels
/// at the most.
QLineEdit* CreateNumberField(QWidget* parent, const char* name, int maxLength, int width = 48);
/// A named radio button in `group` (the east/west and north/south pairs of the place
/// forms).
QRadioButton* CreateGroupedRadio(QWidget* parent, const char* name, const QString& text,
                                 QButtonGroup* group);

} // namespace velkaris
