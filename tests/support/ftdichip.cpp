#include "ftdichip.h"

#include <gtest/gtest.h>
#include <libftdi1/ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

// The host's view of one plugged-in device: a far-side adapter during one plug-in.
struct libusb_device {
    size_t adapter = 0;
    unsigned plugIn = 0;
    uint8_t bus = 1, address = 0;
    int refs = 0;
};

struct libusb_device_handle {
    libusb_device* dev = nullptr;
};

struct FtdiChipModel::State {
    explicit State(SimFtDriver& f) : far(f) {}

    struct Identity {
        uint16_t vendor = FtdiVendor, product = AdapterProduct;
        bool denied = false;
    };

    SimFtDriver& far;
    mutable std::mutex mutex;
    std::map<size_t, Identity> ids;
    std::map<size_t, FtdiChipSettings> settings;
    std::vector<std::unique_ptr<libusb_device>> devices;
    std::set<libusb_device_handle*> handles;
    uint8_t nextAddress = 2;
    bool stalled = false;

    Identity identity(size_t adapter) {
        std::lock_guard<std::mutex> lock(mutex);
        return ids[adapter];
    }
    // The device object of the adapter's current plug-in.
    libusb_device* device(size_t adapter, unsigned plugIn) {
        std::lock_guard<std::mutex> lock(mutex);
        for (const auto& d : devices)
            if (d->adapter == adapter && d->plugIn == plugIn) return d.get();
        devices.push_back(std::make_unique<libusb_device>());
        libusb_device* d = devices.back().get();
        d->adapter = adapter;
        d->plugIn = plugIn;
        d->address = nextAddress++;
        return d;
    }
    // The device is still the one plugged in (not pulled, not re-plugged since).
    bool present(const libusb_device* d) const {
        const auto all = far.presence();
        return d->adapter < all.size() && all[d->adapter].plugged &&
               all[d->adapter].plugIns == d->plugIn;
    }
    SimAdapterPresence info(const libusb_device* d) const { return far.presence().at(d->adapter); }
    template <typename F>
    void change(const libusb_device* d, F&& f) {
        std::lock_guard<std::mutex> lock(mutex);
        f(settings[d->adapter]);
    }
};

namespace {
FtdiChipModel* g_model = nullptr;
std::mutex g_modelMutex;

int fail(ftdi_context* ctx, int code, const char* text) {
    ctx->error_str = text;
    return code;
}

bool isAdapterProduct(uint16_t vendor, uint16_t product) {
    // The chip's standard product ids, which a search for vendor 0 and product 0 lists.
    static const uint16_t products[] = {0x6001, 0x6010, 0x6011, 0x6014, 0x6015};
    return vendor == FtdiChipModel::FtdiVendor &&
           std::find(std::begin(products), std::end(products), product) != std::end(products);
}

// The device behind an open context, or the library's failure when there is none or it has
// gone. 0 and the device when it may be used.
int openDevice(ftdi_context* ctx, FtdiChipModel::State*& s, libusb_device*& d, const char* failText,
               int goneCode = -1) {
    s = FtdiChipModel::state();
    if (!ctx || !ctx->usb_dev || !s) return ctx ? fail(ctx, -3, "USB device unavailable") : -3;
    d = ctx->usb_dev->dev;
    if (!s->present(d)) return fail(ctx, goneCode, failText);
    return 0;
}

// A control request to the chip that changes its settings.
template <typename F>
int control(ftdi_context* ctx, const char* failText, F&& f) {
    FtdiChipModel::State* s = nullptr;
    libusb_device* d = nullptr;
    if (const int r = openDevice(ctx, s, d, failText); r != 0) return r;
    s->change(d, f);
    return 0;
}
}  // namespace

// ---- the model ------------------------------------------------------------------------

FtdiChipModel::FtdiChipModel(SimFtDriver& farSide) : m_state(std::make_unique<State>(farSide)) {
    std::lock_guard<std::mutex> lock(g_modelMutex);
    g_model = this;
}

