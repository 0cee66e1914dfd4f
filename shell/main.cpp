// Program entry.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "kernel/Units.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Modrin");
    InitModelsGlobals();

    QMainWindow window;
    window.setWindowTitle("Modrin");
    auto* label = new QLabel(QString::fromUtf8("Выберите основу изделия."), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(800, 600);
    window.show();

    const int rc = app.exec();
    DoneModelsGlobals();
    return rc;
}
