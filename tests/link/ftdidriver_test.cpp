// The libftdi1 driver, unchanged, against the modelled USB chip with simulated adapters on its
// far side: what a technician's first adapter will exercise. The model stands in for libftdi1
// and libusb, so whatever is plugged into the machine running the tests plays no part.
#include "ftdidriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "adapterframes.h"
#include "adapterrx.h"
#include "adapterselection.h"
#include "driverpath.h"
#include "fakeui.h"
#include "ftdichip.h"
#include "hex.h"

namespace {

using namespace std::chrono;

constexpr const char* Adapter = "NAVIRON Diagnose Adapter";

ByteString configFrame() {
    ByteString f;
    AdapterFrameProtocol::ADP_BuildBusConfig(0, 3, 5, 20, 550, f);
    return f;
}

class ChipDriver : public ::testing::Test {
protected:
    ChipDriver() : d2xx(drv, &ui) {}
    // Opened and set up as the adapter watch does it; the transfer thread's silence on.
    void openConfigured(const ByteString& serial) {
        ASSERT_EQ(d2xx.Open_USB_Device_By_Serial_Number(serial), FT_OK);
        d2xx.ShowErrors = false;
        d2xx.D2XX_SetBaudRate();
        d2xx.D2XX_SetDataCharacteristics();
        d2xx.FlowControl = 0;
        d2xx.XonChar = d2xx.XoffChar = 0;
        d2xx.D2XX_SetFlowControl();
        d2xx.D2XX_SetEventNotification(1);
        d2xx.D2XX_SetChars();
        d2xx.D2XX_SetTimeouts(1, 800);
    }
    void write(const ByteString& frame) {
        std::memcpy(d2xx.TxBuffer.data(), frame.data(), frame.size());
        ASSERT_EQ(d2xx.D2XX_Write(static_cast<uint32_t>(frame.size())), frame.size());
    }
    // Reads until something came (or the limit); the bytes of that one read.
    ByteString readSome(milliseconds limit = milliseconds(1000)) {
        const auto end = steady_clock::now() + limit;
        while (steady_clock::now() < end) {
            const uint32_t n = d2xx.D2XX_Read();
            if (n > 0) return ByteString(reinterpret_cast<char*>(d2xx.RxBuffer.data()), n);
        }
        return {};
    }

