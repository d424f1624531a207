// The system's printers through Qt PrintSupport (CUPS), followed by the PDF
// printer. Qt reports page sizes with their Windows paper codes; trays are
// not reported, so no bins are listed.
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

#include "platform/print/printerbackend.h"
#include "platform/print/winspool.h"
#include "platform/rtl/codepage.h"

namespace {

AnsiString Ansi(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

PrinterPaper PaperOf(const QPageSize& size) {
    const QSizeF millimetres = size.size(QPageSize::Millimeter);
    return {size.windowsId(), Ansi(size.name()), static_cast<int>(std::lround(millimetres.width() * 10)),
            static_cast<int>(std::lround(millimetres.height() * 10))};
}

// The unprintable edges of the printer's default paper, which drivers keep
// alike on every paper.
RECT MarginsOf(const QPrinterInfo& info) {
    QPrinter probe(info, QPrinter::HighResolution);
    probe.setPageSize(info.defaultPageSize());
    QPageLayout layout = probe.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF mm = layout.minimumMargins();
    const auto tenths = [](qreal value) { return static_cast<LONG>(std::lround(value * 10)); };
    return {tenths(mm.left()), tenths(mm.top()), tenths(mm.right()), tenths(mm.bottom())};
}

PrinterPaper CustomPaper() { return {DMPAPER_USER, "Custom", 0, 0}; }

Cardinal StatusOf(QPrinter::PrinterState state) {
    switch (state) {
    case QPrinter::Active: return PRINTER_STATUS_PRINTING;
    case QPrinter::Aborted:
    case QPrinter::Error: return PRINTER_STATUS_ERROR;
    default: return 0;
    }
}

PrinterDescription Describe(const QPrinterInfo& info) {
    PrinterDescription printer;
    printer.Name = Ansi(info.printerName());
    printer.Driver = Ansi(info.makeAndModel());
    printer.Port = Ansi(info.location());
    printer.Comment = Ansi(info.description());
    for (const QPageSize& size : info.supportedPageSizes())
        if (size.windowsId() > 0) printer.Papers.push_back(PaperOf(size));
    if (info.supportsCustomPageSizes()) printer.Papers.push_back(CustomPaper());
    printer.Status = StatusOf(info.state());
    printer.Color = info.supportedColorModes().contains(QPrinter::Color);
    printer.Duplex = info.supportedDuplexModes().size() > 1;
    const QList<int> resolutions = info.supportedResolutions();
    if (!resolutions.isEmpty()) printer.PixelsPerInch = *std::max_element(resolutions.begin(), resolutions.end());
    printer.Margins = MarginsOf(info);
    return printer;
}

// Every page size with a Windows paper code, and custom sizes.
PrinterDescription PdfPrinter() {
    PrinterDescription printer;
    printer.Name = "PDF";
    printer.Driver = "PDF";
    for (int id = 0; id < QPageSize::LastPageSize; ++id) {
        const QPageSize size(static_cast<QPageSize::PageSizeId>(id));
        if (size.windowsId() > 0 && size.windowsId() < DMPAPER_USER) printer.Papers.push_back(PaperOf(size));
    }
    printer.Papers.push_back(CustomPaper());
    printer.Duplex = false;
    return printer;
}

class SystemPrinterBackend : public PrinterBackend {
public:
    std::vector<PrinterDescription> Printers() const override {
        std::vector<PrinterDescription> printers;
        for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) printers.push_back(Describe(info));
        printers.push_back(PdfPrinter());
        return printers;
    }
    AnsiString DefaultPrinter() const override {
        const QString name = QPrinterInfo::defaultPrinterName();
        return name.isEmpty() ? AnsiString("PDF") : Ansi(name);
    }
};

}  // namespace

std::unique_ptr<PrinterBackend> CreateSystemPrinterBackend() { return std::make_unique<SystemPrinterBackend>(); }
