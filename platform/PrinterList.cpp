#include "platform/PrinterList.h"

#include <QPrinterInfo>
#include <optional>

namespace {

struct PrinterListState {
    PrinterListSource source;
    std::optional<std::vector<std::string>> names;
};

PrinterListState& State() {
    static PrinterListState state;
    return state;
}

std::vector<std::string> SystemPrinters() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    return names;
}

const std::vector<std::string>& Kept() {
    PrinterListState& s = State();
    if (!s.names) RefreshPrinters();
    return *s.names;
}

}  // namespace

void RefreshPrinters() {
    PrinterListState& s = State();
    s.names = s.source ? s.source() : SystemPrinters();
}

bool PrinterInstalled() { return !Kept().empty(); }

std::vector<std::string> PrinterNames() { return Kept(); }

void SetPrinterListOverride(PrinterListSource source) {
    State().source = std::move(source);
    State().names.reset();
}
