#include "ftdidriver.h"

#include <libftdi1/ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "translate.h"

namespace {
constexpr unsigned char LatencyMs = 2;   // the chip hands over data at least this often (2..255)
constexpr int UsbReadTimeoutMs = 50;     // one bulk read; the chip answers within latency
constexpr size_t MaxQueued = 4 * 65536;  // receive queue bound; oldest bytes go first
constexpr int FetchBytes = 256;          // small fetches keep the lock short

ByteString readString(libusb_device_handle* h, uint8_t index) {
    if (index == 0) return {};
    unsigned char buf[128];
    const int n = libusb_get_string_descriptor_ascii(h, index, buf, sizeof buf);
    return n > 0 ? ByteString(reinterpret_cast<char*>(buf), static_cast<size_t>(n)) : ByteString();
}

// The chip families as the D2XX-style device info numbers them.
uint32_t deviceType(int chip) {
    switch (chip) {
        case TYPE_AM:
            return 1;
        case TYPE_BM:
            return 0;
        case TYPE_2232C:
            return 4;
        case TYPE_R:
            return 5;
        case TYPE_2232H:
            return 6;
        case TYPE_4232H:
            return 7;
        case TYPE_232H:
            return 8;
        case TYPE_230X:
            return 9;
        default:
            return 3;
    }
}
}  // namespace

FtdiDriver::FtdiDriver(IUserInteraction* ui) : m_ui(ui), m_ctx(ftdi_new()) {}

FtdiDriver::~FtdiDriver() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_open && m_ctx) ftdi_usb_close(m_ctx);
    releaseDevicesLocked();
    if (m_ctx) ftdi_free(m_ctx);
}

FT_STATUS FtdiDriver::fail(int libraryResult, FT_STATUS status) {
    if (libraryResult == LIBUSB_ERROR_NO_DEVICE || libraryResult == -666) m_gone = true;
    return status;
}

// ---- list --------------------------------------------------------------------------------

void FtdiDriver::releaseDevicesLocked() {
    for (auto& d : m_devices) libusb_unref_device(d.dev);
    m_devices.clear();
}

void FtdiDriver::refreshLocked() {
    releaseDevicesLocked();
    if (!m_ctx) return;
    ftdi_device_list* list = nullptr;
    if (ftdi_usb_find_all(m_ctx, &list, 0, 0) < 0) return;  // the chip's standard product ids
    for (ftdi_device_list* p = list; p; p = p->next) {
        Device d;
        d.dev = libusb_ref_device(p->dev);
        char where[32];
        std::snprintf(where, sizeof where, "%03u/%03u", libusb_get_bus_number(p->dev),
                      libusb_get_device_address(p->dev));
        d.where = where;
        libusb_device_descriptor desc{};
        if (libusb_get_device_descriptor(p->dev, &desc) == 0)
            d.id = (uint32_t{desc.idVendor} << 16) | desc.idProduct;
        // The strings need the device opened, which is where missing permissions show.
        libusb_device_handle* h = nullptr;
        const int r = libusb_open(p->dev, &h);
        if (r == 0) {
            d.serial = readString(h, desc.iSerialNumber);
            d.description = readString(h, desc.iProduct);
            libusb_close(h);
        } else {
            d.accessDenied = r == LIBUSB_ERROR_ACCESS;
        }
        m_devices.push_back(d);
    }
    ftdi_list_free(&list);
}

FT_STATUS FtdiDriver::FT_ListDeviceCount(uint32_t& count) {
    std::lock_guard<std::mutex> lock(m_mutex);
    refreshLocked();
    count = static_cast<uint32_t>(m_devices.size());
    return FT_OK;
}

FT_STATUS FtdiDriver::FT_ListSerialNumber(uint32_t index, ByteString& serial) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_devices.empty()) refreshLocked();
    if (index >= m_devices.size()) return FT_DEVICE_NOT_FOUND;
    serial = m_devices[index].serial;
    return FT_OK;
}

FT_STATUS FtdiDriver::FT_ListDescription(uint32_t index, ByteString& description) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_devices.empty()) refreshLocked();
    if (index >= m_devices.size()) return FT_DEVICE_NOT_FOUND;
    description = m_devices[index].description;
    return FT_OK;
}

// ---- open and close ----------------------------------------------------------------------

FT_STATUS FtdiDriver::FT_OpenEx(const ByteString& name, uint32_t flags) {
    std::vector<ByteString> denied;
    FT_STATUS st;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        st = openLocked(name, flags, denied);
    }
    reportDenied(denied);  // outside the lock: the box is modal
    return st;
}

