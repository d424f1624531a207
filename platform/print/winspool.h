// The platform's spooler and printer-capability calls over the printer
// back end: enumerating printers, the default printer (also as the
// "windows"/"device" profile entry) and a printer's papers and bins.
// Buffers are filled as the platform fills them: fixed-size records first,
// their strings after them; a buffer too small answers FALSE with
// ERROR_INSUFFICIENT_BUFFER and the size needed.
#pragma once

#include "platform/win/screens.h"
#include "platform/gdi/windef.h"

constexpr Cardinal ERROR_INSUFFICIENT_BUFFER = 122;
constexpr Cardinal ERROR_INVALID_PRINTER_NAME = 1801;

constexpr DWORD PRINTER_ENUM_DEFAULT = 0x1, PRINTER_ENUM_LOCAL = 0x2, PRINTER_ENUM_CONNECTIONS = 0x4;
constexpr DWORD PRINTER_ATTRIBUTE_DEFAULT = 0x4, PRINTER_ATTRIBUTE_LOCAL = 0x40;

constexpr DWORD PRINTER_STATUS_PAUSED = 0x1, PRINTER_STATUS_ERROR = 0x2, PRINTER_STATUS_PENDING_DELETION = 0x4,
                PRINTER_STATUS_PAPER_JAM = 0x8, PRINTER_STATUS_PAPER_OUT = 0x10, PRINTER_STATUS_MANUAL_FEED = 0x20,
                PRINTER_STATUS_PAPER_PROBLEM = 0x40, PRINTER_STATUS_OFFLINE = 0x80, PRINTER_STATUS_IO_ACTIVE = 0x100,
                PRINTER_STATUS_BUSY = 0x200, PRINTER_STATUS_PRINTING = 0x400, PRINTER_STATUS_OUTPUT_BIN_FULL = 0x800,
                PRINTER_STATUS_NOT_AVAILABLE = 0x1000, PRINTER_STATUS_WAITING = 0x2000,
                PRINTER_STATUS_PROCESSING = 0x4000, PRINTER_STATUS_INITIALIZING = 0x8000,
                PRINTER_STATUS_WARMING_UP = 0x10000, PRINTER_STATUS_TONER_LOW = 0x20000,
                PRINTER_STATUS_NO_TONER = 0x40000, PRINTER_STATUS_PAGE_PUNT = 0x80000,
                PRINTER_STATUS_USER_INTERVENTION = 0x100000, PRINTER_STATUS_OUT_OF_MEMORY = 0x200000,
                PRINTER_STATUS_DOOR_OPEN = 0x400000;

// Paper codes used by name; the others are the plain numbers 1..68.
constexpr int DMPAPER_LETTER = 1, DMPAPER_A4 = 9, DMPAPER_A5 = 11, DMPAPER_USER = 256;

// What DeviceCapabilities lists: paper codes (WORD each), paper sizes
// (POINT each, tenths of a millimetre), bin codes (WORD each), bin names
// (24 bytes each) and paper names (64 bytes each), zero-padded.
constexpr WORD DC_PAPERS = 2, DC_PAPERSIZE = 3, DC_BINS = 6, DC_BINNAMES = 12, DC_PAPERNAMES = 16;
constexpr int CCHPAPERNAME = 64, CCHBINNAME = 24;

struct PRINTER_INFO_4A {
    char* pPrinterName;
    char* pServerName;
    DWORD Attributes;
};

struct PRINTER_INFO_5A {
    char* pPrinterName;
    char* pPortName;
    DWORD Attributes;
    DWORD DeviceNotSelectedTimeout;
    DWORD TransmissionRetryTimeout;
};

// The device settings block: the fields printing uses, with the flags
// telling which of them are set.
constexpr DWORD DM_ORIENTATION = 0x1, DM_PAPERSIZE = 0x2, DM_PAPERLENGTH = 0x4, DM_PAPERWIDTH = 0x8,
                DM_COPIES = 0x100, DM_DEFAULTSOURCE = 0x200, DM_PRINTQUALITY = 0x400, DM_COLOR = 0x800,
                DM_DUPLEX = 0x1000, DM_YRESOLUTION = 0x2000, DM_FORMNAME = 0x10000;
