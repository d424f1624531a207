// The spooler and capability calls over the current printer back end.
#include "platform/print/winspool.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/print/printerbackend.h"
#include "platform/print/propertiesdialog.h"
#include "platform/rtl/kernel.h"
#include "platform/ui/dialogs.h"

namespace {

// Copies text and its terminating zero into `size` characters, cut when
// it does not fit; answers the characters copied without the zero.
DWORD CopyText(const AnsiString& text, char* buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    const DWORD copied = std::min<DWORD>(static_cast<DWORD>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return copied;
}

// Lays out one record per printer, then the strings `stringsOf` gives for
// it; `fill` writes a record given a function that places a string.
template <class Record, class StringsOf, class Fill>
BOOL FillRecords(const std::vector<PrinterDescription>& printers, BYTE* buffer, DWORD bufferSize, DWORD* needed,
                 DWORD* returned, StringsOf stringsOf, Fill fill) {
    std::size_t size = printers.size() * sizeof(Record);
    for (const PrinterDescription& printer : printers)
        for (const AnsiString& text : stringsOf(printer)) size += text.size() + 1;
    *needed = static_cast<DWORD>(size);
    if (returned) *returned = 0;
    if (!buffer || bufferSize < size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    char* strings = reinterpret_cast<char*>(buffer) + printers.size() * sizeof(Record);
    auto place = [&strings](const AnsiString& text) {
        char* at = strings;
        std::memcpy(at, text.c_str(), text.size() + 1);
        strings += text.size() + 1;
        return at;
    };
    for (std::size_t i = 0; i < printers.size(); ++i) fill(reinterpret_cast<Record*>(buffer)[i], printers[i], place);
    if (returned) *returned = static_cast<DWORD>(printers.size());
    return TRUE;
}

// Open printer handles: their printers' names.
struct OpenPrinters {
    std::mutex mutex;
    std::map<HANDLE, AnsiString> names;
    HANDLE next = 0x5000;
};

OpenPrinters& Handles() {
    static OpenPrinters handles;
    return handles;
}

std::optional<PrinterDescription> PrinterOfHandle(HANDLE handle) {
    OpenPrinters& handles = Handles();
    AnsiString name;
    {
        std::lock_guard lock(handles.mutex);
        const auto found = handles.names.find(handle);
        if (found == handles.names.end()) return std::nullopt;
        name = found->second;
    }
    return FindPrinter(name);
}

// The printer's own settings: its A4 (else its first paper), portrait, one
// copy, colour when it has it.
DEVMODEA DefaultDevMode(const PrinterDescription& printer) {
    DEVMODEA mode{};
    std::memcpy(mode.dmDeviceName, printer.Name.data(), std::min<std::size_t>(printer.Name.size(), CCHDEVICENAME - 1));
    mode.dmSpecVersion = 0x401;
    mode.dmSize = sizeof(DEVMODEA);
    mode.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE | DM_COLOR | DM_DUPLEX | DM_YRESOLUTION;
    mode.dmOrientation = DMORIENT_PORTRAIT;
    const bool hasA4 = std::any_of(printer.Papers.begin(), printer.Papers.end(),
                                   [](const PrinterPaper& p) { return p.Code == DMPAPER_A4; });
    mode.dmPaperSize = static_cast<short>(hasA4 || printer.Papers.empty() ? DMPAPER_A4 : printer.Papers.front().Code);
    mode.dmScale = 100;
    mode.dmCopies = 1;
    mode.dmDefaultSource = printer.Bins.empty() ? DMBIN_AUTO : static_cast<short>(printer.Bins.front().Code);
    mode.dmPrintQuality = mode.dmYResolution = static_cast<short>(printer.PixelsPerInch);
    mode.dmColor = printer.Color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    mode.dmDuplex = DMDUP_SIMPLEX;
    return mode;
}

// The fields `in` says it sets, copied over `out`.
void ApplySetFields(DEVMODEA& out, const DEVMODEA& in) {
    auto take = [&](DWORD flag, auto member) {
        if (in.dmFields & flag) {
            out.*member = in.*member;
            out.dmFields |= flag;
        }
    };
    take(DM_ORIENTATION, &DEVMODEA::dmOrientation);
    take(DM_PAPERSIZE, &DEVMODEA::dmPaperSize);
    take(DM_PAPERLENGTH, &DEVMODEA::dmPaperLength);
    take(DM_PAPERWIDTH, &DEVMODEA::dmPaperWidth);
    take(DM_COPIES, &DEVMODEA::dmCopies);
    take(DM_DEFAULTSOURCE, &DEVMODEA::dmDefaultSource);
    take(DM_COLOR, &DEVMODEA::dmColor);
    take(DM_DUPLEX, &DEVMODEA::dmDuplex);
    if (in.dmFields & DM_FORMNAME) {
        std::memcpy(out.dmFormName, in.dmFormName, sizeof out.dmFormName);
        out.dmFields |= DM_FORMNAME;
    }
}

template <class Element, class Source, class Write>
int ListCapability(const std::vector<Source>& items, char* output, Write write) {
    if (output)
        for (std::size_t i = 0; i < items.size(); ++i) write(reinterpret_cast<Element*>(output) + i, items[i]);
    return static_cast<int>(items.size());
}

template <int Length, class Source, class Name>
int ListNames(const std::vector<Source>& items, char* output, Name name) {
    if (output) {
        std::memset(output, 0, items.size() * Length);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const AnsiString text = name(items[i]);
            std::memcpy(output + i * Length, text.data(), std::min<std::size_t>(text.size(), Length));
        }
    }
    return static_cast<int>(items.size());
}

}  // namespace

BOOL EnumPrinters(DWORD flags, const char* /*name*/, DWORD level, BYTE* buffer, DWORD bufferSize, DWORD* needed,
                  DWORD* returned) {
    if (level != 4 && level != 5) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const PrinterBackend& backend = CurrentPrinterBackend();
    std::vector<PrinterDescription> printers = backend.Printers();
    const AnsiString defaultName = backend.DefaultPrinter();
    if (flags & PRINTER_ENUM_DEFAULT)
        std::erase_if(printers, [&](const PrinterDescription& p) { return p.Name != defaultName; });
    auto attributes = [&](const PrinterDescription& p) {
        return PRINTER_ATTRIBUTE_LOCAL | (p.Name == defaultName ? PRINTER_ATTRIBUTE_DEFAULT : 0);
    };
    if (level == 4)
        return FillRecords<PRINTER_INFO_4A>(
            printers, buffer, bufferSize, needed, returned,
            [](const PrinterDescription& p) { return std::vector{p.Name}; },
            [&](PRINTER_INFO_4A& r, const PrinterDescription& p, auto place) {
                r = {place(p.Name), nullptr, attributes(p)};
            });
    return FillRecords<PRINTER_INFO_5A>(printers, buffer, bufferSize, needed, returned,
                                        [](const PrinterDescription& p) { return std::vector{p.Name, p.Port}; },
                                        [&](PRINTER_INFO_5A& r, const PrinterDescription& p, auto place) {
                                            char* printerName = place(p.Name);
                                            r = {printerName, place(p.Port), attributes(p), 15000, 45000};
                                        });
}

BOOL GetDefaultPrinter(char* buffer, DWORD* size) {
    const AnsiString name = CurrentPrinterBackend().DefaultPrinter();
    if (name.empty()) return FALSE;
    const DWORD needed = static_cast<DWORD>(name.size() + 1);
    if (!buffer || *size < needed) {
        *size = needed;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    CopyText(name, buffer, *size);
    *size = needed;
    return TRUE;
}

DWORD GetProfileString(const char* section, const char* key, const char* fallback, char* buffer, DWORD size) {
    AnsiString text = fallback ? fallback : "";
    const AnsiString defaultName = CurrentPrinterBackend().DefaultPrinter();
    if (section && key && AnsiString(section) == "windows" && AnsiString(key) == "device" && !defaultName.empty()) {
        const std::optional<PrinterDescription> printer = FindPrinter(defaultName);
        text = defaultName + ",winspool," + (printer ? printer->Port : AnsiString());
    }
    return CopyText(text, buffer, size);
}

BOOL OpenPrinter(const char* name, HANDLE* printer, const void* /*defaults*/) {
    if (!name || !FindPrinter(name)) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    OpenPrinters& handles = Handles();
    std::lock_guard lock(handles.mutex);
    *printer = handles.next++;
    handles.names[*printer] = name;
    return TRUE;
}

BOOL ClosePrinter(HANDLE printer) {
    OpenPrinters& handles = Handles();
    std::lock_guard lock(handles.mutex);
    return handles.names.erase(printer) ? TRUE : FALSE;
}

BOOL GetPrinter(HANDLE printer, DWORD level, BYTE* buffer, DWORD bufferSize, DWORD* needed) {
    const std::optional<PrinterDescription> found = PrinterOfHandle(printer);
    if (!found || level != 2) {
        SetLastError(found ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return FillRecords<PRINTER_INFO_2A>(
        {*found}, buffer, bufferSize, needed, nullptr,
        [](const PrinterDescription& p) { return std::vector{p.Name, p.Port, p.Driver, p.Comment}; },
        [](PRINTER_INFO_2A& r, const PrinterDescription& p, auto place) {
            r = {};
            r.pPrinterName = place(p.Name);
            r.pPortName = place(p.Port);
            r.pDriverName = place(p.Driver);
            r.pComment = place(p.Comment);
            r.Attributes = PRINTER_ATTRIBUTE_LOCAL;
            r.Status = p.Status;
            r.cJobs = p.Jobs;
        });
}

LONG DocumentProperties(HWND /*window*/, HANDLE printer, const char* device, DEVMODEA* out, const DEVMODEA* in,
                        DWORD mode) {
    std::optional<PrinterDescription> found = PrinterOfHandle(printer);
    if (!found && device) found = FindPrinter(device);
    if (!found) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return -1;
    }
    if (mode == 0) return sizeof(DEVMODEA);
    DEVMODEA result = DefaultDevMode(*found);
    if ((mode & DM_IN_BUFFER) && in) ApplySetFields(result, *in);
    if ((mode & DM_IN_PROMPT) && !RunPrinterPropertiesDialog(*found, result)) return IDCANCEL;
    if ((mode & DM_OUT_BUFFER) && out) *out = result;
    return IDOK;
}

int DeviceCapabilities(const char* device, const char* /*port*/, WORD capability, char* output,
                       const DEVMODEA* /*devMode*/) {
    const std::optional<PrinterDescription> printer = device ? FindPrinter(device) : std::nullopt;
    if (!printer) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return -1;
    }
    const auto& papers = printer->Papers;
    const auto& bins = printer->Bins;
    switch (capability) {
    case DC_PAPERS:
        return ListCapability<WORD>(papers, output, [](WORD* w, const PrinterPaper& p) { *w = WORD(p.Code); });
    case DC_PAPERSIZE:
        return ListCapability<POINT>(papers, output, [](POINT* pt, const PrinterPaper& p) { *pt = {p.Width, p.Height}; });
    case DC_PAPERNAMES:
        if (!printer->ReportedPaperNames.empty())
            return ListNames<CCHPAPERNAME>(printer->ReportedPaperNames, output, [](const AnsiString& n) { return n; });
        return ListNames<CCHPAPERNAME>(papers, output, [](const PrinterPaper& p) { return p.Name; });
    case DC_BINS: return ListCapability<WORD>(bins, output, [](WORD* w, const PrinterBin& b) { *w = WORD(b.Code); });
    case DC_BINNAMES: return ListNames<CCHBINNAME>(bins, output, [](const PrinterBin& b) { return b.Name; });
    default: return -1;
    }
}
