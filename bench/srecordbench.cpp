// Reading a software file: a 1 MiB S-record file (the last record just past it) of S3 records (32 data bytes each, CR LF) is
// read and checked record by record into the 64-byte block image of the S-Bus classes.
#include <benchmark/benchmark.h>

#include "srecord.h"
#include "srecords.h"

namespace {

void BM_SRecordLoad(benchmark::State& state) {
    ByteString file = SREC_Record(0, 0, "HDR") + "\r\n";
    uint32_t address = 0x10000;
    const ByteString data = SREC_Pattern(0x100000, 5);
    for (size_t at = 0; file.size() < (1u << 20); at += 32, address += 32)
        file += SREC_Record(3, address, data.substr(at % (data.size() - 32), 32)) + "\r\n";
    FlashImage image;
    ByteString message;
    for (auto _ : state) {
        if (!FLASH_ParseS19(file, 5, image, message)) return state.SkipWithError(message.c_str());
        benchmark::DoNotOptimize(image.blocks().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
    state.counters["blocks"] = static_cast<double>(image.blocks().size());
}
BENCHMARK(BM_SRecordLoad)->Unit(benchmark::kMillisecond);

}  // namespace
