#include "d2xx.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakeftdriver.h"
#include "fakeui.h"

namespace {

TEST(D2XXUnit, StatusTexts) {
    const char* const expected[] = {
        "",
        " - Invalid handle...",
        " - Device not found...",
        " - Device not opened...",
        " - General IO error...",
        " - Insufficient resources...",
        " - Invalid parameter...",
        " - Invalid baud rate...",
        " Device not opened for erase...",
        " Device not opened for write...",
        " - Failed to write...",
        " - EEPROM read failed...",
        " - EEPROM write failed...",
        " - EEPROM erase failed...",
        " - EEPROM not present...",
        " - EEPROM not programmed...",
        " - Invalid arguments...",
        " - Other error ...",
    };
    for (FT_STATUS st = 0; st < 18; ++st)
        EXPECT_EQ(D2XXUnit::D2XX_StatusText(st), expected[st]) << "status " << st;
    EXPECT_EQ(D2XXUnit::D2XX_StatusText(18), "");
    EXPECT_EQ(D2XXUnit::D2XX_StatusText(0xFFFFFFFF), "");
}

TEST(D2XXUnit, ReportErrorShowsOneOkBoxOnlyWhenOnAndFailed) {
    FakeFtDriver drv;
    FakeUserInteraction ui;
    D2XXUnit unit(drv, &ui);
    unit.D2XX_ReportError("FT_Close", 0);
    ASSERT_TRUE(ui.boxes.empty());
    unit.D2XX_ReportError("FT_Close", 2);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[0].buttons, MB_OK);
    EXPECT_EQ(ui.boxes[0].text, "FT_Close - Device not found...");
    unit.D2XX_ReportError("FT_Close", 18);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, "") << "an unknown status gives an empty box";

    unit.ShowErrors = false;
    unit.D2XX_ReportError("FT_Close", 4);
    EXPECT_EQ(ui.boxes.size(), 2u);
    D2XXUnit silent(drv, nullptr);
    EXPECT_EQ(silent.D2XX_Close(), FT_OK);
}

// Every routine names itself in its box, with the driver call that failed.
TEST(D2XXUnit, EveryRoutineReportsItsOwnText) {
    struct Case {
        const char* driverCall;
        const char* text;
        std::function<void(D2XXUnit&)> run;
    };
    uint32_t t = 0, id = 0;
    ByteString s, d;
    const Case cases[] = {
        {"FT_ListDevices", "GetFTDeviceCount", [](D2XXUnit& u) { u.GetFTDeviceCount(); }},
        {"FT_ListDevices", "GetFTDeviceSerialNo", [](D2XXUnit& u) { u.GetFTDeviceSerialNo(0); }},
        {"FT_ListDevices", "GetFTDeviceDescription",
         [](D2XXUnit& u) { u.GetFTDeviceDescription(0); }},
        {"FT_OpenEx", "Open_USB_Device_By_Serial_Number",
         [](D2XXUnit& u) { u.Open_USB_Device_By_Serial_Number("A1"); }},
        {"FT_OpenEx", "Open_USB_Device_By_Device_Description",
         [](D2XXUnit& u) { u.Open_USB_Device_By_Device_Description("X"); }},
        {"FT_Close", "FT_Close", [](D2XXUnit& u) { u.D2XX_Close(); }},
        {"FT_Read", "FT_Read", [](D2XXUnit& u) { u.D2XX_Read(); }},
        {"FT_Write", "FT_Write", [](D2XXUnit& u) { u.D2XX_Write(3); }},
        {"FT_SetBaudRate", "FT_SetBaudRate", [](D2XXUnit& u) { u.D2XX_SetBaudRate(); }},
        {"FT_SetDataCharacteristics", "FT_SetDataCharacteristics",
         [](D2XXUnit& u) { u.D2XX_SetDataCharacteristics(); }},
        {"FT_SetFlowControl", "FT_SetFlowControl", [](D2XXUnit& u) { u.D2XX_SetFlowControl(); }},
        {"FT_SetChars", "FT_SetChars", [](D2XXUnit& u) { u.D2XX_SetChars(); }},
        {"FT_Purge RX", "FT_Purge RX", [](D2XXUnit& u) { u.D2XX_PurgeRx(); }},
        {"FT_Purge TX", "FT_Purge TX", [](D2XXUnit& u) { u.D2XX_PurgeTx(); }},
        {"FT_SetTimeouts", "FT_SetTimeouts", [](D2XXUnit& u) { u.D2XX_SetTimeouts(1, 800); }},
        {"FT_GetQueueStatus", "FT_GetQueueStatus", [](D2XXUnit& u) { u.D2XX_GetQueueStatus(); }},
        {"FT_SetEventNotification", "FT_SetEventNotification ",
         [](D2XXUnit& u) { u.D2XX_SetEventNotification(1); }},
        {"FT_GetDeviceInfo", "FT_GetDeviceInfo ",
         [&](D2XXUnit& u) { u.D2XX_GetDeviceInfo(t, id, s, d); }},
    };
    for (const auto& c : cases) {
        FakeFtDriver drv;
        FakeUserInteraction ui;
        D2XXUnit unit(drv, &ui);
        drv.fail[c.driverCall] = FT_IO_ERROR;
        c.run(unit);
        ASSERT_EQ(ui.boxes.size(), 1u) << c.text;
        EXPECT_EQ(ui.boxes[0].text, std::string(c.text) + " - General IO error...");
    }
}

