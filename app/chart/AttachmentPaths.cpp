#include "AttachmentPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString StoredAttachment(const QString& file, const QString& homeFolder, bool copy,
                         const QString& subfolder) {
    const QFileInfo source(file);
    if (!source.isFile())
        return {};
    if (copy) {
        const QDir home(homeFolder);
        if (!home.mkpath(subfolder))
            return {};
        const QString target = home.filePath(subfolder + QLatin1Char('/') + source.fileName());
        if (!QFileInfo::exists(target) && !QFile::copy(source.absoluteFilePath(), target))
            return {};
        QString stored = subfolder + QLatin1Char('/') + source.fileName();
        return stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
    }
    const QString absolute = source.absoluteFilePath();
    const QString prefix = QDir(homeFolder).absolutePath() + QLatin1Char('/');
    return absolute.startsWith(prefix) ? absolute.mid(prefix.size()) : absolute;
}

bool IsChartFile(const QString& path) {
    return path.endsWith(QLatin1String(".szk"), Qt::CaseInsensitive);
}

} // namespace velkaris::AttachmentPaths
