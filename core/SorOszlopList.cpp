#include "SorOszlopList.h"

namespace velkaris {

void TSorOszlopList::Offer(int index, int value) {
    if (!m_Items.isEmpty()) {
        const int held = m_Items.first().Value;
        const bool better = m_Mode == KeepMinima ? value < held : value > held;
        if (better)
            m_Items.clear();
        else if (value != held)
            return;
    }
    m_Items.append(TSorOszlopType{index, value});
}

} // namespace velkaris
