// Starts the program: the language, the adapter driver (the USB adapter, or with --simulate
// a simulated adapter with a simulated control unit, --simulate=kx3024 for the K-Line one),
// the main window, then the event loop.
#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ftdidriver.h"
#include "imagelist.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "mainform.h"
#include "qtports.h"
#include "settingslanguage.h"
#include "simftdriver.h"

namespace {

// The simulated control unit that "--simulate=NAME" asks for; "--simulate" alone is the KX3090.
// Nothing when the name is unknown.
std::unique_ptr<ISimControlUnit> simulatedUnit(const char* name) {
    if (!std::strcmp(name, "kx3090")) return std::make_unique<SimKX3090Unit>();
    if (!std::strcmp(name, "kx3024")) return std::make_unique<SimKX3024Unit>();
    return nullptr;
}

// The argument that asks for the simulated adapter, or null.
const char* simulationArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--simulate") || !std::strncmp(argv[i], "--simulate=", 11))
            return argv[i];
    return nullptr;
}

// With CALVIX_MEASURE_STARTUP set the program writes the wall-clock time (ms since the epoch)
// at which the main window was first painted, and ends: scripts/measure-startup takes the
// start-up time from it.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window) : m_window(window) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == m_window && e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::printf("shown-at-ms %lld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QTimer::singleShot(0, m_window, [w = m_window] { w->close(); });
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LANG_LoadSelected();
    // Qt's own texts (the buttons of the message boxes) in German too.
    QTranslator qtTexts;
    if (LanguageId() == QLatin1String("DEU") &&
        qtTexts.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QApplication::setApplicationName(QStringLiteral("Calvix"));
    QApplication::setApplicationDisplayName(QObject::tr("NAVIRON Diagnose"));
    QApplication::setOrganizationName(QStringLiteral("Naviron"));
    QApplication::setWindowIcon(IMAGE_Icon(24));
    // Numbers in texts and files always use '.', whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    // The driver names a missing device permission in a box of its own.
    QtUserInteraction driverUi(nullptr);
    std::unique_ptr<IFtDriver> driver;
    std::unique_ptr<ISimControlUnit> unit;
    if (const char* simulate = simulationArgument(argc, argv)) {
        const char* name = simulate[10] == '=' ? simulate + 11 : "kx3090";
        unit = simulatedUnit(name);
        if (!unit) {
            std::fprintf(stderr, "calvix: no simulated control unit \"%s\" (kx3090, kx3024)\n",
                         name);
            return 2;
        }
        auto sim = std::make_unique<SimFtDriver>();
        sim->attachUnit(sim->addAdapter("SIM00001"), unit.get());
        driver = std::move(sim);
    } else {
        driver = std::make_unique<FtdiDriver>(&driverUi);
    }

    MainFormPorts ports;
    ports.driver = driver.get();
    int rc = 0;
    {
        TMAIN_Form mainForm(ports);
        std::unique_ptr<FirstPaintProbe> probe;
        if (qEnvironmentVariableIsSet("CALVIX_MEASURE_STARTUP"))
            probe = std::make_unique<FirstPaintProbe>(&mainForm);
        mainForm.show();
        rc = app.exec();
    }
    return rc;
}