    SimFtDriver far;  // real time: reads wait as on the line
    FtdiChipModel chip{far};
    FakeUserInteraction ui;
    FtdiDriver drv{&ui};
    D2XXUnit d2xx;
};

TEST_F(ChipDriver, ListsEveryChipWithTheStandardIdsAndOpensOnlyTheAdapter) {
    far.addAdapter("FT4XK2QA", "USB <-> Serial Cable");  // a foreign cable, listed first
    far.addAdapter("NAV00001");
    far.addAdapter("NAV00002");
    chip.setUsbId(far.addAdapter("RCV1", "USB Receiver"), 0x046D, 0xC52B);  // no FTDI chip
    far.addAdapter("NAV0000300000000XYZ");                                  // a long serial

    ASSERT_EQ(d2xx.GetFTDeviceCount(), FT_OK);
    EXPECT_EQ(d2xx.DeviceCount, 4u) << "the device of another maker is not listed";
    const char* serials[] = {"FT4XK2QA", "NAV00001", "NAV00002", "NAV0000300000000"};
    const char* descriptions[] = {"USB <-> Serial Cable", Adapter, Adapter, Adapter};
    for (uint32_t i = 0; i < 4; ++i) {
        ASSERT_EQ(d2xx.GetFTDeviceSerialNo(i), FT_OK);
        EXPECT_EQ(d2xx.ListResult, serials[i]) << i;
        ASSERT_EQ(d2xx.GetFTDeviceDescription(i), FT_OK);
        EXPECT_EQ(d2xx.ListResult, descriptions[i]) << i;
    }
    EXPECT_EQ(d2xx.GetFTDeviceSerialNo(4), FT_DEVICE_NOT_FOUND);

    // By description: the first adapter, never the foreign cable before it.
    ASSERT_EQ(d2xx.Open_USB_Device_By_Device_Description(Adapter), FT_OK);
    EXPECT_EQ(far.openAdapter(), 1);
    uint32_t type = 0, id = 0;
    ByteString serial, description;
    ASSERT_EQ(d2xx.D2XX_GetDeviceInfo(type, id, serial, description), FT_OK);
    EXPECT_EQ(serial, "NAV00001");
    EXPECT_EQ(description, Adapter);
    EXPECT_EQ(type, 5u);
    EXPECT_EQ(id, 0x04036001u);

    // By serial: that adapter; the long serial is kept to 16 characters everywhere.
    ASSERT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV00002"), FT_OK);
    EXPECT_EQ(far.openAdapter(), 2);
    ASSERT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV0000300000000XYZ"), FT_OK);
    ASSERT_EQ(d2xx.D2XX_GetDeviceInfo(type, id, serial, description), FT_OK);
    EXPECT_EQ(serial, "NAV0000300000000");
    // ... and the serial so cut, as the program keeps it, opens that adapter again.
    ASSERT_EQ(d2xx.D2XX_Close(), FT_OK);
    ASSERT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV0000300000000"), FT_OK);
    EXPECT_EQ(far.openAdapter(), 4);

    EXPECT_EQ(d2xx.D2XX_Close(), FT_OK);
    EXPECT_EQ(chip.openHandles(), 0);
    d2xx.ShowErrors = false;
    for (const char* name : {"RCV1", "NAV09999", ""})
        EXPECT_EQ(d2xx.Open_USB_Device_By_Serial_Number(name), FT_DEVICE_NOT_FOUND) << name;
    EXPECT_EQ(far.openAdapter(), -1);
}

// The adapter selection over what the driver lists behind the chip: only the adapter's
// description counts, not the chip. A foreign cable with the same chip (listed first, with a
// serial like an adapter's) and a device whose description only begins like the adapter's
// stay out; a pulled adapter leaves the list at the next scan.
TEST_F(ChipDriver, AdapterSelectionListsOnlyDevicesWithTheAdaptersDescription) {
    far.addAdapter("NAV00007", "USB <-> Serial Cable");
    far.addAdapter("NAV00001");
    far.addAdapter("NAV00003", std::string(Adapter) + " 2");
    const size_t pulled = far.addAdapter("NAV00002");
    d2xx.ShowErrors = false;
    AdapterSelection selection(d2xx);
    const auto listed = [&selection] {
        std::vector<std::string> out;
        for (int n = 1; n <= selection.foundCount(); ++n) {
            EXPECT_EQ(selection.entry(n).description, Adapter) << n;
            out.push_back(selection.entry(n).serial);
        }
        return out;
    };
    selection.begin();
    for (int tick = 1; tick < AdapterSelection::FirstScanTick; ++tick) selection.scan();
    ASSERT_TRUE(selection.scan());
    EXPECT_EQ(listed(), (std::vector<std::string>{"NAV00001", "NAV00002"}));
    far.unplug(pulled);
    EXPECT_TRUE(selection.scan());
    EXPECT_EQ(listed(), std::vector<std::string>{"NAV00001"});
}

TEST_F(ChipDriver, ReadsHandOverAWholeReplyAtTheEventCharacterAndNeverMoreThanAsked) {
    far.addAdapter("NAV00001");
    SimFaults slow;
    slow.answerDelayMs = 30;
    far.setFaults(0, slow);
    openConfigured("NAV00001");

    write(configFrame());
    const ByteString got = readSome();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(static_cast<uint8_t>(got.back()), 0x04) << "one read, up to the end of the frame";
    AdapterRxParser parser;
    std::optional<ByteString> reply;
    for (char c : got) reply = reply ? reply : parser.feed(static_cast<uint8_t>(c));
    ASSERT_TRUE(reply);
    EXPECT_EQ(*reply, H("86 1E"));

    // Bytes without the event character come once the latency timer has run out; a read
    // never hands out more than it was asked for, the rest waits for the next.
    far.pushToHost(0, H("11 22 33 44 55 66"));
    uint8_t buf[4] = {};
    uint32_t n = 0;
    const auto until = steady_clock::now() + seconds(1);
    while (n == 0 && steady_clock::now() < until) ASSERT_EQ(drv.FT_Read(buf, 4, n), FT_OK);
    EXPECT_EQ(ByteString(reinterpret_cast<char*>(buf), n), H("11 22 33 44"));
    EXPECT_EQ(readSome(), H("55 66"));
    EXPECT_EQ(d2xx.D2XX_Read(), 0u);
}

TEST_F(ChipDriver, PurgeDropsWhatArrivedAndReachesTheChip) {
    far.addAdapter("NAV00001");
    openConfigured("NAV00001");
    const FtdiChipSettings before = chip.settings(0);
    write(configFrame());
    std::this_thread::sleep_for(milliseconds(20));  // the answer is in
    EXPECT_EQ(d2xx.D2XX_PurgeRx(), FT_OK);
    EXPECT_EQ(d2xx.D2XX_PurgeTx(), FT_OK);
    EXPECT_EQ(d2xx.D2XX_Read(), 0u);
    EXPECT_EQ(chip.settings(0).purgesRx, before.purgesRx + 1);
    EXPECT_EQ(chip.settings(0).purgesTx, before.purgesTx + 1);
    EXPECT_EQ(far.stats(0).purgesRx, 2) << "the open's flush and this purge";
}

TEST_F(ChipDriver, DeviceThatMayNotBeOpenedIsNamedOnceWithTheMissingRule) {
    chip.denyAccess(far.addAdapter("NAV00001"));
    d2xx.ShowErrors = false;  // as once the transfer thread runs: only the driver's own box
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV00001"), FT_DEVICE_NOT_OPENED);
        EXPECT_EQ(d2xx.Open_USB_Device_By_Device_Description(Adapter), FT_DEVICE_NOT_OPENED);
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    const ByteString& text = ui.boxes[0].text;
    EXPECT_NE(text.find(FtdiDriver::UdevRule), ByteString::npos) << text;
    EXPECT_NE(text.find("001/002"), ByteString::npos) << "bus and address: " << text;
    EXPECT_NE(text.find("libusb_open() failed"), ByteString::npos) << "the library's words";
    EXPECT_EQ(far.openAdapter(), -1);
    ASSERT_EQ(d2xx.GetFTDeviceCount(), FT_OK);
    EXPECT_EQ(d2xx.DeviceCount, 1u) << "listed, though its strings cannot be read";
}

TEST_F(ChipDriver, PulledDeviceFailsEveryCallAndARePlugIsOpenedAgain) {
    far.addAdapter("NAV00001");
    openConfigured("NAV00001");
    EXPECT_EQ(d2xx.D2XX_GetQueueStatus(), FT_OK);

    far.unplug(0);
    EXPECT_NE(d2xx.D2XX_GetQueueStatus(), FT_OK) << "the presence check sees it gone";
    EXPECT_EQ(d2xx.D2XX_Read(), 0u);
    EXPECT_NE(d2xx.IOStatus, FT_OK);
    EXPECT_EQ(d2xx.D2XX_Write(5), 0u);
    EXPECT_NE(d2xx.D2XX_PurgeRx(), FT_OK);
    EXPECT_NE(d2xx.D2XX_SetBaudRate(), FT_OK);
    EXPECT_EQ(d2xx.D2XX_Close(), FT_OK);
    ASSERT_EQ(d2xx.GetFTDeviceCount(), FT_OK);
    EXPECT_EQ(d2xx.DeviceCount, 0u);
    EXPECT_NE(d2xx.Open_USB_Device_By_Serial_Number("NAV00001"), FT_OK);

    far.replug(0);
    openConfigured("NAV00001");
    EXPECT_EQ(d2xx.D2XX_GetQueueStatus(), FT_OK);
    write(configFrame());
    EXPECT_FALSE(readSome().empty());
    EXPECT_EQ(chip.settings(0).opens, 2);
    EXPECT_EQ(chip.settings(0).baud, 38400) << "set again on the re-plugged chip";
}

TEST_F(ChipDriver, ChipThatSendsNothingEndsTheReadAtTheLibrarysTimeOut) {
    far.addAdapter("NAV00001");
    openConfigured("NAV00001");
    chip.setStalled(true);
    const auto t0 = steady_clock::now();
    EXPECT_EQ(d2xx.D2XX_Read(), 0u);
    EXPECT_EQ(d2xx.IOStatus, FT_OK) << "a time-out is no failure: nothing came";
    EXPECT_LT(steady_clock::now() - t0, milliseconds(1000));
    EXPECT_EQ(d2xx.D2XX_GetQueueStatus(), FT_OK);
}

TEST(FtdiDriverWithoutChip, ListsNothingAndFailsEveryCallCleanly) {
    FakeUserInteraction ui;
    FtdiDriver drv(&ui);
    D2XXUnit unit(drv, &ui);
    ASSERT_EQ(unit.GetFTDeviceCount(), FT_OK);
    EXPECT_EQ(unit.DeviceCount, 0u);
    EXPECT_EQ(unit.GetFTDeviceSerialNo(0), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(unit.Open_USB_Device_By_Serial_Number("NAV0001"), FT_DEVICE_NOT_FOUND);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, "Open_USB_Device_By_Serial_Number - Device not found...");

    unit.ShowErrors = false;
    EXPECT_EQ(unit.D2XX_Read(), 0u);
    EXPECT_EQ(unit.IOStatus, FT_INVALID_HANDLE);
    EXPECT_EQ(unit.D2XX_Write(5), 0u);
    EXPECT_EQ(unit.D2XX_GetQueueStatus(), FT_INVALID_HANDLE);
    EXPECT_EQ(unit.D2XX_Close(), FT_INVALID_HANDLE);
    EXPECT_EQ(ui.boxes.size(), 2u);
}

// The transfer thread's sleep while a reply is awaited, the same through both drivers: it
// ends when the answer arrives or a wake comes, and without a device it still sleeps.
class ReceiveWait : public ::testing::TestWithParam<DriverPath> {
protected:
    ReceiveWait() : d2xx(path.driver(), nullptr) {
        far.addAdapter("NAV00001");
        d2xx.ShowErrors = false;
    }
    void open() {
        ASSERT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV00001"), FT_OK);
        d2xx.D2XX_SetChars();
        d2xx.D2XX_SetTimeouts(1, 800);
    }
    // ms the wait took.
    int64_t timedWait(uint32_t maxMs) {
        const auto t0 = steady_clock::now();
        EXPECT_TRUE(d2xx.waitForReceive(maxMs));
        return duration_cast<milliseconds>(steady_clock::now() - t0).count();
    }

