// The preview panel's layout, paging, zoom, scrolling, painting and mouse
// input over a report's prepared pages.
#include "report/ui/qm_preview.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/win/shellapi.h"
#include "platform/win/winpaint.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_printer.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "report/core/qm_view.h"
#include "report/ui/qm_printdlg.h"

namespace {

// Nearest integer, ties to even.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

constexpr TColor PageGap = static_cast<TColor>(0x808080);

// The page's rectangle moved to where it is drawn.
TRect Offset(const TRect& r, int dx, int dy) { return TRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// Runs `work` with the page rectangles marked stale and `after` whatever
// happens; a failure goes on to the caller after it.
template <class Work, class After>
void WhileNotReady(bool& ready, Work work, After after) {
    ready = false;
    try {
        work();
    } catch (...) {
        after();
        throw;
    }
    after();
}

}  // namespace

TQmDrawPanel::TQmDrawPanel(TComponent* owner) : TPanel(owner) {}

void TQmDrawPanel::Paint() {
    if (!Preview || !Preview->Ready() || painting_) {
        TPanel::Paint();
        return;
    }
    PaintPages();
}

void TQmDrawPanel::PaintPages() {
    visiblePages_.clear();
    TCanvas* canvas = Canvas();
    TQmEndPages* pages = Preview->GetEndPages();
    if (!pages || pages->GetCount() == 0) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(ClientRect());
        return;
    }
    painting_ = true;
    struct Done {
        TQmDrawPanel* panel;
        HRGN saved;
        ~Done() {
            panel->painting_ = false;
            DeleteObject(saved);
        }
    } done{this, CreateRectRgn(0, 0, 0, 0)};
    const double scale = Preview->Scale();
    HDC dc = canvas->Handle();
    const bool hadClip = GetClipRgn(dc, done.saved) == 1;
    const int dx = Preview->OffsetX(), dy = Preview->OffsetY();

