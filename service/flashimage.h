// The image of a control-unit software file as the programming sends it: fixed-size blocks in
// the order the file first touched them, each pre-filled with the class's fill byte, and the
// rules that say whether an image fits the connected class.
//
//   class 3      128-byte blocks, fill 0xFF; the block at 0xE600 is written last
//   classes 5, 6  64-byte blocks, fill 0x00; sent as consecutive 64-byte chunks
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "records.h"

struct FlashBlock {
    uint32_t start = 0;  // a multiple of the block size
    uint32_t end = 0;    // the highest address any record wrote into the block
    ByteString data;     // always one whole block
};

struct FlashBlockLayout {
    uint32_t size;
    uint8_t fill;
};

// How the software of a device class is programmed: everything of the programming that
// differs between the classes is here.
struct FlashClass {
    enum Way : uint8_t {
        NoProgramming,   // the class takes no software
        WBusMemory,      // the W-Bus memory services
        SBusBootLoader,  // the S-Bus boot loader
    };
    Way way = NoProgramming;
    FlashBlockLayout layout = {64, 0x00};
    // The image's addresses: from first on, and below endBelow (0: no upper limit).
    uint32_t first = 0;
    uint32_t endBelow = 0;
    // The image must hold the special block, which is written last.
    bool needsSpecialBlock = false;
    // Progress steps besides one per block (the erased ranges).
    int32_t extraProgress = 0;
    // The unit runs its application and is first switched into its boot loader.
    bool leavesApplication = false;
};
// The programming of a device class; a class without one gives that of NoProgramming.
const FlashClass& FLASH_Class(uint8_t deviceClass);

FlashBlockLayout FLASH_BlockLayout(uint8_t deviceClass);

class FlashImage {
public:
    // Where the class-3 software is complete: the block holding 0xE600..0xE603.
    static constexpr uint32_t SpecialStart = 0xE600;
    static constexpr uint32_t SpecialLast = 0xE603;
    // The S-Bus chunk: 64 bytes, the last one possibly shorter.
    static constexpr uint32_t ChunkSize = 64;

    void FLASH_ClearBlocks();
    // Appends the block that holds the address; returns its index.
    size_t FLASH_AddBlock(uint32_t address, uint32_t size, uint8_t fill);
    // Writes the bytes from the address on, into as many blocks as they reach.
    void FLASH_StoreBytes(uint8_t deviceClass, uint32_t address, const ByteString& bytes);
    // The first min(last - address + 1, 64) bytes of the block that starts at the address;
    // 64 zero bytes where the image has no such block (a gap).
    ByteString FLASH_GetChunk(int64_t address, int64_t last) const;

    bool empty() const { return m_blocks.empty(); }
    const std::vector<FlashBlock>& blocks() const { return m_blocks; }
    // The block that starts at the address, or nullptr.
    const FlashBlock* blockAt(uint32_t start) const;
    uint32_t minimumStart() const { return m_minStart; }
    uint32_t maximumEnd() const { return m_maxEnd; }
    int64_t length() const { return empty() ? 0 : int64_t{m_maxEnd} - m_minStart + 1; }
    // The class-3 special block: it starts at 0xE600 and was written up to 0xE603 at least.
    const FlashBlock* specialBlock() const;
    bool isSpecial(const FlashBlock& b) const { return &b == specialBlock(); }

private:
    std::vector<FlashBlock> m_blocks;
    std::unordered_map<uint32_t, size_t> m_index;  // block start -> position in m_blocks
    uint32_t m_minStart = 0;
    uint32_t m_maxEnd = 0;
};

// Whether the image fits the class, and the progress maximum of its transfer:
//   class 3       blocks + 70; from 0xE000, ending below 0x3FFFF, with the special block
//   classes 5, 6  blocks; from 0x10000
//   others        never (maximum 0)
// An image without blocks fits no class.
bool FLASH_CheckRange(uint8_t deviceClass, const FlashImage& image, int32_t& progressMaximum);
