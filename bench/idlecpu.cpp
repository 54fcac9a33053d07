// CPU use of the link while the adapter is open and nothing is sent: Qt's event loop as the
// main thread, the worker switched on, the simulated adapter open with the program's line
// settings. Prints the share of one core over the measured time (default 10 s).
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "qtmainthread.h"
#include "qtports.h"
#include "simftdriver.h"
#include "usbtxrx.h"

namespace {
double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec +
           u.ru_stime.tv_usec / 1e6;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;

    SimFtDriver drv;
    drv.addAdapter("NAV0001");
    D2XXUnit d2xx(drv, nullptr);
    d2xx.ShowErrors = false;
    if (d2xx.Open_USB_Device_By_Serial_Number("NAV0001") != FT_OK) return 1;
    d2xx.D2XX_SetBaudRate();
    d2xx.D2XX_SetDataCharacteristics();
    d2xx.D2XX_SetFlowControl();
    d2xx.D2XX_SetEventNotification(1);
    d2xx.D2XX_SetChars();
    d2xx.D2XX_SetTimeouts(1, 800);

    QtTimerFactory timers;
    QtMainThread mainThread;
    TUSBTXRX tx(d2xx, timers, mainThread, 2000, [](uint8_t, const ByteString&) {}, {});
    tx.SetActive(true);

    const auto wall0 = std::chrono::steady_clock::now();
    const double cpu0 = cpuSeconds();
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = cpuSeconds() - cpu0;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    std::printf("idle, adapter open: %.3f s CPU in %.1f s = %.2f %% of one core\n", cpu, wall,
                100.0 * cpu / wall);
    return 0;
}
