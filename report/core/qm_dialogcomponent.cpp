// Dialog components: their record, their icon, and live controls printed
// into a bitmap drawn on the page.
#include "report/core/qm_dialogcomponent.h"

#include "platform/gdi/wingdi.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/win/messages.h"
#include "platform/win/userdraw.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

namespace {

constexpr Word kDialogRecordVersion = 2;
constexpr int kIconSize = 28;

// The component icon: a small window with a title bar and two fields,
// drawn in place of a bitmap resource.
void DrawComponentIcon(TCanvas* canvas, int x, int y) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clWhite);
    canvas->Pen()->SetColor(clGray);
    canvas->Rectangle(x, y, x + 20, y + 18);
    canvas->Brush()->SetColor(clNavy);
    canvas->FillRect(TRect(x + 1, y + 1, x + 19, y + 5));
    canvas->Brush()->SetColor(clSilver);
    canvas->FillRect(TRect(x + 3, y + 8, x + 17, y + 10));
    canvas->FillRect(TRect(x + 3, y + 12, x + 12, y + 14));
}

}  // namespace

TQmDialogComponent::TQmDialogComponent() {
    SetspBound(2, kIconSize);
    SetspBound(3, kIconSize);
}

void TQmDialogComponent::GetDefaultSize(int& width, int& height) const {
    width = kIconSize;
    height = kIconSize;
}

void TQmDialogComponent::LoadFromStream(TStream* stream) {
    const Word version = ReadWord(stream);
    ExtraWord = ReadWord(stream);
    ReadBounds(stream);
    Flags = ReadLongWord(stream);
    Restrictions = TQmRestrictions::FromBits(ReadByte(stream));
    AnsiString name;
    ReadString(stream, name);
    TQmView::SetName(name);
    Visible = ReadBoolean(stream);
    if (!InPreparedPage) {
        if (version >= 1) LoadEventBindings(stream);
        if (version >= 2) ExtraFlag = ReadBoolean(stream);
    }
    ParentControlName.clear();
    if (version >= 2) ReadString(stream, ParentControlName);
}

void TQmDialogComponent::SaveToStream(TStream* stream) {
    try {
        WriteWord(stream, kDialogRecordVersion);
        WriteWord(stream, ExtraWord);
        WriteBounds(stream);
        WriteLongWord(stream, Flags);
        WriteByte(stream, static_cast<Byte>(Restrictions.Bits()));
        WriteString(stream, Name());
        WriteBoolean(stream, Visible);
        if (!InPreparedPage) {
            SaveEventBindings(stream);
            WriteBoolean(stream, ExtraFlag);
        }
        WriteString(stream, ParentControlName);
    } catch (EQmTextTooLong& e) {
        e.SetOwner(Name());
        throw;
    }
}

void TQmDialogComponent::Draw(TCanvas* canvas) {
    SetspBound(2, kIconSize);
    SetspBound(3, kIconSize);
    if (ParentReport) ParentReport->CurrentObject = this;
    BeginDraw(canvas);
    FillColor = clBtnFace;
    DrawBackground();
    RECT edge = DrawRect;
    DrawEdge(canvas->Handle(), &edge, EDGE_RAISED, BF_RECT);
    DrawComponentIcon(canvas, DrawRect.left + 2, DrawRect.top + 2);
    EndDraw();
}

TQmDialogControl::TQmDialogControl() {
    SetspBound(2, 0);
    SetspBound(3, 0);
}

bool TQmDialogControl::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                    const std::vector<Variant>& arguments) {
    return TQmPersistent::GetPropValue(object, path, value, arguments);
}

bool TQmDialogControl::SetPropValue(TObject* object, const AnsiString& name, const Variant& value) {
    return TQmPersistent::SetPropValue(object, name, value);
}

void TQmDialogControl::SetspBound(int index, Integer pixels) {
    TQmDialogComponent::SetspBound(index, pixels);
    if (!Control) return;
    if (index == 2) Control->SetWidth(pixels);
    if (index == 3) Control->SetHeight(pixels);
}

void TQmDialogControl::Draw(TCanvas* canvas) {
    if (ParentReport) ParentReport->CurrentObject = this;
    if (Control) {
        Control->SetWidth(GetspBound(2));
        Control->SetHeight(GetspBound(3));
    }
    BeginDraw(canvas);
    PaintControl();
    EndDraw();
}

void TQmDialogControl::PaintControl() {
    if (!Control) return;
    const int x = GetspBound(0), y = GetspBound(1), w = GetspBound(2), h = GetspBound(3);
    std::unique_ptr<TBitmap> image(TBitmap::Create());
    image->SetSize(w + 1, h + 1);
    image->Canvas()->Brush()->SetColor(clBtnFace);
    image->Canvas()->FillRect(TRect(0, 0, w + 1, h + 1));
    Control->SetLeft(0);
    Control->SetTop(0);
    if (ParentReport && ParentReport->DialogForm && !ParentReport->DialogForm->Visible())
        ParentReport->DialogForm->Show();
    HDC dc = image->Canvas()->Handle();
    if (dynamic_cast<TWinControl*>(Control)) {
        Control->Perform(WM_PRINT, WPARAM(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    } else {
        Control->Perform(WM_ERASEBKGND, WPARAM(dc), 0);
        Control->Perform(WM_PAINT, WPARAM(dc), 0);
    }
    Canvas->Draw(x, y, image.get());
}
