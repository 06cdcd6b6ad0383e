#pragma once

#include <QList>
#include <QString>

namespace velkaris {

/// An INI document held in memory: sections in their order, each with its entries in
/// order. Section names and keys match without regard to letter case. The document
/// remembers the file it belongs to; reading and writing that file is done elsewhere.
class TIniDocument {
public:
    struct TEntry {
        QString Key;
        QString Value;
    };
    struct TSection {
        QString Name;
        QList<TEntry> Entries;
    };

    const QString& FileName() const { return m_FileName; }
    void SetFileName(const QString& path) { m_FileName = path; }

    /// The value of `key` in `section`; `fallback` when either is missing.
    QString Value(const QString& section, const QString& key, const QString& fallback = {}) const;
    bool Contains(const QString& section, const QString& key) const;
    /// Sets the value, appending the section and the key when they are new.
    void SetValue(const QString& section, const QString& key, const QString& value);
    void RemoveSection(const QString& section);
    void Clear() { m_Sections.clear(); }

    const QList<TSection>& Sections() const { return m_Sections; }

private:
    const TSection* FindSection(const QString& name) const;

    QString m_FileName;
    QList<TSection> m_Sections;
};

} // namespace velkaris
