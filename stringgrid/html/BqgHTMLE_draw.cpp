// DrawHTMLText: preparation of the markup, the two passes of every line, and
// the text runs of the line engine.
#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/win/userdraw.h"
#include "platform/gdi/wingdi.h"
#include "stringgrid/html/HTMLRenderer.h"

namespace htmlrender {

namespace {

AnsiString ReplaceAll(const AnsiString& s, const AnsiString& from, const AnsiString& to) {
    return StringReplace(s, from, to, rfReplaceAll);
}

// Entities of the whole text become the system code page's characters, so
// a sign never merges with the byte after it; field marks "<#name>" show as
// "#name"; CR is a line break and LF is dropped.
AnsiString PrepareMarkup(const AnsiString& text) {
    static const std::pair<const char*, const char*> entities[] = {
        {"&amp;", "&"},  {"&quot;", "\""}, {"&sect;", "§"},  {"&permil;", "‰"}, {"&reg;", "®"},
        {"&copy;", "©"}, {"&para;", "¶"},  {"&trade;", "™"}, {"&euro;", "€"},
    };
    AnsiString s = text;
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& [entity, character] : entities) {
            if (Pos(entity, s) == 0) continue;
            s = ReplaceAll(s, entity, character);
            changed = true;
        }
    }
    for (std::size_t at = s.find("<#"); at != AnsiString::npos; at = s.find("<#", at)) {
        std::size_t close = s.find('>', at);
        if (close == AnsiString::npos) break;
        s.erase(close, 1);
        s.erase(at, 1);
    }
    return ReplaceAll(ReplaceAll(s, "\r", "<BR>"), "\n", "");
}

// The entities that must not break words or open tags, decoded per run.
AnsiString DecodeRunEntities(const AnsiString& run) {
    return ReplaceAll(ReplaceAll(ReplaceAll(run, "&nbsp;", " "), "&lt;", "<"), "&gt;", ">");
}

bool InBand(int y, int top, int bottom) { return top < y && y < bottom; }

}  // namespace

Renderer::Renderer(const THTMLDrawParams& params, THTMLDrawResult& result)
    : p_(params), r_(result), canvas_(params.Canvas) {}

Renderer::~Renderer() { EndRotation(); }

Renderer::LineStart Renderer::SaveLineStart() const {
    return {inAnchor_, href_, linkCounter_, imageCounter_, listLevel_, hidden_, subscript_, superscript_};
}

void Renderer::RestoreLineStart(const LineStart& start) {
    inAnchor_ = start.inAnchor;
    href_ = start.href;
    linkCounter_ = start.linkCounter;
    imageCounter_ = start.imageCounter;
    listLevel_ = start.listLevel;
    hidden_ = start.hidden;
    subscript_ = start.subscript;
    superscript_ = start.superscript;
}

