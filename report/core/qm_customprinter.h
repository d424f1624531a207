// The engine's printer: the current entry of the shared printer list with
// its device settings, device context and print job (TQmCustomPrinter),
// the paper logic reports use (TQmPrinter), the canvas that draws on it,
// and the page information and page settings exchanged with the preview.
// Every public operation takes the printer's lock; a printer operation may
// then take the list's lock and an entry's, in that order.
#pragma once

#include <memory>

#include "platform/print/winspool.h"
#include "platform/win/globalmem.h"
#include "platform/ui/graphics.h"
#include "report/core/qm_printer.h"

class TQmCustomPrinter;

// A canvas on the printer's device context; fonts keep their point size
// at the printer's resolution, and a mono printer prints coloured text black.
class TQmPrinterCanvas : public TCanvas {
    SERVIORA_CLASS(TQmPrinterCanvas, TCanvas)
public:
    explicit TQmPrinterCanvas(TQmCustomPrinter* printer) : printer_(printer) {}
    void UpdateFont();

protected:
    void CreateHandle() override;
    void Changing() override;

private:
    friend class TQmCustomPrinter;
    TQmCustomPrinter* printer_;
};

class TQmCustomPrinter : public TObject {
    SERVIORA_CLASS(TQmCustomPrinter, TObject)
public:
    // On the shared printer list unless another is given.
    explicit TQmCustomPrinter(TQmPrinterList* list = nullptr);
    ~TQmCustomPrinter() override;

    AnsiString Title, FileName;
    bool Aborted = false;
    bool ColorPrint = true;
    Byte Duplex = 0;
    int PaperSize = DMPAPER_A4;
    Byte Orientation = 0;  // 0 portrait, 1 landscape
    int Bin = QmDefaultBinCode;
    int CustomWidth = 0, CustomHeight = 0;
    int PageNumber() const { return pageNumber_; }
    bool Printing() const { return printing_; }
    int PrinterIndex() const { return printerIndex_; }

    // The device context (a job's DC, else an information context); 0 for
    // a printer without a device, which is then not tried again.
    HDC GetDC();
    TQmPrinterCanvas* GetCanvas();
    TQmPrinterInfo* GetPrinterInfo();
    // Switches to the list entry; a paper of the old printer's size (within
    // a tenth of a millimetre) stays chosen, else the custom size. Nothing
    // during a job.
    void SetPrinterIndex(int index);
    HGLOBAL GetDevModeHandle();
    DEVMODEA* GetDevMode();
    // A new block with a copy of the settings (the caller frees it); 0
    // without settings.
    HGLOBAL GetDevModeCopy();
    // Takes a copy of the block; during a job the context follows at the
    // next page.
    void SetDevMode(HGLOBAL block);
    // The current paper's size as printed (tenths of a millimetre).
    int GetPaperWidth();
    int GetPaperHeight();
    bool IsColorPrinter();
    TPoint GetPixelsPerInch();
    TRect GetPhysicalOffsets();
    void FreeHandles();

    void BeginDoc();
    void NewPage();
    void EndPage();
    void EndDoc();
    void Abort();

protected:
    TQmPrinterList* List() const;
    void ResetDC();
    void UpdateDeviceCaps();
    bool IsVirtual();
    TCriticalSection lock_;
    HGLOBAL devMode_ = 0;
    short defaultSource_ = 0;

private:
    void FreeDC();
    int OrientedPaperSize(bool width);

    std::unique_ptr<TQmPrinterCanvas> canvas_;
    TQmPrinterList* list_;
    HDC dc_ = 0;
    HANDLE printerHandle_ = 0;
    TQmPrinterInfo* info_ = nullptr;
    int printerIndex_ = -1;
    int pageNumber_ = 0;
    bool printing_ = false, pageStarted_ = false, resetPending_ = false;
    bool colorDevice_ = true;
    TPoint pixelsPerInch_{96, 96};
    TPoint physicalSize_{0, 0};
    TRect offsets_{0, 0, 0, 0};
};

// Page width and height in printer pixels, in screen pixels, and the left
// and top physical offsets in printer pixels.
struct TQmPageInfo {
    int PrinterWidth = 0, PrinterHeight = 0;
    int ScreenWidth = 0, ScreenHeight = 0;
    int OffsetLeft = 0, OffsetTop = 0;
};

class TQmPrinter : public TQmCustomPrinter {
    SERVIORA_CLASS(TQmPrinter, TQmCustomPrinter)
public:
    using TQmCustomPrinter::TQmCustomPrinter;
    int Copies = 1;
    double ScaleX = 1, ScaleY = 1;

    // Paper, bin and orientation from the printer's own settings.
    void ReadDeviceSettings();
    void GetPageInfo(TQmPageInfo& info);
    // Chooses the paper (a code the printer knows in that size, else the
    // custom size of that width and height); nothing during a job.
    void SetPaper(int code, int width, int height, int bin, Byte orientation, bool force);
    // The printer's paper of the code when its size is within 1 of the
    // request, else the custom paper.
    int MatchPaperCode(int code, int width, int height);
    // Sizes within 3 tenths of a millimetre are the same; bin 65535 is any bin.
    bool IsSamePaper(int code, int width, int height, int bin, Byte orientation, Byte duplex);
    // Writes paper, orientation, copies, bin, colour and duplex into the
    // device settings.
    void ApplyPaper(int width, int height);
    // The printer's properties dialog on a copy of the settings; True (and
    // the settings taken) when the user confirms.
    bool ShowPropertiesDialog();

private:
    int defaultPaper_ = DMPAPER_A4;
};

// The record the page-setup dialog edits.
class TQmPageSetting : public TPersistent {
    SERVIORA_CLASS(TQmPageSetting, TPersistent)
public:
    AnsiString Title;
    Word PaperSize = DMPAPER_A4;
    int PaperWidth = 2100, PaperHeight = 2970;
    Byte Orientation = 0;
    int Bin = QmDefaultBinCode;
    bool PrePrintedForm = false;
    double Margins[4] = {0, 0, 0, 0};  // left, top, right, bottom (mm)
    bool DoublePass = false;
    int ColumnCount = 1;
    double ColumnGap = 0;
    AnsiString PrinterName;
    bool ColorPrint = true;
    // The page-setup dialog's options: print onto the previous page, a page
    // without a height limit, no background pictures, the page length set
    // by what is printed, null fields as empty values.
    bool PrintToPrevPage = false, UnlimitedHeight = false, Taoda = false, AutoPageLength = false,
         ConvertNulls = false;

    // 0..3 the margins, 4 the column gap; negative values are ignored.
    void SetMarginValue(int index, double value);
    void SetColumnCount(int value);
    // Turning the page swaps the paper's width and height.
    void SetOrientation(Byte value);
};

// The printer of the process, made on first use on entry 0 with the
// default printer's settings.
TQmPrinter* GlobalPrinter();