FT_STATUS FtdiDriver::openLocked(const ByteString& name, uint32_t flags,
                                 std::vector<ByteString>& denied) {
    // An empty name would match the first device of any kind.
    if (name.empty() || !m_ctx) return FT_DEVICE_NOT_FOUND;
    if (m_open) {
        ftdi_usb_close(m_ctx);
        m_open = false;
    }
    refreshLocked();
    bool refused = false;
    for (const Device& d : m_devices) {
        if (d.accessDenied) {
            refused = true;
            if (!m_reported.count(d.where)) {
                m_reported.insert(d.where);
                // The library's own words for it: it fails the same way.
                if (ftdi_usb_open_dev(m_ctx, d.dev) == 0) ftdi_usb_close(m_ctx);
                denied.push_back(TR("FtdiDriver", "     Der USB-Adapter an Bus/Gerät ") + d.where +
                                 TR("FtdiDriver", " darf nicht geöffnet werden (") +
                                 ftdi_get_error_string(m_ctx) +
                                 TR("FtdiDriver", ").\r\nEs fehlt die udev-Regel ") + UdevRule +
                                 TR("FtdiDriver", ".     "));
            }
            continue;
        }
        const bool match =
            (flags == FT_OPEN_BY_SERIAL_NUMBER && FT_SerialMatches(d.serial, name)) ||
            (flags == FT_OPEN_BY_DESCRIPTION && d.description == name);
        if (!match) continue;
        const int r = ftdi_usb_open_dev(m_ctx, d.dev);
        if (r < 0) return fail(r, FT_DEVICE_NOT_OPENED);
        ftdi_set_latency_timer(m_ctx, LatencyMs);
        m_ctx->usb_read_timeout = UsbReadTimeoutMs;
        ftdi_tcioflush(m_ctx);
        m_open = true;
        m_gone = false;
        m_opened = d;
        m_opened.dev = nullptr;  // the list keeps the reference
        m_chipType = m_ctx->type;
        m_rx.clear();
        return FT_OK;
    }
    // A device that is there but refused stays "not opened" after its one message.
    return refused ? FT_DEVICE_NOT_OPENED : FT_DEVICE_NOT_FOUND;
}

void FtdiDriver::reportDenied(const std::vector<ByteString>& texts) {
    if (!m_ui) return;
    for (const auto& t : texts) m_ui->messageBox(MsgKind::Error, t, MB_OK);
}

FT_STATUS FtdiDriver::FT_Close() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_open) return FT_INVALID_HANDLE;
    ftdi_usb_close(m_ctx);  // a pulled device closes as well as a present one
    m_open = false;
    m_gone = false;
    m_rx.clear();
    return FT_OK;
}

FT_STATUS FtdiDriver::checkLocked() const {
    if (!m_open) return FT_INVALID_HANDLE;
    return m_gone ? FT_IO_ERROR : FT_OK;
}

// ---- data --------------------------------------------------------------------------------

FT_STATUS FtdiDriver::fetchLocked() {
    unsigned char buf[FetchBytes];
    // Returns after the chip's next packet: data, the event character, or its latency timer.
    const int r = ftdi_read_data(m_ctx, buf, sizeof buf);
    if (r == LIBUSB_ERROR_TIMEOUT || r == 0) return FT_OK;
    if (r < 0) return fail(r, FT_IO_ERROR);
    m_rx.append(reinterpret_cast<char*>(buf), static_cast<size_t>(r));
    if (m_rx.size() > MaxQueued) m_rx.erase(0, m_rx.size() - MaxQueued);
    return FT_OK;
}

FT_STATUS FtdiDriver::FT_Read(uint8_t* buffer, uint32_t maxBytes, uint32_t& got) {
    got = 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_readTimeoutMs);
    for (;;) {
        if (m_eventEnabled && m_rx.find(static_cast<char>(m_eventChar)) != ByteString::npos) break;
        if (m_rx.size() >= maxBytes) break;
        const size_t before = m_rx.size();
        if ((st = fetchLocked()) != FT_OK) return st;
        // A fetch that brought nothing waited out the chip's latency timer, which is at least
        // as long as the read time-out.
        if (m_rx.size() == before || std::chrono::steady_clock::now() >= deadline) break;
    }
    got = static_cast<uint32_t>(std::min<size_t>(maxBytes, m_rx.size()));
    std::memcpy(buffer, m_rx.data(), got);
    m_rx.erase(0, got);
    return FT_OK;
}

bool FtdiDriver::waitForReceive(uint32_t maxMs) {
    // The library reads only synchronously: each fetch returns with the chip's next packet,
    // at the latest after its latency timer. So the wait is a row of fetches, with the lock
    // let go between them for the GUI thread's calls.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_wake && m_rx.empty() && std::chrono::steady_clock::now() < deadline) {
        if (checkLocked() != FT_OK || fetchLocked() != FT_OK) {
            // Nothing to read from: sleep until woken or the time is up.
            m_wakeCv.wait_until(lock, deadline, [this] { return m_wake; });
            break;
        }
        lock.unlock();
        std::this_thread::yield();
        lock.lock();
    }
    m_wake = false;
    return true;
}

