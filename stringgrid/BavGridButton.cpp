// The grid button's looks, layout, mouse handling and groups.
#include "stringgrid/BavGridButton.h"

#include <algorithm>
#include <string>

#include "platform/rtl/sysutils.h"
#include "platform/ui/menus.h"
#include "platform/win/messages.h"
#include "platform/win/userdraw.h"
#include "stringgrid/themes/BavXPVS.h"

int GetXPColorScheme() {
    if (!xpvs::ThemesActive()) return 0;
    WCHAR file[255] = {}, color[255] = {}, size[255] = {};
    xpvs::Theme().GetCurrentThemeName(file, 255, color, 255, size, 255);
    const std::u16string scheme = color;
    if (scheme == u"NormalColor") return 1;
    if (scheme == u"HomeStead") return 2;
    if (scheme == u"Metallic") return 3;
    return 0;
}

void DrawButtonGradient(TCanvas* canvas, TColor fromColor, TColor toColor, bool horizontal, const TRect& rect,
                        int bands, TColor border) {
    if (bands <= 0) bands = 1;
    const COLORREF from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
    auto channel = [bands](int i, int shift, COLORREF a, COLORREF b) {
        const int low = (a >> shift) & 0xFF, high = (b >> shift) & 0xFF;
        return int(low + Round(double(i) * (high - low) / bands));
    };
    canvas->Brush()->SetStyle(bsSolid);
    const int extent = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    for (int i = 0; i < bands; ++i) {
        canvas->Brush()->SetColor(TColor(RGB(channel(i, 0, from, to), channel(i, 8, from, to), channel(i, 16, from, to))));
        const int start = int(Round(double(i) * extent / bands));
        const int width = int(Round(double(extent) / bands)) + 1;
        TRect band = rect;
        if (horizontal) {
            band.left = rect.left + start;
            band.right = std::min<int>(band.left + width, rect.right);
        } else {
            band.top = rect.top + start;
            band.bottom = std::min<int>(band.top + width, rect.bottom);
        }
        canvas->FillRect(band);
    }
    if (border == clNone) return;
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(border);
    canvas->Rectangle(rect);
}

TBavGridButton::TBavGridButton(TComponent* owner)
    : TGraphicControl(owner),
      glyph_(std::make_unique<TBitmap>()),
      glyphHot_(std::make_unique<TBitmap>()),
      glyphDown_(std::make_unique<TBitmap>()),
      glyphDisabled_(std::make_unique<TBitmap>()),
      shade_(std::make_unique<TBitmap>()) {
    glyph_->SetOnChange([this](TObject*) { Invalidate(); });
    SetBounds(0, 0, 22, 23);
    TControlStyle style;
    style.Include(csCaptureMouse);
    style.Include(csDoubleClicks);
    SetControlStyle(style);
    SetColor(clBtnFace);
    SetParentFont(true);
}

void TBavGridButton::SetAllowAllUp(bool v) {
    if (allowAllUp_ == v) return;
    allowAllUp_ = v;
    UpdateExclusive();
}

void TBavGridButton::SetGroupIndex(Integer v) {
    if (groupIndex_ == v) return;
    groupIndex_ = v;
    UpdateExclusive();
}

void TBavGridButton::SetAutoThemeAdapt(bool v) {
    autoThemeAdapt_ = v;
    if (v) ThemeAdapt();
}

void TBavGridButton::SetDropDownMenu(TPopupMenu* v) {
    dropDownMenu_ = v;
    if (v) v->FreeNotification(this);
}

void TBavGridButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TBavGridButton::SetMargin(Integer v) {
    if (v < -1 || v == margin_) return;
    margin_ = v;
    Invalidate();
}

void TBavGridButton::SetShaded(bool v) {
    shaded_ = v;
    if (v && !ComponentState().Contains(csLoading)) CreateShade();
}

