#include "platform/Printer.h"

#include <QPrinter>
#include <cmath>
#include <stdexcept>

namespace {

const PrinterMetrics* g_metricsOverride = nullptr;

double DotsToMm(int dots, int dpi) { return dpi > 0 ? dots * 25.4 / dpi : 0.0; }

}  // namespace

// The printer's canvas: drawing is allowed only while a document is open.
class Printer::PrinterCanvas : public Canvas {
public:
    explicit PrinterCanvas(Printer& owner) : owner_(owner) {}
    ~PrinterCanvas() override { End(); }
    void Start() { Begin(); }

protected:
    QPaintDevice* Device() const override { return owner_.device_.get(); }
    void CheckMayBegin() const override {
        if (!owner_.printing_) throw std::runtime_error("Printer is not currently printing");
    }

private:
    Printer& owner_;
};

Printer::Printer()
    : device_(std::make_unique<QPrinter>(QPrinter::HighResolution)), canvas_(std::make_unique<PrinterCanvas>(*this)) {}

Printer::~Printer() {
    canvas_.reset();
    device_.reset();
}

QPrinter& Printer::Device() { return *device_; }

void Printer::SetPdfOutput(const std::string& path) {
    device_->setOutputFormat(QPrinter::PdfFormat);
    device_->setOutputFileName(QString::fromStdString(path));
}

void Printer::UsePdfFormat() {
    CheckNotPrinting();
    device_->setOutputFormat(QPrinter::PdfFormat);
}

void Printer::UseSystemPrinter(const std::string& name) {
    CheckNotPrinting();
    // No file: an output file name would turn the print into a print to file.
    device_->setOutputFileName(QString());
    device_->setOutputFormat(QPrinter::NativeFormat);
    device_->setPrinterName(QString::fromStdString(name));
}

void Printer::CheckNotPrinting() const {
    if (printing_) throw std::runtime_error("Printing in progress");
}

int Printer::WidthDots() const { return device_->width(); }
int Printer::HeightDots() const { return device_->height(); }
double Printer::WidthMmExact() const { return DotsToMm(WidthDots(), device_->logicalDpiX()); }
double Printer::HeightMmExact() const { return DotsToMm(HeightDots(), device_->logicalDpiY()); }
int Printer::WidthMm() const { return int(std::lround(WidthMmExact())); }
int Printer::HeightMm() const { return int(std::lround(HeightMmExact())); }

Canvas& Printer::GetCanvas() { return *canvas_; }

void Printer::BeginDoc() {
    CheckNotPrinting();
    printing_ = true;
    try {
        canvas_->Start();
    } catch (...) {
        printing_ = false;
        throw;
    }
}

void Printer::NewPage() {
    if (!printing_) throw std::runtime_error("Printer is not currently printing");
    device_->newPage();
}

void Printer::EndDoc() {
    if (!printing_) throw std::runtime_error("Printer is not currently printing");
    canvas_->End();
    printing_ = false;
}

void Printer::Abort() {
    if (!printing_) return;
    device_->abort();
    canvas_->End();
    printing_ = false;
}

Printer& ThePrinter() {
    // Kept for the whole run and never destroyed: it must outlive every
    // window that prints, and the application object goes first at exit.
    static Printer* printer = new Printer;
    return *printer;
}

const PrinterMetrics& CurrentPrinterMetrics() { return g_metricsOverride ? *g_metricsOverride : ThePrinter(); }

void SetPrinterMetricsOverride(const PrinterMetrics* metrics) { g_metricsOverride = metrics; }
