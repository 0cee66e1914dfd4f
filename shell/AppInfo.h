// The program's name as the windows and the single-instance guard show it.
#pragma once

// Main window caption and application title: product name and version.
extern const char* const kAppTitle;
// Folder name for the user's configuration (settings file).
extern const char* const kAppConfigName;
