#include "CityLookupList.h"

#include <algorithm>
#include <limits>

namespace velkaris {

namespace {

constexpr std::uint32_t NoEntry = std::numeric_limits<std::uint32_t>::max();

std::u16string_view View(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

/// <0, 0 or >0 as the first `length` units of `key` come before, equal or after `prefix`.
int ComparePrefix(std::u16string_view key, std::u16string_view prefix) {
    return key.substr(0, prefix.size()).compare(prefix);
}

} // namespace

QString CityLookupUpper(QStringView text) {
    QString upper(text.size(), Qt::Uninitialized);
    QChar* out = upper.data();
    for (const QChar c : text)
        *out++ = c.toUpper();
    return upper;
}

void TCityLookupList::Clear() {
    m_Entries.clear();
    m_Upper.clear();
    m_Start.assign(1, 0);
    m_Sorted.clear();
    m_Min.clear();
    m_Indexed = true;
}

void TCityLookupList::Reserve(qsizetype count) {
    m_Entries.reserve(count);
    m_Start.reserve(count + 1);
}

void TCityLookupList::Append(const QString& entry) {
    m_Entries.append(entry);
    m_Upper += View(CityLookupUpper(entry));
    m_Start.push_back(static_cast<std::uint32_t>(m_Upper.size()));
    m_Indexed = false;
}

std::u16string_view TCityLookupList::UpperAt(std::uint32_t entry) const {
    return std::u16string_view(m_Upper).substr(m_Start[entry], m_Start[entry + 1] - m_Start[entry]);
}

void TCityLookupList::BuildIndex() {
    const auto n = static_cast<std::uint32_t>(m_Entries.size());
    m_Sorted.resize(n);
    for (std::uint32_t i = 0; i < n; ++i)
        m_Sorted[i] = i;
    std::sort(m_Sorted.begin(), m_Sorted.end(), [this](std::uint32_t a, std::uint32_t b) {
        const int order = UpperAt(a).compare(UpperAt(b));
        return order != 0 ? order < 0 : a < b;
    });
    m_Min.assign(2 * static_cast<size_t>(n), NoEntry);
    std::copy(m_Sorted.begin(), m_Sorted.end(), m_Min.begin() + n);
    for (std::uint32_t k = n - 1; k >= 1 && n > 1; --k)
        m_Min[k] = std::min(m_Min[2 * k], m_Min[2 * k + 1]);
    m_Indexed = true;
}

qsizetype TCityLookupList::FindFirst(QStringView text) const {
    if (!m_Indexed)
        return ScanFirst(text);
    const QString upper = CityLookupUpper(text);
    const std::u16string_view prefix = View(upper);
    const auto from = std::partition_point(m_Sorted.begin(), m_Sorted.end(), [&](std::uint32_t e) {
        return ComparePrefix(UpperAt(e), prefix) < 0;
    });
    const auto to = std::partition_point(from, m_Sorted.end(), [&](std::uint32_t e) {
        return ComparePrefix(UpperAt(e), prefix) == 0;
    });
    if (from == to)
        return -1;
    // The smallest entry position among the sorted positions [from, to).
    const size_t n = m_Sorted.size();
    size_t l = static_cast<size_t>(from - m_Sorted.begin()) + n;
    size_t r = static_cast<size_t>(to - m_Sorted.begin()) + n;
    std::uint32_t first = NoEntry;
    for (; l < r; l /= 2, r /= 2) {
        if (l % 2 == 1)
            first = std::min(first, m_Min[l++]);
        if (r % 2 == 1)
            first = std::min(first, m_Min[--r]);
    }
    return first;
}

qsizetype TCityLookupList::ScanFirst(QStringView text) const {
    const QString upper = CityLookupUpper(text);
    for (qsizetype i = 0; i < m_Entries.size(); ++i) {
        if (m_Entries[i].size() >= text.size() &&
            CityLookupUpper(QStringView(m_Entries[i]).left(text.size())) == upper)
            return i;
    }
    return -1;
}

} // namespace velkaris
