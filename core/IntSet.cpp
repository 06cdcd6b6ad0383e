#include "IntSet.h"

namespace velkaris {

void TIntSet::Add(int value) {
    if (!Contains(value))
        m_Values.append(value);
}

int TIntSet::IndexOf(int value) const {
    return static_cast<int>(m_Values.lastIndexOf(value));
}

} // namespace velkaris
