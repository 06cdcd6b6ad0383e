#include "IniDocument.h"

#include <algorithm>

namespace velkaris {

namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

const TIniDocument::TSection* TIniDocument::FindSection(const QString& name) const {
    const auto it = std::find_if(m_Sections.cbegin(), m_Sections.cend(),
                                 [&](const TSection& s) { return SameName(s.Name, name); });
    return it == m_Sections.cend() ? nullptr : &*it;
}

QString TIniDocument::Value(const QString& section, const QString& key,
                            const QString& fallback) const {
    if (const TSection* s = FindSection(section)) {
        for (const TEntry& e : s->Entries) {
            if (SameName(e.Key, key))
                return e.Value;
        }
    }
    return fallback;
}

bool TIniDocument::Contains(const QString& section, const QString& key) const {
    const TSection* s = FindSection(section);
    return s && std::any_of(s->Entries.cbegin(), s->Entries.cend(),
                            [&](const TEntry& e) { return SameName(e.Key, key); });
}

void TIniDocument::SetValue(const QString& section, const QString& key, const QString& value) {
    auto it = std::find_if(m_Sections.begin(), m_Sections.end(),
                           [&](const TSection& s) { return SameName(s.Name, section); });
    if (it == m_Sections.end()) {
        m_Sections.append(TSection{section, {}});
        it = std::prev(m_Sections.end());
    }
    for (TEntry& e : it->Entries) {
        if (SameName(e.Key, key)) {
            e.Value = value;
            return;
        }
    }
    it->Entries.append(TEntry{key, value});
}

void TIniDocument::RemoveSection(const QString& section) {
    m_Sections.removeIf([&](const TSection& s) { return SameName(s.Name, section); });
}

} // namespace velkaris
