// Starts the program: the language, the adapter driver (the USB adapter, or with --simulate
// a simulated adapter with a simulated control unit, --simulate=NAME choosing the unit), the
// main window, then the event loop.
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
#include <string>

#include "ftdidriver.h"
#include "imagelist.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "mainform.h"
#include "qtports.h"
#include "settingslanguage.h"
#include "simftdriver.h"

namespace {

// The simulated control units by the name --simulate=NAME gives; plain --simulate is the first.
struct SimulatedUnit {
    const char* name;
    std::unique_ptr<ISimControlUnit> (*make)();
};
const SimulatedUnit kSimulatedUnits[] = {
    {"kx3090", [] { return std::unique_ptr<ISimControlUnit>(new SimKX3090Unit); }},
    {"kx3117", [] { return std::unique_ptr<ISimControlUnit>(new SimKX3117Unit); }},
};

// The option's unit name: "" without --simulate, the first unit's name for plain --simulate.
std::string simulatedUnitName(int argc, char** argv) {
    const char* option = "--simulate";
    const size_t n = std::strlen(option);
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], option)) return kSimulatedUnits[0].name;
        if (!std::strncmp(argv[i], option, n) && argv[i][n] == '=') return argv[i] + n + 1;
    }
    return std::string();
}

std::unique_ptr<ISimControlUnit> makeSimulatedUnit(const std::string& name) {
    for (const SimulatedUnit& u : kSimulatedUnits)
        if (name == u.name) return u.make();
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
    const std::string simulated = simulatedUnitName(argc, argv);
    std::unique_ptr<ISimControlUnit> unit = makeSimulatedUnit(simulated);
    if (!simulated.empty() && !unit) {
        std::fprintf(stderr, "--simulate: no simulated unit \"%s\"; known:", simulated.c_str());
        for (const SimulatedUnit& u : kSimulatedUnits) std::fprintf(stderr, " %s", u.name);
        std::fprintf(stderr, "\n");
        return 2;
    }
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
    if (unit) {
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
