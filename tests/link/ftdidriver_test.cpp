// No adapter is attached where the tests run: the real driver must find nothing and fail
// every call on the device cleanly.
#include "ftdidriver.h"

#include <gtest/gtest.h>

#include "fakeui.h"

namespace {

TEST(FtdiDriver, WithoutAdapterListsNothingAndFailsToOpen) {
    FakeUserInteraction ui;
    FtdiDriver drv(&ui);
    D2XXUnit unit(drv, &ui);
    ASSERT_EQ(unit.GetFTDeviceCount(), FT_OK);
    EXPECT_EQ(unit.DeviceCount, 0u);
    EXPECT_EQ(unit.GetFTDeviceSerialNo(0), FT_DEVICE_NOT_FOUND);

    EXPECT_EQ(drv.FT_OpenEx("", FT_OPEN_BY_SERIAL_NUMBER), FT_DEVICE_NOT_FOUND)
        << "an empty serial never opens the first device there is";
    EXPECT_EQ(unit.Open_USB_Device_By_Serial_Number("NAV0001"), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(unit.Open_USB_Device_By_Device_Description("NAVIRON Diagnose Adapter"),
              FT_DEVICE_NOT_FOUND);
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[1].text, "Open_USB_Device_By_Serial_Number - Device not found...");

    unit.ShowErrors = false;
    EXPECT_EQ(unit.D2XX_Read(), 0u);
    EXPECT_EQ(unit.IOStatus, FT_INVALID_HANDLE);
    EXPECT_EQ(unit.D2XX_Write(5), 0u);
    EXPECT_EQ(unit.D2XX_GetQueueStatus(), FT_INVALID_HANDLE) << "no device: the watch sees it gone";
    EXPECT_EQ(unit.D2XX_SetBaudRate(), FT_INVALID_HANDLE);
    EXPECT_EQ(unit.D2XX_PurgeRx(), FT_INVALID_HANDLE);
    EXPECT_EQ(unit.D2XX_Close(), FT_INVALID_HANDLE);
    uint32_t type = 0, id = 0;
    ByteString s, d;
    EXPECT_EQ(unit.D2XX_GetDeviceInfo(type, id, s, d), FT_INVALID_HANDLE);
    EXPECT_EQ(ui.boxes.size(), 3u);
}

}  // namespace
