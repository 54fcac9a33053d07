#include "flashimage.h"

#include <algorithm>

namespace {
constexpr uint32_t Class3First = 0xE000;
constexpr uint32_t Class3EndBelow = 0x3FFFF;
constexpr uint32_t SBusFirst = 0x10000;
constexpr int32_t Class3EraseProgress = 70;  // seven erased ranges, ten steps each
}  // namespace

FlashBlockLayout FLASH_BlockLayout(uint8_t deviceClass) {
    if (deviceClass == 3) return {128, 0xFF};
    return {64, 0x00};
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
        const size_t i = found != m_index.end() ? found->second
                                                : FLASH_AddBlock(a, layout.size, layout.fill);
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
    const int32_t blocks = static_cast<int32_t>(image.blocks().size());
    switch (deviceClass) {
        case 3:
            progressMaximum = blocks + Class3EraseProgress;
            return !image.empty() && image.minimumStart() >= Class3First &&
                   image.maximumEnd() < Class3EndBelow && image.specialBlock() != nullptr;
        case 5:
        case 6:
            progressMaximum = blocks;
            return !image.empty() && image.minimumStart() >= SBusFirst;
        default:
            progressMaximum = 0;
            return false;
    }
}
