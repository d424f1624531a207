// The calculator: reading its description, the key state machine, the
// display and the clipboard.
#include "datagrid/CalculatorVyn.h"

#include <cmath>

#include "platform/rtl/formatsettings.h"
#include "platform/rtl/formresources.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/win/clipboard.h"
#include "platform/gdi/sysparams.h"
#include "platform/win/userdraw.h"
#include "platform/win/winframe.h"
#include "platform/win/winpaint.h"

namespace {

constexpr char kBackspace = 8, kEnter = 13, kEscape = 27, kCopy = 3, kPaste = 22;

// The characters of the keys by Tag.
constexpr char kKeyChars[24] = {'\0', '7', '8', '9', '/', 'S', 'C', '4', '5', '6', '*', '%',
                                'A',  '1', '2', '3', '-', 'R', kBackspace, '0', 'I', '.', '+', '='};

bool IsArithmetic(char op) { return op == '+' || op == '-' || op == '*' || op == '/'; }

// The height of "0" in a font, as the screen measures it.
int MeasuredTextHeight(TFont* font) {
    TBitmap bitmap;
    bitmap.SetWidth(1);
    bitmap.SetHeight(1);
    bitmap.Canvas()->Font()->Assign(font);
    return bitmap.Canvas()->TextHeight("0");
}

}  // namespace

void TCalculatorVyn::Published(TPublished<TCalculatorVyn>& p) {
    using C = TCalculatorVyn;
    p.Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsNone);
    p.Property("ClientHeight", &C::StoredClientHeight, &C::SetStoredClientHeight);
    p.Property("ClientWidth", &C::StoredClientWidth, &C::SetStoredClientWidth);
    p.Property("OldCreateOrder", &C::OldCreateOrder, &C::SetOldCreateOrder).Default(false);
    p.Property("PixelsPerInch", &C::PixelsPerInch, &C::SetPixelsPerInch);
    p.Method("SpeedButtonClick", &C::SpeedButtonClick);
    p.Field("Panel1", &C::Panel1);
    p.Field("TextBox", &C::TextBox);
    p.Field("spEqual", &C::spEqual);
}

TCalculatorVyn::TCalculatorVyn(TComponent* owner) : TCustomControl(owner) {}

void TCalculatorVyn::AfterConstruction() {
    pixelsPerInch_ = Screen ? Screen->PixelsPerInch() : 96;
    if (!InitInheritedComponent(this, TCustomControl::StaticClass()))
        throw EResNotFound("Resource " + ClassName() + " not found");
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* key = dynamic_cast<TSpeedButtonVyn*>(Components(i))) {
            key->SetStyle(ebsGlyphVyn);
            key->SetActive(true);
        }
    SizeToContents();
    TCustomControl::AfterConstruction();
}

void TCalculatorVyn::DefineProperties(TFiler* filer) {
    TCustomControl::DefineProperties(filer);
    // Read from descriptions, never written back.
    filer->DefineProperty(
        "TextHeight", [this](TReader* reader) { textHeight_ = static_cast<int>(reader->ReadInteger()); }, nullptr,
        false);
}

void TCalculatorVyn::ReadState(TReader* reader) {
    DisableAlign();
    storedClientWidth_ = storedClientHeight_ = textHeight_ = 0;
    scaleWidth_ = scaleHeight_ = false;
    try {
        TCustomControl::ReadState(reader);
    } catch (...) {
        EnableAlign();
        throw;
    }
    const int screen = Screen ? Screen->PixelsPerInch() : 96;
    int measured = textHeight_, stored = textHeight_;
    if (pixelsPerInch_ > 0 && textHeight_ > 0) {
        if (screen != pixelsPerInch_) Font()->SetHeight(MulDiv(Font()->Height(), screen, pixelsPerInch_));
        pixelsPerInch_ = screen;
        measured = MeasuredTextHeight(Font());
    }
    if (measured != stored && stored > 0) {
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->ScaleBy(measured, stored);
        if (scaleWidth_) storedClientWidth_ = MulDiv(storedClientWidth_, measured, stored);
        if (scaleHeight_) storedClientHeight_ = MulDiv(storedClientHeight_, measured, stored);
    }
    scaleWidth_ = scaleHeight_ = false;
    EnableAlign();
}

void TCalculatorVyn::SetStoredClientWidth(int v) {
    storedClientWidth_ = v;
    if (ComponentState().Contains(csLoading)) scaleWidth_ = true;
    else SizeToContents();
}

void TCalculatorVyn::SetStoredClientHeight(int v) {
    storedClientHeight_ = v;
    if (ComponentState().Contains(csLoading)) scaleHeight_ = true;
    else SizeToContents();
}

int TCalculatorVyn::PixelsPerInch() const {
    return pixelsPerInch_ ? pixelsPerInch_ : (Screen ? Screen->PixelsPerInch() : 96);
}

void TCalculatorVyn::SetPixelsPerInch(int v) {
    if (v == PixelsPerInch() || (v != 0 && v <= 35)) return;
    if (!ComponentState().Contains(csLoading) || pixelsPerInch_ != 0) pixelsPerInch_ = v;
}

