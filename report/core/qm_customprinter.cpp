// The engine's printer: device settings, device context, jobs and papers.
#include "report/core/qm_customprinter.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/ui/dialogs.h"
#include "report/core/qm_units.h"

void TQmPrinterCanvas::CreateHandle() {
    UpdateFont();
    SetHandle(printer_->GetDC());
}

void TQmPrinterCanvas::Changing() {
    TCanvas::Changing();
    UpdateFont();
}

void TQmPrinterCanvas::UpdateFont() {
    TFont* font = Font();
    const int pixelsPerInch = printer_->GetPixelsPerInch().y;
    if (font->PixelsPerInch() != pixelsPerInch) {
        const Integer size = font->Size();
        font->SetPixelsPerInch(pixelsPerInch);
        font->SetSize(size);
    }
    if (!printer_->IsColorPrinter() && font->Color() != clBlack && font->Color() != clWhite) font->SetColor(clBlack);
}

TQmCustomPrinter::TQmCustomPrinter(TQmPrinterList* list) : canvas_(TQmPrinterCanvas::Create(this)), list_(list) {}

TQmPrinterList* TQmCustomPrinter::List() const { return list_ ? list_ : GlobalPrinterList(); }

TQmCustomPrinter::~TQmCustomPrinter() {
    FreeDC();
    if (devMode_) GlobalFree(devMode_);
    if (printerHandle_) ClosePrinter(printerHandle_);
}

TQmPrinterCanvas* TQmCustomPrinter::GetCanvas() { return canvas_.get(); }

TQmPrinterInfo* TQmCustomPrinter::GetPrinterInfo() {
    CriticalSectionScope scope(lock_);
    return info_;
}

bool TQmCustomPrinter::IsVirtual() {
    TQmPrinterList* list = List();
    return list->GetCount() == 2 || info_ == list->GetPrinterInfo(1);
}

void TQmCustomPrinter::FreeDC() {
    if (!dc_) return;
    canvas_->SetHandle(0);
    DeleteDC(dc_);
    dc_ = 0;
}

HDC TQmCustomPrinter::GetDC() {
    CriticalSectionScope scope(lock_);
    if (!dc_ && info_ && info_->Usable) {
        const DEVMODEA* mode = GetDevMode();
        dc_ = printing_ ? CreateDC(nullptr, info_->Device.c_str(), nullptr, mode)
                        : CreateIC(nullptr, info_->Device.c_str(), nullptr, mode);
        info_->Usable = dc_ != 0;
        if (dc_) UpdateDeviceCaps();
    }
    return dc_;
}

void TQmCustomPrinter::UpdateDeviceCaps() {
    pixelsPerInch_ = {GetDeviceCaps(dc_, LOGPIXELSX), GetDeviceCaps(dc_, LOGPIXELSY)};
    physicalSize_ = {GetDeviceCaps(dc_, PHYSICALWIDTH), GetDeviceCaps(dc_, PHYSICALHEIGHT)};
    const int left = GetDeviceCaps(dc_, PHYSICALOFFSETX), top = GetDeviceCaps(dc_, PHYSICALOFFSETY);
    offsets_ = {left, top, physicalSize_.x - left - GetDeviceCaps(dc_, HORZRES),
                physicalSize_.y - top - GetDeviceCaps(dc_, VERTRES)};
    colorDevice_ = !(GetDeviceCaps(dc_, SIZEPALETTE) == 2 && GetDeviceCaps(dc_, NUMCOLORS) == 2);
}

void TQmCustomPrinter::SetPrinterIndex(int index) {
    CriticalSectionScope scope(lock_);
    if (printing_ || index < 0 || index == printerIndex_) return;
    FreeDC();
    TQmPrinterInfo* info = List()->GetPrinterInfo(index);
    printerIndex_ = index;
    if (info == info_) return;
    int width = 0, height = 0;
    if (info_) {
        const int current = info_->PaperSizeToIndex(PaperSize);
        width = info_->GetPaperWidth(current);
        height = info_->GetPaperHeight(current);
    }
    if (devMode_) GlobalFree(devMode_);
    devMode_ = 0;
    if (printerHandle_) ClosePrinter(printerHandle_);
    printerHandle_ = 0;
    info_ = info;
    if (width <= 0 || height <= 0) return;
    PaperSize = QmCustomPaperCode;
    for (int i = 0; i < info_->GetPaperCount(); ++i) {
        if (std::abs(info_->GetPaperWidth(i) - width) <= 1 && std::abs(info_->GetPaperHeight(i) - height) <= 1) {
            PaperSize = info_->GetPaperSize(i);
            return;
        }
    }
}