void TBavGridButton::Loaded() {
    TGraphicControl::Loaded();
    if (shaded_) CreateShade();
    if (autoThemeAdapt_) ThemeAdapt();
}

void TBavGridButton::SetGlyph(TBitmap* v) {
    glyph_->Assign(v);
    if (glyphDisabled_->Empty() && !glyph_->Empty()) {
        glyphDisabled_->Assign(glyph_.get());
        TCanvas* canvas = glyphDisabled_->Canvas();
        for (int y = 0; y < glyphDisabled_->Height(); ++y)
            for (int x = 0; x < glyphDisabled_->Width(); ++x) {
                const COLORREF c = ColorToRGB(canvas->Pixels(x, y));
                const int grey = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3 / 2 + 96;
                canvas->SetPixels(x, y, TColor(RGB(grey, grey, grey)));
            }
    }
    Invalidate();
}

// Every pixel other than the glyph's transparent colour (its bottom-left
// pixel) becomes grey; the rest keeps that colour, so the shade draws
// transparently like the glyph.
void TBavGridButton::CreateShade() {
    if (glyph_->Empty()) return;
    shade_->Assign(glyph_.get());
    TCanvas* canvas = shade_->Canvas();
    const TColor transparent = canvas->Pixels(0, shade_->Height() - 1);
    for (int y = 0; y < shade_->Height(); ++y)
        for (int x = 0; x < shade_->Width(); ++x)
            if (canvas->Pixels(x, y) != transparent) canvas->SetPixels(x, y, clGray);
    shade_->SetTransparent(true);
}

void TBavGridButton::SetColorStyle(int style) {
    struct Look {
        TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
    };
    const TColor clNo = clNone;
    const Look blue{TColor(0xFDEADA), TColor(0xE4AE88), TColor(0xCCF4FF), TColor(0x91D0FF), TColor(0x4E91FE),
                    TColor(0x8ED3FF), TColor(0x8ED3FF), TColor(0x55ADFF), clBlack, clBlack};
    Look look;
    switch (style) {
    case 0:
        look = {TColor(0xEDF1F1), TColor(0xDFEBEB), TColor(0xFAFCFC), TColor(0xE5ECED), TColor(0xE0E6E7),
                TColor(0xD8E0E1), clWhite, clNo, TColor(0xAF987A), TColor(0xC3CECE)};
        break;
    case 1:
        look = {clBtnFace, clNo, TColor(0xEED2C1), clNo, TColor(0xE2B598), clNo, TColor(0xE8E6E1), clNo,
                TColor(0xC56A31), TColor(0xC56A31)};
        break;
    case 2: look = blue; break;
    case 3:
        look = blue;
        look.color = TColor(0xCFF0EA);
        look.colorTo = TColor(0x8CC0B1);
        break;
    case 4:
        look = blue;
        look.color = TColor(0xECE2E1);
        look.colorTo = TColor(0xB39698);
        break;
    case 5:
        look = {clBtnFace, clNo, clBtnFace, clNo, TColor(0xD8D3D2), clNo, TColor(0xCAC7C7), clNo, clNo, clNo};
        break;
    case 6:
        look = {TColor(0xCAFFFF), TColor(0xA6FFFF), TColor(0xA8F0FD), TColor(0x7CE9FC), TColor(0x4DE0FB),
                TColor(0x7AE9FC), TColor(0xB5E6F2), TColor(0x9CDDED), clGray, clGray};
        break;
    default: return;
    }
    SetColor(look.color);
    colorTo_ = look.colorTo;
    colorHot_ = look.hot;
    colorHotTo_ = look.hotTo;
    colorDown_ = look.down;
    colorDownTo_ = look.downTo;
    colorChecked_ = look.checked;
    colorCheckedTo_ = look.checkedTo;
    borderDownColor_ = look.borderDown;
    borderHotColor_ = look.borderHot;
    borderColor_ = clNone;
    flat_ = true;
    rounded_ = style == 0;
    Invalidate();
}

