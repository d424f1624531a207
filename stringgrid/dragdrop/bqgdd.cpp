// The drag-and-drop pieces: reading dropped objects (every read bounded by
// its block), the target's notifications, the source's polling and the
// grid drag's data object.
#include "stringgrid/dragdrop/bqgdd.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/userinput.h"

namespace {

// The formats are registered when the unit starts, so that no drag ever
// offers format 0 for them.
CLIPFORMAT RegisteredFormat(const char* name) { return CLIPFORMAT(RegisterClipboardFormat(name)); }
const CLIPFORMAT richTextFormat = RegisteredFormat("Rich Text Format");
const CLIPFORMAT columnFormat = RegisteredFormat("Grid Column");
bool richTextOn = false;

// The bytes of a medium's block, released afterwards.
std::string TakeBlock(STGMEDIUM medium) {
    std::string bytes;
    if (medium.hGlobal) {
        if (const char* data = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
            bytes.assign(data, GlobalSize(medium.hGlobal));
            GlobalUnlock(medium.hGlobal);
        }
    }
    ReleaseStgMedium(&medium);
    return bytes;
}

}  // namespace

CLIPFORMAT RichTextDragFormat() { return richTextFormat; }
CLIPFORMAT ColumnDragFormat() { return columnFormat; }
void SetDragDropRichText(bool on) { richTextOn = on; }
bool DragDropRichText() { return richTextOn; }

// ---- TEnumFormats ----------------------------------------------------------------------------

TEnumFormats::TEnumFormats(IDataObject* data) : data_(data) {
    if (data_->EnumFormatEtc(DATADIR_GET, formats_) != S_OK || !formats_)
        throw EAssertionFailed("Cannot get the format enumerator");
    Reset();
}

void TEnumFormats::Reset() {
    valid_ = false;
    count_ = 0;
    formats_->Reset();
}

bool TEnumFormats::Next() {
    ++count_;
    ULONG fetched = 0;
    valid_ = formats_->Next(1, &current_, &fetched) == S_OK && fetched == 1;
    return valid_;
}

bool TEnumFormats::HasFormat(CLIPFORMAT format) {
    Reset();
    while (Next())
        if (current_.cfFormat == format) return true;
    return false;
}

STGMEDIUM TEnumFormats::GetMedium(DWORD storage) {
    STGMEDIUM medium;
    if (!valid_ || (current_.tymed & storage) != storage) return medium;
    FORMATETC format = current_;
    format.tymed = storage;
    if (data_->GetData(&format, &medium) != S_OK) medium = STGMEDIUM{};
    return medium;
}

int TEnumFormats::GetInteger(CLIPFORMAT format) {
    if (!HasFormat(format)) return -1;
    const std::string bytes = TakeBlock(GetGlobal());
    if (bytes.size() < 4) return -1;
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data(), 4);
    return value;
}

AnsiString TEnumFormats::GetText(CLIPFORMAT format) {
    if (!HasFormat(format)) return {};
    const std::string bytes = TakeBlock(GetGlobal());
    return bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
}

bool TEnumFormats::GetFiles(TStrings* files) {
    files->Clear();
    for (const std::u16string& name : DropFileNames(TakeBlock(GetGlobal()))) files->Add(WideToAnsi(name));
    return files->Count() > 0;
}

// ---- TBQGDropTarget --------------------------------------------------------------------------

DWORD TBQGDropTarget::DropEffectFromKeys(DWORD keys, DWORD allowed) {
    if (keys & MK_CONTROL) return DROPEFFECT_COPY;
    return allowed & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

HRESULT TBQGDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
    TEnumFormats formats(data);
    formats_ = 0;
    if (formats.HasText()) formats_ |= dfText;
    if (formats.HasFiles()) formats_ |= dfFiles;
    if (formats.HasColumn()) formats_ |= dfColumn;
    if (formats.HasRichText()) formats_ |= dfRichText;
    canDrop_ = ((formats_ & dfText) && acceptText_) || ((formats_ & dfFiles) && acceptFiles_) ||
               ((formats_ & dfRichText) && richTextOn && acceptText_) || ((formats_ & dfColumn) && acceptColumns_);
    *effect = canDrop_ ? DropEffectFromKeys(keys, *effect) : DROPEFFECT_NONE;
    DragEnterDone();
    return S_OK;
}

