#include "ChartFonts.h"

#include "GlyphElements.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace velkaris {

namespace {

/// The application font id of the symbol font this process added; -1 for none.
int AddedSymbolFont = -1;

} // namespace

std::optional<QString> RegisterChartFonts(const QString& fontFile) {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Corbel"), QStringLiteral("DejaVu Sans"));
    if (QFontDatabase::families().contains(SymbolFontName))
        return std::nullopt;
    if (!QFileInfo(fontFile).isFile())
        return QStringLiteral("the symbol font file %1 is missing").arg(fontFile);
    AddedSymbolFont = QFontDatabase::addApplicationFont(fontFile);
    if (AddedSymbolFont < 0)
        return QStringLiteral("the symbol font file %1 cannot be loaded").arg(fontFile);
    return std::nullopt;
}

void UnregisterChartFonts() {
    if (AddedSymbolFont >= 0)
        QFontDatabase::removeApplicationFont(AddedSymbolFont);
    AddedSymbolFont = -1;
}

QString SymbolFontFile(const QString& shippedFolder) {
    return QDir(shippedFolder).filePath(QStringLiteral("fonts/VelkarisWIN.ttf"));
}

} // namespace velkaris
