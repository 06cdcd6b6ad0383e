#pragma once

#include <QList>

namespace velkaris {

/// One offered row or column with its score.
struct TSorOszlopType {
    int Index = 0;
    int Value = 0;
};

/// Keeps every offered index that reached the extreme (lowest or highest) value, in
/// the order offered.
class TSorOszlopList {
public:
    enum TMode { KeepMinima = 0, KeepMaxima = 1 };

    explicit TSorOszlopList(TMode mode) : m_Mode(mode) {}

    void Offer(int index, int value);
    int Count() const { return static_cast<int>(m_Items.size()); }
    const TSorOszlopType& At(int index) const { return m_Items.at(index); }
    void Clear() { m_Items.clear(); }

private:
    TMode m_Mode;
    QList<TSorOszlopType> m_Items;
};

} // namespace velkaris
