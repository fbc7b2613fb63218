// The yardstick for the game's start: the least a Qt Widgets program does to put one window on
// screen.
#include <QApplication>
#include <QWidget>

#include "bench/startup/first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(260, 112);
    window.show();
    bench::quitAfterFirstPaint(&window);
    return QApplication::exec();
}
