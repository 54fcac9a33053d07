// libFuzzer target of the S-record reader: arbitrary text (the first byte picks the device
// class) goes through the reader into the block image, then the range rules and the chunks of
// the S-Bus transfer. Every block must keep its shape and every result its message; a broken
// invariant traps, so libFuzzer reports it like a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "srecord.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t deviceClass = data[0] % 8;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    FlashImage image;
    ByteString message;
    const bool ok = FLASH_ParseS19(text, deviceClass, image, message);
    check(ok == message.empty());
    const FlashBlockLayout layout = FLASH_BlockLayout(deviceClass);
    for (const FlashBlock& b : image.blocks()) {
        check(b.data.size() == layout.size);
        check(b.start % layout.size == 0);
        check(b.end >= b.start && b.end - b.start < layout.size);
        check(b.start >= image.minimumStart() && b.end <= image.maximumEnd());
        check(image.blockAt(b.start) == &b);
    }
    int32_t maximum = -1;
    if (FLASH_CheckRange(deviceClass, image, maximum)) {
        check(!image.empty() && maximum >= static_cast<int32_t>(image.blocks().size()));
        // The chunks of the transfer, as far as a quick run goes.
        int64_t address = image.minimumStart();
        for (int n = 0; n < 4096 && address <= image.maximumEnd(); ++n, address += 64) {
            const ByteString chunk = image.FLASH_GetChunk(address, image.maximumEnd());
            check(!chunk.empty() && chunk.size() <= 64);
        }
    }
    return 0;
}
