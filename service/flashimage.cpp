#include "flashimage.h"

#include <algorithm>

#include "devicelist.h"

namespace {

constexpr int32_t Class3EraseProgress = 70;  // seven erased ranges, ten steps each

using F = FlashClass;

// Index = device class. Per class: the way, the block layout, the image's address range,
// whether it needs the special block, the extra progress and whether the unit leaves its
// application first.
const FlashClass kFlashClasses[] = {
    {},                                                                               // dcNone
    {},                                                                               // dcKX3090
    {},                                                                               // dcKX3024
    {F::WBusMemory, {128, 0xFF}, 0xE000, 0x3FFFF, true, Class3EraseProgress, false},  // dcKX3117
    {},                                                                               // dcKX3141
    {F::SBusBootLoader, {64, 0x00}, 0x10000, 0, false, 0, true},                      // dcKX3166
    {F::SBusBootLoader, {64, 0x00}, 0x10000, 0, false, 0, false},                     // dcLoader
};

}  // namespace

const FlashClass& FLASH_Class(uint8_t deviceClass) {
    constexpr size_t n = sizeof kFlashClasses / sizeof kFlashClasses[0];
    return deviceClass < n ? kFlashClasses[deviceClass] : kFlashClasses[dcNone];
}

FlashBlockLayout FLASH_BlockLayout(uint8_t deviceClass) {
    return FLASH_Class(deviceClass).layout;
}

void FlashImage::FLASH_ClearBlocks() {
    m_blocks.clear();
    m_index.clear();
    m_minStart = m_maxEnd = 0;
}

size_t FlashImage::FLASH_AddBlock(uint32_t address, uint32_t size, uint8_t fill) {
    const auto existing = m_index.find(address - address % size);
    if (existing != m_index.end()) return existing->second;
    FlashBlock b;
    b.start = address - address % size;
    b.end = b.start;
    b.data.assign(size, static_cast<char>(fill));
    if (m_blocks.empty()) {
        m_minStart = b.start;
        m_maxEnd = b.end;
    } else {
        m_minStart = std::min(m_minStart, b.start);
        m_maxEnd = std::max(m_maxEnd, b.end);
    }
    m_index.emplace(b.start, m_blocks.size());
    m_blocks.push_back(std::move(b));
    return m_blocks.size() - 1;
}

void FlashImage::FLASH_StoreBytes(uint8_t deviceClass, uint32_t address, const ByteString& bytes) {
    const FlashBlockLayout layout = FLASH_BlockLayout(deviceClass);
    size_t done = 0;
    uint64_t at = address;
    while (done < bytes.size()) {
        const uint32_t a = static_cast<uint32_t>(at);
        const uint32_t start = a - a % layout.size;
        const auto found = m_index.find(start);
        const size_t i =
            found != m_index.end() ? found->second : FLASH_AddBlock(a, layout.size, layout.fill);
        FlashBlock& b = m_blocks[i];
        const size_t offset = a - start;
        const size_t n = std::min<size_t>(layout.size - offset, bytes.size() - done);
        std::copy_n(bytes.data() + done, n, b.data.begin() + static_cast<std::ptrdiff_t>(offset));
        // A later record that writes lower bytes never shortens the block.
        b.end = std::max<uint32_t>(b.end, static_cast<uint32_t>(a + n - 1));
        m_maxEnd = std::max(m_maxEnd, b.end);
        done += n;
        at += n;
    }
}

const FlashBlock* FlashImage::blockAt(uint32_t start) const {
    const auto found = m_index.find(start);
    return found == m_index.end() ? nullptr : &m_blocks[found->second];
}

ByteString FlashImage::FLASH_GetChunk(int64_t address, int64_t last) const {
    const FlashBlock* b =
        address >= 0 && address <= UINT32_MAX ? blockAt(static_cast<uint32_t>(address)) : nullptr;
    if (!b) return ByteString(ChunkSize, '\0');
    const int64_t n = std::clamp<int64_t>(last - address + 1, 0, ChunkSize);
    return b->data.substr(0, static_cast<size_t>(std::min<int64_t>(n, b->data.size())));
}

const FlashBlock* FlashImage::specialBlock() const {
    const FlashBlock* b = blockAt(SpecialStart);
    return b && b->end >= SpecialLast ? b : nullptr;
}

bool FLASH_CheckRange(uint8_t deviceClass, const FlashImage& image, int32_t& progressMaximum) {
    const FlashClass& fc = FLASH_Class(deviceClass);
    if (fc.way == FlashClass::NoProgramming) {
        progressMaximum = 0;
        return false;
    }
    progressMaximum = static_cast<int32_t>(image.blocks().size()) + fc.extraProgress;
    return !image.empty() && image.minimumStart() >= fc.first &&
           (fc.endBelow == 0 || image.maximumEnd() < fc.endBelow) &&
           (!fc.needsSpecialBlock || image.specialBlock() != nullptr);
}
