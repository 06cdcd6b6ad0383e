#pragma once

#include <memory>
#include <vector>

namespace velkaris {

/// A list that owns its elements; elements keep their address while the list changes,
/// so a result refilled in place keeps the identity of its elements.
template <class T>
class TOwningList {
public:
    int Count() const { return static_cast<int>(m_Items.size()); }
    bool IsEmpty() const { return m_Items.empty(); }
    /// Element `index`; null past the end.
    T* At(int index) {
        return InRange(index) ? m_Items[static_cast<size_t>(index)].get() : nullptr;
    }
    const T* At(int index) const {
        return InRange(index) ? m_Items[static_cast<size_t>(index)].get() : nullptr;
    }
    void Clear() { m_Items.clear(); }

    template <class F>
    void ForEach(F&& f) const {
        for (const auto& item : m_Items)
            f(*item);
    }
    template <class F>
    void ForEach(F&& f) {
        for (auto& item : m_Items)
            f(*item);
    }

protected:
    T& Append(std::unique_ptr<T> item) {
        m_Items.push_back(std::move(item));
        return *m_Items.back();
    }
    template <class Pred>
    T* FindIf(Pred&& pred) const {
        for (const auto& item : m_Items) {
            if (pred(*item))
                return item.get();
        }
        return nullptr;
    }
    template <class Pred>
    void RemoveIf(Pred&& pred) {
        std::erase_if(m_Items, [&](const std::unique_ptr<T>& item) { return pred(*item); });
    }

private:
    bool InRange(int index) const { return index >= 0 && index < Count(); }

    std::vector<std::unique_ptr<T>> m_Items;
};

} // namespace velkaris