    for (int i = 0; i < pages->GetCount(); ++i) {
        TQmEndPage* page = pages->GetPage(i);
        const TRect r = Offset(page->PreviewRect, dx, dy);
        page->Visible = !(r.top > 2000 || r.bottom < 0) && RectVisible(dc, &r);
        if (!page->Visible) continue;
        visiblePages_.push_back(i);
        ExcludeClipRect(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
    }
    const int current = Preview->CurrentPage() - 1;
    if (visiblePages_.empty() && current >= 0 && current < pages->GetCount()) visiblePages_.push_back(current);

    canvas->Brush()->SetColor(PageGap);
    canvas->FillRect(ClientRect());
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetMode(pmCopy);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Brush()->SetColor(clWhite);
    SelectClipRgn(dc, hadClip ? done.saved : HRGN{});

    for (int index : visiblePages_) {
        TQmEndPage* page = pages->GetPage(index);
        if (!page->Visible) continue;
        const TRect r = Offset(page->PreviewRect, dx, dy);
        // The white page in its black frame with a one-pixel shadow along
        // the bottom and right, filled as rectangles: a pen's outline costs
        // the whole page's area.
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect(TRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
        canvas->Brush()->SetColor(clBlack);
        canvas->FrameRect(r);
        canvas->FillRect(TRect{r.left + 1, r.bottom, r.right + 1, r.bottom + 1});
        canvas->FillRect(TRect{r.right, r.top + 2, r.right + 1, r.bottom});
        DrawMarginsAndBorder(page, r, scale);
        DrawBackground(page, r, scale);
        SelectClipRgn(dc, hadClip ? done.saved : HRGN{});
    }
    for (int i = 0; i < pages->GetCount(); ++i) {
        TQmEndPage* page = pages->GetPage(i);
        if (page->Visible)
            page->Draw(Preview->Report(), canvas, Offset(page->PreviewRect, dx, dy));
        else
            page->FreeObjects();
    }
    UpdateRulers();
}

void TQmDrawPanel::DrawMarginsAndBorder(TQmEndPage* page, const TRect& r, double scale) {
    const int pgw = page->PageInfo.ScreenWidth, pgh = page->PageInfo.ScreenHeight;
    const int x1 = r.left + UnitsToScreenPixels(qmutMMThousandths, page->Margins[0] * scale);
    const int y1 = r.top + UnitsToScreenPixels(qmutMMThousandths, page->Margins[1] * scale);
    const int x2 = r.left + RoundEven((pgw - UnitsToScreenPixels(qmutMMThousandths, page->Margins[2])) * scale);
    const int y2 = r.top + RoundEven((pgh - UnitsToScreenPixels(qmutMMThousandths, page->Margins[3])) * scale);
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(PageGap);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
    const int len = RoundEven(20 * scale);
    auto corner = [canvas, len](int x, int y, int sx, int sy) {
        canvas->MoveTo(x, y);
        canvas->LineTo(x, y + sy * len);
        canvas->MoveTo(x, y);
        canvas->LineTo(x + sx * len, y);
    };
    corner(x1, y1, -1, -1);
    corner(x2, y1, 1, -1);
    corner(x1, y2, -1, 1);
    corner(x2, y2, 1, 1);

    TQmPreviewOptions* options = Preview->Options();
    if (!options->DrawBorder()) return;
    TPen* border = options->BorderPen();
    canvas->Pen()->Assign(border);
    canvas->Brush()->SetStyle(bsClear);
    const int w = border->Width();
    if (w <= 1) {
        canvas->Rectangle(x1, y1, x2 + 1, y2 + 1);
    } else {
        const int g = w / 2;
        const TPoint edges[] = {{x1 - g, y1 - g}, {x2 + g, y1 - g}, {x2 + g, y2 + g}, {x1 - g, y2 + g}, {x1 - g, y1 - g}};
        canvas->Polyline(edges, 5);
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psSolid);
}

void TQmDrawPanel::DrawBackground(TQmEndPage* page, const TRect& r, double scale) {
    TQmBkPicture* back = page->Owner()->GetBkPicture(page->BkPictureIndex);
    if (!back || !back->Picture() || !back->Picture()->Graphic()) return;
    const int left = r.left + RoundEven(back->Left * scale), top = r.top + RoundEven(back->Top * scale);
    const TRect target{left, top, left + RoundEven(back->Width * scale), top + RoundEven(back->Height * scale)};
    IntersectClipRect(Canvas()->Handle(), r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
    DrawGraphic(Canvas(), target, back->Picture()->Graphic(), false, false, false);
}

void TQmDrawPanel::UpdateRulers() {
    TQmEndPages* pages = Preview->GetEndPages();
    TQmEndPage* page = pages ? pages->GetPage(Preview->CurrentPage() - 1) : nullptr;
    if (!page || !Preview->Options()->RulerVisible()) return;
    const TRect r = Offset(page->PreviewRect, Preview->OffsetX(), Preview->OffsetY());
    TQmDesignerRuler *horz = Preview->HorzRuler(), *vert = Preview->VertRuler();
    horz->Scale = vert->Scale = Preview->Scale();
    horz->SetBounds(r.left, horz->Top(), r.right - r.left, horz->Height());
    vert->SetBounds(vert->Left(), r.top, vert->Width(), r.bottom - r.top);
    horz->SetOffset(0);
    vert->SetOffset(0);
    rulerOffsetX_ = 10 - r.left;
    rulerOffsetY_ = 10 - r.top;
}

void TQmDrawPanel::MouseMove(TShiftState shift, int x, int y) {
    TPanel::MouseMove(shift, x, y);
    if (busy_ || !Preview || !Preview->Ready()) return;
    busy_ = true;
    hotObject_ = nullptr;
    if (dragging_) {
        Preview->SetHorzPosition(Preview->HorzBar()->Position() + lastX_ - x);
        Preview->SetVertPosition(Preview->VertBar()->Position() + lastY_ - y);
        lastX_ = x;
        lastY_ = y;
        busy_ = false;
        return;
    }
    TCursor cursor = crDefault;
    AnsiString link;
    if (Preview->Options()->RulerVisible()) {
        Preview->HorzRuler()->ShowPointer(x + rulerOffsetX_ - 10);
        Preview->VertRuler()->ShowPointer(y + rulerOffsetY_ - 10);
    }
    const int lx = x - Preview->OffsetX(), ly = y - Preview->OffsetY();
    TQmEndPages* pages = Preview->GetEndPages();
    for (int index : visiblePages_) {
        TQmEndPage* page = pages ? pages->GetPage(index) : nullptr;
        if (!page) continue;
        const TRect& r = page->PreviewRect;
        if (lx < r.left || lx >= r.right || ly < r.top || ly >= r.bottom) continue;
        if (!page->Page()) break;
        const double scale = Preview->Scale();
        const int px = RoundEven((lx - r.left) / scale), py = RoundEven((ly - r.top) / scale);
        const int ml = UnitsToScreenPixels(qmutMMThousandths, page->Margins[0]);
        const int mt = UnitsToScreenPixels(qmutMMThousandths, page->Margins[1]);
        const auto& objects = page->Page()->GetObjects();
        for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
            TQmView* view = *it;
            const int left = view->GetspBound(0) + ml, top = view->GetspBound(1) + mt;
            const int right = view->GetspBound(4) + ml, bottom = view->GetspBound(5) + mt;
            if (px < left || px >= right || py < top || py >= bottom) continue;
            hotObject_ = view;
            hotPage_ = page;
            hotPageNo_ = index + 1;
            if (view->Url.empty()) {
                cursor = static_cast<TCursor>(view->Cursor);
            } else {
                link = view->Url;
                cursor = crHandPoint;
            }
            break;
        }
        break;
    }
    SetCursor(cursor);
    Preview->SetStatusText(1, link);
    busy_ = false;
}

void TQmDrawPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TPanel::MouseDown(button, shift, x, y);
    if (busy_ || !Preview || Preview->GetPageCount() == 0 || !Preview->Ready()) return;
    if (doubleClicked_) {
        doubleClicked_ = false;
        return;
    }
    busy_ = true;
    struct Idle {
        bool& busy;
        ~Idle() { busy = false; }
    } idle{busy_};
    if (button != mbLeft) return;
    dragging_ = true;
    int target = Preview->CurrentPage();
    if (hotObject_) {
        target = hotPageNo_;
        if (ObjectClick(button, shift, target)) dragging_ = false;
    }
    lastX_ = x;
    lastY_ = y;
    Preview->SetCurrentPage(target);
    Preview->UpdateStatus();
}

bool TQmDrawPanel::ObjectClick(TMouseButton button, TShiftState shift, int& target) {
    TQmView* view = hotObject_;
    const AnsiString& url = view->Url;
    if (!url.empty() && url[0] == '@') {
        const AnsiString number = CleanNumberText(url.substr(1, 9999));
        if (IsNumericText(number)) {
            try {
                target = StrToInt(number);
            } catch (const EConvertError&) {
            }
        }
    } else if (!url.empty() && url[0] != '#') {
        ShellExecute(HWND{}, nullptr, url.c_str(), nullptr, nullptr, SW_RESTORE);
    }
    bool handled = false, modified = false;
    TQmReport* report = Preview->Report();
    if (auto* reportView = dynamic_cast<TQmReportView*>(view)) {
        if (reportView->OnPreviewClick()) {
            reportView->OnPreviewClick()(view, button, shift, modified);
            handled = true;
        }
        if (report->OnObjectClick) {
            report->OnObjectClick(reportView, button, shift, modified);
            handled = true;
        }
    }
    if (modified) {
        TQmEndPage* page = hotPage_;
        page->StoreObjects(report);
        page->CreateObjects(report, true);
        hotObject_ = nullptr;
        if (Preview->CurrentPage() == target) Preview->RefreshPages(false);
    }
    return handled;
}

void TQmDrawPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TPanel::MouseUp(button, shift, x, y);
    if (Preview && Preview->Ready()) dragging_ = false;
}

