// The screen the program's windows are on.
#pragma once

// Logical pixels per inch (96 on an ordinary desktop and headless).
int ScreenPixelsPerInch();
// Size of the primary screen in pixels.
int ScreenWidth();
int ScreenHeight();

// For tests: makes ScreenPixelsPerInch answer ppi; 0 gives back the real value.
void SetScreenPixelsPerInchOverride(int ppi);