void TCalculatorVyn::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    RecreateWnd();
}

void TCalculatorVyn::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ != bsSingle) return;
    if (Ctl3D())
        params.ExStyle |= WS_EX_CLIENTEDGE;
    else
        params.Style |= WS_BORDER;
}

int TCalculatorVyn::BorderExtent() {
    TCreateParams params;
    CreateParams(params);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
    return r.bottom - r.top;
}

void TCalculatorVyn::SizeToContents() { SetBounds(Left(), Top(), Width(), Height()); }

void TCalculatorVyn::SetBounds(int left, int top, int width, int height) {
    if (storedClientWidth_ > 0 && storedClientHeight_ > 0 && !ComponentState().Contains(csLoading)) {
        const int extent = BorderExtent();
        width = storedClientWidth_ + extent;
        height = storedClientHeight_ + extent;
    }
    TCustomControl::SetBounds(left, top, width, height);
}

char TCalculatorVyn::KeyCharByTag(int tag) { return tag >= 0 && tag < 24 ? kKeyChars[tag] : '\0'; }

AnsiString TCalculatorVyn::ShownText() const { return TextBox->Caption(); }

double TCalculatorVyn::ShownValue() const { return entryState_ == 2 ? 0 : StrToFloat(Trim(ShownText())); }

void TCalculatorVyn::SetShownValue(double value) { TextBox->SetCaption(FloatToStrF(value, ffGeneral, 15, 2)); }

void TCalculatorVyn::StartNumber() {
    if (entryState_ != 0) return;
    entryState_ = 1;
    TextBox->SetCaption("0");
}

void TCalculatorVyn::ShowError() {
    entryState_ = 2;
    TextBox->SetCaption("Error");
}

void TCalculatorVyn::ClearAll() {
    entryState_ = 0;
    SetShownValue(0);
    pendingOperator_ = '=';
    pendingOperand_ = 0;
    UpdateEqualKey();
}

void TCalculatorVyn::UpdateEqualKey() {
    // "=" whenever an operation waits for the number being typed, whatever
    // its first operand.
    spEqual->SetCaption(entryState_ == 1 && IsArithmetic(pendingOperator_) ? "=" : "Ok");
}

void TCalculatorVyn::ApplyOperator(char key) {
    if (entryState_ == 1) {
        entryState_ = 0;
        double r = ShownValue();
        if (key == '%') {
            if (pendingOperator_ == '*' || pendingOperator_ == '/') r /= 100;
            else if (pendingOperator_ == '+' || pendingOperator_ == '-') r = pendingOperand_ * r / 100;
        }
        switch (pendingOperator_) {
            case '+': SetShownValue(pendingOperand_ + r); break;
            case '-': SetShownValue(pendingOperand_ - r); break;
            case '*': SetShownValue(pendingOperand_ * r); break;
            case '/':
                if (r == 0) ShowError();
                else SetShownValue(pendingOperand_ / r);
                break;
            default: break;
        }
    }
    pendingOperator_ = key;
    pendingOperand_ = ShownValue();
}

void TCalculatorVyn::FeedKey(char key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (entryState_ == 2 && key != 'C') key = '\0';
    AnsiString text = ShownText();
    if (key == DecimalSeparator || key == ',' || key == '.') {
        StartNumber();
        text = ShownText();
        if (Pos(AnsiString(1, DecimalSeparator), text) == 0) TextBox->SetCaption(text + DecimalSeparator);
    } else if (key >= '0' && key <= '9') {
        StartNumber();
        text = ShownText();
        if (text == "0") text.clear();
        const std::size_t limit = !text.empty() && text[0] == '-' ? 16 : 15;
        if (Pos("E", text) == 0 && text.size() < limit) text += key;
        TextBox->SetCaption(text);
    } else if (key == kBackspace) {
        StartNumber();
        text = ShownText();
        if (text.size() == 1 || (text.size() == 2 && text[0] == '-'))
            TextBox->SetCaption("0");
        else
            TextBox->SetCaption(text.substr(0, text.size() - 1));
    } else if (key == '+' || key == '-' || key == '*' || key == '/' || key == '%' || key == '=' || key == kEnter) {
        ApplyOperator(key);
    } else if (key == 'I') {
        SetShownValue(-ShownValue());
    } else if (key == 'R' || key == 'S') {
        if (entryState_ == 0 || entryState_ == 1) {
            entryState_ = 0;
            const double value = ShownValue();
            if (key == 'R') {
                if (value == 0) ShowError();
                else SetShownValue(1 / value);
            } else {
                if (value < 0) ShowError();
                else SetShownValue(std::sqrt(value));
            }
        }
    } else if (key == 'C' || key == kEscape) {
        ClearAll();
    } else if (key == kCopy) {
        CopyDisplay();
    } else if (key == kPaste) {
        PasteDisplay();
    }
    UpdateEqualKey();
}

