// The baseline of scripts/measure-startup: an empty Qt main window of the program's first
// size, started and shown as the program is, that writes when it is first painted and closes.
// What the program takes beyond it is the program's own start-up.
#include <QApplication>
#include <QMainWindow>

#include "startupprobe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 700);
    FirstPaintProbe probe(&window);
    window.show();
    return app.exec();
}
