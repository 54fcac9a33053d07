// Round trips over the whole link: a bus-transfer frame built, written by the worker to the
// simulated adapter (no added latency), the reply read, assembled, CRC-checked and handed to
// the main thread. Once with a plain queue as the main thread, once with Qt's event loop as
// the program runs it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>

#include "adapterframes.h"
#include "inerttimers.h"
#include "pumpedmainthread.h"
#include "qtmainthread.h"
#include "qtports.h"
#include "simftdriver.h"
#include "usbtxrx.h"

namespace {

class EchoUnit : public ISimControlUnit {
public:
    uint8_t bus() const override { return 0; }
    std::optional<ByteString> answer(const ByteString& t) override { return "\x4F" + t.substr(1); }
};

struct Link {
    SimFtDriver drv;
    EchoUnit unit;
    D2XXUnit d2xx{drv, nullptr};
    Link() {
        drv.addAdapter("NAV0001");
        drv.attachUnit(0, &unit);
        d2xx.ShowErrors = false;
        d2xx.Open_USB_Device_By_Serial_Number("NAV0001");
        d2xx.D2XX_SetChars();
        d2xx.D2XX_SetTimeouts(1, 800);
    }
};

const ByteString Telegram = "\xF4\x03\x51\x0B";

void BM_LinkRoundTrip(benchmark::State& state) {
    Link link;
    InertTimers timers;
    PumpedMainThread main;
    bool got = false;
    size_t bad = 0;
    TUSBTXRX tx(link.d2xx, timers, main, 2000,
                [&](uint8_t code, const ByteString& data) {
                    got = true;
                    bad += code != 0 || data.size() != 7;
                },
                {});
    tx.SetActive(true);
    for (auto _ : state) {
        ByteString frame;
        AdapterFrameProtocol::ADP_BuildBusTransfer(Telegram, frame);
        tx.SendFrame(frame);
        while (!got) main.waitAndPump(std::chrono::milliseconds(5));
        got = false;
    }
    state.SetItemsProcessed(state.iterations());
    if (bad) state.SkipWithError("a reply was wrong");
}
BENCHMARK(BM_LinkRoundTrip)->UseRealTime();

void BM_LinkRoundTripQt(benchmark::State& state) {
    Link link;
    QtTimerFactory timers;
    QtMainThread main;
    bool got = false;
    TUSBTXRX tx(link.d2xx, timers, main, 2000, [&](uint8_t, const ByteString&) { got = true; }, {});
    tx.SetActive(true);
    for (auto _ : state) {
        ByteString frame;
        AdapterFrameProtocol::ADP_BuildBusTransfer(Telegram, frame);
        tx.SendFrame(frame);
        while (!got) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        got = false;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LinkRoundTripQt)->UseRealTime();

}  // namespace
