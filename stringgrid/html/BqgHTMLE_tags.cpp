// The opening and closing tags of the markup. A tag is chosen by its first
// one or two letters in any case; attributes are read by HTMLTags.
#include <algorithm>
#include <cctype>

#include "platform/rtl/sysutils.h"
#include "platform/win/userdraw.h"
#include "platform/gdi/wingdi.h"
#include "stringgrid/html/HTMLRenderer.h"
#include "stringgrid/html/HTMLTags.h"
#include "stringgrid/html/PictureContainer.h"

namespace htmlrender {

namespace {

char Letter(const AnsiString& tag, std::size_t at) {
    return at < tag.size() ? char(std::toupper(static_cast<unsigned char>(tag[at]))) : '\0';
}

// A colour written as "#RRGGBB" or as a name.
TColor ColorValue(const AnsiString& value) {
    return !value.empty() && value[0] == '#' ? ColorFromHex(value) : ColorFromName(value);
}

int FontSizeOf(int number) {
    switch (number) {
        case 1: return 8;
        case 2: return 10;
        case 3: return 12;
        case 4: return 14;
        case 5: return 16;
        default: return number;
    }
}

void SetStyle(TFont* font, TFontStyle style, bool on) {
    TFontStyles styles = font->Style();
    if (on)
        styles.Include(style);
    else
        styles.Exclude(style);
    font->SetStyle(styles);
}

}  // namespace

void Renderer::ApplyTag(const AnsiString& tag, Line& line, Pass pass, bool& consume) {
    if (tag.size() > 3 && tag[1] == '/')
        ApplyClosingTag(tag, line, pass);
    else
        ApplyOpeningTag(tag, line, pass, consume);
}

void Renderer::ApplyOpeningTag(const AnsiString& tag, Line& line, Pass pass, bool& consume) {
    TFont* font = canvas_->Font();
    const char first = Letter(tag, 1), second = Letter(tag, 2);
    const bool draws = Draws(pass);
    switch (first) {
        case 'A':
            OpenAnchor(tag, line, pass);
            break;
        case 'B':
            if (second == '>') {
                SetStyle(font, fsBold, true);
            } else if (second == 'R') {
                line.ended = true;
                if (pass == Pass::Layout) r_.PlainText += "\r";
            } else if (second == 'L') {
                if (!p_.Blink) font->SetColor(entryBrushColor_);
            } else if (second == 'O') {
                ApplyBody(tag, pass);
            }
            break;
        case 'C':
            consume = PlaceControl(tag, line, pass);
            break;
        case 'E':
            if (draws) errorMark_ = true;
            break;
        case 'F':
            ApplyFont(tag, pass);
            break;
        case 'H':
            if (second == 'I' && draws) {
                hiSaved_ = true;
                hiFont_ = font->Color();
                hiBrush_ = BrushColorOrNone();
                SetBrushColorOrClear(clHighlight);
                font->SetColor(clHighlightText);
            } else if (second == 'R') {
                line.ended = true;
                if (draws) {
                    TPen* pen = canvas_->Pen();
                    const TColor color = pen->Color();
                    pen->SetColor(clBlack);
                    canvas_->MoveTo(line.rect.left, line.run.bottom + 1);
                    canvas_->LineTo(line.rect.right, line.run.bottom + 1);
                    pen->SetColor(color);
                }
            }
            break;
        case 'I':
            if (second == '>') {
                SetStyle(font, fsItalic, true);
            } else if (second == 'N') {
                bool whole = false;
                const int n = htmltags::LeadingNumber(htmltags::AttributeStartingWith(tag, 'x'), &whole);
                if (whole && n > line.penPos) {
                    line.penPos = n;
                    line.run.left = p_.Rect.left + n;
                }
            } else if (second == 'M') {
                consume = PlaceImage(tag, line, pass);
            }
            break;
        case 'L':
            PlaceBullet(line, pass, consume);
            break;
        case 'P':
            ApplyParagraph(tag, line, pass);
            break;
        case 'R':
            Rotate(tag);
            break;
        case 'S':
            if (second == '>')
                SetStyle(font, fsStrikeOut, true);
            else if (second == 'H')
                shadow_ = true;
            else if (UpperCase(tag.substr(0, 5)) == "<SUB>")
                subscript_ = true;
            else if (UpperCase(tag.substr(0, 5)) == "<SUP>")
                superscript_ = true;
            break;
        case 'U':
            if (second == '>') {
                SetStyle(font, fsUnderline, true);
            } else {
                ++listLevel_;
                line.ended = true;
            }
            break;
        case 'Z':
            hidden_ = true;
            break;
        default:
            break;
    }
}

void Renderer::ApplyClosingTag(const AnsiString& tag, Line& line, Pass pass) {
    TFont* font = canvas_->Font();
    const char first = Letter(tag, 2), second = Letter(tag, 3);
    const bool draws = Draws(pass);
    switch (first) {
        case 'A':
            CloseAnchor(line, pass);
            break;
        case 'B':
            if (second == '>')
                SetStyle(font, fsBold, false);
            else
                font->SetColor(baseFont_.Color());
            break;
        case 'E':
            if (draws) errorMark_ = false;
            break;
        case 'F':
            font->SetName(baseFont_.Name());
            font->SetSize(baseFont_.Size());
            if (draws && !p_.Selected) {
                font->SetColor(baseFont_.Color());
                SetBrushColorOrClear(fontBackground_);
            }
            break;
        case 'H':
            // Without an earlier <HI> there is nothing to return to.
            if (draws && hiSaved_) {
                font->SetColor(hiFont_);
                SetBrushColorOrClear(hiBrush_);
            }
            break;
        case 'I':
            SetStyle(font, fsItalic, false);
            break;
        case 'L':
            line.ended = true;
            break;
        case 'P':
            line.ended = true;
            if (draws) {
                SetBrushColorOrClear(paraBrush_);
                paraBackground_ = false;
            }
            break;
        case 'R':
            EndRotation();
            break;
        case 'S':
            if (second == 'U')
                subscript_ = superscript_ = false;
            else if (second == 'H')
                shadow_ = false;
            else
                SetStyle(font, fsStrikeOut, false);
            break;
        case 'U':
            if (second == '>')
                SetStyle(font, fsUnderline, false);
            else if (listLevel_ > 0)
                --listLevel_;
            else
                SetStyle(font, fsUnderline, false);
            break;
        case 'Z':
            hidden_ = false;
            break;
        default:
            break;
    }
}

void Renderer::OpenAnchor(const AnsiString& tag, Line& line, Pass pass) {
    TFont* font = canvas_->Font();
    const bool draws = Draws(pass);
    if (linkCounter_ == p_.FocusLink && draws) {
        focusOpen_ = true;
        focusLeft_ = line.run.left;
        focusTop_ = line.rect.top;
    }
    ++linkCounter_;
    const bool hovered = p_.HoverLink == linkCounter_;
    if (draws && (!p_.HoverStyle || hovered)) {
        SetStyle(font, fsUnderline, true);
        if (p_.HoverColor != clNone) {
            hoverBrush_ = BrushColorOrNone();
            SetBrushColorOrClear(p_.HoverColor);
        }
        if (p_.HoverFontColor != clNone) {
            hoverFont_ = font->Color();
            font->SetColor(p_.HoverFontColor);
        }
    }
    if (!p_.Selected && !(p_.HoverStyle && p_.HoverFontColor != clNone && hovered)) font->SetColor(p_.URLColor);
    href_ = htmltags::Attribute(tag, "HREF");
    inAnchor_ = true;
    const AnsiString title = htmltags::Attribute(tag, "TITLE");
    if (!title.empty()) r_.AnchorTitle = title;
    anchorStartX_ = line.run.left;
    anchorStartTop_ = line.rect.top;
    anchorStartLine_ = lineNumber_;
    anchorUnderPoint_ = false;
}

void Renderer::CloseAnchor(Line& line, Pass pass) {
    TFont* font = canvas_->Font();
    if (Draws(pass) && (!p_.HoverStyle || p_.HoverLink == linkCounter_)) {
        SetStyle(font, fsUnderline, false);
        if (p_.HoverColor != clNone) SetBrushColorOrClear(hoverBrush_);
        if (p_.HoverFontColor != clNone) font->SetColor(hoverFont_);
    }
    if (!p_.Selected) font->SetColor(baseFont_.Color());
    inAnchor_ = false;
    if (anchorUnderPoint_) {
        const bool startedHere = anchorStartLine_ == lineNumber_;
        lineHovered_ = true;
        lineHoveredLink_ = linkCounter_;
        lineHoverRect_ = Rect(startedHere ? anchorStartX_ : line.rect.left, startedHere ? anchorStartTop_ : line.rect.top,
                              line.rect.left + line.penPos, line.run.bottom);
        anchorUnderPoint_ = false;
    }
    if (focusOpen_ && linkCounter_ == p_.FocusLink + 1) {
        const int bottom = line.run.bottom - line.baselineShift;
        DrawFocusFrame(focusLeft_, bottom - GHHeight(), line.run.left, bottom);
        focusOpen_ = false;
    }
}

void Renderer::ApplyFont(const AnsiString& tag, Pass pass) {
    TFont* font = canvas_->Font();
    const AnsiString face = htmltags::Attribute(tag, "FACE");
    if (!face.empty()) font->SetName(face);
    const AnsiString color = htmltags::Attribute(tag, "COLOR");
    if (!color.empty() && !p_.Selected) font->SetColor(ColorValue(color));
    const AnsiString background = htmltags::Attribute(tag, "BGCOLOR");
    if (!background.empty() && Draws(pass) && !p_.Selected) {
        fontBackground_ = BrushColorOrNone();
        SetBrushColorOrClear(ColorValue(background));
    }
    bool whole = false;
    const int size = htmltags::LeadingNumber(htmltags::LooseAttribute(tag, "SIZE"), &whole);
    if (whole) font->SetSize(FontSizeOf(size));
}

void Renderer::ApplyParagraph(const AnsiString& tag, Line& line, Pass pass) {
    const AnsiString alignment = UpperCase(htmltags::Attribute(tag, "ALIGN"));
    if (Pos("RIGHT", alignment)) align_ = 1;
    if (Pos("LEFT", alignment)) align_ = 0;
    if (Pos("CENTER", alignment)) align_ = 2;
    if (htmltags::HasAttribute(tag, "INDENT"))
        indent_ = htmltags::LeadingNumber(htmltags::LooseAttribute(tag, "INDENT"));
    if (!htmltags::HasAttribute(tag, "BGCOLOR")) return;
    const AnsiString value = htmltags::Attribute(tag, "BGCOLOR");
    const TColor color = value.empty() ? clNone : ColorValue(value);
    if (!Draws(pass)) return;
    paraBackground_ = true;
    paraBrush_ = BrushColorOrNone();
    SetBrushColorOrClear(color);
    if (color != clNone) canvas_->FillRect(Rect(p_.Rect.left, line.rect.top, p_.Rect.right, line.run.bottom));
}

void Renderer::ApplyBody(const AnsiString& tag, Pass pass) {
    if (!Draws(pass)) return;
    const AnsiString background = htmltags::Attribute(tag, "BACKGROUND");
    THTMLPicture* picture =
        background.find(':') == AnsiString::npos || Pos("://", background) ? FindPicture(background) : nullptr;
    if (picture && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
        HDC dc = canvas_->Handle();
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, p_.Rect.left, p_.Rect.top, p_.Rect.right, p_.Rect.bottom);
        for (int y = p_.Rect.top; y < p_.Rect.bottom; y += picture->Height())
            for (int x = p_.Rect.left; x < p_.Rect.right; x += picture->Width()) canvas_->Draw(x, y, picture);
        RestoreDC(dc, saved);
    }
    const AnsiString value = UpperCase(htmltags::Attribute(tag, "BGCOLOR"));
    if (!Pos("CL", value) && !Pos("#", value)) return;
    const TColor color = Pos("CL", value) ? ColorFromName(value) : ColorFromHex(value);
    SetBrushColorOrClear(color);
    TPen* pen = canvas_->Pen();
    const TColor penColor = pen->Color();
    pen->SetColor(color);
    canvas_->Rectangle(p_.Rect);
    pen->SetColor(penColor);
    fontBackground_ = color;
}

