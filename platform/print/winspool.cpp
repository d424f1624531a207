// The spooler and capability calls over the current printer back end.
#include "platform/print/winspool.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/print/printerbackend.h"
#include "platform/rtl/kernel.h"

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

// Lays out one record per printer, then their strings; `fill` writes a
// record given the strings' places.
template <class Record, class Fill>
BOOL FillRecords(const std::vector<PrinterDescription>& printers, BYTE* buffer, DWORD bufferSize, DWORD* needed,
                 DWORD* returned, int stringsPerRecord, Fill fill) {
    std::size_t size = printers.size() * sizeof(Record);
    for (const PrinterDescription& printer : printers)
        size += printer.Name.size() + 1 + (stringsPerRecord > 1 ? printer.Port.size() + 1 : 0);
    *needed = static_cast<DWORD>(size);
    *returned = 0;
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
    *returned = static_cast<DWORD>(printers.size());
    return TRUE;
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
        return FillRecords<PRINTER_INFO_4A>(printers, buffer, bufferSize, needed, returned, 1,
                                            [&](PRINTER_INFO_4A& r, const PrinterDescription& p, auto place) {
                                                r = {place(p.Name), nullptr, attributes(p)};
                                            });
    return FillRecords<PRINTER_INFO_5A>(printers, buffer, bufferSize, needed, returned, 2,
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