bool Renderer::Run() {
    TPen* pen = canvas_->Pen();
    const TColor penColor = pen->Color();
    const int penWidth = pen->Width();
    const TColor brushColor = BrushColorOrNone();
    baseFont_.Assign(canvas_->Font());
    entryBrushColor_ = canvas_->Brush()->Color();
    SetBrushColorOrClear(clNone);
    SetBkMode(canvas_->Handle(), TRANSPARENT);

    r_.AnchorTitle.clear();
    r_.FocusAnchor.clear();
    r_.PlainText.clear();
    r_.MaxLineWidth = r_.TotalHeight = r_.LinkCount = 0;
    r_.HoveredLink = -1;
    r_.ControlRect = TRect{};
    r_.ControlValue.clear();
    r_.ControlType.clear();
    requestedControlID_ = r_.ControlID;
    if (!p_.HitTestOnly) r_.ControlID.clear();
    format_ = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_NOPREFIX |
              (p_.WordWrap ? 0 : DT_END_ELLIPSIS);

    AnsiString markup = PrepareMarkup(p_.HTMLText);
    layoutFont_ = std::make_unique<TFont>();
    layoutFont_->Assign(canvas_->Font());
    drawFont_ = std::make_unique<TFont>();
    drawFont_->Assign(canvas_->Font());
    bool hit = false;
    int top = p_.Rect.top;
    while (!markup.empty()) {
        const LineStart start = SaveLineStart();
        canvas_->Font()->Assign(layoutFont_.get());
        Line layout;
        layout.rect = Rect(p_.Rect.left + 1, top, p_.Rect.right, p_.Rect.bottom);
        layout.gh = layout.height = GHHeight();
        DrawHTMLLine(markup, layout, Pass::Layout);
        layoutFont_->Assign(canvas_->Font());

        int x = p_.Rect.left + 1;
        if (align_ == 1) x = std::max(x, p_.Rect.right - layout.penPos);
        if (align_ == 2 && p_.Rect.right - x - layout.penPos > 0) x += (p_.Rect.right - x - layout.penPos) / 2;
        x += indent_;
        const int band = layout.height + layout.subAllowance + layout.supAllowance;
        auto confirmAnchor = [&](const Line& line) {
            if (!InBand(p_.YPos, top, top + band)) return;
            if (line.pointOnAnchor) r_.Anchor = line.pointHref;
            if (lineHovered_) {
                r_.HoveredLink = lineHoveredLink_;
                r_.HoverRect = lineHoverRect_;
            }
        };
        confirmAnchor(layout);

        if (!p_.MeasureOnly) {
            RestoreLineStart(start);
            canvas_->Font()->Assign(drawFont_.get());
            Line second;
            second.rect = Rect(x, top, p_.Rect.right, top + band);
            second.gh = GHHeight();
            second.height = layout.height;
            second.subAllowance = layout.subAllowance;
            second.supAllowance = layout.supAllowance;
            second.baselineShift = layout.baselineShift;
            AnsiString lineMarkup = layout.consumed;
            DrawHTMLLine(lineMarkup, second, p_.HitTestOnly ? Pass::HitTest : Pass::Draw);
            drawFont_->Assign(canvas_->Font());
            const int baseline = top + band - layout.baselineShift;
            hit = hit || second.onItem || (second.onAnchorText && InBand(p_.YPos, baseline - layout.gh, baseline));
            if (p_.HitTestOnly) confirmAnchor(second);
        }
        top += band;
        r_.TotalHeight += band;
        ++lineNumber_;
        if (!p_.MeasureOnly && top + layout.gh > p_.Rect.bottom) markup.clear();
    }
    r_.LinkCount = linkCounter_;
    EndRotation();
    canvas_->Font()->Assign(&baseFont_);
    if (r_.TotalHeight == 0) r_.TotalHeight = GHHeight();
    pen->SetColor(penColor);
    pen->SetWidth(penWidth);
    SetBrushColorOrClear(brushColor);
    return !p_.MeasureOnly && hit;
}

void Renderer::DrawHTMLLine(AnsiString& markup, Line& line, Pass pass) {
    line.run = line.rect;
    line.run.bottom -= line.subAllowance;
    lineHovered_ = false;
    anchorUnderPoint_ = false;
    if (focusOpen_ && Draws(pass)) focusLeft_ = line.rect.left + 1;
    if (paraBackground_ && Draws(pass) && BrushColorOrNone() != clNone)
        canvas_->FillRect(Rect(p_.Rect.left, line.rect.top, p_.Rect.right, line.rect.top + line.height));
    while (!markup.empty() && !line.ended) {
        if (markup[0] != '<') {
            if (!PlaceTextRun(markup, line, pass)) break;
            continue;
        }
        const std::size_t close = markup.find('>');
        if (markup.size() < 3 || close == AnsiString::npos) {
            markup.clear();
            break;
        }
        const AnsiString tag = markup.substr(0, close + 1);
        bool consume = true;
        ApplyTag(tag, line, pass, consume);
        if (!consume) {
            line.ended = true;
            break;
        }
        line.consumed += tag;
        markup.erase(0, close + 1);
    }
    line.penPos -= line.trailingBlank;
    if (pass == Pass::Layout) r_.MaxLineWidth = std::max(r_.MaxLineWidth, line.penPos);
    if (focusOpen_ && Draws(pass)) {
        DrawFocusFrame(focusLeft_, focusTop_, line.run.left, line.run.bottom);
        focusTop_ = line.run.bottom;
    }
}