HRESULT TBQGDropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect) {
    *effect = canDrop_ ? DropEffectFromKeys(keys, *effect) : DROPEFFECT_NONE;
    bool allow = *effect != DROPEFFECT_NONE;
    DragOverPoint(POINT{point.x, point.y}, allow, formats_);
    if (!allow) *effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TBQGDropTarget::DragLeave() {
    DoDragLeave();
    return S_OK;
}

HRESULT TBQGDropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    if (!canDrop_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    const POINT at{point.x, point.y};
    TEnumFormats formats(data);
    if (formats.HasColumn())
        DropColumn(at, formats.GetColumn());
    else if (formats.HasRichText() && richTextOn)
        DropRichText(at, formats.GetRichText());
    else if (formats.HasText())
        DropText(at, formats.GetPlainText());
    if (formats.HasFiles() && formats.GetFiles(formats.Files())) DropFiles(at, formats.Files());
    *effect = DropEffectFromKeys(keys, *effect);
    return S_OK;
}

// ---- TBQGDropSource --------------------------------------------------------------------------

HRESULT TBQGDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys) {
    DragPoll();
    if (escapePressed) return DRAGDROP_S_CANCEL;
    return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
}

HRESULT TBQGDropSource::GiveFeedback(DWORD effect) {
    noEffect_ = effect == DROPEFFECT_NONE;
    EffectChanged(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

namespace {

HRESULT RunDrag(const std::shared_ptr<TBQGDropSource>& source, IDataObjectPtr data, DWORD allowed, DWORD& effect) {
    const HRESULT result = DoDragDrop(std::move(data), source, allowed, &effect);
    return source->NoEffect() ? DRAGDROP_S_CANCEL : result;
}

}  // namespace

HRESULT StartTextDrag(std::shared_ptr<TBQGDropSource> source, const AnsiString& text, const AnsiString& richText,
                      DWORD& effect, DWORD allowedEffects) {
    return RunDrag(source, std::make_shared<TSourceDataObject>(text, -1, richText), allowedEffects, effect);
}

HRESULT StartColumnDrag(std::shared_ptr<TBQGDropSource> source, int column, DWORD allowedEffects, DWORD& effect) {
    return RunDrag(source, std::make_shared<TSourceDataObject>(AnsiString(), column, AnsiString()), allowedEffects,
                   effect);
}

// ---- TSourceDataObject -----------------------------------------------------------------------

HRESULT TSourceDataObject::QueryGetData(const FORMATETC* format) {
    if (format->dwAspect != DVASPECT_CONTENT || format->tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
    const CLIPFORMAT cf = format->cfFormat;
    if ((cf == CF_TEXT || cf == CF_UNICODETEXT || (cf == richTextFormat && richTextOn)) && !text_.empty()) return S_OK;
    if (cf == columnFormat && column_ >= 0) return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const FORMATETC* format, STGMEDIUM* medium) {
    *medium = STGMEDIUM{};
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    std::string bytes;
    const CLIPFORMAT cf = format->cfFormat;
    if (cf == CF_TEXT) {
        bytes.assign(text_.c_str(), text_.size() + 1);
    } else if (cf == CF_UNICODETEXT) {
        const WideString wide = AnsiToWide(text_);
        bytes.assign(reinterpret_cast<const char*>(wide.c_str()), (wide.size() + 1) * 2);
    } else if (cf == columnFormat && column_ >= 0) {
        const std::int32_t column = column_;
        bytes.assign(reinterpret_cast<const char*>(&column), 4);
    } else {
        bytes.assign(richText_.c_str(), richText_.size() + 1);
    }
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, bytes.size());
    void* data = block ? GlobalLock(block) : nullptr;
    if (!data) {
        if (block) GlobalFree(block);
        return DV_E_FORMATETC;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    return S_OK;
}

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const FORMATETC*, FORMATETC* canonical) {
    canonical->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& formats) {
    formats = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    formats = std::make_shared<TSourceEnumFormatEtc>(column_ >= 0);
    return S_OK;
}

HRESULT TSourceDataObject::DAdvise(const FORMATETC*, DWORD, std::shared_ptr<IInterface>, DWORD* connection) {
    if (connection) *connection = 0;
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TSourceDataObject::EnumDAdvise(std::shared_ptr<IInterface>& advises) {
    advises = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}

// ---- TSourceEnumFormatEtc --------------------------------------------------------------------

HRESULT TSourceEnumFormatEtc::Next(ULONG count, FORMATETC* formats, ULONG* fetched) {
    const CLIPFORMAT list[] = {CF_TEXT, CF_UNICODETEXT, richTextFormat, columnFormat};
    ULONG given = 0;
    while (given < count && position_ < Count()) formats[given++] = FORMATETC{list[position_++]};
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(ULONG count) {
    position_ += count;
    if (position_ <= Count()) return S_OK;
    position_ = Count();
    return S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<IEnumFORMATETC>& copy) {
    copy = std::make_shared<TSourceEnumFormatEtc>(column_, position_);
    return S_OK;
}

void InitOleForGrid() {
    const HRESULT result = OleInitialize(nullptr);
    if (result != S_OK && result != S_FALSE)
        throw EAssertionFailed(Format("OleInitialize failed ($%x)", {static_cast<Cardinal>(result)}));
}