void TBavGridButton::ThemeAdapt() {
    const int scheme = GetXPColorScheme();
    SetColorStyle(scheme >= 1 && scheme <= 3 ? scheme + 1 : 1);
}

void TBavGridButton::CalcButtonLayout(const TRect& client, const TPoint& offset, TPoint& glyphPos,
                                      TRect& textBounds, UINT biDiFlags) {
    TButtonLayout layout = layout_;
    if (biDiFlags & DT_RIGHT) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }
    const TPoint clientSize{client.right - client.left, client.bottom - client.top};
    const TPoint glyphSize = glyph_->Empty() ? TPoint{0, 0} : TPoint{glyph_->Width(), glyph_->Height()};
    TPoint textSize{0, 0};
    textBounds = TRect{0, 0, 0, 0};
    if (!Caption().empty()) {
        textBounds = TRect{0, 0, client.right - client.left, 0};
        DrawText(Canvas()->Handle(), Caption().c_str(), -1, &textBounds, DT_CALCRECT | biDiFlags);
        textSize = {textBounds.right - textBounds.left, textBounds.bottom - textBounds.top};
    }
    const bool across = layout == blGlyphLeft || layout == blGlyphRight;
    // `along` is the axis glyph and caption share; the other centres both.
    auto along = [across](TPoint& p) -> LONG& { return across ? p.x : p.y; };
    auto other = [across](TPoint& p) -> LONG& { return across ? p.y : p.x; };
    TPoint glyphAt, textAt;
    TPoint cs = clientSize, gs = glyphSize, ts = textSize;
    other(glyphAt) = (other(cs) - other(gs) + 1) / 2;
    other(textAt) = (other(cs) - other(ts) + 1) / 2;
    int spacing = spacing_, margin = margin_;
    if (along(ts) == 0 || along(gs) == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (along(cs) - (along(gs) + along(ts))) / 3;
            spacing = margin;
        } else {
            margin = (along(cs) - (along(gs) + spacing + along(ts)) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (along(cs) - (margin + along(gs)) - along(ts)) / 2;
    }
    if (layout == blGlyphLeft || layout == blGlyphTop) {
        along(glyphAt) = margin;
        along(textAt) = margin + along(gs) + spacing;
    } else {
        along(glyphAt) = along(cs) - margin - along(gs);
        along(textAt) = along(glyphAt) - spacing - along(ts);
    }
    glyphPos = {glyphAt.x + client.left + offset.x, glyphAt.y + client.top + offset.y};
    const LONG textLeft = textAt.x + client.left + offset.x, textTop = textAt.y + client.top + offset.y;
    textBounds = TRect{textLeft, textTop, textLeft + textSize.x, textTop + textSize.y};
}

void TBavGridButton::DrawGlyph(const TPoint& at) {
    const bool designing = ComponentState().Contains(csDesigning);
    TBitmap* bitmap = glyph_.get();
    if (state_ == bsDown || state_ == bsExclusive)
        bitmap = glyphDown_.get();
    else if (mouseInControl_ && !designing)
        bitmap = glyphHot_.get();
    else if (!Enabled())
        bitmap = glyphDisabled_.get();
    if (bitmap->Empty()) bitmap = glyph_.get();
    if (bitmap->Empty()) return;
    const bool noCaption = Caption().empty();
    if (shaded_ && Enabled() && mouseInControl_ && state_ != bsDown && !shade_->Empty())
        Canvas()->Draw(noCaption ? at.x : at.x + 2, noCaption ? at.y : at.y + 2, shade_.get());
    bitmap->SetTransparent(true);
    Canvas()->Draw(noCaption ? 0 : at.x, noCaption ? 0 : at.y, bitmap);
}

