#pragma once

#include "GlyphElements.h"

#include <QString>
#include <concepts>
#include <memory>
#include <vector>

namespace velkaris {

/// An owning list of glyph elements of one kind, keyed by (chart index, element id), or
/// for house lords by (chart index, body, text). Replacing an entry or clearing the list
/// frees the elements; the order is the order of first insertion.
template <std::derived_from<TBaseGraphicControl> TElement>
class TGraphicControlList {
public:
    TGraphicControlList() = default;
    TGraphicControlList(const TGraphicControlList&) = delete;
    TGraphicControlList& operator=(const TGraphicControlList&) = delete;

    int Count() const { return static_cast<int>(m_Items.size()); }
    bool IsEmpty() const { return m_Items.empty(); }
    TElement& At(int index) const { return *m_Items.at(static_cast<size_t>(index)); }

    /// Index of the first element with the key, or -1.
    int IndexOf(int chartIndex, int id) const {
        return IndexWhere(
            [&](const TElement& e) { return e.ChartIndex == chartIndex && e.ElementId == id; });
    }
    /// The first element with the key, or null.
    TElement* Find(int chartIndex, int id) const { return At(IndexOf(chartIndex, id), nullptr); }

    /// Puts `element` in place of the element with its key (which is freed), or appends
    /// it. Returns the element.
    TElement& AddOrReplace(std::unique_ptr<TElement> element) {
        const int at = IndexOf(element->ChartIndex, element->ElementId);
        return Put(at, std::move(element));
    }

    /// The house-lord key: chart, body and text (compared exactly).
    int IndexOfLord(int chartIndex, int bodyId, const QString& text)
        const requires std::derived_from<TElement, THouseLordGraphicControl> {
        return IndexWhere([&](const TElement& e) {
            return e.ChartIndex == chartIndex && e.LordBody == bodyId && e.LordText == text;
        });
    }
    TElement* FindLord(int chartIndex, int bodyId, const QString& text)
        const requires std::derived_from<TElement, THouseLordGraphicControl> {
        return At(IndexOfLord(chartIndex, bodyId, text), nullptr);
    }
    TElement& AddOrReplaceLord(std::unique_ptr<TElement> element) requires
        std::derived_from<TElement, THouseLordGraphicControl> {
        const int at = IndexOfLord(element->ChartIndex, element->LordBody, element->LordText);
        return Put(at, std::move(element));
    }

    /// Hides the elements of chart `chartIndex`, or every element when `chartIndex` is -1.
    void Hide(int chartIndex = -1) {
        for (const auto& e : m_Items)
            if (chartIndex < 0 || e->ChartIndex == chartIndex)
                e->Visible = false;
    }
    /// Frees the elements of chart `chartIndex`.
    void Remove(int chartIndex) {
        std::erase_if(m_Items, [&](const auto& e) { return e->ChartIndex == chartIndex; });
    }
    void Clear() { m_Items.clear(); }

    auto begin() const { return m_Items.begin(); }
    auto end() const { return m_Items.end(); }

private:
    template <typename TPredicate>
    int IndexWhere(TPredicate matches) const {
        for (size_t i = 0; i < m_Items.size(); ++i)
            if (matches(*m_Items[i]))
                return static_cast<int>(i);
        return -1;
    }
    TElement* At(int index, std::nullptr_t) const {
        return index < 0 ? nullptr : m_Items[static_cast<size_t>(index)].get();
    }
    TElement& Put(int at, std::unique_ptr<TElement> element) {
        TElement& added = *element;
        if (at < 0)
            m_Items.push_back(std::move(element));
        else
            m_Items[static_cast<size_t>(at)] = std::move(element);
        return added;
    }

    std::vector<std::unique_ptr<TElement>> m_Items;
};

} // namespace velkaris
