#pragma once

#include <QString>
#include <QStringView>

namespace velkaris {

/// The text of message constant `constName` in the current language.
///
/// Until a language is chosen this is the built-in Hungarian default text. A name the
/// catalogue does not hold is a programming error: EVelkarisError.
QString GetMessageText(QStringView constName);

/// `prefix` followed by `index` as two digits ("planetName" + 3 -> "planetName03").
QString MessageFamilyName(QStringView prefix, int index);

} // namespace velkaris