TEST(D2XXUnit, ReadAndWriteCountNeverExceedTheBufferAndAreZeroOnFailure) {
    FakeFtDriver drv;
    D2XXUnit unit(drv, nullptr);
    drv.reads.push_back("\x01\x86\x02");
    EXPECT_EQ(unit.D2XX_Read(), 3u);
    EXPECT_EQ(unit.RxBuffer[1], 0x86);

    drv.reads.push_back("abc");
    drv.fail["FT_Read"] = FT_IO_ERROR;
    EXPECT_EQ(unit.D2XX_Read(), 0u);
    EXPECT_EQ(unit.IOStatus, FT_IO_ERROR);
    drv.fail.clear();

    drv.reads.push_back(ByteString(100, 'x'));
    drv.extraReported = 70000;  // a driver claiming more than the buffer holds
    EXPECT_EQ(unit.D2XX_Read(), D2XXUnit::BufferSize);
    drv.extraReported = 0;

    EXPECT_EQ(unit.D2XX_Write(70000), D2XXUnit::BufferSize);
    EXPECT_EQ(drv.writes.back().size(), D2XXUnit::BufferSize);
    drv.writeCounts = {9};  // claims more than it was given
    EXPECT_EQ(unit.D2XX_Write(4), 4u);
    drv.fail["FT_Write"] = FT_IO_ERROR;
    drv.writeCounts = {4};
    EXPECT_EQ(unit.D2XX_Write(4), 0u);
    EXPECT_EQ(unit.IOStatus, FT_IO_ERROR);
}

TEST(D2XXUnit, ListOpenAndInfoTextsAreCut) {
    FakeFtDriver drv;
    D2XXUnit unit(drv, nullptr);
    drv.serials = {"0123456789ABCDEFGH", ByteString("AB\0CD", 5)};
    drv.descriptions = {ByteString(70, 'd'), "NAVIRON Diagnose Adapter"};
    ASSERT_EQ(unit.GetFTDeviceCount(), FT_OK);
    EXPECT_EQ(unit.DeviceCount, 2u);
    unit.GetFTDeviceSerialNo(0);
    EXPECT_EQ(unit.ListResult, "0123456789ABCDEF");
    unit.GetFTDeviceSerialNo(1);
    EXPECT_EQ(unit.ListResult, "AB");
    unit.GetFTDeviceDescription(0);
    EXPECT_EQ(unit.ListResult, ByteString(64, 'd'));
    drv.fail["FT_ListDevices"] = FT_DEVICE_NOT_FOUND;
    unit.GetFTDeviceDescription(1);
    EXPECT_EQ(unit.ListResult, ByteString(64, 'd')) << "a failed call keeps the last result";

    unit.Open_USB_Device_By_Serial_Number(ByteString(60, 's'));
    EXPECT_EQ(drv.openedName, ByteString(49, 's'));
    EXPECT_EQ(drv.openFlags, FT_OPEN_BY_SERIAL_NUMBER);
    unit.Open_USB_Device_By_Device_Description("NAVIRON Diagnose Adapter");
    EXPECT_EQ(drv.openedName, "NAVIRON Diagnose Adapter");
    EXPECT_EQ(drv.openFlags, FT_OPEN_BY_DESCRIPTION);

    drv.infoSerial = "0123456789ABCDEFXY";
    drv.infoDescription = ByteString(80, 'e');
    uint32_t type = 0, id = 0;
    ByteString serial, desc;
    ASSERT_EQ(unit.D2XX_GetDeviceInfo(type, id, serial, desc), FT_OK);
    EXPECT_EQ(serial, "0123456789ABCDEF");
    EXPECT_EQ(desc.size(), 64u);
}

}  // namespace
