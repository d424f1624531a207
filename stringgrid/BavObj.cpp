// The grid's small building blocks.
#include "stringgrid/BavObj.h"

#include <cstdint>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"
#include "platform/win/userdraw.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/BqgHTMLE.h"

// ---- TIntList ------------------------------------------------------------------------------

namespace {

Pointer Slot(int value) { return reinterpret_cast<Pointer>(std::intptr_t(value)); }

}  // namespace

void TIntList::Changed() {
    if (onChange_) onChange_(this, col_, row_);
}

void TIntList::SetItem(int index, int value) {
    SetItems(index, Slot(value));
    Changed();
}

int TIntList::Add(int value) {
    const int index = TList::Add(Slot(value));
    Changed();
    return index;
}

void TIntList::Insert(int index, int value) { TList::Insert(index, Slot(value)); }

void TIntList::Delete(int index) {
    TList::Delete(index);
    Changed();
}

void TIntList::DeleteValue(int value) {
    const int index = IndexOf(Slot(value));
    if (index >= 0) Delete(index);
}

bool TIntList::HasValue(int value) const { return IndexOf(Slot(value)) >= 0; }

AnsiString TIntList::GetCommaText() const {
    AnsiString text;
    for (int i = 0; i < Count(); ++i) text += (i ? "," : "") + IntToStr(GetItem(i));
    return text;
}

void TIntList::SetCommaText(const AnsiString& text) {
    TStringList parts;
    parts.SetCommaText(text);
    TList::Clear();
    for (int i = 0; i < parts.Count(); ++i) Add(StrToInt(parts[i]));
}

// ---- TSortIndexList ------------------------------------------------------------------------

void TSortIndexList::AddIndex(int col, bool ascending) { Add(int(unsigned(col) | (ascending ? 0 : kDescending))); }

int TSortIndexList::FindIndex(int col) const {
    for (int i = 0; i < Count(); ++i)
        if ((unsigned(GetItem(i)) & ~kDescending) == unsigned(col)) return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int col) {
    const int index = FindIndex(col);
    if (index >= 0) SetItem(index, int(unsigned(GetItem(index)) ^ kDescending));
}

// ---- TFilePicture --------------------------------------------------------------------------

void TFilePicture::Published(TPublished<TFilePicture>& p) {
    p.Property("Filename", &TFilePicture::Filename, &TFilePicture::SetFilename);
    p.Property("Width", &TFilePicture::Width, &TFilePicture::SetWidth).Default(0);
    p.Property("Height", &TFilePicture::Height, &TFilePicture::SetHeight).Default(0);
}

void TFilePicture::SetFilename(const AnsiString& value) {
    filename_ = value;
    TPicture picture;
    picture.LoadFromFile(value);
    width_ = picture.Width();
    height_ = picture.Height();
}

void TFilePicture::Draw(TCanvas* canvas, const TRect& rect) const {
    if (filename_.empty()) return;
    TPicture picture;
    picture.LoadFromFile(filename_);
    canvas->StretchDraw(rect, picture.Graphic());
}

void TFilePicture::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TFilePicture*>(source)) {
        filename_ = other->filename_;
        width_ = other->width_;
        height_ = other->height_;
        return;
    }
    TPersistent::Assign(source);
}

// ---- TArrowWindow --------------------------------------------------------------------------

TArrowWindow::TArrowWindow(TWinControl* grid, int direction) : TPanel(grid), direction_(direction) {
    SetColor(clLime);
    SetParent(grid);
    SetVisible(false);
}

void TArrowWindow::CreateParams(TCreateParams& params) {
    TPanel::CreateParams(params);
    params.Style = WS_POPUP;
}

void TArrowWindow::CreateWnd() {
    TPanel::CreateWnd();
    static constexpr POINT kArrows[4][7] = {
        {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}},
        {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}},
        {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}},
        {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}},
    };
    const int direction = direction_ >= 0 && direction_ < 4 ? direction_ : 0;
    SetWindowRgn(Handle(), CreatePolygonRgn(kArrows[direction], 7, WINDING), TRUE);
}

void TArrowWindow::Paint() {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Pen()->SetColor(Color());
    Canvas()->Rectangle(ClientRect());
}

// ---- TPopupButton --------------------------------------------------------------------------

TPopupButton::TPopupButton(TComponent* owner) : TCustomControl(owner) { SetColor(clBtnFace); }

void TPopupButton::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
    params.WindowClass.style |= CS_SAVEBITS;
}

void TPopupButton::CreateWnd() {
    TCustomControl::CreateWnd();
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TPopupButton::Paint() {
    TCanvas* canvas = Canvas();
    TRect client = ClientRect();
    if (!flat_) {
        DrawRaisedFrame(canvas, client, clWhite, clGray);
    }
    if (gradientFrom_ != clNone) DrawGradient(canvas, gradientFrom_, gradientTo_, 64, client, false);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    const AnsiString caption = Caption();
    if (Pos("</", caption) == 0) {
        AnsiString text = caption;
        DrawTextEx(canvas->Handle(), text.data(), int(text.size()), &client,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, nullptr);
        return;
    }
    THTMLDrawParams params;
    params.Canvas = canvas;
    params.HTMLText = caption;
    params.Rect = client;
    params.Images = images_;
    THTMLDrawResult result;
    DrawHTMLText(params, result);
}

// ---- TGridItem, TBavHintInfo ---------------------------------------------------------------

TGridItem::TGridItem(TCollection* collection)
    : TCollectionItem(collection), items_(std::make_unique<TStringList>()) {}
TGridItem::~TGridItem() = default;

TBavHintInfo::TBavHintInfo()
    : picture_(std::make_unique<TGDIPPicture>()), notes_(std::make_unique<TStringList>()) {}
TBavHintInfo::~TBavHintInfo() = default;

void TBavHintInfo::Published(TPublished<TBavHintInfo>& p) {
    p.Property("Title", &TBavHintInfo::Title, &TBavHintInfo::SetTitle);
    p.Property("Notes", &TBavHintInfo::Notes, &TBavHintInfo::SetNotes);
    p.Property("Picture", &TBavHintInfo::Picture, &TBavHintInfo::SetPicture);
    p.Property("ShowHelp", &TBavHintInfo::ShowHelp, &TBavHintInfo::SetShowHelp).Default(false);
}

void TBavHintInfo::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TBavHintInfo*>(source);
    if (!other) return TPersistent::Assign(source);
    title_ = other->title_;
    notes_->Assign(other->notes_.get());
    showHelp_ = other->showHelp_;
    picture_->Assign(other->picture_.get());
    wideTitle_ = other->wideTitle_;
    wideNotes_ = other->wideNotes_;
}