FtdiChipModel::~FtdiChipModel() {
    EXPECT_EQ(references(), 0) << "device references the driver never gave back";
    EXPECT_EQ(openHandles(), 0) << "device handles the driver never closed";
    std::lock_guard<std::mutex> lock(g_modelMutex);
    if (g_model == this) g_model = nullptr;
}

FtdiChipModel::State* FtdiChipModel::state() {
    std::lock_guard<std::mutex> lock(g_modelMutex);
    return g_model ? g_model->m_state.get() : nullptr;
}

void FtdiChipModel::setUsbId(size_t adapter, uint16_t vendor, uint16_t product) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->ids[adapter].vendor = vendor;
    m_state->ids[adapter].product = product;
}

void FtdiChipModel::denyAccess(size_t adapter) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->ids[adapter].denied = true;
}

void FtdiChipModel::setStalled(bool stalled) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->stalled = stalled;
}

FtdiChipSettings FtdiChipModel::settings(size_t adapter) const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    auto it = m_state->settings.find(adapter);
    return it == m_state->settings.end() ? FtdiChipSettings{} : it->second;
}

int FtdiChipModel::references() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    int n = 0;
    for (const auto& d : m_state->devices) n += d->refs;
    return n;
}

int FtdiChipModel::openHandles() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return static_cast<int>(m_state->handles.size());
}

// ---- libusb ---------------------------------------------------------------------------

libusb_device* LIBUSB_CALL libusb_ref_device(libusb_device* dev) {
    if (auto* s = FtdiChipModel::state()) {
        std::lock_guard<std::mutex> lock(s->mutex);
        ++dev->refs;
    }
    return dev;
}

void LIBUSB_CALL libusb_unref_device(libusb_device* dev) {
    if (!dev) return;
    if (auto* s = FtdiChipModel::state()) {
        std::lock_guard<std::mutex> lock(s->mutex);
        --dev->refs;
        EXPECT_GE(dev->refs, 0) << "a device reference given back twice";
    }
}

uint8_t LIBUSB_CALL libusb_get_bus_number(libusb_device* dev) {
    return dev->bus;
}
uint8_t LIBUSB_CALL libusb_get_device_address(libusb_device* dev) {
    return dev->address;
}

int LIBUSB_CALL libusb_get_device_descriptor(libusb_device* dev, libusb_device_descriptor* desc) {
    auto* s = FtdiChipModel::state();
    if (!s) return LIBUSB_ERROR_NO_DEVICE;
    const auto id = s->identity(dev->adapter);
    *desc = libusb_device_descriptor{};
    desc->bLength = LIBUSB_DT_DEVICE_SIZE;
    desc->bDescriptorType = LIBUSB_DT_DEVICE;
    desc->bcdUSB = 0x0200;
    desc->bMaxPacketSize0 = 8;
    desc->idVendor = id.vendor;
    desc->idProduct = id.product;
    desc->bcdDevice = 0x0600;  // the chip family of the adapter
    desc->iManufacturer = 1;
    desc->iProduct = 2;
    desc->iSerialNumber = 3;
    desc->bNumConfigurations = 1;
    return 0;  // the descriptor is cached: it reads even once the device has left
}

int LIBUSB_CALL libusb_open(libusb_device* dev, libusb_device_handle** handle) {
    auto* s = FtdiChipModel::state();
    if (!s || !s->present(dev)) return LIBUSB_ERROR_NO_DEVICE;
    if (s->identity(dev->adapter).denied) return LIBUSB_ERROR_ACCESS;
    std::lock_guard<std::mutex> lock(s->mutex);
    *handle = new libusb_device_handle{dev};
    ++dev->refs;  // an open handle holds its device
    s->handles.insert(*handle);
    return 0;
}

void LIBUSB_CALL libusb_close(libusb_device_handle* handle) {
    if (!handle) return;
    if (auto* s = FtdiChipModel::state()) {
        std::lock_guard<std::mutex> lock(s->mutex);
        --handle->dev->refs;
        s->handles.erase(handle);
    }
    delete handle;
}