bool Renderer::PlaceTextRun(AnsiString& markup, Line& line, Pass pass) {
    AnsiString raw = markup.substr(0, markup.find('<'));
    if (p_.WordWrap) {
        const std::size_t blank = raw.find(' ');
        if (blank != AnsiString::npos) raw.erase(blank + 1);
    }
    auto consume = [&] {
        line.consumed += raw;
        markup.erase(0, raw.size());
    };
    if (hidden_) {
        consume();
        return true;
    }
    const AnsiString text = DecodeRunEntities(raw);
    const int h = TextHeight(text);
    line.height = std::max(line.height, h);
    if (subscript_) line.subAllowance = std::max(line.subAllowance, h / 4);
    if (superscript_) line.supAllowance = std::max(line.supAllowance, h / 4);

    int w;
    HDC dc = canvas_->Handle();
    if (!Draws(pass)) {
        RECT measured = Rect(0, 0, 0, 0);
        DrawText(dc, text.data(), int(text.size()), &measured, (format_ & ~DT_END_ELLIPSIS) | DT_CALCRECT);
        w = measured.right;
        const int px = p_.XPos - line.rect.left;
        if (inAnchor_ && line.penPos <= px && px <= line.penPos + w) {
            line.onAnchorText = true;
            if (p_.YPos > line.rect.top) {
                line.pointOnAnchor = true;
                line.pointHref = href_;
                anchorUnderPoint_ = true;
            }
        }
    } else {
        TRect r = line.run;
        if (superscript_) r.bottom -= line.supAllowance;
        if (subscript_) r.bottom += line.subAllowance;
        r.bottom -= line.baselineShift;
        if (shadow_) {
            const TColor color = canvas_->Font()->Color();
            canvas_->Font()->SetColor(p_.ShadowColor);
            TRect shadowRect = Rect(r.left + p_.ShadowOffset, r.top + p_.ShadowOffset, r.right + p_.ShadowOffset,
                                    r.bottom + p_.ShadowOffset);
            DrawText(canvas_->Handle(), text.data(), int(text.size()), &shadowRect, format_);
            canvas_->Font()->SetColor(color);
        }
        TRect drawn = r;
        DrawText(canvas_->Handle(), text.data(), int(text.size()), &drawn, format_);
        RECT measured = Rect(0, 0, 0, 0);
        DrawText(canvas_->Handle(), text.data(), int(text.size()), &measured, (format_ & ~DT_END_ELLIPSIS) | DT_CALCRECT);
        w = measured.right;
        if (inAnchor_ && linkCounter_ == p_.FocusLink + 1) r_.FocusAnchor = href_;
        if (errorMark_) DrawErrorMark(r.left, r.left + w, r.bottom);
    }
    line.penPos += w;
    line.run.left += w;

    const bool firstText = line.text.empty();
    bool dropRest = false;
    if (pass == Pass::Layout) {
        const int width = line.rect.right - line.rect.left;
        // A word never parts from the text it touches, and a word wider
        // than the line stands alone on its own line.
        const bool fits = line.penPos < width || (firstText && w >= width) ||
                          (!firstText && line.text.back() != ' ');
        if (!fits && p_.WordWrap) {
            line.penPos -= w;
            line.run.left -= w;
            line.ended = true;
            return false;
        }
        r_.PlainText += text;
        // Without word wrap an overflowing run ends in the ellipsis and
        // nothing after it is shown.
        dropRest = !fits && !firstText;
    }
    line.text += text;
    line.trailingBlank = !raw.empty() && raw.back() == ' ' ? canvas_->TextWidth(" ") : 0;
    consume();
    if (dropRest) markup.clear();
    return true;
}

void Renderer::DrawFocusFrame(int left, int top, int right, int bottom) {
    canvas_->DrawFocusRect(Rect(left - 1, top - 1, right + 1, bottom + 1));
}

void Renderer::DrawErrorMark(int left, int right, int base) {
    TPen* pen = canvas_->Pen();
    const TColor color = pen->Color();
    const int width = pen->Width();
    pen->SetColor(TColor(0x0000FF));
    pen->SetWidth(1);
    int x = left & ~1;
    int q = x % 4 == 0 ? 2 : 0;
    canvas_->MoveTo(x, base + q - 1);
    while (x < right) {
        q = q == 2 ? 0 : 2;
        canvas_->LineTo(x + 2, base + q - 1);
        x += 2;
    }
    pen->SetColor(color);
    pen->SetWidth(width);
}

TColor Renderer::BrushColorOrNone() const {
    return canvas_->Brush()->Style() == bsClear ? clNone : canvas_->Brush()->Color();
}

void Renderer::SetBrushColorOrClear(TColor color) {
    if (color == clNone)
        canvas_->Brush()->SetStyle(bsClear);
    else
        canvas_->Brush()->SetColor(color);
}

int Renderer::TextHeight(const AnsiString& text) {
    if (text.empty()) return 0;
    RECT measured = Rect(0, 0, 0, 0);
    DrawText(canvas_->Handle(), text.data(), int(text.size()), &measured, (format_ & ~DT_END_ELLIPSIS) | DT_CALCRECT);
    return measured.bottom;
}

}  // namespace htmlrender

bool DrawHTMLText(const THTMLDrawParams& params, THTMLDrawResult& result) {
    if (!params.Canvas) return false;
    htmlrender::Renderer renderer(params, result);
    return renderer.Run();
}
