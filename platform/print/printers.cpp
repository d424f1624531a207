// The class library's printer over the spooler calls and printer contexts.
#include "platform/print/printers.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/print/printerbackend.h"
#include "platform/ui/forms.h"

namespace {

constexpr const char* kPrintingInProgress = "Printing in progress";

}  // namespace

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() {
    if (dc_) Abort();
    if (ic_) DeleteDC(ic_);
    if (deviceMode_) GlobalFree(deviceMode_);
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

HDC TPrinter::Handle() {
    if (dc_) return dc_;
    const AnsiString name = PrinterName();
    const DEVMODEA settings = Settings();
    const bool sameSettings =
        settings.dmOrientation == icSettings_.dmOrientation && settings.dmCopies == icSettings_.dmCopies;
    if (ic_ && (name != icPrinter_ || !sameSettings)) {
        DeleteDC(ic_);
        ic_ = 0;
    }
    if (!ic_) {
        ic_ = CreateIC(nullptr, name.c_str(), nullptr, &settings);
        icPrinter_ = name;
        icSettings_ = settings;
    }
    return ic_;
}

TStrings* TPrinter::Fonts() { return Screen->Fonts(); }

void TPrinter::GetPrinter(char* device, char* driver, char* port, HGLOBAL& deviceMode) {
    const AnsiString name = PrinterName();
    const std::optional<PrinterDescription> printer = FindPrinter(name);
    const auto copy = [](char* into, const AnsiString& text) {
        const std::size_t size = std::min<std::size_t>(text.size(), 255);
        std::memcpy(into, text.data(), size);
        into[size] = '\0';
    };
    copy(device, name);
    copy(driver, printer ? printer->Driver : AnsiString());
    copy(port, printer ? printer->Port : AnsiString());
    DEVMODEA settings{};
    HANDLE handle = 0;
    OpenPrinter(name.c_str(), &handle, nullptr);
    const DEVMODEA wanted = Settings();
    DocumentProperties(0, handle, name.c_str(), &settings, &wanted, DM_OUT_BUFFER | DM_IN_BUFFER);
    if (handle) ClosePrinter(handle);
    if (!deviceMode_) deviceMode_ = GlobalAlloc(GMEM_MOVEABLE, sizeof(DEVMODEA));
    std::memcpy(GlobalLock(deviceMode_), &settings, sizeof settings);
    GlobalUnlock(deviceMode_);
    deviceMode = deviceMode_;
}

void TPrinter::SetPrinter(const char* device, const char*, const char*, HGLOBAL deviceMode) {
    if (dc_) throw EPrinter(kPrintingInProgress);
    const int index = Printers()->IndexOf(device ? device : "");
    if (index < 0) throw EPrinter("Printer selected is not valid");
    printerIndex_ = index;
    if (!deviceMode || GlobalSize(deviceMode) < sizeof(DEVMODEA)) return;
    const auto* settings = static_cast<const DEVMODEA*>(GlobalLock(deviceMode));
    if (settings->dmFields & DM_ORIENTATION)
        Orientation = settings->dmOrientation == DMORIENT_LANDSCAPE ? poLandscape : poPortrait;
    if (settings->dmFields & DM_COPIES) Copies = settings->dmCopies;
    GlobalUnlock(deviceMode);
}

int TPrinter::PageSize(int index) { return GetDeviceCaps(Handle(), index); }

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
