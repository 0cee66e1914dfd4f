// A bare Qt Widgets program, the yardstick of the start-up benchmark: the
// application object and one empty window, until the window is shown; then
// it ends.  Exits with 0 when the window was shown.
#include <QApplication>
#include <QWidget>

#include "bench/ShowUntilExposed.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    return bench::ShowUntilExposed(window) ? 0 : 5;
}