    SimFtDriver far;
    DriverOver path{far, GetParam()};
    D2XXUnit d2xx;
};

TEST_P(ReceiveWait, EndsWhenTheAnswerArrivesOrAWakeComes) {
    open();
    SimFaults slow;
    slow.answerDelayMs = 60;
    far.setFaults(0, slow);
    const ByteString f = configFrame();
    std::memcpy(d2xx.TxBuffer.data(), f.data(), f.size());
    ASSERT_EQ(d2xx.D2XX_Write(static_cast<uint32_t>(f.size())), f.size());
    const int64_t answered = timedWait(2000);
    EXPECT_GE(answered, 45);
    EXPECT_LT(answered, 1000);
    EXPECT_GT(d2xx.D2XX_Read(), 0u);

    std::thread waker([this] {
        std::this_thread::sleep_for(milliseconds(40));
        d2xx.wakeReceiveWait();
    });
    const int64_t woken = timedWait(2000);
    waker.join();
    EXPECT_GE(woken, 30);
    EXPECT_LT(woken, 1000);

    d2xx.wakeReceiveWait();  // nobody waits yet: the next wait ends at once
    EXPECT_LT(timedWait(2000), 500);
}

TEST_P(ReceiveWait, WithoutAnOpenDeviceSleepsTheWholeTime) {
    EXPECT_GE(timedWait(80), 70);
    open();
    far.unplug(0);
    EXPECT_GE(timedWait(80), 70) << "a pulled device makes no busy loop";
}

CALVIX_BOTH_DRIVER_PATHS(ReceiveWait);

}  // namespace
