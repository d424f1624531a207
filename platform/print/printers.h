// The class library's printer: the printers by name, the chosen one, and a
// print job drawn through a canvas on the printer's device context.
#pragma once

#include <memory>

#include "platform/print/winspool.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphics.h"
#include "platform/win/globalmem.h"

SERVIORA_ENUM(TPrinterOrientation, poPortrait, poLandscape)
SERVIORA_ENUM(TPrinterCapability, pcCopies, pcOrientation, pcCollation)
using TPrinterCapabilities = TSet<TPrinterCapability>;

SERVIORA_EXCEPTION(EPrinter, Exception);

class TPrinter : public TObject {
    SERVIORA_CLASS(TPrinter, TObject)
public:
    TPrinter();
    ~TPrinter() override;

    // The printers' names, as the spooler lists them.
    TStrings* Printers();
    // -1 stands for the default printer until one is chosen.
    int PrinterIndex();
    void SetPrinterIndex(int index);

    AnsiString Title;
    int Copies = 1;
    TPrinterOrientation Orientation = poPortrait;

    // The page in device pixels; the printer's paper outside a job too.
    int PageWidth();
    int PageHeight();
    int PageNumber() const { return pageNumber_; }
    bool Printing() const { return dc_ != 0; }
    bool Aborted() const { return aborted_; }
    // Draws on the page being printed.
    TCanvas* Canvas() { return canvas_.get(); }

    // Jobs make their copies and turn their pages themselves; collation is
    // left to the printer and not promised.
    TPrinterCapabilities Capabilities() const { return {pcCopies, pcOrientation}; }
    // The faces a page can use: pages are drawn by the platform's own
    // drawing, so every face the screen has.
    TStrings* Fonts();
    // The job's device context while printing; otherwise an information
    // context on the chosen printer with the current settings, kept until
    // they change.
    HDC Handle();
    // The chosen printer's name, driver and port (each up to 255 bytes and
    // a zero), and a block of its device settings that the printer owns.
    void GetPrinter(char* device, char* driver, char* port, HGLOBAL& deviceMode);
    // Chooses the printer named `device`, taking orientation and copies
    // from the settings block when one is given; EPrinter "Printer
    // selected is not valid" for an unknown name.
    void SetPrinter(const char* device, const char* driver, const char* port, HGLOBAL deviceMode);

    // EPrinter "Printing in progress" while a job runs, and when the
    // printer cannot start one.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();

private:
    AnsiString PrinterName();
    DEVMODEA Settings();
    int PageSize(int index);

    std::unique_ptr<TStringList> printers_{TStringList::Create()};
    int printerIndex_ = -1;
    std::unique_ptr<TCanvas> canvas_{TCanvas::Create()};
    HDC dc_ = 0;
    // The information context and the printer and settings it was made for.
    HDC ic_ = 0;
    AnsiString icPrinter_;
    DEVMODEA icSettings_{};
    HGLOBAL deviceMode_ = 0;
    int pageNumber_ = 0;
    bool aborted_ = false;
};

// The program's printer, made on first use.
TPrinter* Printer();