void TCalculatorVyn::CopyDisplay() { CopyTextToClipboard(HandleAllocated() ? Handle() : 0, ShownText()); }

void TCalculatorVyn::PasteDisplay() {
    const AnsiString text = PasteTextFromClipboard(HandleAllocated() ? Handle() : 0);
    if (text.empty()) return;
    SetShownValue(StrToFloat(Trim(text)));
}

void TCalculatorVyn::SpeedButtonClick(TObject* Sender) {
    if (auto* key = dynamic_cast<TComponent*>(Sender)) FeedKey(KeyCharByTag(key->Tag()));
}

void TCalculatorVyn::KeyPress(char& key) {
    TCustomControl::KeyPress(key);
    FeedKey(key);
}

bool TCalculatorVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (!TCustomControl::DoMouseWheelDown(shift, mousePos) && entryState_ != 2) SetShownValue(ShownValue() - 1);
    return true;
}

bool TCalculatorVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (!TCustomControl::DoMouseWheelUp(shift, mousePos) && entryState_ != 2) SetShownValue(ShownValue() + 1);
    return true;
}

// ---- The pop-up calculator ------------------------------------------------------------------------

TPopupCalculatorVyn::TPopupCalculatorVyn(TComponent* owner) : TCalculatorVyn(owner) {}

void TPopupCalculatorVyn::AfterConstruction() {
    TCalculatorVyn::AfterConstruction();
    controlStyle_.Include(csReplicatable);
    SetParentCtl3D(false);
    SetCtl3D(true);
    frameWidth_ = 2;
    SetTabStop(false);
    SizeToContents();
}

void TPopupCalculatorVyn::CloseDropDown(bool accept) { CloseDropDownOfOwner(this, accept); }

bool TPopupCalculatorVyn::EnterClosesPopup() { return spEqual->Caption() == "Ok"; }

Variant TPopupCalculatorVyn::CurrentValue() { return EntryState() == 2 ? VarAsError(-1) : Variant(ShownValue()); }

void TPopupCalculatorVyn::SetFlatKeys(bool value) {
    if (value == flatKeys_) return;
    flatKeys_ = value;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* key = dynamic_cast<TSpeedButtonVyn*>(Components(i))) key->SetFlat(value);
}

void TPopupCalculatorVyn::LoadValue(const Variant& value) {
    ClearAll();
    SetShownValue(value.AsDouble());
}

void TPopupCalculatorVyn::FeedKey(char key) {
    if ((key == '\r' || key == '=') && EnterClosesPopup())
        CloseDropDown(true);
    else
        TCalculatorVyn::FeedKey(key);
}

void TPopupCalculatorVyn::KeyDown(Word& key, TShiftState shift) {
    TCalculatorVyn::KeyDown(key, shift);
    if (key == VK_ESCAPE) {
        CloseDropDown(false);
        key = 0;
    }
}

void TPopupCalculatorVyn::CMWantSpecialKey(TMessage& Message) {
    const WPARAM key = Message.WParam;
    if (dynamic_cast<IDropDownHostVyn*>(Owner()) && (key == VK_RETURN || key == VK_ESCAPE)) {
        CloseDropDown(key == VK_RETURN);
        Message.Result = 1;
        return;
    }
    TCalculatorVyn::Dispatch(Message);
}

void TPopupCalculatorVyn::CMCtl3DChanged(TMessage& Message) {
    TCalculatorVyn::Dispatch(Message);
    frameWidth_ = Ctl3D() ? 2 : 0;
    RecreateWnd();
}

void TPopupCalculatorVyn::WMMouseActivate(TMessage& Message) { Message.Result = MA_NOACTIVATE; }

void TPopupCalculatorVyn::WMGetDlgCode(TMessage& Message) {
    TCalculatorVyn::Dispatch(Message);
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void TPopupCalculatorVyn::WMNCCalcSize(TMessage& Message) {
    TCalculatorVyn::Dispatch(Message);
    InsetClientForFrame(Message, frameWidth_);
}

void TPopupCalculatorVyn::WMNCPaint(TMessage& Message) {
    TCalculatorVyn::Dispatch(Message);
    PaintFrame();
}

void TPopupCalculatorVyn::PaintFrame() {
    if (!Ctl3D() || !HandleAllocated()) return;
    const HDC dc = GetWindowDC(Handle());
    RECT r{0, 0, Width(), Height()};
    FrameRect(dc, &r, GetSysColorBrush(COLOR_3DDKSHADOW));
    InflateRect(&r, -1, -1);
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    ReleaseDC(Handle(), dc);
}

void TPopupCalculatorVyn::QueuedCloseUp(TMessage&) { CloseDropDown(false); }

void TPopupCalculatorVyn::CreateParams(TCreateParams& params) {
    TCalculatorVyn::CreateParams(params);
    params.Style |= WS_POPUP;
    if (!Ctl3D()) params.Style |= WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WindowClass.style = CS_SAVEBITS;
}

int TPopupCalculatorVyn::BorderExtent() { return TCalculatorVyn::BorderExtent() + 2 * frameWidth_; }