void Renderer::PlaceBullet(Line& line, Pass pass, bool& consume) {
    if (line.bulletPlaced) {
        consume = false;
        return;
    }
    line.bulletPlaced = true;
    line.penPos += 12 * listLevel_;
    const int x = line.run.left + 12 * listLevel_ - 12;
    if (Draws(pass)) {
        TFont* font = canvas_->Font();
        const AnsiString name = font->Name();
        font->SetName("Symbol");
        const AnsiString bullet = listLevel_ % 2 ? "\xB7" : "o";
        TRect r = Rect(x, line.run.top, line.run.right, line.run.bottom);
        DrawText(canvas_->Handle(), bullet.data(), 1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        font->SetName(name);
    }
    line.run.left = x + 12;
}

void Renderer::Rotate(const AnsiString& tag) {
    EndRotation();
    const int degrees = htmltags::LeadingNumber(htmltags::AttributeStartingWith(tag, 'a'));
    LOGFONTA font = canvas_->Font()->LogFont();
    font.lfEscapement = font.lfOrientation = degrees * 10;
    rotatedFont_ = CreateFontIndirect(&font);
    fontBeforeRotation_ = HFONT(SelectObject(canvas_->Handle(), rotatedFont_));
}

void Renderer::EndRotation() {
    if (!rotatedFont_) return;
    SelectObject(canvas_->Handle(), fontBeforeRotation_);
    DeleteObject(rotatedFont_);
    rotatedFont_ = fontBeforeRotation_ = 0;
}

}  // namespace htmlrender