void TBavGridButton::DrawButtonText(TRect bounds, UINT biDiFlags) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    const UINT flags = biDiFlags | DT_CENTER | DT_VCENTER;
    if (state_ == bsDisabled) {
        TRect raised = bounds;
        OffsetRect(&raised, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas->Handle(), Caption().c_str(), -1, &raised, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawText(canvas->Handle(), Caption().c_str(), -1, &bounds, flags);
}

// The flat face: a hot, checked or normal gradient or fill with its border,
// square or rounded.
void TBavGridButton::DrawFace(TRect& r) {
    TCanvas* canvas = Canvas();
    const bool hot = mouseInControl_ && Enabled() && !ComponentState().Contains(csDesigning);
    if (borderDownColor_ == clNone || rounded_) InflateRect(&r, -1, -1);
    canvas->Pen()->SetWidth(1);
    if (hot) {
        TColor brush = colorHot_, to = colorHotTo_, pen = borderHotColor_;
        if (state_ == bsDown) {
            brush = colorDown_;
            to = colorDownTo_;
            pen = borderDownColor_;
        }
        if (style_ == tasCheck && down_ && state_ != bsDown) {
            brush = colorChecked_;
            to = colorCheckedTo_;
            pen = borderDownColor_;
        }
        if (rounded_) pen = clNone;
        if (to != clNone) {
            DrawButtonGradient(canvas, brush, to, false, r, 16, pen);
        } else {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(brush);
            canvas->Pen()->SetColor(pen == clNone ? brush : pen);
            canvas->Rectangle(r);
        }
        const TColor border = state_ == bsDown ? borderDownColor_ : borderHotColor_;
        if (rounded_) {
            InflateRect(&r, 1, 1);
            canvas->Brush()->SetStyle(bsClear);
            canvas->Pen()->SetColor(border);
            canvas->RoundRect(r.left, r.top, r.right, r.bottom, 8, 8);
        }
        if (dropDownButton_) {
            canvas->Pen()->SetColor(border);
            canvas->MoveTo(r.right - 12, r.top);
            canvas->LineTo(r.right - 12, r.bottom);
        }
    } else if (style_ == tasCheck && down_) {
        if (colorCheckedTo_ != clNone) {
            DrawButtonGradient(canvas, colorChecked_, colorCheckedTo_, false, r, 16, borderDownColor_);
        } else {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(colorChecked_);
            canvas->Pen()->SetColor(borderDownColor_ == clNone ? colorChecked_ : borderDownColor_);
            canvas->Rectangle(r);
        }
    } else {
        if (colorTo_ != clNone) {
            TColor border = down_ ? borderDownColor_ : borderColor_;
            if (rounded_) border = clNone;
            DrawButtonGradient(canvas, Color(), colorTo_, false, r, 16, border);
        } else {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(r);
        }
        if (borderColor_ != clNone) {
            canvas->Brush()->SetStyle(bsClear);
            canvas->Pen()->SetColor(borderColor_);
            if (rounded_) {
                InflateRect(&r, 1, 1);
                canvas->RoundRect(r.left, r.top, r.right, r.bottom, 8, 8);
            } else {
                canvas->Rectangle(r);
            }
        }
    }
    InflateRect(&r, -1, -1);
}

void TBavGridButton::Paint() {
    const bool designing = ComponentState().Contains(csDesigning);
    if (!Enabled()) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
    }
    if (style_ == tasCheck && down_) state_ = bsDown;
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TRect r{0, 0, Width(), Height()};
    const bool pressed = state_ == bsDown || state_ == bsExclusive;
    if (flat_) {
        DrawFace(r);
    } else if (!autoXPStyle_ || !xpvs::ThemesActive() || !Parent() ||
               !xpvs::DrawPart(Parent()->Handle(), canvas->Handle(), u"button", BP_PUSHBUTTON,
                               pressed ? PBS_PRESSED : mouseInControl_ ? PBS_HOT : PBS_NORMAL, r)) {
        const UINT flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0);
        DrawFrameControl(canvas->Handle(), &r, DFC_BUTTON, flags);
    }
    TPoint offset{0, 0};
    if (pressed) {
        if (state_ == bsExclusive && (!flat_ || !mouseInControl_)) {
            InflateRect(&r, 1, 1);
            if (colorCheckedTo_ != clNone) {
                DrawButtonGradient(canvas, colorChecked_, colorCheckedTo_, false, r, 16,
                                   down_ ? borderDownColor_ : borderColor_);
            } else {
                canvas->Brush()->SetStyle(bsSolid);
                canvas->Brush()->SetColor(colorChecked_);
                canvas->FillRect(r);
            }
        }
        if (!flat_ && !designing) offset = {1, 1};
    } else if (flat_ && Enabled() && shaded_ && mouseInControl_ && !designing) {
        offset = {-1, -1};
    }
    if (dropDownButton_) {
        const int middle = r.top + (r.bottom - r.top) / 2;
        const TPoint arrow[] = {{r.right - 8, middle - 1}, {r.right - 4, middle - 1}, {r.right - 6, middle + 1}};
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Font()->Color());
        canvas->Pen()->SetColor(Font()->Color());
        canvas->Polygon(arrow, 3);
        r.right -= 12;
    }
    const UINT biDiFlags = BiDiMode() == bdLeftToRight ? 0u : UINT(DT_RIGHT | DT_RTLREADING);
    TPoint glyphPos;
    TRect textBounds;
    CalcButtonLayout(r, offset, glyphPos, textBounds, biDiFlags);
    if (Caption().empty()) glyphPos = {0, 0};
    DrawGlyph(glyphPos);
    if (flat_ && shaded_ && Enabled() && mouseInControl_ && state_ != bsDown && state_ != bsExclusive && !designing)
        OffsetRect(&textBounds, 1, 1);
    if (showCaption_) DrawButtonText(textBounds, biDiFlags);
}

