#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace velkaris {

/// An INI document held in memory, in the text format of the settings, chart and notes
/// files.
///
/// Sections keep their order and their lines; a line without "=" stays where it was and
/// never matches a key. Section names and keys match without regard to letter case;
/// when a section name occurs twice, the second block is kept but never searched.
class TIniDocument {
public:
    struct TLine {
        QString Key;
        QString Value;
        /// False for a line without "=", kept as `Value`.
        bool IsEntry = true;
    };
    struct TSection {
        QString Name;
        QList<TLine> Lines;
    };

    /// Reads a document from a file's bytes (UTF-16LE, UTF-16BE or UTF-8 by byte-order
    /// mark, Windows-1250 without one). Lines before the first section are dropped.
    static TIniDocument FromBytes(QByteArrayView bytes);
    /// The document from `path`; an empty document bound to `path` when the file does
    /// not exist, nullopt when it exists but cannot be read.
    static std::optional<TIniDocument> LoadFile(const QString& path);

    /// The document as UTF-16LE text with CR LF: each section's name line, its lines, an
    /// empty line.
    QByteArray ToBytes() const;
    /// Writes the document to `path` through a temporary file; the system's error text
    /// on failure.
    std::optional<QString> SaveFile(const QString& path) const;

    const QString& FileName() const { return m_FileName; }
    void SetFileName(const QString& path) { m_FileName = path; }

    bool SectionExists(const QString& section) const;
    bool Contains(const QString& section, const QString& key) const;
    /// The raw value of `key`; nullopt when the section or the key is missing.
    std::optional<QString> RawValue(const QString& section, const QString& key) const;
    /// The entries of `section` in file order (lines without "=" left out).
    QList<TLine> Entries(const QString& section) const;

    /// The text after "="; `fallback` when missing.
    QString ReadString(const QString& section, const QString& key,
                       const QString& fallback = {}) const;
    /// Decimal, or hexadecimal after "0x"; `fallback` for anything else.
    int ReadInteger(const QString& section, const QString& key, int fallback = 0) const;
    /// True only when the integer reading (with `fallback` as 0 or 1) is exactly 1.
    bool ReadBool(const QString& section, const QString& key, bool fallback = false) const;
    /// Decimal with "," or "." as separator; `fallback` when empty or unreadable.
    double ReadFloat(const QString& section, const QString& key, double fallback) const;

    /// Sets the value, appending the key to its section and the section to the document
    /// when they are new.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    /// Shortest decimal form with the decimal separator of the user's locale.
    void WriteFloat(const QString& section, const QString& key, double value);

    void SetValue(const QString& section, const QString& key, const QString& value) {
        WriteString(section, key, value);
    }
    QString Value(const QString& section, const QString& key, const QString& fallback = {}) const {
        return ReadString(section, key, fallback);
    }

    void RemoveSection(const QString& section);
    void Clear() { m_Sections.clear(); }
    const QList<TSection>& Sections() const { return m_Sections; }

private:
    const TSection* FindSection(const QString& name) const;
    TSection* FindSection(const QString& name);

    QString m_FileName;
    QList<TSection> m_Sections;
};

} // namespace velkaris
