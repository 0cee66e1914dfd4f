// Showing a window as a user sees it: shown, exposed by the window system
// and painted once.  Needs Qt Widgets only, so that the bare Qt program of
// the start-up benchmark can use it too.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

namespace bench {

// Shows the window and runs the events until the window system shows it
// (at most 10 s) and it has painted; whether it was shown.
inline bool ShowUntilExposed(QWidget& window) {
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (waited.elapsed() > 10000) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QApplication::processEvents();  // the first paint
    return true;
}

}  // namespace bench
