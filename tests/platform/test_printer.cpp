// The printer: metrics of the printable area and a headless PDF document.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "platform/Printer.h"

TEST(Printer, MillimetresAgreeWithDotsAndThePageLayout) {
    Printer& printer = ThePrinter();
    ASSERT_GT(printer.WidthDots(), 0);
    ASSERT_GT(printer.HeightDots(), 0);
    const QRectF paint = printer.Device().pageLayout().paintRect(QPageLayout::Millimeter);
    // 1 cm of the drawing must print as 1 cm within 0.05 %.
    EXPECT_NEAR(printer.WidthMmExact(), paint.width(), paint.width() * 0.0005);
    EXPECT_NEAR(printer.HeightMmExact(), paint.height(), paint.height() * 0.0005);
    EXPECT_NEAR(printer.WidthMm(), printer.WidthMmExact(), 0.5);
    EXPECT_NEAR(printer.HeightMm(), printer.HeightMmExact(), 0.5);
}

TEST(Printer, PrintsPagesToPdfAndRefusesDrawingOutsideADocument) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("out.pdf");
    Printer printer;
    printer.SetPdfOutput(path.toStdString());
    Canvas& canvas = printer.GetCanvas();
    EXPECT_THROW(canvas.LineTo(10, 10), std::runtime_error);
    EXPECT_THROW(printer.NewPage(), std::runtime_error);

    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    canvas.MoveTo(0, 0);
    canvas.LineTo(printer.WidthDots() - 1, printer.HeightDots() - 1);
    canvas.TextOut(100, 100, "Лист 1 из 2");
    printer.NewPage();
    canvas.TextOutUp(200, 2000, "Модрин");
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2)
        << "two pages expected";
}

TEST(Printer, MetricsOverrideReplacesThePrinterForTheDrawing) {
    const FixedPrinterMetrics fake(4800, 6600, 203, 279);
    SetPrinterMetricsOverride(&fake);
    EXPECT_EQ(&CurrentPrinterMetrics(), &fake);
    EXPECT_EQ(CurrentPrinterMetrics().WidthDots(), 4800);
    SetPrinterMetricsOverride(nullptr);
    EXPECT_EQ(&CurrentPrinterMetrics(), static_cast<const PrinterMetrics*>(&ThePrinter()));
}
