// The class library's printer: the printers by name, the chosen one, and a
// print job drawn through a canvas on the printer's device context.
#pragma once

#include <memory>

#include "platform/print/winspool.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphics.h"

SERVIORA_ENUM(TPrinterOrientation, poPortrait, poLandscape)

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
    int pageNumber_ = 0;
    bool aborted_ = false;
};

// The program's printer, made on first use.
TPrinter* Printer();
