// The grid library's printer object: every operation is the platform
// printer's, plus the full page size with the unprintable edges. Made at
// the library's start-up, freed at its end.
#pragma once

#include "platform/print/printers.h"

class TVirtualPrinter : public TObject {
    SERVIORA_CLASS(TVirtualPrinter, TObject)
public:
    TVirtualPrinter() = default;

    virtual bool Aborted();
    virtual TCanvas* Canvas();
    virtual TPrinterCapabilities Capabilities();
    virtual TStrings* Fonts();
    virtual HDC Handle();
    virtual int Copies();
    virtual TPrinterOrientation Orientation();
    virtual int PageHeight();
    virtual int PageWidth();
    virtual int PageNumber();
    virtual bool Printing();
    virtual AnsiString Title();
    // The page with the edges the printer cannot reach on both sides.
    virtual int FullPageWidth();
    virtual int FullPageHeight();
    virtual int PrinterIndex();
    virtual TStrings* Printers();
    virtual void SetPrinterIndex(int index);
    virtual void SetCopies(int copies);
    virtual void SetOrientation(TPrinterOrientation orientation);
    virtual void SetTitle(const AnsiString& title);
    virtual void Abort();
    virtual void BeginDoc();
    virtual void EndDoc();
    virtual void NewPage();
    virtual void GetPrinter(char* device, char* driver, char* port, HGLOBAL& deviceMode);
    virtual void SetPrinter(const char* device, const char* driver, const char* port, HGLOBAL deviceMode);
};

// The library's one printer object (nullptr outside start-up and end).
TVirtualPrinter* VirtualPrinter();
void InitializePrntsVyn();
void FinalizePrntsVyn();
