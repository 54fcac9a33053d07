// Starts the program: the language, the adapter driver (the USB adapter, or with --simulate
// simulated adapters with simulated control units, --simulate=NAME[,NAME...] choosing one
// adapter per name and its unit), the main window, then the event loop.
#include <QApplication>
#include <QLibraryInfo>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ftdidriver.h"
#include "imagelist.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "mainform.h"
#include "qtports.h"
#include "settingslanguage.h"
#include "simftdriver.h"
#include "startupprobe.h"

namespace {

// The simulated control units by the name --simulate=NAME chooses.
struct SimulatedUnit {
    const char* name;
    std::unique_ptr<ISimControlUnit> (*make)();
};
const SimulatedUnit kSimulatedUnits[] = {
    {"kx3090",
     []() -> std::unique_ptr<ISimControlUnit> { return std::make_unique<SimKX3090Unit>(); }},
    {"kx3024",
     []() -> std::unique_ptr<ISimControlUnit> { return std::make_unique<SimKX3024Unit>(); }},
    {"kx3117",
     []() -> std::unique_ptr<ISimControlUnit> { return std::make_unique<SimKX3117Unit>(); }},
    {"kx3141",
     []() -> std::unique_ptr<ISimControlUnit> { return std::make_unique<SimKX3141Unit>(); }},
    {"kx3166",
     []() -> std::unique_ptr<ISimControlUnit> { return std::make_unique<SimKX3166Unit>(); }},
    // A class-5 unit whose last programming never finished: it runs its boot loader.
    {"loader",
     []() -> std::unique_ptr<ISimControlUnit> {
         auto u = std::make_unique<SimKX3166Unit>();
         u->startInBootLoader();
         return u;
     }},
};

// The option's unit name: nullptr without --simulate, "" for plain --simulate.
const char* simulationChoice(int argc, char** argv) {
    const char* choice = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--simulate"))
            choice = "";
        else if (!std::strncmp(argv[i], "--simulate=", 11))
            choice = argv[i] + 11;
    }
    return choice;
}

// Plain --simulate: two adapters, so that the adapter selection has a choice; the first one
// found carries the class-1 unit.
constexpr char kDefaultSimulation[] = "kx3090,kx3166";

const SimulatedUnit* simulatedUnit(const std::string& name) {
    for (const SimulatedUnit& u : kSimulatedUnits)
        if (name == u.name) return &u;
    return nullptr;
}

std::vector<std::string> commaSeparated(const char* text) {
    std::vector<std::string> out(1);
    for (const char* c = text; *c; ++c) {
        if (*c == ',')
            out.emplace_back();
        else
            out.back() += *c;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LANG_LoadSelected();
    // Qt's own texts (the buttons of the message boxes, the file dialogs) in German too.
    if (!LANG_LoadQtTexts(LanguageId()))
        std::fprintf(stderr, "Qt's German texts (qtbase_de.qm) were not found in %s\n",
                     qPrintable(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    setProgramNames(QObject::tr("NAVIRON Diagnose"));
    QApplication::setWindowIcon(IMAGE_Icon(24));
    // Numbers in texts and files always use '.', whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    // The driver names a missing device permission in a box of its own.
    QtUserInteraction driverUi(nullptr);
    std::unique_ptr<IFtDriver> driver;
    std::vector<std::unique_ptr<ISimControlUnit>> units;
    if (const char* choice = simulationChoice(argc, argv)) {
        auto sim = std::make_unique<SimFtDriver>();
        for (const std::string& name : commaSeparated(*choice ? choice : kDefaultSimulation)) {
            const SimulatedUnit* chosen = simulatedUnit(name);
            if (!chosen) {
                std::fprintf(stderr,
                             "--simulate=%s: no such simulated unit; there are:", name.c_str());
                for (const SimulatedUnit& u : kSimulatedUnits) std::fprintf(stderr, " %s", u.name);
                std::fprintf(stderr, "\n");
                return 2;
            }
            units.push_back(chosen->make());
            char serial[16];
            std::snprintf(serial, sizeof serial, "SIM%05zu", units.size());
            const size_t adapter = sim->addAdapter(serial);
            sim->attachUnit(adapter, units.back().get());
            // A demonstration at a real heater's pace, not as fast as the machine can answer.
            SimLinePace pace;
            pace.on = true;
            sim->setPace(adapter, pace);
        }
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
        if (FirstPaintProbe::wanted()) probe = std::make_unique<FirstPaintProbe>(&mainForm);
        mainForm.show();
        rc = app.exec();
    }
    return rc;
}