int LIBUSB_CALL libusb_get_string_descriptor_ascii(libusb_device_handle* handle, uint8_t index,
                                                   unsigned char* data, int length) {
    auto* s = FtdiChipModel::state();
    if (!s || !s->present(handle->dev)) return LIBUSB_ERROR_NO_DEVICE;
    const SimAdapterPresence p = s->info(handle->dev);
    ByteString text;
    switch (index) {
        case 1:
            text = "FTDI";
            break;
        case 2:
            text = p.description;
            break;
        case 3:
            text = p.serial;
            break;
        default:
            return LIBUSB_ERROR_PIPE;
    }
    if (length <= 0) return LIBUSB_ERROR_INVALID_PARAM;
    const size_t n = std::min(text.size(), static_cast<size_t>(length - 1));
    std::memcpy(data, text.data(), n);
    data[n] = 0;
    return static_cast<int>(n);
}

// ---- libftdi: context, list, open, close ------------------------------------------------

ftdi_context* ftdi_new(void) {
    auto* ctx = new ftdi_context{};
    ctx->usb_read_timeout = 5000;
    ctx->usb_write_timeout = 5000;
    ctx->type = TYPE_BM;
    ctx->max_packet_size = 64;
    return ctx;
}

void ftdi_free(ftdi_context* ctx) {
    if (!ctx) return;
    if (ctx->usb_dev) ftdi_usb_close(ctx);
    delete ctx;
}

const char* ftdi_get_error_string(ftdi_context* ctx) {
    return ctx->error_str;
}

int ftdi_usb_find_all(ftdi_context* ctx, ftdi_device_list** devlist, int vendor, int product) {
    *devlist = nullptr;
    auto* s = FtdiChipModel::state();
    if (!s) return 0;
    const auto all = s->far.presence();
    ftdi_device_list** tail = devlist;
    int count = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        if (!all[i].plugged) continue;
        const auto id = s->identity(i);
        const bool match = vendor == 0 && product == 0
                               ? isAdapterProduct(id.vendor, id.product)
                               : id.vendor == vendor && id.product == product;
        if (!match) continue;
        *tail = new ftdi_device_list{nullptr, libusb_ref_device(s->device(i, all[i].plugIns))};
        tail = &(*tail)->next;
        ++count;
    }
    ctx->error_str = "all fine";
    return count;
}

void ftdi_list_free(ftdi_device_list** devlist) {
    for (ftdi_device_list* p = *devlist; p;) {
        ftdi_device_list* next = p->next;
        libusb_unref_device(p->dev);
        delete p;
        p = next;
    }
    *devlist = nullptr;
}

int ftdi_usb_open_dev(ftdi_context* ctx, libusb_device* dev) {
    auto* s = FtdiChipModel::state();
    if (!s) return fail(ctx, -4, "libusb_open() failed");
    libusb_device_handle* h = nullptr;
    if (libusb_open(dev, &h) < 0) return fail(ctx, -4, "libusb_open() failed");
    if (s->far.FT_OpenEx(s->info(dev).serial, FT_OPEN_BY_SERIAL_NUMBER) != FT_OK) {
        libusb_close(h);
        return fail(ctx, -5,
                    "unable to claim usb device. Make sure the default FTDI driver "
                    "is not in use");
    }
    ctx->usb_dev = h;
    ctx->type = TYPE_R;
    // The chip after the library's reset: its default latency timer, no special characters,
    // the library's 9600 baud.
    s->change(dev, [](FtdiChipSettings& c) {
        const int opens = c.opens + 1;
        c = FtdiChipSettings{};
        c.opens = opens;
        c.baud = 9600;
        c.latencyMs = 16;
    });
    s->far.FT_SetTimeouts(16, 0);
    s->far.FT_SetChars(0, 0, 0, 0);
    return fail(ctx, 0, "all fine");
}

