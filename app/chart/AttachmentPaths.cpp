#include "AttachmentPaths.h"

#include <QDir>

namespace velkaris::AttachmentPaths {

QString DisplayName(const QString& stored) {
    qsizetype cut = -1;
    for (const QChar separator : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':')})
        cut = std::max(cut, stored.lastIndexOf(separator));
    return stored.mid(cut + 1);
}

bool IsAddress(const QString& stored) {
    return stored.contains(QLatin1String("http")) || stored.contains(QLatin1Char('@'));
}

QString Resolve(const QString& stored, const QString& programFolder) {
    const QString trimmed = stored.trimmed();
    if (trimmed.isEmpty())
        return {};
    QString path = trimmed;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.contains(QLatin1Char(':')) || QDir::isAbsolutePath(path))
        return path;
    return QDir(programFolder).filePath(path);
}

bool IsChartFile(const QString& path) {
    return path.endsWith(QLatin1String(".szk"), Qt::CaseInsensitive);
}

} // namespace velkaris::AttachmentPaths
