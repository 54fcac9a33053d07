// The end-of-line (EOL) parameter set of a control unit: byte cells at 16-bit addresses, kept
// in the order they were added (file order, or the order the unit answered). Also what each
// device class reads and how its checksum cells are formed.
#pragma once

#include <cstdint>
#include <vector>

#include "records.h"

// One cell of a set.
struct TEolItem {
    int32_t Address = 0;  // 0..0xFFFF
    uint8_t Value = 0;
};

// A set in memory. Items are at indices 1..Count; index 0 holds no item.
struct TEolParamSet {
    static constexpr int32_t AddressLimit = 0x10000;  // addresses are 0..AddressLimit - 1

    int32_t Count = 0;
    int32_t Lowest = AddressLimit;  // lowest address added so far
    int32_t Highest = -1;           // highest address added so far
    std::vector<TEolItem> Items = std::vector<TEolItem>(1);

    void ClearItems();
    // Appends one item; an address outside 0..0xFFFF is not taken. Returns the new Count.
    int32_t AddItem(int32_t address, uint8_t value);
    // Keeps the first max(n, 0) items (Lowest and Highest stay); never adds any.
    void SetItemCount(int32_t n);
    bool HasAddr(int32_t address) const;
    // The item at index 1..Count.
    const TEolItem& item(int32_t index) const { return Items[static_cast<size_t>(index)]; }

private:
    // How many items hold each address, so HasAddr needs no search of a long set.
    std::vector<uint32_t> m_present = std::vector<uint32_t>(AddressLimit, 0);
};

// The intermediate buffer ("Zwischenspeicher") is a second set; empty means Count 0.
using EolBuffer = TEolParamSet;

// The address range read from the unit and the checksum areas of a device class. An area's
// checksum position below 0 means the area has none.
struct EolClassRules {
    int32_t ReadFirst = 0, ReadLast = 255;
    int32_t CsStart1 = 0, CsEnd1 = 0, CsPos1 = -1;
    int32_t CsStart2 = 0, CsEnd2 = 0, CsPos2 = -1;
};

// What the unit reported about its memory: columns A, B and C of the W-Bus memory-area table
// for areas 1 and 2 (-1 unknown), and the S-Bus memory-area size 1.
struct EolAreaInfo {
    int32_t A[3] = {-1, -1, -1};
    int32_t B[3] = {-1, -1, -1};
    int32_t C[3] = {-1, -1, -1};
    int32_t SBusSize1 = 0;
};

// The rules of a device class 1..5; another class leaves `rules` as it is.
void EOL_SetClassRules(uint8_t deviceClass, const EolAreaInfo& areas, EolClassRules& rules);

// The unsigned 16-bit sum of cells first..last (inclusive); 0 when last < first. Cells
// outside the data count as absent.
uint16_t EOL_Sum(const std::vector<uint8_t>& cells, int32_t first, int32_t last);
