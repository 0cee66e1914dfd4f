#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

int g_ppiOverride = 0;

QScreen* Primary() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr; }

}  // namespace

void SetScreenPixelsPerInchOverride(int ppi) { g_ppiOverride = ppi; }

int ScreenPixelsPerInch() {
    if (g_ppiOverride > 0) return g_ppiOverride;
    QScreen* screen = Primary();
    if (!screen) return 96;
    const double ppi = screen->logicalDotsPerInch();
    return std::isfinite(ppi) && ppi >= 1.0 ? int(std::lround(ppi)) : 96;
}

int ScreenWidth() {
    QScreen* screen = Primary();
    return screen ? screen->geometry().width() : 0;
}

int ScreenHeight() {
    QScreen* screen = Primary();
    return screen ? screen->geometry().height() : 0;
}
