// The program's name as the windows and the single-instance guard show it.
#pragma once

// Main window caption and application title: product name and version.
extern const char* const kAppTitle;
// Folder name for the user's configuration (settings file).
extern const char* const kAppConfigName;

// Names the application (its settings folder).  No display name is set:
// the window system would add it to every window's title ("Основа —
// Ладомирка 4.23"), and the windows' titles are the program's own texts.
void NameApplication();