void TQmDrawPanel::DblClick() {
    TPanel::DblClick();
    dragging_ = false;
    doubleClicked_ = true;
    Preview->EditPage(Preview->CurrentPage() - 1);
}

TQmPreview::TQmPreview(TComponent* owner) : TQmCustomPreview(owner) {
    SetBevelInner(bvNone);
    SetBevelOuter(bvLowered);
    SetCaption("");
    CreateOutline();
    scrollBox_ = new TQmScrollBox(this);
    scrollBox_->SetParent(this);
    scrollBox_->SetAlign(alClient);
    scrollBox_->OnChange = [this](TObject*, TQmScrollBarKind kind) { ScrollBoxScroll(kind); };
    CreateRulers();
    statusBar_ = new TStatusBar(this);
    statusBar_->SetParent(this);
    for (const int width : {100, 260, 100}) statusBar_->Panels()->Add()->SetWidth(width);
    drawPanel_ = new TQmDrawPanel(scrollBox_);
    drawPanel_->Preview = this;
    drawPanel_->SetParent(scrollBox_);
    drawPanel_->SetBevelInner(bvNone);
    drawPanel_->SetBevelOuter(bvNone);
    drawPanel_->SetColor(PageGap);
    drawPanel_->SetAlign(alClient);
    SetOnResize([this](TObject*) { LayoutPages(); });
    auto wheel = [this](int direction) {
        return [this, direction](TObject*, TShiftState, TPoint, bool& handled) {
            SetVertPosition(VertBar()->Position() + direction * VertBar()->SmallChange() * ScrollStep);
            handled = true;
        };
    };
    SetOnMouseWheelUp(wheel(-1));
    SetOnMouseWheelDown(wheel(1));
}