int ftdi_usb_close(ftdi_context* ctx) {
    if (!ctx || !ctx->usb_dev) return 0;
    libusb_device_handle* h = ctx->usb_dev;
    ctx->usb_dev = nullptr;
    auto* s = FtdiChipModel::state();
    const bool gone = s && !s->present(h->dev);
    if (s && s->far.openAdapter() == static_cast<int>(h->dev->adapter)) s->far.FT_Close();
    libusb_close(h);
    return gone ? fail(ctx, -1, "usb_release failed") : 0;
}

// ---- libftdi: settings ------------------------------------------------------------------

int ftdi_set_latency_timer(ftdi_context* ctx, unsigned char latency) {
    if (latency < 1) return fail(ctx, -1, "latency out of range. Only valid for 1-255");
    FtdiChipModel::State* s = FtdiChipModel::state();
    const int r = control(ctx, "unable to set latency timer",
                          [&](FtdiChipSettings& c) { c.latencyMs = latency; });
    // The far side's read time-out plays the latency timer: a read ends when it runs out.
    if (r == 0) s->far.FT_SetTimeouts(latency, 0);
    return r;
}

int ftdi_set_baudrate(ftdi_context* ctx, int baudrate) {
    if (baudrate <= 0) return fail(ctx, -1, "Silly baudrate <= 0.");
    FtdiChipModel::State* s = FtdiChipModel::state();
    const int r = control(ctx, "Setting new baudrate failed",
                          [&](FtdiChipSettings& c) { c.baud = baudrate; });
    if (r == 0) s->far.FT_SetBaudRate(static_cast<uint32_t>(baudrate));
    return r;
}

int ftdi_set_line_property(ftdi_context* ctx, enum ftdi_bits_type bits,
                           enum ftdi_stopbits_type sbit, enum ftdi_parity_type parity) {
    FtdiChipModel::State* s = FtdiChipModel::state();
    const int r = control(ctx, "Setting new line property failed", [&](FtdiChipSettings& c) {
        c.bits = bits;
        c.stopBits = sbit;
        c.parity = parity;
    });
    if (r == 0)
        s->far.FT_SetDataCharacteristics(static_cast<uint8_t>(bits), sbit == STOP_BIT_2 ? 2 : 0,
                                         static_cast<uint8_t>(parity));
    return r;
}

int ftdi_setflowctrl(ftdi_context* ctx, int flowctrl) {
    FtdiChipModel::State* s = FtdiChipModel::state();
    const int r = control(ctx, "set flow control failed", [&](FtdiChipSettings& c) {
        c.flow = flowctrl;
        c.xon = c.xoff = 0;
    });
    if (r == 0) s->far.FT_SetFlowControl(static_cast<uint16_t>(flowctrl), 0, 0);
    return r;
}

int ftdi_setflowctrl_xonxoff(ftdi_context* ctx, unsigned char xon, unsigned char xoff) {
    FtdiChipModel::State* s = FtdiChipModel::state();
    const int r = control(ctx, "set flow control failed", [&](FtdiChipSettings& c) {
        c.flow = SIO_XON_XOFF_HS;
        c.xon = xon;
        c.xoff = xoff;
    });
    if (r == 0) s->far.FT_SetFlowControl(SIO_XON_XOFF_HS, xon, xoff);
    return r;
}

namespace {
// Both special characters reach the far side together, as one setting of the line.
int setChar(ftdi_context* ctx, const char* failText, bool event, unsigned char ch,
            unsigned char enable) {
    FtdiChipModel::State* s = FtdiChipModel::state();
    FtdiChipSettings now;
    const int r = control(ctx, failText, [&](FtdiChipSettings& c) {
        (event ? c.eventChar : c.errorChar) = ch;
        (event ? c.eventEnabled : c.errorEnabled) = enable != 0;
        now = c;
    });
    if (r == 0)
        s->far.FT_SetChars(now.eventChar, now.eventEnabled, now.errorChar, now.errorEnabled);
    return r;
}

int purge(ftdi_context* ctx, const char* failText, uint32_t mask) {
    FtdiChipModel::State* s = FtdiChipModel::state();
    const int r = control(ctx, failText, [&](FtdiChipSettings& c) {
        c.purgesRx += (mask & FT_PURGE_RX) ? 1 : 0;
        c.purgesTx += (mask & FT_PURGE_TX) ? 1 : 0;
    });
    if (r == 0) s->far.FT_Purge(mask);
    return r;
}
}  // namespace

