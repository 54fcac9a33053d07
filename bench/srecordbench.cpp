// Reading a software file: an S-record file of 1 MiB, and one of 32 MiB (the largest the
// program loads), of S3 records (32 data bytes each, CR LF; the last record just past the size)
// read and checked record by record into the 64-byte block image of the S-Bus classes. The
// time per byte must not grow with the file.
#include <benchmark/benchmark.h>

#include "srecord.h"
#include "srecords.h"

namespace {

void BM_SRecordLoad(benchmark::State& state) {
    const size_t size = static_cast<size_t>(state.range(0)) << 20;
    ByteString file = SREC_Record(0, 0, "HDR") + "\r\n";
    file.reserve(size + 128);
    uint32_t address = 0x10000;
    const ByteString data = SREC_Pattern(0x100000, 5);
    for (size_t at = 0; file.size() < size; at += 32, address += 32)
        file += SREC_Record(3, address, data.substr(at % (data.size() - 32), 32)) + "\r\n";
    FlashImage image;
    ByteString message;
    for (auto _ : state) {
        if (!FLASH_ParseS19(file, 5, image, message)) return state.SkipWithError(message.c_str());
        benchmark::DoNotOptimize(image.blocks().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(file.size()));
    state.counters["blocks"] = static_cast<double>(image.blocks().size());
}
// The argument is the file's size in MiB.
BENCHMARK(BM_SRecordLoad)->Arg(1)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace
