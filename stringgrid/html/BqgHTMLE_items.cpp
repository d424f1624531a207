// Pictures and form controls inside markup: their size, drawing, hit test
// and fitting into the line.
#include <cmath>
#include <cstring>
#include <functional>

#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/shellicons.h"
#include "platform/win/userdraw.h"
#include "platform/gdi/wingdi.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/HTMLRenderer.h"
#include "stringgrid/html/HTMLTags.h"
#include "stringgrid/html/PictureContainer.h"

namespace htmlrender {

namespace {

bool StartsWithText(const AnsiString& s, const char* prefix) {
    return UpperCase(s.substr(0, std::strlen(prefix))) == prefix;
}

int Scaled(int size, double scale) { return int(std::lround(size * scale)); }

}  // namespace

THTMLPicture* Renderer::FindPicture(const AnsiString& source) {
    if (source.find(':') == AnsiString::npos)
        return p_.PictureContainer ? p_.PictureContainer->FindPicture(source) : nullptr;
    if (!Pos("://", source) || !p_.PictureCache) return nullptr;
    // Each address is loaded once per cache; one that cannot be loaded
    // stays in the cache, empty, so it is not asked for again.
    if (THTMLPicture* cached = p_.PictureCache->FindPicture(source)) return cached;
    p_.PictureCache->AddPicture()->LoadFromURL(source);
    return p_.PictureCache->FindPicture(source);
}

bool Renderer::FitItem(Line& line, Pass pass, int width, int height) {
    const int lineWidth = line.rect.right - line.rect.left;
    if (pass == Pass::Layout && line.penPos + width > lineWidth && width < lineWidth) return false;
    (void)height;
    return true;
}

bool Renderer::PointOnItem(const Line& line, int width, int height) const {
    const int px = p_.XPos - line.rect.left;
    return line.penPos < px && px < line.penPos + width && line.rect.top < p_.YPos && p_.YPos < line.rect.top + height;
}

bool Renderer::PlaceImage(const AnsiString& tag, Line& line, Pass pass) {
    ++imageCounter_;
    AnsiString source = htmltags::Attribute(tag, "SRC");
    if (htmltags::HasAttribute(tag, "ALT") && imageCounter_ == hotImage_) source = htmltags::Attribute(tag, "ALT");
    const int width = htmltags::LeadingNumber(htmltags::LooseAttribute(tag, "WIDTH"));
    const int height = htmltags::LeadingNumber(htmltags::LooseAttribute(tag, "HEIGHT"));
    HDC dc = canvas_->Handle();
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const int x = line.run.left, top = line.rect.top;
    int w = 0, h = 0;
    std::function<void()> draw;
    // An image of an image list: its size at the canvas's resolution, drawn
    // at (x, top) or, when scaling, stretched by ImageScale.
    auto listImage = [&](TCustomImageList* list, int index) {
        if (!list || index < 0 || index >= list->Count()) return;
        w = MulDiv(list->Width(), dpiX, 96);
        h = MulDiv(list->Height(), dpiY, 96);
        draw = [this, list, index, x, top] {
            if (!p_.ScaleImages) {
                list->Draw(canvas_, x, top, index, true);
                return;
            }
            TBitmap image;
            list->GetBitmap(index, &image);
            canvas_->StretchDraw(Rect(x, top, x + Scaled(list->Width(), p_.ImageScale),
                                      top + Scaled(list->Height(), p_.ImageScale)),
                                 &image);
        };
    };
    if (StartsWithText(source, "IDX:")) {
        listImage(p_.Images, htmltags::LeadingNumber(source.substr(4)));
    } else if (StartsWithText(source, "SSYS:") || StartsWithText(source, "LSYS:")) {
        const UINT size = StartsWithText(source, "SSYS:") ? SHGFI_SMALLICON : SHGFI_LARGEICON;
        const AnsiString item = source.substr(5);
        SHFILEINFO info;
        TCustomImageList* list = SystemImageList(HIMAGELIST(SHGetFileInfo("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | size)));
        bool number = false;
        int index = htmltags::LeadingNumber(item, &number);
        if (!number) {
            const UINT byName = FileExists(item) || DirectoryExists(item) ? 0 : SHGFI_USEFILEATTRIBUTES;
            index = SHGetFileInfo(item.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | size | byName) ? info.iIcon : -1;
        }
        listImage(list, index);
    } else if (THTMLPicture* picture = FindPicture(source); picture && !picture->Empty()) {
        if (width >= 1 && height >= 1) {
            picture->SetStretch(true);
            w = MulDiv(width, dpiX, 96);
            h = MulDiv(height, dpiY, 96);
            draw = [this, picture, x, top, width, height] {
                canvas_->StretchDraw(Rect(x, top, x + width, top + height), picture);
            };
        } else {
            w = MulDiv(picture->GetMaxWidth(), dpiX, 96);
            h = MulDiv(picture->GetMaxHeight(), dpiY, 96);
            draw = [this, picture, x, top] {
                // An animation frame is drawn on a clean field.
                if (picture->FrameCount() > 1) {
                    const TColor brush = BrushColorOrNone();
                    canvas_->Brush()->SetColor(entryBrushColor_);
                    canvas_->FillRect(Rect(x, top, x + picture->GetMaxWidth(), top + picture->GetMaxHeight()));
                    SetBrushColorOrClear(brush);
                }
                canvas_->Draw(x + picture->FrameXPos(), top + picture->FrameYPos(), picture);
            };
        }
    }
    if (!FitItem(line, pass, w, h)) return false;
    if (draw && Draws(pass)) draw();
    if (PointOnItem(line, w, h) && inAnchor_) {
        line.onItem = true;
        r_.Anchor = href_;
        hotImage_ = imageCounter_;
    }
    line.penPos += w;
    line.run.left += w;
    line.height = std::max(line.height, h);
    if (pass == Pass::Layout && Pos("ALIGN", UpperCase(tag))) {
        const AnsiString upper = UpperCase(tag);
        if (Pos("\"TOP", upper)) line.baselineShift = line.height - line.gh;
        if (Pos("\"MIDDLE", upper)) line.baselineShift = (line.height - line.gh) / 2;
    }
    return true;
}

bool Renderer::PlaceControl(const AnsiString& tag, Line& line, Pass pass) {
    const THTMLControl control = ParseControlTag(tag);
    if (!htmltags::HasAttribute(tag, "WIDTH")) return true;
    // A width that is no whole number counts with the number it starts with.
    int w = htmltags::LeadingNumber(control.Width);
    int h = line.gh + 6;
    if (control.Type == "COMBO") {
        h = 25;
    } else if (control.Type == "CHECK" || control.Type == "RADIO") {
        w = h = 16;
    } else if (control.Type == "BUTTON") {
        h = 18;
    }
    if (!FitItem(line, pass, w, h)) return false;
    if (Draws(pass)) DrawControl(control, line, w);
    const bool lookedUp = p_.HitTestOnly && !requestedControlID_.empty() && control.ID == requestedControlID_;
    if (PointOnItem(line, w, h) || lookedUp) {
        line.onItem = true;
        r_.Anchor = "ctrl";
        const int left = line.rect.left + line.penPos;
        r_.ControlRect = Rect(left, line.rect.top, left + w, line.rect.top + h);
        r_.ControlID = control.ID;
        r_.ControlValue = control.Value;
        r_.ControlType = control.Type;
    }
    line.penPos += w;
    line.run.left += w;
    line.height = std::max(line.height, h);
    return true;
}

void Renderer::DrawControl(const THTMLControl& control, const Line& line, int w) {
    TPen* pen = canvas_->Pen();
    const TColor penColor = pen->Color();
    const TColor brushColor = BrushColorOrNone();
    pen->SetColor(TColor(0x808080));
    SetBrushColorOrClear(clNone);
    HDC dc = canvas_->Handle();
    const int x = line.run.left, bottom = line.run.bottom, height = line.height;
    auto drawValue = [&](AnsiString text, TRect r, UINT format) {
        DrawText(canvas_->Handle(), text.data(), int(text.size()), &r, format);
    };
    const AnsiString& type = control.Type;
    const bool checked = UpperCase(control.Value) == "TRUE";
    if (type == "EDIT" || type == "PASSWORD" || type == "MASK" || type == "COMBO") {
        canvas_->Rectangle(x, bottom - height + 3, x + w, bottom + 1);
        if (type == "COMBO") {
            drawValue(control.Value, Rect(x + 2, bottom - height + 6, x + w - 17, bottom), DT_LEFT | DT_TOP | DT_SINGLELINE);
            TRect button = Rect(x + w - 19, bottom - height + 6, x + w - 3, bottom - 2);
            DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
        } else {
            AnsiString value = control.Value;
            if (type == "PASSWORD") FillWithChar(value, '*');
            drawValue(value, Rect(x + 2, bottom - height + 4, x + w, bottom), DT_LEFT | DT_TOP | DT_SINGLELINE);
        }
    } else if (type == "CHECK" || type == "RADIO") {
        const bool radio = type == "RADIO";
        TRect box = radio ? Rect(x + 2, bottom - 14, x + 14, bottom) : Rect(x + 2, bottom - 15, x + 15, bottom);
        DrawFrameControl(dc, &box, DFC_BUTTON,
                         (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (type == "BUTTON") {
        const bool hot = x - 2 < p_.XPos && p_.XPos < x - 2 + w && bottom - 24 - 2 < p_.YPos && p_.YPos < bottom - 2;
        TRect face = Rect(x + 2, bottom - 20, x + w - 2, bottom);
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (hot && p_.MouseDown ? DFCS_PUSHED : 0));
        drawValue(control.Value, Rect(face.left + 2, face.top + 2, face.right - 2, face.bottom - 2),
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    pen->SetColor(penColor);
    SetBrushColorOrClear(brushColor);
}

}  // namespace htmlrender
