#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <string>
#include <vector>

namespace velkaris {

/// `text` with every UTF-16 unit replaced by its simple Unicode upper case; the length
/// never changes, so the upper case of a prefix is the prefix of the upper case.
QString CityLookupUpper(QStringView text);

/// The lookup list of the city table: one entry per row, `CityName; CountryCode@RecID`,
/// in the table's order, with an index for finding entries by their beginning.
///
/// `FindFirst` gives the same entry as `ScanFirst`, the plain scan from the first entry,
/// without scanning: the upper-cased entries are kept sorted, the entries that begin
/// with a text lie together in that order, and a minimum tree over the sorted entries
/// gives the one that comes first in the list (a few microseconds over the world table).
class TCityLookupList {
public:
    void Clear();
    void Reserve(qsizetype count);
    /// Adds an entry at the end; `BuildIndex` must follow before the next search.
    void Append(const QString& entry);
    /// Sorts the upper-cased entries and builds the minimum tree.
    void BuildIndex();

    qsizetype Count() const { return m_Entries.size(); }
    const QStringList& Entries() const { return m_Entries; }

    /// Position of the first entry whose first n characters equal `text` (n its length)
    /// once both are upper-cased (`CityLookupUpper`); -1 when none does. The empty text
    /// matches the first entry.
    qsizetype FindFirst(QStringView text) const;
    /// The same answer by comparing the entries one by one from the first.
    qsizetype ScanFirst(QStringView text) const;

private:
    QStringList m_Entries;
    /// The upper-cased entries one after another; entry i is
    /// [m_Start[i], m_Start[i + 1]).
    std::u16string m_Upper;
    std::vector<std::uint32_t> m_Start{0};
    /// Entry positions sorted by their upper-cased text (ties by position).
    std::vector<std::uint32_t> m_Sorted;
    /// Minimum tree over m_Sorted: leaf i at m_Min[n + i], node k the smaller of 2k, 2k+1.
    std::vector<std::uint32_t> m_Min;
    bool m_Indexed = true;

    std::u16string_view UpperAt(std::uint32_t entry) const;
};

} // namespace velkaris
