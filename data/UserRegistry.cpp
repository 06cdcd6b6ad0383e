#include "UserRegistry.h"

#include "core/IniDocument.h"

#include <QDir>
#include <QFileInfo>

namespace velkaris {

namespace {

QString NormalisedKeyPath(const QString& keyPath) {
    QString path = keyPath.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

TUserRegistry::TUserRegistry() : m_FilePath(DefaultFilePath()) {}

TUserRegistry::TUserRegistry(const QString& filePath) : m_FilePath(filePath) {}

QString TUserRegistry::DefaultFilePath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir(config).filePath(QStringLiteral("velkaris/registry.ini"));
}

QString TUserRegistry::ReadString(const QString& keyPath, const QString& name) const {
    const auto doc = TIniDocument::LoadFile(m_FilePath);
    return doc ? doc->ReadString(NormalisedKeyPath(keyPath), name) : QString();
}

std::optional<QString> TUserRegistry::WriteString(const QString& keyPath, const QString& name,
                                                  const QString& value) {
    // A file that exists but cannot be read is not replaced: it holds other values too.
    auto doc = TIniDocument::LoadFile(m_FilePath);
    if (!doc)
        return QStringLiteral("Cannot read %1").arg(m_FilePath);
    const QString folder = QFileInfo(m_FilePath).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("Cannot create the folder %1").arg(folder);
    doc->WriteString(NormalisedKeyPath(keyPath), name, value);
    return doc->SaveFile(m_FilePath);
}

} // namespace velkaris
