#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include "platform/Canvas.h"

int SystemHighlightColor() { return QColorToWinColor(QGuiApplication::palette().color(QPalette::Highlight)); }
