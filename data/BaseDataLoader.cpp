#include "BaseDataLoader.h"

#include "TableText.h"
#include "core/Messages.h"
#include "core/TextFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace velkaris {

namespace {

/// Larger files are no tables of ours; refusing them keeps a stray file from filling
/// the memory.
constexpr qint64 MaxTableFileBytes = 64 * 1024 * 1024;

QString ReadError(const QString& path, const QString& reason) {
    return GetMessageText(u"uCSVLoader_ReadError")
        .replace(QLatin1String("#01#"), path)
        .replace(QLatin1String("#02#"), reason);
}

QString LineError(const QString& path, const TTableTextError& error) {
    if (error.Kind == TTableTextError::TKind::TooManyValues)
        return GetMessageText(u"uCSVLoader_TooManyValues")
            .replace(QLatin1String("#01#"), path)
            .replace(QLatin1String("#02#"), QString::number(error.Line));
    return GetMessageText(u"uCSVLoader_WrongValue")
        .replace(QLatin1String("#01#"), path)
        .replace(QLatin1String("#02#"), QString::number(error.Line))
        .replace(QLatin1String("#03#"), error.Value)
        .replace(QLatin1String("#04#"), error.Column);
}

/// Handles pending messages when it goes out of scope, however the load ends.
struct TPendingEventsOnExit {
    ~TPendingEventsOnExit() { HandlePendingEvents(); }
};

} // namespace

void HandlePendingEvents() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void TBaseDataLoader::AddColumn(const QString& name, TFieldType type, const QString& displayLabel) {
    m_Table.AddColumn(TColumn{name, type, displayLabel, 50});
}

bool TBaseDataLoader::DataFileExists(const QString& fileName) const {
    return !fileName.trimmed().isEmpty() && QFileInfo(m_Folders.DataFilePath(fileName)).isFile();
}

bool TBaseDataLoader::LoadFromDataFolder(const QString& fileName) {
    const TPendingEventsOnExit pendingEvents;
    if (!DataFileExists(fileName))
        return false;
    const QString path = m_Folders.DataFilePath(fileName);
    QFile file(path);
    if (file.size() > MaxTableFileBytes)
        throw ETableFileError(ReadError(path, QStringLiteral("> 64 MiB")));
    if (!file.open(QIODevice::ReadOnly))
        throw ETableFileError(ReadError(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ETableFileError(ReadError(path, file.errorString()));
    m_FileName = path;
    const auto error = AppendTableText(m_Table, DecodeWindowsText(bytes), HandlePendingEvents);
    if (error)
        throw ETableFileError(LineError(path, *error));
    return !m_Table.IsEmpty();
}

std::optional<QString> TBaseDataLoader::LoadKeepingError(const QString& fileName) {
    m_LoadError.reset();
    try {
        LoadFromDataFolder(fileName);
    } catch (const ETableFileError& e) {
        m_LoadError = e.UserText();
    }
    return m_LoadError;
}

QString TBaseDataLoader::FileForMode(const QString& base, int mode) const {
    if (mode != 0 && mode != 1)
        return {};
    const QString variant = base + (mode == 0 ? QStringLiteral(".small") : QStringLiteral(".long"));
    return DataFileExists(variant) ? variant : base;
}

} // namespace velkaris
