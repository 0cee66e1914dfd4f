#include "platform/Printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>
#include <cstdio>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/PrinterQueue.h"

namespace {

const PrinterMetrics* g_metricsOverride = nullptr;

Printer::JobVerdict& VerdictOverride() {
    static Printer::JobVerdict verdict;
    return verdict;
}

std::string Quoted(const std::string& name) { return "«" + name + "»"; }

std::string FileNameOf(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

// The name of a job to a system printer that was given none.
const char* const kUnnamedJob = "Чертёж";

// Qt's key of the print system's options of a job on its CUPS print engine
// (other engines ignore it).
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

double DotsToMm(int dots, int dpi) { return dpi > 0 ? dots * 25.4 / dpi : 0.0; }

}  // namespace

// The printer's canvas: drawing is allowed only while a document is open.
class Printer::PrinterCanvas : public Canvas {
public:
    explicit PrinterCanvas(Printer& owner) : owner_(owner) {}
    ~PrinterCanvas() override { End(); }
    void Start() { Begin(); }

protected:
    int DevicePenWidth(int width) const override {
        const int dpi = owner_.device_->resolution();
        if (dpi <= 0 || dpi == kPenReferenceResolution) return width;
        return std::max(1, int(std::lround(double(width) * dpi / kPenReferenceResolution)));
    }
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
    CheckNotPrinting();
    device_->setOutputFormat(QPrinter::PdfFormat);
    device_->setOutputFileName(QString::fromStdString(path));
    pdfTarget_ = path;
    ApplyResolution();
}

void Printer::UsePdfFormat() {
    CheckNotPrinting();
    device_->setOutputFormat(QPrinter::PdfFormat);
    ApplyResolution();
}

bool Printer::ToPdfFile() const { return device_->outputFormat() == QPrinter::PdfFormat; }

std::string Printer::TargetName() const {
    if (!ToPdfFile()) return device_->printerName().toStdString();
    return FileNameOf(device_->outputFileName().toStdString());
}

void Printer::DropPartFile() {
    if (partFile_.empty()) return;
    QFile::remove(QString::fromStdString(partFile_));
    device_->setOutputFileName(QString::fromStdString(pdfTarget_));
    partFile_.clear();
}

void Printer::SetJobVerdictOverride(JobVerdict verdict) { VerdictOverride() = std::move(verdict); }

void Printer::SetQualityResolution(int dpi) {
    if (dpi > 0) qualityDpi_ = dpi;
    ApplyResolution();
}

void Printer::ApplyResolution() {
    if (printing_) return;
    const int dpi = device_->outputFormat() == QPrinter::PdfFormat ? kPdfResolution : qualityDpi_;
    if (device_->resolution() != dpi) device_->setResolution(dpi);
}

void Printer::UseSystemPrinter(const std::string& name) {
    CheckNotPrinting();
    // No file: an output file name would turn the print into a print to file.
    device_->setOutputFileName(QString());
    pdfTarget_.clear();
    device_->setOutputFormat(QPrinter::NativeFormat);
    device_->setPrinterName(QString::fromStdString(name));
    ApplyResolution();
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
    const bool toFile = ToPdfFile();
    if (toFile) {
        // The target named in the printer (by the printer's own dialog too).
        pdfTarget_ = device_->outputFileName().toStdString();
        if (!pdfTarget_.empty()) {
            partFile_ = pdfTarget_ + ".part" + std::to_string(QCoreApplication::applicationPid());
            device_->setOutputFileName(QString::fromStdString(partFile_));
        }
    }
    if (!toFile) {
        // The held job is found again by its name.
        if (device_->docName().isEmpty()) device_->setDocName(QString::fromUtf8(kUnnamedJob));
        QStringList options;
        for (const std::string& o : SystemJobOptions(qualityDpi_)) options << QString::fromStdString(o);
        device_->printEngine()->setProperty(kCupsOptionsKey, options);
        jobStart_ = std::time(nullptr);
    }
    printing_ = true;
    try {
        canvas_->Start();
    } catch (...) {
        printing_ = false;
        DropPartFile();
        throw PrintJobError(toFile ? "Не удалось создать файл " + Quoted(FileNameOf(pdfTarget_)) +
                                         ". Чертёж не сохранён. "
                                   : "Принтер " + Quoted(TargetName()) + " не начал печать. Чертёж не напечатан. ");
    }
}

void Printer::NewPage() {
    if (!printing_) throw std::runtime_error("Printer is not currently printing");
    device_->newPage();
}

void Printer::EndDoc() {
    if (!printing_) throw std::runtime_error("Printer is not currently printing");
    bool ended = canvas_->End();
    printing_ = false;
    ended = ended && device_->printerState() != QPrinter::Error && device_->printerState() != QPrinter::Aborted;
    const bool toFile = ToPdfFile();
    const std::string target = toFile ? FileNameOf(pdfTarget_) : TargetName();
    std::string reason;
    bool taken = ended;
    if (taken && VerdictOverride())
        taken = VerdictOverride()(reason);
    else if (taken && !toFile)
        taken = SystemTookLastJob(reason);
    if (!toFile) {
        // The job was handed over held: it prints once released.
        const std::string title = device_->docName().toStdString();
        if (taken) taken = ReleaseSystemJob(target, title, jobStart_);
        // A job not taken, or that could not be released, is not left
        // waiting in the queue.
        if (!taken) CancelSystemJob(target, title, jobStart_);
    }
    if (taken && toFile && !partFile_.empty()) {
        // Put in place in one step, over the file that was there.
        taken = std::rename(QFile::encodeName(QString::fromStdString(partFile_)).constData(),
                            QFile::encodeName(QString::fromStdString(pdfTarget_)).constData()) == 0;
        if (taken) {
            partFile_.clear();
            device_->setOutputFileName(QString::fromStdString(pdfTarget_));
        }
    }
    if (taken) return;
    DropPartFile();
    const std::string why = reason.empty() ? std::string() : " (" + reason + ")";
    throw PrintJobError(toFile ? "Не удалось записать файл " + Quoted(target) + why + ". Чертёж не сохранён. "
                               : "Принтер " + Quoted(target) + " не принял задание" + why +
                                     ". Чертёж не напечатан. ");
}

void Printer::Abort() {
    if (!printing_) return;
    device_->abort();
    canvas_->End();
    printing_ = false;
    DropPartFile();
    // Qt hands even an abandoned job to the print system; it waits there
    // held and is cancelled.
    if (!ToPdfFile()) CancelSystemJob(TargetName(), device_->docName().toStdString(), jobStart_);
}

namespace {

std::function<void()>& PendingRestore() {
    static std::function<void()> restore;
    return restore;
}

}  // namespace

Printer& ThePrinter() {
    // Kept for the whole run and never destroyed: it must outlive every
    // window that prints, and the application object goes first at exit.
    static Printer* printer = new Printer;
    if (PendingRestore()) {
        // Taken out first: restoring uses the printer itself.
        const std::function<void()> restore = std::move(PendingRestore());
        PendingRestore() = nullptr;
        restore();
    }
    return *printer;
}

void SetPrinterRestore(std::function<void()> restore) { PendingRestore() = std::move(restore); }

bool PrinterRestorePending() { return bool(PendingRestore()); }

const PrinterMetrics& CurrentPrinterMetrics() { return g_metricsOverride ? *g_metricsOverride : ThePrinter(); }

void SetPrinterMetricsOverride(const PrinterMetrics* metrics) { g_metricsOverride = metrics; }
