// The paper size and orientation the user chose in the printer's page
// set-up («Дополнительно» in the print set-up window) or with the
// orientation buttons, kept between runs in "PageSetup.ini" beside the
// settings file: "Madrix.dat" keeps its 128-byte layout, which has no room
// for a paper size.  What the user did not choose follows the printer: its
// own default paper and orientation when another printer is chosen.
#pragma once

#include <QPageSize>
#include <string>

struct PageChoice {
    bool hasPaper = false;
    QPageSize paper;
    bool hasOrientation = false;
    bool portrait = true;
};

// The name of the side file in the settings folder.
extern const char* const kPageSetupFileName;

// Reads the file of the folder (UTF-8); nothing chosen when it is missing
// or holds no valid paper.  Writing answers whether the file was written.
PageChoice ReadPageChoice(const std::string& folder);
bool WritePageChoice(const std::string& folder, const PageChoice& choice);

// The choice of this run: read at start, changed by the print set-up
// window, written at every change.
PageChoice& UserPageChoice();
void LoadUserPageChoice();
void StoreUserPageChoice();

// Gives the program's printer the paper and orientation of the printer of
// this name: the user's choice where there is one, the printer's own
// default otherwise.
void ApplyPageForPrinter(const std::string& name);
