#pragma once

#include <QChar>
#include <QIcon>

namespace velkaris::ActionIcons {

/// The desktop theme's icon `themeName`; where the theme has none (a bare desktop, the
/// virtual display of the tests), a plain drawing of our own for the standard commands
/// (document-new, document-open, document-save, document-save-as, document-close,
/// window-close, application-exit, document-properties, view-fullscreen, starred).
QIcon Standard(const char* themeName);

/// An icon showing one character of the chart symbol font, for the astrological commands.
QIcon Glyph(QChar character);

} // namespace velkaris::ActionIcons
