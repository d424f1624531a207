// The class library's printer over the spooler calls and printer contexts.
#include "platform/print/printers.h"

#include <vector>

namespace {

constexpr const char* kPrintingInProgress = "Printing in progress";

}  // namespace

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() {
    if (dc_) Abort();
}

TStrings* TPrinter::Printers() {
    printers_->Clear();
    DWORD needed = 0, returned = 0;
    EnumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed);
    if (needed > 0 && EnumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(), needed,
                                   &needed, &returned)) {
        const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
        for (DWORD i = 0; i < returned; ++i) printers_->Add(printers[i].pPrinterName);
    }
    return printers_.get();
}

int TPrinter::PrinterIndex() {
    if (printerIndex_ >= 0) return printerIndex_;
    char name[256];
    DWORD size = sizeof name;
    return GetDefaultPrinter(name, &size) ? Printers()->IndexOf(name) : -1;
}

void TPrinter::SetPrinterIndex(int index) {
    if (dc_) throw EPrinter(kPrintingInProgress);
    printerIndex_ = index;
}

AnsiString TPrinter::PrinterName() {
    const int index = PrinterIndex();
    TStrings* printers = Printers();
    return index >= 0 && index < printers->Count() ? printers->Strings(index) : AnsiString();
}

DEVMODEA TPrinter::Settings() {
    DEVMODEA settings{};
    settings.dmFields = DM_ORIENTATION | DM_COPIES;
    settings.dmOrientation = Orientation == poLandscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    settings.dmCopies = static_cast<short>(Copies > 0 ? Copies : 1);
    return settings;
}

int TPrinter::PageSize(int index) {
    if (dc_) return GetDeviceCaps(dc_, index);
    const DEVMODEA settings = Settings();
    HDC ic = CreateIC(nullptr, PrinterName().c_str(), nullptr, &settings);
    const int size = ic ? GetDeviceCaps(ic, index) : 0;
    if (ic) DeleteDC(ic);
    return size;
}

int TPrinter::PageWidth() { return PageSize(HORZRES); }
int TPrinter::PageHeight() { return PageSize(VERTRES); }

void TPrinter::BeginDoc() {
    if (dc_) throw EPrinter(kPrintingInProgress);
    const DEVMODEA settings = Settings();
    HDC dc = CreateDC(nullptr, PrinterName().c_str(), nullptr, &settings);
    const DOCINFOA info{sizeof(DOCINFOA), Title.c_str(), nullptr, nullptr, 0};
    if (!dc || StartDoc(dc, &info) <= 0) {
        if (dc) DeleteDC(dc);
        throw EPrinter("Printer selected is not valid");
    }
    dc_ = dc;
    aborted_ = false;
    pageNumber_ = 1;
    StartPage(dc_);
    canvas_->SetHandle(dc_);
}

void TPrinter::NewPage() {
    if (!dc_) return;
    EndPage(dc_);
    StartPage(dc_);
    ++pageNumber_;
    canvas_->Refresh();
}

void TPrinter::EndDoc() {
    if (!dc_) return;
    canvas_->SetHandle(0);
    if (!aborted_) {
        ::EndPage(dc_);
        ::EndDoc(dc_);
    }
    DeleteDC(dc_);
    dc_ = 0;
    pageNumber_ = 0;
}

void TPrinter::Abort() {
    if (!dc_) return;
    AbortDoc(dc_);
    aborted_ = true;
    EndDoc();
}

TPrinter* Printer() {
    static const std::unique_ptr<TPrinter> printer(TPrinter::Create());
    return printer.get();
}