TQmPreview::~TQmPreview() { Disconnect(); }

void TQmPreview::ShowReport(TQmCustomReport* report) {
    OnBeforeShowReport(report);
    Connect(report);
}

// The rulers run along the current page inside two strips, hidden until
// the options ask for them.
void TQmPreview::CreateRulers() {
    constexpr int kStrip = 29;
    const auto strip = [this](TWinControl* parent, TAlign align) {
        auto* panel = new TPanel(this);
        panel->SetParent(parent);
        panel->SetBevelOuter(bvNone);
        panel->SetAlign(align);
        return panel;
    };
    topRulerStrip_ = strip(scrollBox_, alTop);
    topRulerStrip_->SetHeight(kStrip);
    topRulerStrip_->SetVisible(false);
    strip(topRulerStrip_, alLeft)->SetWidth(kStrip);
    TPanel* topRulerPanel = strip(topRulerStrip_, alClient);
    leftRulerStrip_ = strip(scrollBox_, alLeft);
    leftRulerStrip_->SetWidth(kStrip);
    leftRulerStrip_->SetVisible(false);
    hRuler_ = new TQmDesignerRuler(this);
    hRuler_->SetParent(topRulerPanel);
    hRuler_->SetBounds(leftRulerStrip_->Width(), 0, topRulerPanel->Width(), topRulerPanel->Height());
    vRuler_ = new TQmDesignerRuler(this);
    vRuler_->SetParent(leftRulerStrip_);
    vRuler_->SetOrientation(1);
    vRuler_->SetBounds(0, 0, leftRulerStrip_->Width(), leftRulerStrip_->Height());
    for (TQmDesignerRuler* ruler : {hRuler_, vRuler_}) ruler->SetUnits(Options()->RulerUnit());
}

void TQmPreview::Connect(TQmCustomReport* report) {
    for (TPanel* strip : {topRulerStrip_, leftRulerStrip_}) strip->SetVisible(Options()->RulerVisible());
    for (TQmDesignerRuler* ruler : {hRuler_, vRuler_}) ruler->SetUnits(Options()->RulerUnit());
    report_ = dynamic_cast<TQmReport*>(report);
    if (!report_) return;
    savedReportInfo_ = report_->ReportInfo;
    switch (report_->InitialZoom()) {
        case pzDefault:
            scale_ = 1.0;
            zoomMode_ = pzDefault;
            break;
        default:
            zoomMode_ = report_->InitialZoom();
    }
    BuildOutline();
    SetCurrentPage(1);
    RefreshPages(true);
}

