// Starts the program: the main window first, then the event loop.
#include <QApplication>
#include <clocale>

#include "mainform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calvix"));
    QApplication::setOrganizationName(QStringLiteral("Naviron"));
    // Numbers in texts and files always use '.', whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    TMAIN_Form mainForm;
    mainForm.show();
    return app.exec();
}