HGLOBAL TQmCustomPrinter::GetDevModeHandle() {
    CriticalSectionScope scope(lock_);
    if (devMode_ || !info_ || IsVirtual()) return devMode_;
    if (!printerHandle_) OpenPrinter(info_->Device.c_str(), &printerHandle_, nullptr);
    const LONG size = DocumentProperties(0, printerHandle_, info_->Device.c_str(), nullptr, nullptr, 0);
    if (size <= 0) return 0;
    HGLOBAL block = GlobalAlloc(GHND, static_cast<std::size_t>(size));
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(block));
    if (DocumentProperties(0, printerHandle_, info_->Device.c_str(), mode, nullptr, DM_OUT_BUFFER) < 0) {
        GlobalFree(block);
        return 0;
    }
    defaultSource_ = mode->dmDefaultSource;
    devMode_ = block;
    return devMode_;
}

DEVMODEA* TQmCustomPrinter::GetDevMode() {
    CriticalSectionScope scope(lock_);
    HGLOBAL block = GetDevModeHandle();
    return block ? static_cast<DEVMODEA*>(GlobalLock(block)) : nullptr;
}

HGLOBAL TQmCustomPrinter::GetDevModeCopy() {
    CriticalSectionScope scope(lock_);
    HGLOBAL block = GetDevModeHandle();
    if (!block) return 0;
    HGLOBAL copy = GlobalAlloc(GHND, GlobalSize(block));
    std::memcpy(GlobalLock(copy), GlobalLock(block), GlobalSize(block));
    GlobalUnlock(copy);
    return copy;
}

void TQmCustomPrinter::SetDevMode(HGLOBAL block) {
    CriticalSectionScope scope(lock_);
    if (printing_)
        resetPending_ = true;
    else
        FreeDC();
    if (devMode_) GlobalFree(devMode_);
    devMode_ = GlobalAlloc(GHND, GlobalSize(block));
    std::memcpy(GlobalLock(devMode_), GlobalLock(block), GlobalSize(block));
}

int TQmCustomPrinter::OrientedPaperSize(bool width) {
    GetDC();
    const int index = info_->PaperSizeToIndex(PaperSize);
    const bool across = width != (Orientation == 1);
    int size = across ? info_->GetPaperWidth(index) : info_->GetPaperHeight(index);
    if (size == 0) {
        const TPaperInfo* builtin = FindBuiltinPaper(PaperSize);
        size = builtin ? (across ? builtin->Width : builtin->Height) : 0;
    }
    if (size == 0 && index == info_->GetPaperCount() - 1) size = width ? CustomWidth : CustomHeight;
    return size;
}

int TQmCustomPrinter::GetPaperWidth() {
    CriticalSectionScope scope(lock_);
    return OrientedPaperSize(true);
}

int TQmCustomPrinter::GetPaperHeight() {
    CriticalSectionScope scope(lock_);
    return OrientedPaperSize(false);
}

bool TQmCustomPrinter::IsColorPrinter() {
    CriticalSectionScope scope(lock_);
    GetDC();
    return colorDevice_;
}

TPoint TQmCustomPrinter::GetPixelsPerInch() {
    CriticalSectionScope scope(lock_);
    return GetDC() ? pixelsPerInch_ : TPoint{96, 96};
}

TRect TQmCustomPrinter::GetPhysicalOffsets() {
    CriticalSectionScope scope(lock_);
    return GetDC() ? offsets_ : TRect{0, 0, 0, 0};
}

void TQmCustomPrinter::FreeHandles() {
    CriticalSectionScope scope(lock_);
    if (printing_) return;
    FreeDC();
    if (devMode_) GlobalFree(devMode_);
    devMode_ = 0;
    if (printerHandle_) ClosePrinter(printerHandle_);
    printerHandle_ = 0;
}

void TQmCustomPrinter::BeginDoc() {
    CriticalSectionScope scope(lock_);
    if (printing_) return;
    printing_ = true;
    Aborted = false;
    pageNumber_ = 0;
    pageStarted_ = false;
    FreeDC();
    GetDC();
    canvas_->SetHandle(dc_);
    const DOCINFOA info{sizeof(DOCINFOA), Title.c_str(), FileName.empty() ? nullptr : FileName.c_str(), nullptr, 0};
    if (!dc_ || StartDoc(dc_, &info) <= 0) Aborted = true;
}

