#include "eolset.h"

#include "devicelist.h"

void TEolParamSet::ClearItems() {
    for (int32_t i = 1; i <= Count; ++i) m_present[static_cast<size_t>(item(i).Address)] = 0;
    Count = 0;
    Lowest = AddressLimit;
    Highest = -1;
    Items.assign(1, TEolItem{});
}

int32_t TEolParamSet::AddItem(int32_t address, uint8_t value) {
    if (address < 0 || address >= AddressLimit) return Count;
    Items.push_back(TEolItem{address, value});
    ++Count;
    ++m_present[static_cast<size_t>(address)];
    if (address > Highest) Highest = address;
    if (address < Lowest) Lowest = address;
    return Count;
}

void TEolParamSet::SetItemCount(int32_t n) {
    if (n < 0) n = 0;
    while (Count > n) {
        --m_present[static_cast<size_t>(item(Count).Address)];
        Items.pop_back();
        --Count;
    }
}

bool TEolParamSet::HasAddr(int32_t address) const {
    return address >= 0 && address < AddressLimit && m_present[static_cast<size_t>(address)] > 0;
}

void EOL_SetClassRules(uint8_t deviceClass, const EolAreaInfo& a, EolClassRules& r) {
    switch (deviceClass) {
        case dcKX3090:
            r = EolClassRules{0, 255, a.A[1], a.B[1], a.C[1], 0, 0, -1};
            break;
        case dcKX3024:
            r = EolClassRules{0, 255, 0, 42, 43, 0, 0, -1};
            break;
        case dcKX3117: {
            const int32_t last = a.C[2] < 0 ? r.ReadLast : a.C[2] + 1;
            r = EolClassRules{0, last, a.A[1], a.B[1] - 2, a.C[1], a.A[2], a.B[2] - 2, a.C[2]};
            break;
        }
        case dcKX3141:
            r = EolClassRules{0, 252, 0, 0, 0, 0, 0, 0};
            break;
        case dcKX3166:
            r = EolClassRules{0, a.SBusSize1 <= 0 ? a.SBusSize1 : a.SBusSize1 - 1, 0, 0, 0, 0, 0,
                              0};
            break;
        default:
            break;
    }
}

uint16_t EOL_Sum(const std::vector<uint8_t>& cells, int32_t first, int32_t last) {
    uint32_t sum = 0;
    if (first < 0) first = 0;
    for (int32_t i = first; i <= last && static_cast<size_t>(i) < cells.size(); ++i)
        sum += cells[static_cast<size_t>(i)];
    return static_cast<uint16_t>(sum);
}