void TQmPreview::LoadFromFiles(TStrings* files) {
    if (!report_ || GetPageCount() == 0 || files->Count() == 0) return;
    TQmReport* report = report_;
    WhileNotReady(
        ready_,
        [&] {
            report->LoadPreparedFile(files->Strings(0));
            for (int i = 1; i < files->Count(); ++i) {
                if (!FileExists(files->Strings(i))) continue;
                const std::unique_ptr<TFileStream> file(TFileStream::Create(files->Strings(i), fmOpenRead));
                report->EndPages()->AppendFromStream(file.get());
            }
        },
        [&] { Connect(report); });
}

void TQmPreview::SaveToFile(const AnsiString& fileName, int filterIndex) {
    if (!report_ || GetPageCount() == 0) return;
    TQmReport* report = report_;
    WhileNotReady(
        ready_,
        [&] {
            if (filterIndex <= 1) {
                report->SavePreparedFile(ChangeFileExt(fileName, ".qmp"));
                return;
            }
            TQmExportFilterInfo* info = GetExportFilterInfo(filterIndex - 2);
            auto* filter = dynamic_cast<TQmExportFilter*>(info->Filter);
            if (filter) report->ExportPreparedPages(filter, ChangeFileExt(fileName, info->FilterExt.substr(1)));
        },
        [&] {
            SetReport(report);
            RefreshPages(false);
        });
}

void TQmPreview::ExportTo(TQmExportFilter* filter, const AnsiString& fileName) {
    if (!report_ || GetPageCount() == 0) return;
    WhileNotReady(
        ready_, [&] { report_->ExportPreparedPages(filter, fileName); }, [&] { RefreshPages(false); });
}

void TQmPreview::SaveToXLS() {
    if (!report_ || GetPageCount() == 0) return;
    TQmExportFilter* filter = nullptr;
    for (int i = 0; i < GetExportFilterCount() && !filter; ++i) {
        auto* candidate = dynamic_cast<TQmExportFilter*>(GetExportFilterInfo(i)->Filter);
        if (candidate && candidate->IsXLSFilter()) filter = candidate;
    }
    if (!filter) return;
    const bool showDialog = filter->ShowDialog();
    WhileNotReady(
        ready_,
        [&] {
            if (filter->ShowModal() != mrOk) return;
            filter->SetShowDialog(false);
            ExportTo(filter, filter->FileName);
        },
        [&] {
            filter->SetShowDialog(showDialog);
            RefreshPages(false);
        });
}

bool TQmPreview::CanPrint() const { return GetPageCount() > 0 && GlobalPrinterList()->GetCount() > 2; }

void TQmPreview::Print() {
    if (!CanPrint()) return;
    const std::unique_ptr<TQmPrintDialogForm> dialog(TQmPrintDialogForm::Create(nullptr));
    dialog->Printer = report_->GetPrinter();
    dialog->SetCopies(report_->DefaultCopies());
    dialog->chkCollate->SetChecked(report_->DefaultCollate());
    dialog->chkTaoda->SetChecked(report_->Taoda);
    dialog->chkColorPrint->SetChecked(report_->ColorPrint);
    dialog->OffsetTop = report_->PrintOffsetTop;
    dialog->OffsetLeft = report_->PrintOffsetLeft;
    report_->PrintScale = 100;
    report_->TargetPaper = -1;
    if (report_->ShowPrintDialog() && dialog->ShowModal() != mrOk) return;

    report_->ColorPrint = dialog->chkColorPrint->Checked();
    report_->PrintEverything = !dialog->chkTaoda->Checked();
    dialog->GetScalePaper(report_->TargetPaperWidth, report_->TargetPaperHeight, report_->TargetPaper);
    report_->PrintScale = dialog->GetScale();
    const bool offsetChanged =
        dialog->OffsetTop != report_->PrintOffsetTop || dialog->OffsetLeft != report_->PrintOffsetLeft;
    report_->PrintOffsetTop = dialog->OffsetTop;
    report_->PrintOffsetLeft = dialog->OffsetLeft;
    if (offsetChanged) report_->SaveReportOptions()->SaveReportSetting(report_, "");
    const AnsiString pages = dialog->rdbPrintAll->Checked()       ? AnsiString()
                             : dialog->rbdPrintCurPage->Checked() ? IntToStr(currentPage_)
                                                                  : dialog->edtPages->Text();
    TQmReport* report = report_;
    WhileNotReady(
        ready_,
        [&] { report->PrintPreparedPages(pages, dialog->GetCopies(), dialog->Parity(), dialog->chkCollate->Checked()); },
        [&] {
            SetReport(report);
            RefreshPages(false);
        });
}

