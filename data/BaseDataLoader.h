#pragma once

#include "DataTable.h"
#include "ProgramFolders.h"
#include "core/VelkarisError.h"

#include <QString>
#include <optional>

namespace velkaris {

/// A table file that could not be read or stopped loading at a line; the text names the
/// file and the line for the user.
class ETableFileError : public EVelkarisError {
public:
    using EVelkarisError::EVelkarisError;
};

/// Lets the user interface handle its pending messages, when there is an application.
void HandlePendingEvents();

/// The base of every table loader: a table with the columns its subclass defines, filled
/// from a table file of the data folder.
///
/// Table files are read from `<home>/data/` when they are there, else from the shipped
/// data folder; the loaders never write them.
class TBaseDataLoader {
public:
    explicit TBaseDataLoader(const TProgramFolders& folders) : m_Folders(folders) {}
    virtual ~TBaseDataLoader() = default;
    TBaseDataLoader(const TBaseDataLoader&) = delete;
    TBaseDataLoader& operator=(const TBaseDataLoader&) = delete;

    TDataTable& Table() { return m_Table; }
    const TDataTable& Table() const { return m_Table; }
    /// Full path of the file last loaded; empty before the first load.
    const QString& FileName() const { return m_FileName; }

    /// Adds a text (50 characters), integer or number column unless one of that name
    /// exists.
    void AddColumn(const QString& name, TFieldType type, const QString& displayLabel);

    /// Appends the rows of data file `fileName` (the table text format of `AppendTableText`).
    ///
    /// False, loading nothing, when the name is blank or no such file exists; otherwise
    /// true when the table then holds at least one row. Throws ETableFileError when the
    /// file cannot be read or stops at a line (the rows before that line stay). Pending
    /// messages are handled before it returns.
    bool LoadFromDataFolder(const QString& fileName);
    /// True when data file `fileName` exists in the home or the shipped data folder.
    bool DataFileExists(const QString& fileName) const;
    /// The file a city-database mode selects: `base` + ".small" (mode 0) or ".long"
    /// (mode 1) when that exists, else `base`; empty (nothing to load) for another mode.
    QString FileForMode(const QString& base, int mode) const;

    /// The error of the last load that the constructor or a reload made; nullopt when it
    /// went through.
    const std::optional<QString>& LoadError() const { return m_LoadError; }

protected:
    /// Adds the loader's columns with `AddColumn`.
    virtual void DefineColumns() = 0;
    /// `LoadFromDataFolder` with its error kept in `LoadError` instead of thrown.
    std::optional<QString> LoadKeepingError(const QString& fileName);

private:
    TProgramFolders m_Folders;
    TDataTable m_Table;
    QString m_FileName;
    std::optional<QString> m_LoadError;
};

} // namespace velkaris
