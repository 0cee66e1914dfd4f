// The program's printer: page metrics of the printable area, a canvas in
// printer dots, and the document calls (BeginDoc, NewPage, EndDoc, Abort).
#pragma once

#include <memory>
#include <string>

#include "platform/Canvas.h"

class QPrinter;

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
    // printer, and headless use).
    void SetPdfOutput(const std::string& path);
    // The PDF format, the file to be named before the job (SetPdfOutput).
    void UsePdfFormat();
    // Sends the output to the system printer of this name, in its own format
    // and not to a file.  Qt keeps the PDF format when there is no such
    // printer.  Quality, copies and orientation stay as they were set.
    void UseSystemPrinter(const std::string& name);

    int WidthMm() const override;
    int HeightMm() const override;
    double WidthMmExact() const override;
    double HeightMmExact() const override;
    int WidthDots() const override;
    int HeightDots() const override;

    // The canvas of the page being printed; drawing on it outside
    // BeginDoc..EndDoc throws.
    Canvas& GetCanvas();

    // Starts a document (throws std::runtime_error when the printer refuses),
    // starts the next page, ends the document, or abandons it.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return printing_; }

private:
    class PrinterCanvas;
    // Throws std::runtime_error while a document is open.
    void CheckNotPrinting() const;
    std::unique_ptr<QPrinter> device_;
    std::unique_ptr<PrinterCanvas> canvas_;
    bool printing_ = false;
};

// The program's one printer, created at first use and kept for the run.
Printer& ThePrinter();

// The metrics a print reads: ThePrinter(), or while one is set the override
// (tests give fixed numbers; nullptr removes it).
const PrinterMetrics& CurrentPrinterMetrics();
void SetPrinterMetricsOverride(const PrinterMetrics* metrics);