void TQmCustomPrinter::NewPage() {
    CriticalSectionScope scope(lock_);
    if (!printing_ || pageStarted_) return;
    pageStarted_ = true;
    if (resetPending_) ResetDC();
    StartPage(dc_);
    ++pageNumber_;
    canvas_->Refresh();
}

void TQmCustomPrinter::ResetDC() {
    if (!printing_) return;
    resetPending_ = false;
    canvas_->SetHandle(0);
    if (HDC reset = ::ResetDC(dc_, GetDevMode())) dc_ = reset;
    UpdateDeviceCaps();
    canvas_->SetHandle(dc_);
    canvas_->UpdateFont();
}

void TQmCustomPrinter::EndPage() {
    CriticalSectionScope scope(lock_);
    if (!printing_ || !pageStarted_) return;
    pageStarted_ = false;
    ::EndPage(dc_);
}

void TQmCustomPrinter::EndDoc() {
    CriticalSectionScope scope(lock_);
    if (!printing_) return;
    EndPage();
    if (!Aborted) ::EndDoc(dc_);
    FreeDC();
    printing_ = pageStarted_ = Aborted = false;
    pageNumber_ = 0;
}

void TQmCustomPrinter::Abort() {
    CriticalSectionScope scope(lock_);
    if (!printing_) return;
    ::AbortDoc(dc_);
    Aborted = true;
    EndDoc();
}

void TQmPrinter::ReadDeviceSettings() {
    CriticalSectionScope scope(lock_);
    if (HGLOBAL copy = GetDevModeCopy()) {
        const auto* mode = static_cast<const DEVMODEA*>(GlobalLock(copy));
        PaperSize = mode->dmPaperSize;
        Bin = static_cast<Word>(mode->dmDefaultSource);
        Orientation = mode->dmOrientation == DMORIENT_PORTRAIT ? 0 : 1;
        defaultPaper_ = PaperSize;
        GlobalFree(copy);
        if (HDC dc = GetDC()) {
            CustomWidth = static_cast<int>(std::lround(GetDeviceCaps(dc, PHYSICALWIDTH) * 254.0 / GetDeviceCaps(dc, LOGPIXELSX)));
            CustomHeight = static_cast<int>(std::lround(GetDeviceCaps(dc, PHYSICALHEIGHT) * 254.0 / GetDeviceCaps(dc, LOGPIXELSY)));
        }
        return;
    }
    defaultPaper_ = DMPAPER_A4;
    CustomWidth = GetPaperWidth();
    CustomHeight = GetPaperHeight();
}

void TQmPrinter::GetPageInfo(TQmPageInfo& info) {
    CriticalSectionScope scope(lock_);
    info.ScreenWidth = UnitsToScreenPixels(qmutMMThousandths, GetPaperWidth() * 100.0);
    info.ScreenHeight = UnitsToScreenPixels(qmutMMThousandths, GetPaperHeight() * 100.0);
    if (!IsVirtual()) {
        const TPoint perInch = GetPixelsPerInch();
        info.PrinterWidth = static_cast<int>(std::lround(GetPaperWidth() * perInch.x * QmInchesPerMillimetre / 10));
        info.PrinterHeight = static_cast<int>(std::lround(GetPaperHeight() * perInch.y * QmInchesPerMillimetre / 10));
        const TRect offsets = GetPhysicalOffsets();
        info.OffsetLeft = offsets.left;
        info.OffsetTop = offsets.top;
    }
    ScaleX = info.ScreenWidth ? static_cast<double>(info.PrinterWidth) / info.ScreenWidth : 0;
    ScaleY = info.ScreenHeight ? static_cast<double>(info.PrinterHeight) / info.ScreenHeight : 0;
}

int TQmPrinter::MatchPaperCode(int code, int width, int height) {
    TQmPrinterInfo* info = GetPrinterInfo();
    const int index = info->PaperSizeToIndex(code);
    if (index >= info->CustomIndex()) return info->GetPaperSize(index);
    const bool landscape = Orientation == 1;
    const int listWidth = landscape ? info->GetPaperHeight(index) : info->GetPaperWidth(index);
    const int listHeight = landscape ? info->GetPaperWidth(index) : info->GetPaperHeight(index);
    if (std::abs(listWidth - width) <= 1 && std::abs(listHeight - height) <= 1) return code;
    return info->GetPaperSize(info->GetPaperCount() - 1);
}

bool TQmPrinter::IsSamePaper(int code, int width, int height, int bin, Byte orientation, Byte duplex) {
    CriticalSectionScope scope(lock_);
    return code == PaperSize && orientation == Orientation && (bin == Bin || (bin & 0xFFFF) == QmDefaultBinCode) &&
           std::abs(GetPaperWidth() - width) <= 3 && std::abs(GetPaperHeight() - height) <= 3 && duplex == Duplex;
}