void TQmPreview::PrintCurrentPage() {
    if (!CanPrint()) return;
    report_->PrintEverything = !report_->Taoda;
    report_->PrintScale = 100;
    report_->TargetPaper = -1;
    WhileNotReady(
        ready_, [&] { report_->PrintPreparedPages(IntToStr(currentPage_), 1, 0, report_->DefaultCollate()); },
        [&] { RefreshPages(false); });
}

void TQmPreview::Disconnect() {
    if (report_) report_->ReportInfo = savedReportInfo_;
    report_ = nullptr;
}

TQmEndPages* TQmPreview::GetEndPages() const { return report_ ? report_->EndPages() : nullptr; }

int TQmPreview::GetPageCount() const {
    TQmEndPages* pages = GetEndPages();
    return pages ? pages->GetCount() : 0;
}

void TQmPreview::SetCurrentPage(int n) {
    if (n == currentPage_) return;
    currentPage_ = std::clamp(n, 1, std::max(1, GetPageCount()));
    ScrollToCurrentPage();
    OnPageChanged(this);
}

void TQmPreview::SetZoom(double percent) {
    scale_ = percent / 100;
    zoomMode_ = pzDefault;
    savedScale_ = scale_;
    LayoutPages();
    PaintNow();
    DoStatusChange();
}

void TQmPreview::SetZoomMode(TQmPreviewZoom mode) {
    zoomMode_ = mode;
    LayoutPages();
    PaintNow();
    DoStatusChange();
}

void TQmPreview::PaintNow() {
    drawPanel_->Invalidate();
    drawPanel_->Update();
}

void TQmPreview::DoStatusChange() { OnStatusChange(this); }

void TQmPreview::RefreshPages(bool resetPosition) {
    ready_ = true;
    scale_ = savedScale_;
    if (resetPosition) {
        currentPage_ = 1;
        offsetX_ = offsetY_ = lastHorz_ = lastVert_ = 0;
        HorzBar()->SetPosition(0);
        VertBar()->SetPosition(0);
    }
    UpdateStatus();
    LayoutPages();
    drawPanel_->Invalidate();
}

