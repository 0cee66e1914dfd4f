// Test entry: a QApplication for the whole run (canvas, fonts, printer and
// windows need one), headless when QT_QPA_PLATFORM=offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace {

// No test may block on a modal dialog: one left open for long is closed
// and the test that opened it fails.
void WatchForForgottenModals() {
    static QElapsedTimer seen;
    static QWidget* modal = nullptr;
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        QWidget* now = QApplication::activeModalWidget();
        if (now != modal) {
            modal = now;
            seen.restart();
            return;
        }
        if (modal && seen.elapsed() > 10000) {
            ADD_FAILURE() << "a modal window was left open: " << modal->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            modal = nullptr;
        }
    });
    timer->start(250);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    WatchForForgottenModals();
    return RUN_ALL_TESTS();
}
