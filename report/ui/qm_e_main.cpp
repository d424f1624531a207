// The main export filter: the page walk that makes one record per report
// object, the text runs, the rendered pictures and their conversion.
#include "report/ui/qm_e_main.h"

#include "platform/gdi/wingdi.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphics.h"
#include "platform/ui/jpegimage.h"
#include "platform/win/winpaint.h"
#include "report/core/qm_calcmemoview.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_structureviews.h"

namespace {

int RoundToInt(double value) { return static_cast<int>(Round(value)); }

// Restores an object's drawing offsets when it goes out of scope, after
// clearing them: records are made at the object's own position.
class ZeroOffsets {
public:
    explicit ZeroOffsets(TQmView* view) : view_(view), x_(view->OffsetX), y_(view->OffsetY) {
        view->OffsetX = 0;
        view->OffsetY = 0;
    }
    ~ZeroOffsets() {
        view_->OffsetX = x_;
        view_->OffsetY = y_;
    }
    ZeroOffsets(const ZeroOffsets&) = delete;
    ZeroOffsets& operator=(const ZeroOffsets&) = delete;

private:
    TQmView* view_;
    Integer x_, y_;
};

// Only these two classes, not their descendants, export as text.
bool IsTextClass(const TQmView* view) {
    const AnsiString name = view->ClassName();
    return name == TQmMemoView::StaticClass()->ClassName() || name == TQmCalcMemoView::StaticClass()->ClassName();
}

}  // namespace

AnsiString ReplaceAllNoCase(const AnsiString& s, const AnsiString& oldPattern, const AnsiString& newPattern) {
    return StringReplace(s, oldPattern, newPattern, rfReplaceAll | rfIgnoreCase);
}

void GetTextExtent(TFont* font, const AnsiString& text, SIZE& size) {
    size = SIZE{0, 0};
    HDC dc = GetDC(0);
    const HGDIOBJ old = SelectObject(dc, font->Handle());
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(0, dc);
}

TQmMainExportFilter::TQmMainExportFilter(TComponent* owner) : TQmExportFilter(owner) { SetShowDialog(true); }

void TQmMainExportFilter::BeforeDestruction() {
    UnregisterExportFilter(this);
    TQmExportFilter::BeforeDestruction();
}

void TQmMainExportFilter::OnBeginDoc() {
    DataRecs.clear();
    ObjectNames = std::make_unique<TStringList>();
    PageNo = 0;
}

void TQmMainExportFilter::OnEndDoc() {
    ClearDataRecs();
    ObjectNames.reset();
}

void TQmMainExportFilter::OnBeginPage() { ClearDataRecs(); }

void TQmMainExportFilter::OnEndPage() { ++PageNo; }

void TQmMainExportFilter::ClearDataRecs() {
    CurDataRec = nullptr;
    DataRecs.clear();
}

void TQmMainExportFilter::OnExportPage(TQmEndPage* page) {
    PageWidth = RoundToInt(page->PageInfo.ScreenWidth * scaleX_);
    PageHeight = RoundToInt(page->PageInfo.ScreenHeight * scaleY_);
    if (TQmReportPage* objects = page->Page()) {
        for (TQmView* view : objects->GetObjects()) {
            if (view->IsBand || view->InheritsFrom(TQmSubReportView::StaticClass())) continue;
            auto rec = std::make_unique<TQmEFDataRec>();
            rec->Obj = view;
            int index = ObjectNames->IndexOf(view->Name());
            if (index < 0) index = ObjectNames->Add(view->Name());
            rec->NameIndex = index;
            rec->Left = RoundToInt(view->GetspBound(0) * scaleX_);
            rec->Top = RoundToInt(view->GetspBound(1) * scaleY_);
            rec->Width = RoundToInt(view->GetspBound(2) * scaleX_);
            rec->Height = RoundToInt(view->GetspBound(3) * scaleY_);
            auto* memo = dynamic_cast<TQmCustomMemoView*>(view);
            if (memo && IsTextClass(view) && (memo->RotationType == qmrtNone || ExportRotatedAsText))
                AddTextRecord(*rec);
            else
                RenderPicture(*rec);
            DataRecs.push_back(std::move(rec));
        }
    }
    CurDataRec = nullptr;
    WritePage(page);
}