void TQmPreview::LayoutPages() {
    TQmEndPages* pages = GetEndPages();
    if (!pages || pages->GetCount() == 0 || !drawPanel_) return;
    ready_ = false;
    const int W = drawPanel_->Width(), H = drawPanel_->Height();
    const TQmEndPage* current = pages->GetPage(std::clamp(currentPage_, 1, pages->GetCount()) - 1);
    const double pgw = current->PageInfo.ScreenWidth, pgh = current->PageInfo.ScreenHeight;
    switch (zoomMode_) {
        case pzPageWidth: scale_ = (W - 20) / pgw; break;
        case pzOnePage: scale_ = (H - 20) / pgh; break;
        case pzTwoPages: scale_ = (W - 30) / (2 * pgw); break;
        case pzDefault: break;
    }
    const int count = pages->GetCount();
    auto width = [&](int i) { return RoundEven(pages->GetPage(i)->PageInfo.ScreenWidth * scale_); };
    auto height = [&](int i) { return RoundEven(pages->GetPage(i)->PageInfo.ScreenHeight * scale_); };
    int perRow = 0, inRow = 0, running = 10;
    for (int i = 0; i < count; ++i) {
        running += width(i) + 10;
        if (running <= W) {
            ++inRow;
        } else {
            perRow = std::max(perRow, inRow);
            inRow = 0;
            running = 10;
        }
    }
    perRow = std::max({perRow, inRow, 1});
    if (zoomMode_ == pzOnePage) perRow = 1;
    if (zoomMode_ == pzTwoPages) perRow = 2;

    int y = 10, maxRight = 0, maxBottom = 0;
    for (int first = 0; first < count; first += perRow) {
        int x = 10, rowHeight = 0;
        for (int i = first; i < std::min(count, first + perRow); ++i) {
            const int w = width(i), h = height(i);
            const int left = perRow == 1 && W > w ? (W - w) / 2 : x;
            TQmEndPage* page = pages->GetPage(i);
            page->PreviewRect = TRect{left, y, left + w, y + h};
            x += w + 10;
            rowHeight = std::max(rowHeight, h);
            maxRight = std::max(maxRight, static_cast<int>(page->PreviewRect.right));
            maxBottom = std::max(maxBottom, static_cast<int>(page->PreviewRect.bottom));
        }
        y += rowHeight + 10;
    }
    auto range = [](TQmScrollBar* bar, int max, int client) {
        bar->SetMax(max);
        bar->SetPageSize(client);
        if (bar->Position() > max - bar->LargeChange()) bar->SetPosition(max - bar->LargeChange());
    };
    range(HorzBar(), maxRight + 10, scrollBox_->ClientWidth());
    range(VertBar(), maxBottom + 10, scrollBox_->ClientHeight());
    ScrollToCurrentPage();
    ready_ = true;
    DoStatusChange();
}

void TQmPreview::ScrollBoxScroll(TQmScrollBarKind kind) {
    const bool horizontal = kind == qmsbHorizontal;
    const int p = horizontal ? HorzBar()->Position() : VertBar()->Position();
    int& last = horizontal ? lastHorz_ : lastVert_;
    const int delta = last - p;
    last = p;
    (horizontal ? offsetX_ : offsetY_) = -p;
    if (drawPanel_ && drawPanel_->HandleAllocated() && delta != 0)
        ScrollWindow(drawPanel_->Handle(), horizontal ? delta : 0, horizontal ? 0 : delta, nullptr, nullptr);
    if (horizontal) return;
    if (const int page = PageAtViewTop(p)) {
        currentPage_ = page;
        UpdateStatus();
    }
}

int TQmPreview::PageAtViewTop(int position) const {
    TQmEndPages* pages = GetEndPages();
    const int line = position + 11;
    for (int i = 0; pages && i < pages->GetCount(); ++i) {
        const TRect& r = pages->GetPage(i)->PreviewRect;
        if (r.top < line && line < r.bottom) return i + 1;
    }
    return 0;
}

void TQmPreview::ScrollToCurrentPage() {
    TQmEndPages* pages = GetEndPages();
    if (!pages || currentPage_ < 1 || currentPage_ > pages->GetCount()) return;
    pages->CurPageNo = currentPage_;
    SetVertPosition(pages->GetPage(currentPage_ - 1)->PreviewRect.top - 10);
}

void TQmPreview::UpdateStatus() {
    const int count = GetPageCount();
    if (count == 0) {
        SetStatusText(0, "");
        return;
    }
    OnPageChanged(this);
    SetStatusText(0, LoadReportString(47004) + " " + IntToStr(currentPage_) + "/" + IntToStr(count));
    GetEndPages()->CurPageNo = currentPage_;
}

AnsiString TQmPreview::StatusText(int panel) const {
    return statusBar_->Panels()->Items(panel)->Text();
}

void TQmPreview::SetStatusText(int panel, const AnsiString& text) {
    statusBar_->Panels()->Items(panel)->SetText(text);
}
