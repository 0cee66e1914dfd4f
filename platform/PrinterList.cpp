#include "platform/PrinterList.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <optional>

#include "platform/Printer.h"

const char* const kPdfPrinterName = "Файл PDF";

namespace {

struct PrinterListState {
    PrinterListSource source;
    bool sourceWithPdfFile = false;
    std::optional<std::vector<std::string>> names;
    std::optional<std::string> chosen;   // the user's choice
    std::optional<std::string> applied;  // what ThePrinter() was last sent to
    PrinterQueueSource queue;
    PrinterDefaultsSource defaults;
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

bool Listed(const std::string& name) {
    const std::vector<std::string>& names = Kept();
    return !name.empty() && std::find(names.begin(), names.end(), name) != names.end();
}

std::string DefaultPrinter() {
    const std::vector<std::string>& names = Kept();
    if (names.empty()) return std::string();
    // A test's list names its default printer first; the system's list
    // always holds the PDF-file printer.
    if (State().source) return names.front();
    const std::string system = QPrinterInfo::defaultPrinterName().toStdString();
    return Listed(system) ? system : kPdfPrinterName;
}

void SendPrinterTo(const std::string& name) {
    if (name == kPdfPrinterName)
        ThePrinter().UsePdfFormat();
    else
        ThePrinter().UseSystemPrinter(name);
    State().applied = name;
}

}  // namespace

void RefreshPrinters() {
    PrinterListState& s = State();
    s.names = s.source ? s.source() : SystemPrinters();
    if (!s.source || s.sourceWithPdfFile) s.names->push_back(kPdfPrinterName);
}

bool PrinterInstalled() { return !Kept().empty(); }

std::vector<std::string> PrinterNames() { return Kept(); }

std::string ChosenPrinter() {
    const PrinterListState& s = State();
    if (s.chosen && Listed(*s.chosen)) return *s.chosen;
    return DefaultPrinter();
}

bool PdfFileChosen() { return ChosenPrinter() == kPdfPrinterName; }

bool ChoosePrinter(const std::string& name) {
    if (!Listed(name)) return false;
    SendPrinterTo(name);
    State().chosen = name;
    return true;
}

void ApplyChosenPrinter() {
    const PrinterListState& s = State();
    if (!s.applied) return;
    const std::string chosen = ChosenPrinter();
    if (!chosen.empty() && chosen != *s.applied) SendPrinterTo(chosen);
}

bool ForgetGoneChoice() {
    PrinterListState& s = State();
    if (!s.chosen || Listed(*s.chosen)) return false;
    s.chosen.reset();
    const std::string fallback = DefaultPrinter();
    if (!fallback.empty()) ChoosePrinter(fallback);
    return true;
}

void TakeChosenPrinterFromDevice() {
    const QPrinter& device = ThePrinter().Device();
    const std::string name = device.outputFormat() == QPrinter::PdfFormat ? std::string(kPdfPrinterName)
                                                                           : device.printerName().toStdString();
    if (!Listed(name)) return;
    State().chosen = name;
    State().applied = name;
}

PrinterCheck CheckPrinterForJob() {
    RefreshPrinters();
    const PrinterListState& s = State();
    if (s.chosen && !Listed(*s.chosen)) {
        // Gone from the list: deleted, or the print service is down (the
        // list is empty then).
        const std::string& gone = *s.chosen;
        if (gone == kPdfPrinterName) return {QueueState::Missing, gone};
        const QueueState state = s.queue ? s.queue(gone) : s.source ? QueueState::Missing : SystemQueueState(gone);
        return {state == QueueState::ServerDown ? state : QueueState::Missing, gone};
    }
    // Until the first choice the printer keeps the one it started with.
    std::string name = ChosenPrinter();
    if (!s.chosen && ThePrinter().Device().outputFormat() == QPrinter::NativeFormat)
        name = ThePrinter().Device().printerName().toStdString();
    if (name.empty()) return {QueueState::Missing, name};
    if (name == kPdfPrinterName) return {QueueState::Ready, name};
    if (s.queue) return {s.queue(name), name};
    if (s.source) return {QueueState::Ready, name};
    return {SystemQueueState(name), name};
}

PrinterDefaults DefaultsOfPrinter(const std::string& name) {
    if (State().defaults) return State().defaults(name);
    if (name == kPdfPrinterName) return PrinterDefaults{QPageSize(QPageSize::A4), true};
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
    return PrinterDefaults{info.isNull() ? QPageSize() : info.defaultPageSize(), SystemDefaultPortrait(name)};
}

void SetPrinterDefaultsOverride(PrinterDefaultsSource source) { State().defaults = std::move(source); }

void SetPrinterQueueOverride(PrinterQueueSource source) { State().queue = std::move(source); }

void SetPrinterListOverride(PrinterListSource source, bool withPdfFile) {
    PrinterListState& s = State();
    s.source = std::move(source);
    s.sourceWithPdfFile = withPdfFile;
    s.names.reset();
    s.chosen.reset();
    s.applied.reset();
}
