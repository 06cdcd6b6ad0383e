#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace velkaris {

namespace {

QString ExecutableFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe"))
        .canonicalFilePath()
        .section(QLatin1Char('/'), 0, -2);
}

QString ResolveShipped() {
    const QString fromEnv = qEnvironmentVariable("VELKARIS_SHARE_DIR");
    if (!fromEnv.isEmpty())
        return QDir(fromEnv).absolutePath();
    const QString installed =
        QDir(ExecutableFolder()).absoluteFilePath(QStringLiteral("../share/velkaris"));
    if (QFileInfo(installed).isDir())
        return QDir(installed).canonicalPath();
    return QStringLiteral(VELKARIS_SOURCE_SHARE_DIR);
}

} // namespace

TProgramFolders TProgramFolders::Resolve(const QString& homeSwitch) {
    TProgramFolders folders;
    QString home = homeSwitch;
    if (home.isEmpty())
        home = qEnvironmentVariable("VELKARIS_HOME");
    if (home.isEmpty())
        home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/velkaris");
    folders.m_Home = QDir(home).absolutePath();
    folders.m_Shipped = ResolveShipped();
    return folders;
}

std::optional<QString> TProgramFolders::EnsureHomeLayout() const {
    static const char* const Layout[] = {"data", "hors", "hors/docs", "hors/images", "hors/import"};
    for (const char* sub : Layout) {
        const QString path = QDir(m_Home).filePath(QString::fromLatin1(sub));
        if (!QDir().mkpath(path))
            return path;
    }
    return std::nullopt;
}

QString TProgramFolders::DataFilePath(const QString& fileName) const {
    const QString own = QDir(m_Home).filePath(QStringLiteral("data/") + fileName);
    if (QFileInfo(own).isFile())
        return own;
    return QDir(m_Shipped).filePath(QStringLiteral("data/") + fileName);
}

QString TProgramFolders::EphemerisPath() const {
    return QStringList{QDir(m_Home).filePath(QStringLiteral("data/sweph")),
                       QDir(m_Shipped).filePath(QStringLiteral("sweph")),
                       QStringLiteral("/usr/share/libswe/ephe")}
        .join(QLatin1Char(':'));
}

} // namespace velkaris