constexpr short DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2;
constexpr short DMCOLOR_MONOCHROME = 1, DMCOLOR_COLOR = 2;
constexpr short DMDUP_SIMPLEX = 1, DMDUP_VERTICAL = 2, DMDUP_HORIZONTAL = 3;
constexpr short DMBIN_AUTO = 7;
constexpr int CCHFORMNAME = 32;

struct DEVMODEA {
    BYTE dmDeviceName[CCHDEVICENAME];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    short dmOrientation;
    short dmPaperSize;
    short dmPaperLength;  // tenths of a millimetre
    short dmPaperWidth;
    short dmScale;
    short dmCopies;
    short dmDefaultSource;
    short dmPrintQuality;
    short dmColor;
    short dmDuplex;
    short dmYResolution;
    short dmTTOption;
    short dmCollate;
    BYTE dmFormName[CCHFORMNAME];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFlags;
    DWORD dmDisplayFrequency;
};

// DocumentProperties modes: 0 asks for the block's size.
constexpr DWORD DM_OUT_BUFFER = 2, DM_IN_PROMPT = 4, DM_IN_BUFFER = 8;

struct PRINTER_INFO_2A {
    char* pServerName;
    char* pPrinterName;
    char* pShareName;
    char* pPortName;
    char* pDriverName;
    char* pComment;
    char* pLocation;
    DEVMODEA* pDevMode;
    char* pSepFile;
    char* pPrintProcessor;
    char* pDatatype;
    char* pParameters;
    void* pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status;
    DWORD cJobs;
    DWORD AveragePPM;
};

// Levels 4 and 5; PRINTER_ENUM_DEFAULT lists the default printer alone.
BOOL EnumPrinters(DWORD flags, const char* name, DWORD level, BYTE* buffer, DWORD bufferSize, DWORD* needed,
                  DWORD* returned);
// The default printer's name; FALSE when there is none.
BOOL GetDefaultPrinter(char* buffer, DWORD* size);
// Only the "windows" section's "device" entry is known here: the default
// printer as "name,winspool,port". Answers the characters copied.
DWORD GetProfileString(const char* section, const char* key, const char* fallback, char* buffer, DWORD size);
// A handle on a printer of the current back end; FALSE for an unknown name.
BOOL OpenPrinter(const char* name, HANDLE* printer, const void* defaults);
BOOL ClosePrinter(HANDLE printer);
// Level 2: names, port, driver, comment, Status bits and queued jobs.
BOOL GetPrinter(HANDLE printer, DWORD level, BYTE* buffer, DWORD bufferSize, DWORD* needed);
// Mode 0: the size of the printer's device settings block. DM_OUT_BUFFER:
// fills `out` with the printer's defaults, changed by `in`'s set fields
// under DM_IN_BUFFER and by the user in the properties dialog under
// DM_IN_PROMPT. Answers IDOK (1), IDCANCEL (2) when the dialog is
// cancelled, or a negative value for an unknown printer.
LONG DocumentProperties(HWND window, HANDLE printer, const char* device, DEVMODEA* out, const DEVMODEA* in,
                        DWORD mode);

// Printer device contexts. Pages are drawn into a bitmap at the printer's
// resolution (at most 300 pixels per inch) by every GDI call, and each
// finished page goes to the printer, or into a PDF file for the printer
// "PDF". The paper and orientation come from the device settings block
// (the printer's defaults without one); ResetDC changes them for the next
// page of a running job and answers the context to use from then on.
struct DOCINFOA {
    int cbSize;
    const char* lpszDocName;
    const char* lpszOutput;  // a file to print into, or nullptr
    const char* lpszDatatype;
    DWORD fwType;
};
constexpr int SP_ERROR = -1;

HDC CreateDC(const char* driver, const char* device, const char* port, const DEVMODEA* mode);
HDC CreateIC(const char* driver, const char* device, const char* port, const DEVMODEA* mode);
HDC ResetDC(HDC dc, const DEVMODEA* mode);
// Starts a job: a positive job number, or SP_ERROR (also when the PDF
// printer has no output file and none is chosen in the save dialog).
int StartDoc(HDC dc, const DOCINFOA* info);
int StartPage(HDC dc);
int EndPage(HDC dc);
int EndDoc(HDC dc);
// Ends the job without finishing its output.
int AbortDoc(HDC dc);

// The number of elements of the capability, filling `output` when it is
// not null; -1 for an unknown printer or capability.
int DeviceCapabilities(const char* device, const char* port, WORD capability, char* output, const DEVMODEA* devMode);