int ftdi_set_event_char(ftdi_context* ctx, unsigned char eventch, unsigned char enable) {
    return setChar(ctx, "setting event character failed", true, eventch, enable);
}

int ftdi_set_error_char(ftdi_context* ctx, unsigned char errorch, unsigned char enable) {
    return setChar(ctx, "setting error character failed", false, errorch, enable);
}

int ftdi_tciflush(ftdi_context* ctx) {
    return purge(ctx, "FTDI purge of RX buffer failed", FT_PURGE_RX);
}

int ftdi_tcoflush(ftdi_context* ctx) {
    return purge(ctx, "FTDI purge of TX buffer failed", FT_PURGE_TX);
}

int ftdi_tcioflush(ftdi_context* ctx) {
    return purge(ctx, "FTDI purge of RX buffer failed", FT_PURGE_RX | FT_PURGE_TX);
}

// ---- libftdi: data and status -----------------------------------------------------------

int ftdi_poll_modem_status(ftdi_context* ctx, unsigned short* status) {
    FtdiChipModel::State* s = nullptr;
    libusb_device* d = nullptr;
    if (const int r = openDevice(ctx, s, d, "getting modem status failed"); r != 0) return r;
    *status = 0x6001;  // transmitter empty, no line errors
    return 0;
}

int ftdi_read_data(ftdi_context* ctx, unsigned char* buf, int size) {
    if (!ctx || !ctx->usb_dev) return ctx ? fail(ctx, -666, "USB device unavailable") : -666;
    FtdiChipModel::State* s = nullptr;
    libusb_device* d = nullptr;
    if (const int r = openDevice(ctx, s, d, "usb bulk read failed", LIBUSB_ERROR_NO_DEVICE); r != 0)
        return r;
    bool stalled;
    {
        std::lock_guard<std::mutex> lock(s->mutex);
        s->settings[d->adapter].usbReadTimeoutMs = ctx->usb_read_timeout;
        stalled = s->stalled;
    }
    if (stalled) {
        // No packet at all, not even the chip's status: the library's own time-out ends it.
        if (s->far.clock().isRealTime())
            std::this_thread::sleep_for(std::chrono::milliseconds(ctx->usb_read_timeout));
        return fail(ctx, LIBUSB_ERROR_TIMEOUT, "usb bulk read failed");
    }
    uint32_t got = 0;
    if (size <= 0) return 0;
    if (s->far.FT_Read(buf, static_cast<uint32_t>(size), got) != FT_OK)
        return fail(ctx, LIBUSB_ERROR_NO_DEVICE, "usb bulk read failed");
    return static_cast<int>(got);
}

int ftdi_write_data(ftdi_context* ctx, const unsigned char* buf, int size) {
    if (!ctx || !ctx->usb_dev) return ctx ? fail(ctx, -666, "USB device unavailable") : -666;
    FtdiChipModel::State* s = nullptr;
    libusb_device* d = nullptr;
    if (const int r = openDevice(ctx, s, d, "usb bulk write failed"); r != 0) return r;
    s->change(d, [&](FtdiChipSettings& c) {
        c.usbWriteTimeoutMs = ctx->usb_write_timeout;
        ++c.writes;
    });
    uint32_t written = 0;
    if (size < 0 || s->far.FT_Write(buf, static_cast<uint32_t>(size), written) != FT_OK)
        return fail(ctx, -1, "usb bulk write failed");
    return static_cast<int>(written);
}
