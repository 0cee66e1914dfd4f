// Qt's own Russian texts (file dialogs, standard buttons, the text fields'
// context menus), from the translations installed with Qt.  The program runs
// on without them when they are not installed: those texts stay English.
#pragma once

#include <string>

// Loads "qtbase_ru" from `folder` ("" for Qt's own translations folder,
// QLibraryInfo::TranslationsPath) and installs it in the application; a
// translator loaded before is replaced.  False when there is no such file
// or it cannot be read (nothing is installed then).
bool LoadQtTranslations(const std::string& folder = std::string());
// Removes the installed translator, if any.
void UnloadQtTranslations();
// Qt's translations folder (UTF-8).
std::string QtTranslationsFolder();