void FtdiDriver::wakeReceiveWait() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wake = true;
    }
    m_wakeCv.notify_all();
}

FT_STATUS FtdiDriver::FT_Write(const uint8_t* buffer, uint32_t n, uint32_t& written) {
    written = 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    const int r = ftdi_write_data(m_ctx, buffer, static_cast<int>(n));
    if (r < 0) return fail(r, FT_IO_ERROR);
    written = static_cast<uint32_t>(r);
    return FT_OK;
}

// ---- line settings -----------------------------------------------------------------------

FT_STATUS FtdiDriver::FT_SetBaudRate(uint32_t baud) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    const int r = ftdi_set_baudrate(m_ctx, static_cast<int>(baud));
    return r < 0 ? fail(r, r == -1 ? FT_STATUS{7} /* invalid baud rate */ : FT_IO_ERROR) : FT_OK;
}

FT_STATUS FtdiDriver::FT_SetDataCharacteristics(uint8_t wordLength, uint8_t stopBits,
                                                uint8_t parity) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    if ((wordLength != 7 && wordLength != 8) || (stopBits != 0 && stopBits != 2) || parity > 4)
        return FT_INVALID_PARAMETER;
    const int r = ftdi_set_line_property(m_ctx, wordLength == 7 ? BITS_7 : BITS_8,
                                         stopBits == 2 ? STOP_BIT_2 : STOP_BIT_1,
                                         static_cast<ftdi_parity_type>(parity));
    return r < 0 ? fail(r, FT_IO_ERROR) : FT_OK;
}

FT_STATUS FtdiDriver::FT_SetFlowControl(uint16_t flow, uint8_t xon, uint8_t xoff) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    int r;
    switch (flow) {
        case 0x0000:
            r = ftdi_setflowctrl(m_ctx, SIO_DISABLE_FLOW_CTRL);
            break;
        case 0x0100:
            r = ftdi_setflowctrl(m_ctx, SIO_RTS_CTS_HS);
            break;
        case 0x0200:
            r = ftdi_setflowctrl(m_ctx, SIO_DTR_DSR_HS);
            break;
        case 0x0400:
            r = ftdi_setflowctrl_xonxoff(m_ctx, xon, xoff);
            break;
        default:
            return FT_INVALID_PARAMETER;
    }
    return r < 0 ? fail(r, FT_IO_ERROR) : FT_OK;
}

FT_STATUS FtdiDriver::FT_SetChars(uint8_t eventChar, uint8_t eventEnabled, uint8_t errorChar,
                                  uint8_t errorEnabled) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    int r = ftdi_set_event_char(m_ctx, eventChar, eventEnabled ? 1 : 0);
    if (r >= 0) r = ftdi_set_error_char(m_ctx, errorChar, errorEnabled ? 1 : 0);
    if (r < 0) return fail(r, FT_IO_ERROR);
    m_eventChar = eventChar;
    m_eventEnabled = eventEnabled != 0;
    return FT_OK;
}

FT_STATUS FtdiDriver::FT_Purge(uint32_t mask) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    int r = 0;
    if (mask & FT_PURGE_RX) {
        m_rx.clear();
        r = ftdi_tciflush(m_ctx);
    }
    if (r >= 0 && (mask & FT_PURGE_TX)) r = ftdi_tcoflush(m_ctx);
    return r < 0 ? fail(r, FT_IO_ERROR) : FT_OK;
}

FT_STATUS FtdiDriver::FT_SetTimeouts(uint32_t readMs, uint32_t writeMs) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    m_readTimeoutMs = readMs;
    m_ctx->usb_write_timeout = writeMs > 0 ? static_cast<int>(writeMs) : 5000;
    return FT_OK;
}

// ---- status ------------------------------------------------------------------------------

FT_STATUS FtdiDriver::FT_GetQueueStatus(uint32_t& rxBytes) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    // A control request that a pulled adapter cannot answer.
    unsigned short modem = 0;
    const int r = ftdi_poll_modem_status(m_ctx, &modem);
    if (r < 0) {
        m_gone = true;
        return fail(r, FT_IO_ERROR);
    }
    rxBytes = static_cast<uint32_t>(m_rx.size());
    return FT_OK;
}

FT_STATUS FtdiDriver::FT_SetEventNotification(uint32_t) {
    std::lock_guard<std::mutex> lock(m_mutex);
    return checkLocked();  // nothing waits on it
}

FT_STATUS FtdiDriver::FT_GetDeviceInfo(uint32_t& type, uint32_t& id, ByteString& serial,
                                       ByteString& description) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const FT_STATUS st = checkLocked();
    if (st != FT_OK) return st;
    type = deviceType(m_chipType);
    id = m_opened.id;
    serial = m_opened.serial;
    description = m_opened.description;
    return FT_OK;
}
