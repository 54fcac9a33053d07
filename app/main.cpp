// Starts the program: the language, the adapter driver (the USB adapter, or with --simulate
// a simulated adapter with a simulated control unit), the main window, then the event loop.
#include <QApplication>
#include <QLibraryInfo>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ftdidriver.h"
#include "imagelist.h"
#include "kx3090unit.h"
#include "mainform.h"
#include "qtports.h"
#include "settingslanguage.h"
#include "simftdriver.h"
#include "startupprobe.h"

namespace {

// "--simulate" or "--simulate=kx3090": the simulated adapter carrying a KX3090.
bool wantsSimulation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--simulate") || !std::strcmp(argv[i], "--simulate=kx3090"))
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LANG_LoadSelected();
    // Qt's own texts (the buttons of the message boxes, the file dialogs) in German too.
    if (!LANG_LoadQtTexts(LanguageId()))
        std::fprintf(stderr, "Qt's German texts (qtbase_de.qm) were not found in %s\n",
                     qPrintable(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QApplication::setApplicationName(QStringLiteral("Calvix"));
    setApplicationTitle(QObject::tr("NAVIRON Diagnose"));
    QApplication::setOrganizationName(QStringLiteral("Naviron"));
    QApplication::setWindowIcon(IMAGE_Icon(24));
    // Numbers in texts and files always use '.', whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    // The driver names a missing device permission in a box of its own.
    QtUserInteraction driverUi(nullptr);
    std::unique_ptr<IFtDriver> driver;
    std::unique_ptr<SimKX3090Unit> unit;
    if (wantsSimulation(argc, argv)) {
        auto sim = std::make_unique<SimFtDriver>();
        unit = std::make_unique<SimKX3090Unit>();
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
        if (FirstPaintProbe::wanted()) probe = std::make_unique<FirstPaintProbe>(&mainForm);
        mainForm.show();
        rc = app.exec();
    }
    return rc;
}
