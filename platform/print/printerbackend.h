// The printers the platform's printing API reports, behind one seam: the
// system's printers through Qt PrintSupport (with a PDF printer always
// listed after them), or a table of printers that tests lay out. Paper
// sizes are in tenths of a millimetre, paper codes the platform's DMPAPER
// numbers.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/windef.h"
#include "platform/rtl/types.h"

struct PrinterPaper {
    int Code = 0;
    AnsiString Name;
    int Width = 0;   // tenths of a millimetre, portrait
    int Height = 0;
};

struct PrinterBin {
    AnsiString Name;
    int Code = 0;
};

struct PrinterDescription {
    AnsiString Name;
    AnsiString Driver;
    AnsiString Port;
    AnsiString Comment;
    std::vector<PrinterPaper> Papers;
    // When not empty, the paper names the driver reports in place of the
    // papers' own (drivers whose lists disagree).
    std::vector<AnsiString> ReportedPaperNames;
    std::vector<PrinterBin> Bins;
    Cardinal Status = 0;  // PRINTER_STATUS_* bits
    Cardinal Jobs = 0;    // documents waiting
    bool Color = true;
    bool Duplex = false;
    int PixelsPerInch = 600;
    // The edges of a portrait paper the printer cannot reach, tenths of a
    // millimetre (left, top, right, bottom).
    RECT Margins{};
};

class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    // Every printer, in the order the system lists them.
    virtual std::vector<PrinterDescription> Printers() const = 0;
    // The name of the default printer; "" when there is none.
    virtual AnsiString DefaultPrinter() const = 0;
};

// The printers tests lay out: listed as given, the default as given.
class FakePrinterBackend : public PrinterBackend {
public:
    FakePrinterBackend(std::vector<PrinterDescription> printers, AnsiString defaultPrinter)
        : printers_(std::move(printers)), defaultPrinter_(std::move(defaultPrinter)) {}
    std::vector<PrinterDescription> Printers() const override { return printers_; }
    AnsiString DefaultPrinter() const override { return defaultPrinter_; }

private:
    std::vector<PrinterDescription> printers_;
    AnsiString defaultPrinter_;
};

// The back end in use: the system's printers unless one was set.
const PrinterBackend& CurrentPrinterBackend();
// Replaces the back end (nullptr goes back to the system's printers).
void SetPrinterBackend(std::unique_ptr<PrinterBackend> backend);
// The system's printers through Qt PrintSupport, then "PDF".
std::unique_ptr<PrinterBackend> CreateSystemPrinterBackend();
// The printer of that name in the current back end.
std::optional<PrinterDescription> FindPrinter(const AnsiString& name);