void TBavGridButton::SetDown(bool v) {
    if (groupIndex_ == 0 && style_ == tasButton) v = false;
    if (style_ == tasCheck) {
        down_ = v;
        Invalidate();
        return;
    }
    if (v == down_ || (down_ && !allowAllUp_)) return;
    down_ = v;
    if (v) {
        if (state_ == bsUp) Invalidate();
        state_ = bsExclusive;
        UpdateExclusive();
    } else {
        state_ = bsUp;
        Invalidate();
    }
}

void TBavGridButton::UpdateExclusive() {
    if (groupIndex_ == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        Parent()->Controls(i)->Perform(CM_BUTTONPRESSED, WPARAM(groupIndex_), LPARAM(this));
}

void TBavGridButton::ButtonPressed(TMessage& message) {
    auto* sender = reinterpret_cast<TBavGridButton*>(message.LParam);
    if (Integer(message.WParam) != groupIndex_ || sender == this) return;
    if (sender->down_ && down_) {
        auto* action = dynamic_cast<TCustomAction*>(Action());
        const bool linked = action && ActionLink()->IsCheckedLinked();
        down_ = false;
        state_ = bsUp;
        if (linked) action->SetChecked(false);
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TBavGridButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    if (dropDownButton_ && x > ClientWidth() - 12) {
        state_ = bsUp;
        mouseInControl_ = false;
        Invalidate();
        if (onDropDown_) onDropDown_(this);
        if (dropDownMenu_) {
            const TPoint at = ClientToScreen(TPoint{0, Height()});
            dropDownMenu_->Popup(at.x, at.y);
        }
        return;
    }
    if (style_ == tasCheck) {
        state_ = bsDown;
        Repaint();
    } else if (!down_) {
        state_ = bsDown;
        Invalidate();
    }
    dragging_ = true;
}

void TBavGridButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (dragging_) {
        TState state = down_ ? bsExclusive : bsUp;
        if (Inside(x, y)) state = down_ ? bsExclusive : bsDown;
        if (style_ == tasCheck && down_) state = bsDown;
        if (state != state_) {
            state_ = state;
            Invalidate();
        }
    } else if (!mouseInControl_) {
        UpdateTracking();
    }
}

void TBavGridButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!dragging_) return;
    dragging_ = false;
    const bool clicked = Inside(x, y);
    if (groupIndex_ == 0) {
        state_ = bsUp;
        mouseInControl_ = false;
        if (style_ == tasCheck && clicked) down_ = !down_;
        if (clicked && state_ != bsDown && state_ != bsExclusive) Invalidate();
    } else if (clicked) {
        SetDown(!down_);
        if (down_) Repaint();
    } else if (down_) {
        state_ = bsExclusive;
        Invalidate();
    }
    if (clicked) Click();
    UpdateTracking();
}