void TQmPrinter::SetPaper(int code, int width, int height, int bin, Byte orientation, bool force) {
    CriticalSectionScope scope(lock_);
    if (Printing()) return;
    TQmPrinterInfo* info = GetPrinterInfo();
    const int index = info->PaperSizeToIndex(code);
    if ((width == 0 || height == 0) && index < info->CustomIndex()) {
        width = orientation == 1 ? info->GetPaperHeight(index) : info->GetPaperWidth(index);
        height = orientation == 1 ? info->GetPaperWidth(index) : info->GetPaperHeight(index);
    }
    if (!force && IsSamePaper(code, width, height, bin, orientation, Duplex)) return;
    Orientation = orientation;
    PaperSize = MatchPaperCode(code, width, height);
    Bin = bin;
    ApplyPaper(width, height);
}

void TQmPrinter::ApplyPaper(int width, int height) {
    CriticalSectionScope scope(lock_);
    TQmPrinterInfo* info = GetPrinterInfo();
    const int index = info->PaperSizeToIndex(PaperSize);
    const int last = info->GetPaperCount() - 1;
    const bool landscape = Orientation == 1;
    if (index == last) {
        info->SetPaperWidth(last, landscape ? height : width);
        info->SetPaperHeight(last, landscape ? width : height);
    }
    if (IsVirtual()) return;
    HGLOBAL copy = GetDevModeCopy();
    if (!copy) return;
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(copy));
    mode->dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLOR | DM_DUPLEX;
    mode->dmPaperSize = static_cast<short>(PaperSize);
    if (index >= info->CustomIndex()) {
        // Papers the driver does not know go as a user-defined size.
        const int w = index == last ? width : (landscape ? info->GetPaperHeight(index) : info->GetPaperWidth(index));
        const int h = index == last ? height : (landscape ? info->GetPaperWidth(index) : info->GetPaperHeight(index));
        mode->dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
        mode->dmPaperSize = QmCustomPaperCode;
        mode->dmPaperWidth = static_cast<short>(landscape ? h : w);
        mode->dmPaperLength = static_cast<short>(landscape ? w : h);
    }
    mode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    mode->dmCopies = static_cast<short>(Copies > 0 ? Copies : 1);
    if (info->GetBin(info->BinToIndex(Bin)) == Bin) {
        mode->dmDefaultSource = Bin == QmDefaultBinCode ? defaultSource_ : static_cast<short>(Bin);
        mode->dmFields |= DM_DEFAULTSOURCE;
    }
    mode->dmColor = ColorPrint ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    static constexpr short kDuplex[] = {DMDUP_SIMPLEX, DMDUP_HORIZONTAL, DMDUP_VERTICAL};
    mode->dmDuplex = kDuplex[Duplex <= 2 ? Duplex : 0];
    GlobalUnlock(copy);
    SetDevMode(copy);
    GlobalFree(copy);
}

bool TQmPrinter::ShowPropertiesDialog() {
    CriticalSectionScope scope(lock_);
    HGLOBAL copy = GetDevModeCopy();
    if (!copy) return false;
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(copy));
    // A cancelled dialog answers IDCANCEL, which is positive too.
    const bool confirmed = DocumentProperties(0, 0, GetPrinterInfo()->Device.c_str(), mode, mode,
                                              DM_IN_PROMPT | DM_IN_BUFFER | DM_OUT_BUFFER) == IDOK;
    GlobalUnlock(copy);
    if (confirmed) SetDevMode(copy);
    GlobalFree(copy);
    return confirmed;
}

void TQmPageSetting::SetMarginValue(int index, double value) {
    if (!(value >= 0)) return;
    if (index >= 0 && index < 4) Margins[index] = value;
    if (index == 4) ColumnGap = value;
}

void TQmPageSetting::SetColumnCount(int value) {
    if (value > 0) ColumnCount = value;
}

void TQmPageSetting::SetOrientation(Byte value) {
    if (value != Orientation) std::swap(PaperWidth, PaperHeight);
    Orientation = value;
}

TQmPrinter* GlobalPrinter() {
    static const std::unique_ptr<TQmPrinter> printer = [] {
        std::unique_ptr<TQmPrinter> made(TQmPrinter::Create());
        made->SetPrinterIndex(0);
        made->ReadDeviceSettings();
        return made;
    }();
    return printer.get();
}
