// The link as the program runs it: Qt's event loop as the main thread, Qt timers, the worker
// thread and the simulated adapter.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "adapterframes.h"
#include "hex.h"
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

TEST(QtLink, RepliesArriveOnTheGuiThreadAndTheDelayRuns) {
    int argc = 1;
    char name[] = "link_qt_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    SimFtDriver drv;
    EchoUnit unit;
    drv.addAdapter("NAV0001");
    drv.attachUnit(0, &unit);
    D2XXUnit d2xx(drv, nullptr);
    d2xx.ShowErrors = false;
    ASSERT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV0001"), FT_OK);
    d2xx.D2XX_SetChars();
    d2xx.D2XX_SetTimeouts(1, 800);

    QtTimerFactory timers;
    QtMainThread mainThread;
    std::vector<uint8_t> codes;
    bool allOnGui = true;
    bool finished = false;
    std::unique_ptr<TUSBTXRX> tx;
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusTransfer(H("F4 03 51 0B"), frame);
    tx = std::make_unique<TUSBTXRX>(
        d2xx, timers, mainThread, 2000,
        [&](uint8_t code, const ByteString& data) {
            allOnGui = allOnGui && QThread::currentThread() == app.thread();
            codes.push_back(code);
            if (code == 0 && !data.empty()) {
                EXPECT_EQ(data, H("86 20 20 4F 03 51 0B"));
            }
            if (codes.size() < 50)
                tx->SendFrame(frame);
            else if (codes.size() == 50)
                tx->StartDelay(30);
            else
                tx->Terminate();
        },
        [&] {
            finished = true;
            app.quit();
        });
    tx->SetActive(true);
    ASSERT_TRUE(tx->SendFrame(frame));
    QTimer::singleShot(10000, &app, &QCoreApplication::quit);  // a hang fails, never blocks
    app.exec();
    EXPECT_TRUE(finished);
    EXPECT_TRUE(allOnGui);
    ASSERT_EQ(codes.size(), 51u);
    EXPECT_EQ(codes.back(), 0) << "the delay's reply";
    EXPECT_FALSE(tx->IsRunning());
    tx.reset();
}

}  // namespace
