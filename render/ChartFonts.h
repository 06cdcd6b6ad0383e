#pragma once

#include <QString>
#include <optional>

namespace velkaris {

/// Makes the chart fonts available to the process: adds the symbol font "VelkarisWIN"
/// from `fontFile` and maps the Windows label faces ("Arial", "Tahoma", "Corbel") to the
/// free faces installed with the program. Needs a GUI application. Returns the reason
/// when the symbol font cannot be added; the label faces are mapped in any case.
std::optional<QString> RegisterChartFonts(const QString& fontFile);

/// Removes the symbol font again when `RegisterChartFonts` added it (at the end of the
/// run); nothing otherwise.
void UnregisterChartFonts();

/// The symbol font file below the shipped data folder.
QString SymbolFontFile(const QString& shippedFolder);

} // namespace velkaris