void TBavGridButton::UpdateTracking() {
    if (!flat_ || !Enabled()) return;
    TPoint at;
    GetCursorPos(&at);
    const bool inside = FindDragTarget(at, true) == this;
    if (inside == mouseInControl_) return;
    Perform(inside ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TBavGridButton::MouseEnter() {
    if (flat_ && Enabled() && !mouseInControl_ && DragMode() != dmAutomatic && !GetCapture()) {
        mouseInControl_ = true;
        Invalidate();
    }
    if (onMouseEnter_) onMouseEnter_(this);
}

void TBavGridButton::MouseLeave() {
    if (flat_ && Enabled() && mouseInControl_ && !dragging_) {
        mouseInControl_ = false;
        Invalidate();
    }
    if (onMouseLeave_) onMouseLeave_(this);
}

void TBavGridButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_BUTTONPRESSED: ButtonPressed(message); return;
    case CM_MOUSEENTER: MouseEnter(); break;
    case CM_MOUSELEAVE: MouseLeave(); break;
    case WM_LBUTTONDBLCLK:
        // The platform's double click fires DblClick for a control that
        // takes double clicks; this button answers one only while down, and
        // is otherwise pressed again.
        if (!down_) {
            message.Msg = WM_LBUTTONDOWN;
            TGraphicControl::WndProc(message);
            message.Msg = WM_LBUTTONDBLCLK;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        UpdateTracking();
        Invalidate();
        break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE: Invalidate(); break;
    case CM_DIALOGCHAR:
        if (IsAccel(WORD(message.WParam), Caption()) && Enabled() && Visible() && Parent() && Parent()->Showing()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
        if (autoThemeAdapt_) ThemeAdapt();
        break;
    }
    TGraphicControl::WndProc(message);
}

void TBavGridButton::Published(TPublished<TBavGridButton>& p) {
    p.Property("AllowAllUp", &TBavGridButton::AllowAllUp, &TBavGridButton::SetAllowAllUp).Default(false);
    p.Property("AutoThemeAdapt", &TBavGridButton::AutoThemeAdapt, &TBavGridButton::SetAutoThemeAdapt).Default(false);
    p.Property("AutoXPStyle", &TBavGridButton::AutoXPStyle, &TBavGridButton::SetAutoXPStyle).Default(false);
    p.Property("BorderColor", &TBavGridButton::BorderColor, &TBavGridButton::SetBorderColor).Default(clNone);
    p.Property("BorderDownColor", &TBavGridButton::BorderDownColor, &TBavGridButton::SetBorderDownColor).Default(clNone);
    p.Property("BorderHotColor", &TBavGridButton::BorderHotColor, &TBavGridButton::SetBorderHotColor).Default(clNone);
    p.Property("ColorTo", &TBavGridButton::ColorTo, &TBavGridButton::SetColorTo).Default(clNone);
    p.Property("ColorDown", &TBavGridButton::ColorDown, &TBavGridButton::SetColorDown).Default(TColor(0xD8D3D2));
    p.Property("ColorDownTo", &TBavGridButton::ColorDownTo, &TBavGridButton::SetColorDownTo).Default(clNone);
    p.Property("ColorHot", &TBavGridButton::ColorHot, &TBavGridButton::SetColorHot).Default(TColor(0xCAC7C7));
    p.Property("ColorHotTo", &TBavGridButton::ColorHotTo, &TBavGridButton::SetColorHotTo).Default(clNone);
    p.Property("ColorChecked", &TBavGridButton::ColorChecked, &TBavGridButton::SetColorChecked).Default(clGray);
    p.Property("ColorCheckedTo", &TBavGridButton::ColorCheckedTo, &TBavGridButton::SetColorCheckedTo).Default(clNone);
    p.Property("GroupIndex", &TBavGridButton::GroupIndex, &TBavGridButton::SetGroupIndex).Default(0);
    p.Property("Down", &TBavGridButton::Down, &TBavGridButton::SetDown).Default(false);
    p.Property("DropDownButton", &TBavGridButton::DropDownButton, &TBavGridButton::SetDropDownButton).Default(false);
    p.Property("DropDownMenu", &TBavGridButton::DropDownMenu, &TBavGridButton::SetDropDownMenu);
    p.Property("Flat", &TBavGridButton::Flat, &TBavGridButton::SetFlat).Default(true);
    p.Property("Glyph", &TBavGridButton::Glyph, &TBavGridButton::SetGlyph);
    p.Property("GlyphHot", &TBavGridButton::GlyphHot, &TBavGridButton::SetGlyphHot);
    p.Property("GlyphDown", &TBavGridButton::GlyphDown, &TBavGridButton::SetGlyphDown);
    p.Property("GlyphDisabled", &TBavGridButton::GlyphDisabled, &TBavGridButton::SetGlyphDisabled);
    p.Property("Layout", &TBavGridButton::Layout, &TBavGridButton::SetLayout).Default(blGlyphLeft);
    p.Property("Margin", &TBavGridButton::Margin, &TBavGridButton::SetMargin).Default(-1);
    p.Property("Rounded", &TBavGridButton::Rounded, &TBavGridButton::SetRounded).Default(false);
    p.Property("Shaded", &TBavGridButton::Shaded, &TBavGridButton::SetShaded).Default(true);
    p.Property("ShowCaption", &TBavGridButton::ShowCaption, &TBavGridButton::SetShowCaption).Default(true);
    p.Property("Spacing", &TBavGridButton::Spacing, &TBavGridButton::SetSpacing).Default(4);
    p.Property("Style", &TBavGridButton::Style, &TBavGridButton::SetStyle).Default(tasButton);
    p.Property("OnMouseEnter", &TBavGridButton::OnMouseEnter, &TBavGridButton::SetOnMouseEnter);
    p.Property("OnMouseLeave", &TBavGridButton::OnMouseLeave, &TBavGridButton::SetOnMouseLeave);
    p.Property("OnDropDown", &TBavGridButton::OnDropDown, &TBavGridButton::SetOnDropDown);
}

// ---- Action link -----------------------------------------------------------------------------

TBavGridButtonActionLink::TBavGridButtonActionLink(TBavGridButton* client)
    : TControlActionLink(client), button_(client) {}

bool TBavGridButtonActionLink::IsCheckedLinked() const {
    return TControlActionLink::IsCheckedLinked() && button_->GroupIndex() != 0 && button_->AllowAllUp() &&
           button_->Down() == CustomAction()->Checked();
}

bool TBavGridButtonActionLink::IsGroupIndexLinked() const {
    return TControlActionLink::IsGroupIndexLinked() && button_->GroupIndex() == CustomAction()->GroupIndex();
}

void TBavGridButtonActionLink::SetChecked(bool value) { button_->SetDown(value); }

void TBavGridButtonActionLink::SetGroupIndex(Integer value) { button_->SetGroupIndex(value); }

std::unique_ptr<TControlActionLink> TBavGridButton::MakeActionLink() {
    return std::make_unique<TBavGridButtonActionLink>(this);
}
