// Opening files and links through the desktop: the help page in the user's
// viewer, the maker's pages in the browser, a mail in the mail program.
// Every request goes through here, so that tests can intercept it and no
// test ever starts another program.
#pragma once

#include <functional>
#include <string>

struct DesktopRequest {
    enum class Kind { Document, Url };
    Kind kind = Kind::Document;
    std::string target;  // UTF-8: a file path or an address
};

// Opens a local file with the program the desktop associates with it.
// False when the file does not exist (the desktop is not asked then) or the
// desktop could not open it.
bool OpenDocument(const std::string& path);
// Opens an address (http:, https:, mailto:, ...).  False when it is empty or
// not a valid address, or the desktop could not open it.
bool OpenUrl(const std::string& url);

// While an interceptor is set, the requests that would reach the desktop go
// to it instead, and it answers whether they succeeded.  nullptr removes it.
using DesktopInterceptor = std::function<bool(const DesktopRequest&)>;
void SetDesktopInterceptor(DesktopInterceptor interceptor);

// The kinds of file dialog, each remembering its own folder: the PDF file
// of a print, and the order files (saving and opening share one folder).
enum class FileDialogKind { Pdf, Order };
// The folder a file dialog of that kind starts in: the last folder a file
// was chosen in by such a dialog during this run, else the user's documents
// folder (or home).
std::string FileDialogFolder(FileDialogKind kind = FileDialogKind::Pdf);
// Remembers the folder of a chosen file for the next dialog of that kind.
void RememberFileDialogFolder(const std::string& chosenFile, FileDialogKind kind = FileDialogKind::Pdf);
// text with the characters a file name cannot hold (path separators,
// wildcards, quotes, control characters) replaced by '_'.
std::string FileNameSafe(const std::string& text);
