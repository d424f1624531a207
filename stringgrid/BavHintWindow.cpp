// The HTML hint window: measured by the markup renderer, kept on the
// screen, framed in the 3D colours.
#include "stringgrid/BavHintWindow.h"

#include "platform/gdi/measuringdc.h"
#include "platform/ui/forms.h"
#include "platform/win/winpaint.h"
#include "stringgrid/html/BqgHTMLE.h"

void THTMLHintWindow::CreateParams(TCreateParams& params) {
    THintWindow::CreateParams(params);
    params.Style &= ~WS_BORDER;
    params.WindowClass.style |= CS_DROPSHADOW;
}

TSize THTMLHintWindow::Measure(const AnsiString& hint, const TRect& rect) {
    const MeasuringDC measuring(Font()->Handle());
    TCanvas canvas;
    const CanvasOnDC lend(&canvas, measuring.dc());
    canvas.Font()->Assign(Font());
    THTMLDrawParams params;
    params.Canvas = &canvas;
    params.HTMLText = hint;
    params.Rect = rect;
    params.MeasureOnly = true;
    params.WordWrap = true;
    THTMLDrawResult result;
    DrawHTMLText(params, result);
    return {result.MaxLineWidth, result.TotalHeight};
}

TRect THTMLHintWindow::CalcHintRect(int maxWidth, const AnsiString& hint, void*) {
    const TSize size = Measure(hint, Rect(0, 0, maxWidth, 4096));
    return Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHint(TRect rect, const AnsiString& hint) {
    SetCaption(hint);
    const TSize size = Measure(hint, Rect(rect.left, 0, rect.left + 1008, 4096));
    textWidth_ = size.cx;
    textHeight_ = size.cy;
    rect.right = rect.left + textWidth_ + 16;
    rect.bottom = rect.top + textHeight_ + 4;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (rect.right > Screen->Width() && Screen->Width() - width - 2 >= 0) {
        rect.left = Screen->Width() - width - 2;
        rect.right = rect.left + width;
    }
    if (rect.bottom > Screen->Height() && Screen->Height() - height - 2 >= 0) {
        rect.top = Screen->Height() - height - 2;
        rect.bottom = rect.top + height;
    }
    SetBounds(rect.left, rect.top, width, height);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    Invalidate();
}

void THTMLHintWindow::Paint() {
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
    canvas->Pen()->SetColor(cl3DLight);
    const TPoint light[] = {{r.left, r.bottom - 2}, {r.left, r.top}, {r.right - 1, r.top}};
    canvas->Polyline(light, 3);
    canvas->Pen()->SetColor(cl3DDkShadow);
    const TPoint dark[] = {{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}};
    canvas->Polyline(dark, 3);
    const int top = r.top + (r.bottom - r.top - textHeight_) / 2;
    THTMLDrawParams params;
    params.Canvas = canvas;
    params.HTMLText = Caption();
    params.Rect = Rect(r.left + 4, top, r.right - 4, top + textHeight_ + 8);
    params.URLColor = clBlue;
    params.ShadowColor = clGray;
    params.WordWrap = true;
    THTMLDrawResult result;
    canvas->Brush()->SetStyle(bsClear);
    DrawHTMLText(params, result);
    canvas->Brush()->SetStyle(bsSolid);
}