void TQmMainExportFilter::AddTextRecord(TQmEFDataRec& rec) {
    auto* memo = static_cast<TQmCustomMemoView*>(rec.Obj);
    rec.Width += 1;
    SIZE size;
    GetTextExtent(memo->Font(), memo->Memo->Text(), size);
    rec.TextWidth = size.cx;
    const ZeroOffsets zero(memo);
    CurDataRec = &rec;
    memo->ExportData();
}

void TQmMainExportFilter::RenderPicture(TQmEFDataRec& rec) {
    rec.IsPicture = true;
    if (!exportImages_) return;
    TQmView* view = rec.Obj;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pixelFormat_);
    bitmap->SetWidth(RoundToInt(view->GetspBound(2) * scaleX_ + 1.0));
    bitmap->SetHeight(RoundToInt(view->GetspBound(3) * scaleY_ + 1.0));
    const ZeroOffsets zero(view);
    const Integer left = view->GetspBound(0), top = view->GetspBound(1);
    const Integer width = view->GetspBound(2), height = view->GetspBound(3);
    view->SetspBounds(0, 0, bitmap->Width() - 1, bitmap->Height() - 1);
    try {
        view->Draw(bitmap->Canvas());
    } catch (...) {
        view->SetspBounds(left, top, width, height);
        throw;
    }
    view->SetspBounds(left, top, width, height);
    rec.Bitmap = std::move(bitmap);
}

void TQmMainExportFilter::OnText(const TRect& /*drawRect*/, int x, int y, const AnsiString& text, TQmView* view) {
    if (!CurDataRec) return;
    TQmEFTextRec run;
    run.X = x;
    run.Y = y;
    run.Text = text;
    SIZE size;
    auto* memo = dynamic_cast<TQmCustomMemoView*>(CurDataRec->Obj ? CurDataRec->Obj : view);
    if (memo) GetTextExtent(memo->Font(), text, size);
    else size = SIZE{0, 0};
    run.Width = size.cx;
    run.Height = size.cy;
    CurDataRec->TextRuns.push_back(std::move(run));
}

void TQmMainExportFilter::BitmapToGraphic(TBitmap* bitmap, TQmEFImageFormat format, int /*quality*/,
                                          TPicture* picture) {
    bitmap->SetPixelFormat(pixelFormat_);
    if (format == ifBMP) {
        picture->Assign(bitmap);
        return;
    }
    const std::unique_ptr<TJPEGImage> jpeg(new TJPEGImage);
    if (format == ifJPG) jpeg->SetCompressionQuality(jpegQuality_);
    jpeg->Assign(bitmap);
    picture->Assign(jpeg.get());
}

void TQmMainExportFilter::Published(TPublished<TQmMainExportFilter>& p) {
    p.Property("ScaleX", &TQmMainExportFilter::ScaleX, &TQmMainExportFilter::SetScaleX);
    p.Property("ScaleY", &TQmMainExportFilter::ScaleY, &TQmMainExportFilter::SetScaleY);
    p.Property("ExportFrames", &TQmMainExportFilter::ExportFrames, &TQmMainExportFilter::SetExportFrames).Default(true);
    p.Property("ExportImages", &TQmMainExportFilter::ExportImages, &TQmMainExportFilter::SetExportImages).Default(true);
    p.Property("JPEGQuality", &TQmMainExportFilter::JPEGQuality, &TQmMainExportFilter::SetJPEGQuality).Default(100);
    p.Property("ExportImageFormat", &TQmMainExportFilter::ExportImageFormat,
               &TQmMainExportFilter::SetExportImageFormat);
}
