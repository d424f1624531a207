// Drop-down windows and the colour picker. The palette is built on its
// first opening and shows the current colour pressed each time it opens.
#include "report/ui/qm_ctrls_popup.h"

#include <algorithm>

#include "platform/gdi/sysparams.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "report/core/qm_resourcestrings.h"

void QmCtrlsGlyphsAnchor();

// ---- the drop-down window ------------------------------------------------------------

TQmPopupWindow::TQmPopupWindow(TComponent* owner) : TForm(owner, 0) {
    SetBorderStyle(bsNone);
    SetVisible(false);
}

TQmPopupWindow::~TQmPopupWindow() { CloseUp(); }

void TQmPopupWindow::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.Style = WS_POPUP | WS_DLGFRAME;
}

void TQmPopupWindow::AdjustClientRect(TRect& rect) const {
    TForm::AdjustClientRect(rect);
    InflateRect(&rect, -borderWidth_, -borderWidth_);
}

void TQmPopupWindow::PopUp(TControl* button) {
    if (Active()) return;
    button_ = button;
    if (OnPopup) OnPopup(this);
    ShowAt(button);
}

void TQmPopupWindow::ShowAt(TControl* button) {
    TRect r;
    if (auto* window = dynamic_cast<TWinControl*>(button)) {
        GetWindowRect(window->Handle(), &r);
    } else {
        const TPoint origin = button->Parent()->ClientToScreen(TPoint{button->Left(), button->Top()});
        r = TRect(origin.x, origin.y, origin.x + button->Width(), origin.y + button->Height());
    }
    int x = r.left, y = r.bottom;
    if (x + Width() > GetSystemMetrics(SM_CXSCREEN)) x = r.right - Width();
    if (y + Height() > GetSystemMetrics(SM_CYSCREEN)) y = r.top - Height();
    x = std::max(x, 0);
    y = std::max(y, 0);
    SetWindowPos(Handle(), HWND_TOP, x, y, Width(), Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetVisible(true);
    ::SetFocus(Handle());
}

void TQmPopupWindow::CloseUp() {
    const bool wasVisible = Visible();
    SetVisible(false);
    if (wasVisible && HandleAllocated()) {
        SetWindowPos(Handle(), 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        SetParent(nullptr);
    }
    // The button that opened the window must not stay drawn pressed.
    TControl* button = std::exchange(button_, nullptr);
    if (auto* opener = dynamic_cast<TQmPopupWindowButton*>(button); opener && opener->Dropped())
        opener->DropDown(false);
}

void TQmPopupWindow::DestroyWnd() {
    CloseUp();
    TForm::DestroyWnd();
}

void TQmPopupWindow::WMKillFocus(TMessage& Message) {
    Inherited::Dispatch(Message);
    CloseUp();
}

// ---- the button that opens it --------------------------------------------------------

TQmPopupWindowButton::TQmPopupWindowButton(TComponent* owner) : TQmToolbarButton(owner) { SetFlat(true); }

void TQmPopupWindowButton::SetDropDownPanel(TQmPopupWindow* v) {
    panel_ = v;
    if (v) v->OnClose = [this](TObject*) { DropDown(false); };
}

void TQmPopupWindowButton::Click() {
    if (dropped_ || GetDropDownPanel()) {
        DropDown(true);
        return;
    }
    TQmToolbarButton::Click();
}

void TQmPopupWindowButton::DropDown(bool value) {
    TQmPopupWindow* panel = GetDropDownPanel();
    if (!panel) return;
    dropped_ = value;
    if (!value) {
        panel->CloseUp();
        SetState(RestingState());
        Repaint();
        return;
    }
    SetState(tbsDown);
    if (!ComponentState().Contains(csDesigning)) panel->PopUp(this);
    Repaint();
}

// ---- colour buttons --------------------------------------------------------------------

void TQmColorSpeedButton::SetCurColor(TColor v) {
    curColor_ = v;
    Invalidate();
}

void TQmColorSpeedButton::Paint() {
    TSpeedButton::Paint();
    TCanvas* canvas = Canvas();
    const TRect r(0, 0, Width() - 1, Height() - 1);
    const bool enabled = Enabled();
    canvas->Pen()->SetColor(enabled ? TColor(0x808080) : clInactiveCaption);
    canvas->Brush()->SetColor(enabled ? curColor_ : clBtnFace);
    canvas->Brush()->SetStyle(bsSolid);
    const int h = r.bottom - r.top;
    if (!Glyph()->Empty()) {
        const int down = State() == bsDown || State() == bsExclusive ? 1 : 0;
        const int x = (Width() + 1) / 2 - 8 + down, y = (Height() + 1) / 2 + 4 + down;
        canvas->Pen()->SetColor(curColor_);
        canvas->Brush()->SetColor(curColor_);
        canvas->Rectangle(x, y, x + 16, y + 4);
    } else if (!Caption().empty()) {
        const int d = h / 7, e = h / 6 + 3;
        const TPoint outline[] = {{d, d}, {r.right - d, d}, {r.right - d, r.bottom - d}, {d, r.bottom - d}};
        const TColor swatch = canvas->Brush()->Color();
        canvas->Brush()->SetStyle(bsClear);
        canvas->Polygon(outline, 4);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(swatch);
        canvas->Rectangle(e + 1, e, r.bottom - e + 3, r.bottom - e + 2);
    } else {
        const int e = h / 6 + 1;
        canvas->Rectangle(e, e, r.right - e + 1, r.bottom - e + 1);
    }
}

// ---- the colour picker -----------------------------------------------------------------

const std::array<TColor, 40> TQmColorPickerButton::kPalette = {
    0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x993333, 0x333333,
    0x000080, 0x0066FF, 0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080,
    0x0000FF, 0x0099FF, 0x00CC99, 0x669933, 0xCCCC33, 0xFF6633, 0x800080, 0x999999,
    0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00, 0x663399, 0xC0C0C0,
    0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF};

TQmColorPickerButton::TQmColorPickerButton(TComponent* owner)
    : TQmPopupWindowButton(owner), colorDialog_(std::make_unique<TColorDialog>(nullptr)),
      autoCaption_(QmEngineString(47229)) {
    QmCtrlsGlyphsAnchor();
    colorDialog_->SetOptions({cdFullOpen, cdSolidColor, cdAnyColor});
    SetDropdownCombo(true);
    SetDropdownAlways(true);
    SetColorType(qmptFill);
}

TQmColorPickerButton::~TQmColorPickerButton() {
    if (palette_) palette_->CloseUp();
}

void TQmColorPickerButton::SetColorType(TQmColorType v) {
    colorType_ = v;
    struct Look {
        const char* glyph;
        TColor color;
        int caption;
    };
    static constexpr Look looks[] = {{"Qm_FONTCOLOR", clWindowText, 45878},
                                     {"Qm_LINECOLOR", clBlack, 45878},
                                     {"Qm_BACKGROUDCOLOR", clNone, 47229},
                                     {"Qm_HIGHLIGHTCOLOR", clWindow, 45878}};
    if (v != qmptCustom) {
        const Look& look = looks[v];
        TBitmap glyph;
        glyph.LoadFromResourceName(0, look.glyph);
        SetGlyph(&glyph);
        autoColor_ = look.color;
        autoCaption_ = QmEngineString(look.caption);
    }
    SetCurrentColor(currentColor_);
}

void TQmColorPickerButton::SetCurrentColor(TColor v) {
    currentColor_ = v;
    if (Glyph()->Empty()) return;
    TBitmap glyph;
    glyph.Assign(Glyph());
    glyph.Canvas()->Brush()->SetStyle(bsSolid);
    glyph.Canvas()->Brush()->SetColor(v);
    glyph.Canvas()->FillRect(TRect(0, 12, 15, 15));
    SetGlyph(&glyph);
}

TSpeedButton* TQmColorPickerButton::PaletteButton(int index) const {
    return index == 41 ? otherButton_ : cells_[static_cast<size_t>(index)];
}

void TQmColorPickerButton::BuildPalette() {
    palette_ = std::make_unique<TQmPopupWindow>(nullptr);
    palette_->Font()->Assign(Font());
    palette_->HandleNeeded();  // the client size counts without the frame
    palette_->SetClientWidth((ColorSpace + ColorSize) * 8 + 2 * HoriMargin);
    palette_->SetClientHeight(TopMargin + BottomMargin + ColorSpaceBottom + 5 * ButtonHeight + 7 * ColorSpaceTop);
    const int width = palette_->ClientWidth() - 2 * HoriMargin;
    auto add = [this](TSpeedButton* button, int tag, int left, int top, int w, int h) {
        button->SetParent(palette_.get());
        button->SetFlat(true);
        button->SetTag(tag);
        button->SetBounds(left, top, w, h);
        button->SetOnClick([this](TObject* sender) { ColorClick(sender); });
    };
    auto* automatic = new TQmColorSpeedButton(palette_.get());
    add(automatic, 41, HoriMargin, TopMargin + DragBarSpace + 2 * DragBarHeight, width, ButtonHeight);
    automatic->SetGroupIndex(1);
    automatic->SetAllowAllUp(true);
    automatic->SetDown(true);
    automatic->SetCurColor(autoColor_);
    automatic->SetCaption(autoCaption_);
    cells_[40] = automatic;
    const int step = ColorSpace + ColorSize;
    for (int i = 0; i < 40; ++i) {
        auto* cell = new TQmColorSpeedButton(palette_.get());
        add(cell, i, automatic->Left() + step * (i % 8), automatic->Top() + automatic->Height() + ColorSpaceTop + step * (i / 8),
            ColorSize, ColorSize);
        cell->SetGroupIndex(1);
        cell->SetAllowAllUp(true);
        cell->SetCurColor(kPalette[static_cast<size_t>(i)]);
        cells_[static_cast<size_t>(i)] = cell;
    }
    otherButton_ = new TSpeedButton(palette_.get());
    add(otherButton_, 42, automatic->Left(), cells_[39]->Top() + ColorSize + ColorSpaceBottom, width, ButtonHeight);
    otherButton_->SetCaption(QmEngineString(47230));
}

TQmPopupWindow* TQmColorPickerButton::GetDropDownPanel() {
    if (!palette_) BuildPalette();
    const bool automatic = autoColor_ == currentColor_;
    cells_[40]->SetDown(automatic);
    for (int i = 0; i < 40; ++i) cells_[static_cast<size_t>(i)]->SetDown(!automatic && kPalette[static_cast<size_t>(i)] == currentColor_);
    return palette_.get();
}

void TQmColorPickerButton::ColorClick(TObject* sender) {
    auto* button = static_cast<TSpeedButton*>(sender);
    if (button->Tag() == 42) {
        colorDialog_->SetColor(currentColor_);
        if (colorDialog_->Execute()) {
            SetCurrentColor(colorDialog_->Color());
            if (OnColorChange) OnColorChange(this);
        }
    } else {
        SetCurrentColor(static_cast<TQmColorSpeedButton*>(button)->CurColor());
        if (OnColorChange) OnColorChange(this);
    }
    DropDown(false);
}
