// The printer object forwarding to the platform printer.
#include "datagrid/PrntsVyn.h"

#include <memory>

namespace {

std::unique_ptr<TVirtualPrinter>& TheVirtualPrinter() {
    static std::unique_ptr<TVirtualPrinter> printer;
    return printer;
}

}  // namespace

bool TVirtualPrinter::Aborted() { return Printer()->Aborted(); }
TCanvas* TVirtualPrinter::Canvas() { return Printer()->Canvas(); }
TPrinterCapabilities TVirtualPrinter::Capabilities() { return Printer()->Capabilities(); }
TStrings* TVirtualPrinter::Fonts() { return Printer()->Fonts(); }
HDC TVirtualPrinter::Handle() { return Printer()->Handle(); }
int TVirtualPrinter::Copies() { return Printer()->Copies; }
TPrinterOrientation TVirtualPrinter::Orientation() { return Printer()->Orientation; }
int TVirtualPrinter::PageHeight() { return Printer()->PageHeight(); }
int TVirtualPrinter::PageWidth() { return Printer()->PageWidth(); }
int TVirtualPrinter::PageNumber() { return Printer()->PageNumber(); }
bool TVirtualPrinter::Printing() { return Printer()->Printing(); }
AnsiString TVirtualPrinter::Title() { return Printer()->Title; }

int TVirtualPrinter::FullPageWidth() {
    return Printer()->PageWidth() + 2 * GetDeviceCaps(Printer()->Handle(), PHYSICALOFFSETX);
}

int TVirtualPrinter::FullPageHeight() {
    return Printer()->PageHeight() + 2 * GetDeviceCaps(Printer()->Handle(), PHYSICALOFFSETY);
}

int TVirtualPrinter::PrinterIndex() { return Printer()->PrinterIndex(); }
TStrings* TVirtualPrinter::Printers() { return Printer()->Printers(); }
void TVirtualPrinter::SetPrinterIndex(int index) { Printer()->SetPrinterIndex(index); }
void TVirtualPrinter::SetCopies(int copies) { Printer()->Copies = copies; }
void TVirtualPrinter::SetOrientation(TPrinterOrientation orientation) { Printer()->Orientation = orientation; }
void TVirtualPrinter::SetTitle(const AnsiString& title) { Printer()->Title = title; }
void TVirtualPrinter::Abort() { Printer()->Abort(); }
void TVirtualPrinter::BeginDoc() { Printer()->BeginDoc(); }
void TVirtualPrinter::EndDoc() { Printer()->EndDoc(); }
void TVirtualPrinter::NewPage() { Printer()->NewPage(); }

void TVirtualPrinter::GetPrinter(char* device, char* driver, char* port, HGLOBAL& deviceMode) {
    Printer()->GetPrinter(device, driver, port, deviceMode);
}

void TVirtualPrinter::SetPrinter(const char* device, const char* driver, const char* port, HGLOBAL deviceMode) {
    Printer()->SetPrinter(device, driver, port, deviceMode);
}

TVirtualPrinter* VirtualPrinter() { return TheVirtualPrinter().get(); }
void InitializePrntsVyn() { TheVirtualPrinter().reset(TVirtualPrinter::Create()); }
void FinalizePrntsVyn() { TheVirtualPrinter().reset(); }
