// The media player's covering panel and its painter.
#include "skin/WinSubClassMedia.h"

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"

const std::array<const char*, TWMediaPlayer::kButtonCount> TWMediaPlayer::kButtonNames = {
    "btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"};

namespace {

constexpr const char* kResourceNames[TWMediaPlayer::kButtonCount] = {
    "MPPLAY", "MPPAUSE", "MPSTOP", "MPNEXT", "MPPREV", "MPSTEP", "MPBACK", "MPRECORD", "MPEJECT"};

// A glyph from the module's resources; empty when it is missing.
std::unique_ptr<TBitmap> Glyph(const char* colour, const char* name) {
    auto glyph = std::make_unique<TBitmap>();
    try {
        glyph->LoadFromResourceName(HInstance, AnsiString(colour) + "_" + name);
    } catch (const Exception&) {
        // The skin's button frames are still drawn.
    }
    return glyph;
}

}  // namespace

TWMediaPlayer::TWMediaPlayer(TComponent* owner) : TCustomPanel(owner) {
    for (int i = 0; i < kButtonCount; ++i) {
        enabledGlyphs_[i] = Glyph("EN", kResourceNames[i]);
        disabledGlyphs_[i] = Glyph("DI", kResourceNames[i]);
        colouredGlyphs_[i] = Glyph("CL", kResourceNames[i]);
    }
}

TWMediaPlayer::~TWMediaPlayer() = default;

void TWMediaPlayer::ReadButtons() {
    const AnsiString visible = GetSetPropByName(Player, "VisibleButtons");
    const AnsiString enabled = GetSetPropByName(Player, "EnabledButtons");
    const AnsiString coloured = GetSetPropByName(Player, "ColoredButtons");
    VisibleCount = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        Visible[i] = visible.find(kButtonNames[i]) != AnsiString::npos;
        Enabled[i] = enabled.find(kButtonNames[i]) != AnsiString::npos;
        Colored[i] = coloured.find(kButtonNames[i]) != AnsiString::npos;
        if (Visible[i]) ++VisibleCount;
    }
}

int TWMediaPlayer::HitTest(int x) const {
    int start = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        if (!Visible[i]) continue;
        if (x >= start && x <= start + ButtonWidth) return i;
        start += ButtonWidth;
    }
    return kButtonCount;
}

void TWMediaPlayer::Paint() {
    ReadButtons();
    const TRect client = ClientRect();
    const TColor face = SkinData->Colour(TSkinData::kButtonFaceIndex);
    if (VisibleCount == 0) {
        Canvas()->Brush()->SetColor(face);
        Canvas()->FillRect(client);
        return;
    }
    ButtonWidth = client.right / VisibleCount;
    TBitmap picture;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(client.right, client.bottom);
    HDC dc = picture.Canvas()->Handle();
    FillSolid(dc, client, face);
    const TDataSkinButton* buttons = SkinData->Buttons();
    const bool hasButtons = buttons && buttons->Bitmap && !buttons->Bitmap->Empty();
    int x = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        if (!Visible[i]) continue;
        const TRect place{x, 0, x + ButtonWidth, client.bottom};
        const bool down = Pressed && i == PressedIndex;
        const int frame = !Enabled[i] ? 3 : down ? 2 : 1;
        if (hasButtons)
            DrawSkinCell(dc, place, buttons->Bitmap.get(), buttons->Margins(), frame, std::max<int>(buttons->Frame, 1),
                         buttons->Trans == 1, buttons->Tile != 0, false);
        TBitmap* glyph = !Enabled[i] ? disabledGlyphs_[i].get() : Colored[i] ? colouredGlyphs_[i].get()
                                                                              : enabledGlyphs_[i].get();
        if (!glyph->Empty()) {
            const int gx = x + (ButtonWidth - glyph->Width()) / 2 + (down ? 1 : 0);
            const int gy = (client.bottom - glyph->Height()) / 2 + (down ? 1 : 0);
            DrawTransparent(dc, TRect{gx, gy, gx + glyph->Width(), gy + glyph->Height()}, glyph,
                            ColorToRGB(clOlive));
        }
        x += ButtonWidth;
    }
    BitBlt(Canvas()->Handle(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

void TWMediaPlayer::WMLButtonDown(TMessage& Message) {
    Pressed = true;
    TCustomPanel::Dispatch(Message);
    if (Player) Player->Perform(WM_LBUTTONDOWN, Message.WParam, Message.LParam);
    ReleaseCapture();
    HitIndex = HitTest(GET_X_LPARAM(Message.LParam));
    PressedIndex = HitIndex;
    Repaint();
}

void TWMediaPlayer::WMLButtonUp(TMessage& Message) {
    Pressed = false;
    TCustomPanel::Dispatch(Message);
    HitIndex = HitTest(GET_X_LPARAM(Message.LParam));
    if (HitIndex == PressedIndex && Player) Player->Perform(WM_LBUTTONUP, Message.WParam, Message.LParam);
    PressedIndex = HitIndex;
    Repaint();
}

// ---- the painter ----

TSkinMP::~TSkinMP() {
    if (PlayerPanel) PlayerPanel->RemoveFreeNotification(this);
}

void TSkinMP::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    if (Attached) return;
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    if (!Control) return;
    PlayerPanel = new TWMediaPlayer(SkinForm ? static_cast<TComponent*>(SkinForm) : this);
    PlayerPanel->FreeNotification(this);
    PlayerPanel->Player = Control;
    PlayerPanel->Painter = this;
    PlayerPanel->SkinData = SkinData;
    PlayerPanel->SetTag(SkinData->DisableTag());
    PlayerPanel->SetBoundsRect(Control->BoundsRect());
    PlayerPanel->SetParent(Control->Parent());
    PlayerPanel->SetVisible(Control->Visible());
}

void TSkinMP::AfterMessage(TMessage& message) {
    if (message.Msg == WM_WINDOWPOSCHANGED && PlayerPanel) {
        PlayerPanel->SetBoundsRect(Control->BoundsRect());
    } else if (message.Msg == CM_VISIBLECHANGED && PlayerPanel) {
        PlayerPanel->SetVisible(Control->Visible());
    } else {
        TSkinControl::AfterMessage(message);
    }
}

void TSkinMP::RestoreColor() {
    TSkinControl::RestoreColor();
    if (PainterState != kWindowDestroyed && PlayerPanel) delete PlayerPanel;
}

void TSkinMP::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == opRemove && component == PlayerPanel) PlayerPanel = nullptr;
}
