// The program's printer: page metrics of the printable area, a canvas in
// printer dots, and the document calls (BeginDoc, NewPage, EndDoc, Abort).
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/Canvas.h"

class QPrinter;

// A print job that could not be started or that the printer (or the file)
// did not take; what() is the user's message, in Russian.
class PrintJobError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A print job the user called off before it was sent.
class PrintJobCancelled : public std::runtime_error {
public:
    PrintJobCancelled() : std::runtime_error("print job cancelled") {}
};

// What the drawing context reads of a printer page: the printable area in
// millimetres and in dots.
class PrinterMetrics {
public:
    virtual ~PrinterMetrics() = default;
    // Printable width and height in whole millimetres (as the device reports
    // its size to GDI: rounded to the nearest millimetre).
    virtual int WidthMm() const = 0;
    virtual int HeightMm() const = 0;
    // The same from the device's real resolution, without rounding.
    virtual double WidthMmExact() const = 0;
    virtual double HeightMmExact() const = 0;
    // Printable width and height in printer dots.
    virtual int WidthDots() const = 0;
    virtual int HeightDots() const = 0;
};

// Fixed numbers, for tests and for a printer whose metrics are known.
class FixedPrinterMetrics : public PrinterMetrics {
public:
    FixedPrinterMetrics(int widthDots, int heightDots, int widthMm, int heightMm)
        : widthDots_(widthDots), heightDots_(heightDots), widthMm_(widthMm), heightMm_(heightMm) {}
    int WidthMm() const override { return widthMm_; }
    int HeightMm() const override { return heightMm_; }
    double WidthMmExact() const override { return widthMm_; }
    double HeightMmExact() const override { return heightMm_; }
    int WidthDots() const override { return widthDots_; }
    int HeightDots() const override { return heightDots_; }

private:
    int widthDots_, heightDots_, widthMm_, heightMm_;
};

class Printer : public PrinterMetrics {
public:
    Printer();
    ~Printer() override;
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The Qt printer (printer choice, orientation, copies, resolution).
    QPrinter& Device();
    // Sends the output to a PDF file instead of a printer (the PDF-file
    // printer, and headless use).  A job writes a file beside it and puts it
    // in its place only when the job ended well: a failed or abandoned job
    // leaves the file that was there (or none) as it was.
    void SetPdfOutput(const std::string& path);
    // The PDF format, the file to be named before the job (SetPdfOutput).
    void UsePdfFormat();
    // Sends the output to the system printer of this name, in its own format
    // and not to a file.  Qt keeps the PDF format when there is no such
    // printer.  Quality, copies and orientation stay as they were set.
    void UseSystemPrinter(const std::string& name);

    // The resolution of the print quality (dots per inch), used by a system
    // printer.  A PDF file is drawn at kPdfResolution whatever the quality,
    // so that whole dots cost no more than 0.05 mm of a span.
    void SetQualityResolution(int dpi);
    int QualityResolution() const { return qualityDpi_; }
    // Gives the device the resolution of its target (the two above).
    void ApplyResolution();
    static constexpr int kPdfResolution = 1200;
    // Pen widths are given in dots of a page of this resolution: at any
    // other the pen keeps its width in millimetres (the outline of 4 is
    // 0.34 mm at every print quality).
    static constexpr int kPenReferenceResolution = 300;

    int WidthMm() const override;
    int HeightMm() const override;
    double WidthMmExact() const override;
    double HeightMmExact() const override;
    int WidthDots() const override;
    int HeightDots() const override;

    // The canvas of the page being printed; drawing on it outside
    // BeginDoc..EndDoc throws.
    Canvas& GetCanvas();

    // Starts a document (throws PrintJobError when the printer refuses),
    // starts the next page, ends the document, or abandons it.  EndDoc
    // checks the job's outcome (the painter's end, the printer's state, the
    // print system's word, the PDF file put in place) and throws
    // PrintJobError when it failed; nothing is left of the job then.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return printing_; }

    // The name of the target for the messages: the printer or the file.
    std::string TargetName() const;

    // For tests: while set, decides at EndDoc whether the target took the
    // job (instead of the print system); false with its reason.  nullptr
    // removes it.
    using JobVerdict = std::function<bool(std::string& reason)>;
    static void SetJobVerdictOverride(JobVerdict verdict);

private:
    class PrinterCanvas;
    // Throws std::runtime_error while a document is open.
    void CheckNotPrinting() const;
    // The job's own file beside the PDF target, and its removal.
    void DropPartFile();
    bool ToPdfFile() const;
    std::unique_ptr<QPrinter> device_;
    std::unique_ptr<PrinterCanvas> canvas_;
    bool printing_ = false;
    int qualityDpi_ = kPenReferenceResolution;
    std::string pdfTarget_;  // the file the user named
    std::string partFile_;   // the job's file while it is written
    std::time_t jobStart_ = 0;
};

// The program's one printer, created at first use and kept for the run.
// Before it is next handed out it runs the restoring function set below.
Printer& ThePrinter();

// Sets the function that gives the printer the choices restored from the
// settings; it runs once, the next time ThePrinter() is asked for, so that
// starting the program does not wait for the print system.  nullptr drops
// a function that has not run.
void SetPrinterRestore(std::function<void()> restore);
// Whether a restoring function is still waiting: nothing has used the
// printer since it was set.
bool PrinterRestorePending();

// The metrics a print reads: ThePrinter(), or while one is set the override
// (tests give fixed numbers; nullptr removes it).
const PrinterMetrics& CurrentPrinterMetrics();
void SetPrinterMetricsOverride(const PrinterMetrics* metrics);
