// The drop-target table, DoDragDrop's modal loop, and the crossing to other
// programs: a drag's data as MIME data on the way out, the data object that
// carries another program's drag on the way in.
#include "platform/ui/oledragdrop.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>

#include "platform/rtl/codepage.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

std::vector<std::u16string> DropFileNames(std::string_view block) {
    std::vector<std::u16string> names;
    DROPFILES head;
    if (block.size() < sizeof head) return names;
    std::memcpy(&head, block.data(), sizeof head);
    std::size_t pos = head.pFiles;
    while (pos < block.size()) {
        std::u16string name;
        if (head.fWide) {
            for (; pos + 1 < block.size(); pos += 2) {
                char16_t c;
                std::memcpy(&c, block.data() + pos, 2);
                if (c == 0) break;
                name += c;
            }
            pos += 2;
        } else {
            const std::size_t end = std::min(block.find('\0', pos), block.size());
            name = AnsiToWide(block.substr(pos, end - pos));
            pos = end + 1;
        }
        if (name.empty()) break;
        names.push_back(std::move(name));
    }
    return names;
}

void ReleaseStgMedium(STGMEDIUM* medium) {
    if (medium->tymed == TYMED_HGLOBAL && medium->hGlobal && !medium->pUnkForRelease) GlobalFree(medium->hGlobal);
    *medium = STGMEDIUM{};
}

namespace {

std::map<HWND, IDropTargetPtr>& Targets() {
    static std::map<HWND, IDropTargetPtr> targets;
    return targets;
}

// The registered target of the window under the point, or of its nearest
// registered ancestor.
std::pair<HWND, IDropTargetPtr> TargetAt(POINT point) {
    for (HWND window = WindowFromPoint(point); window; window = GetParent(window)) {
        const auto it = Targets().find(window);
        if (it != Targets().end()) return *it;
    }
    return {0, nullptr};
}

DWORD KeyState() {
    DWORD keys = 0;
    if (GetKeyState(VK_LBUTTON) < 0) keys |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0) keys |= MK_RBUTTON;
    if (GetKeyState(VK_MBUTTON) < 0) keys |= MK_MBUTTON;
    if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    return keys;
}

bool IsInput(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

// The target under the cursor as the drag moves: entered, moved over and
// left in turn.
class TTargetTracker {
public:
    TTargetTracker(IDataObject* data, DWORD allowed) : data_(data), allowed_(allowed) {}

    DWORD Move(POINT point, DWORD keys) {
        const auto [window, target] = TargetAt(point);
        DWORD effect = allowed_;
        const POINTL at{point.x, point.y};
        if (window != window_) {
            Leave();
            window_ = window;
            target_ = target;
            if (target_) target_->DragEnter(data_, keys, at, &effect);
        } else if (target_) {
            target_->DragOver(keys, at, &effect);
        }
        effect_ = target_ ? effect & allowed_ : DROPEFFECT_NONE;
        return effect_;
    }
    void Leave() {
        if (target_) target_->DragLeave();
        target_ = nullptr;
        window_ = 0;
    }
    DWORD Drop(POINT point, DWORD keys) {
        if (!target_ || effect_ == DROPEFFECT_NONE) {
            Leave();
            return DROPEFFECT_NONE;
        }
        DWORD effect = allowed_;
        const IDropTargetPtr target = std::exchange(target_, nullptr);
        target->Drop(data_, keys, POINTL{point.x, point.y}, &effect);
        return effect & allowed_;
    }

private:
    IDataObject* data_;
    DWORD allowed_;
    HWND window_ = 0;
    IDropTargetPtr target_;
    DWORD effect_ = DROPEFFECT_NONE;
};

TMimeData MimeOf(IDataObject* data);
DWORD HostDropStep(THostDragStep step, POINT screen, const TMimeData& data, DWORD keys, DWORD allowed);

// The loop holds the mouse, as the system's drag does, so that moves
// outside the program's windows still reach it.
class TDragCapture {
public:
    explicit TDragCapture(HWND origin) : origin_(GetCapture() ? 0 : origin) {
        if (origin_) SetCapture(origin_);
    }
    ~TDragCapture() {
        if (origin_ && GetCapture() == origin_) ReleaseCapture();
    }
    TDragCapture(const TDragCapture&) = delete;
    TDragCapture& operator=(const TDragCapture&) = delete;

private:
    HWND origin_;
};

}  // namespace

HRESULT RegisterDragDrop(HWND window, IDropTargetPtr target) {
    if (!window || !IsWindow(window)) return DRAGDROP_E_INVALIDHWND;
    if (!target) return E_INVALIDARG;
    if (!HostDropSink()) SetHostDropSink(HostDropStep);
    if (!Targets().emplace(window, std::move(target)).second) return DRAGDROP_E_ALREADYREGISTERED;
    return S_OK;
}

HRESULT RevokeDragDrop(HWND window) { return Targets().erase(window) ? S_OK : DRAGDROP_E_NOTREGISTERED; }

HRESULT DoDragDrop(IDataObjectPtr data, IDropSourcePtr source, DWORD allowedEffects, DWORD* effect) {
    if (!data || !source || !effect) return E_INVALIDARG;
    TTargetTracker tracker(data.get(), allowedEffects);
    // The drag starts where the message that started it happened.
    const DWORD start = GetMessagePos();
    POINT point{short(LOWORD(start)), short(HIWORD(start))};
    const HWND origin = WindowFromPoint(point);
    const TDragCapture capture(origin);
    bool escape = false;
    DWORD keys = KeyState();
    while (true) {
        const HRESULT answer = source->QueryContinueDrag(escape, keys);
        if (answer == DRAGDROP_S_DROP) {
            *effect = tracker.Drop(point, keys);
            return DRAGDROP_S_DROP;
        }
        if (answer != S_OK) {
            tracker.Leave();
            *effect = DROPEFFECT_NONE;
            return DRAGDROP_S_CANCEL;
        }
        source->GiveFeedback(tracker.Move(point, keys));
        MSG msg;
        // A release that left no message behind (the input went elsewhere)
        // still ends the drag.
        if (GetAsyncKeyState(VK_LBUTTON) >= 0 && !PeekMessage(&msg, 0, 0, 0, PM_NOREMOVE)) {
            keys = KeyState() & ~DWORD(MK_LBUTTON);
            continue;
        }
        if (!GetMessage(&msg, 0, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            tracker.Leave();
            *effect = DROPEFFECT_NONE;
            return DRAGDROP_S_CANCEL;
        }
        if (!IsInput(msg.message)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            continue;
        }
        point = msg.pt;
        keys = KeyState();
        escape = msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
        DWORD hostEffect = DROPEFFECT_NONE;
        if ((keys & MK_LBUTTON) && !WindowFromPoint(point) &&
            RunHostDrag(origin, MimeOf(data.get()), allowedEffects, &hostEffect)) {
            tracker.Leave();
            source->GiveFeedback(hostEffect);
            // The host's drag took the release; the one our input queued
            // for it is the drag's too.
            MSG release;
            while (PeekMessage(&release, 0, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE)) {
            }
            *effect = hostEffect;
            return DRAGDROP_S_DROP;
        }
    }
}

// ---- Drops from other programs --------------------------------------------------------------

namespace {

HGLOBAL BlockOf(const std::string& bytes) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

std::string WideBytes(const WideString& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(char16_t));
}

// "file:///path/name" lines to local paths; other schemes are left out.
std::vector<std::string> LocalFiles(const std::string& uriList) {
    std::vector<std::string> files;
    std::size_t pos = 0;
    while (pos < uriList.size()) {
        std::size_t end = uriList.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = uriList.size();
        const std::string line = uriList.substr(pos, end - pos);
        pos = end + 1;
        if (!line.starts_with("file://")) continue;
        std::string path;
        for (std::size_t i = line.find('/', 7); i != std::string::npos && i < line.size(); ++i) {
            if (line[i] == '%' && i + 2 < line.size()) {
                path += char(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                path += line[i];
            }
        }
        files.push_back(path);
    }
    return files;
}

// Local paths as "file://" lines, each byte that is not plain in a URI
// written as %XX.
std::string UriList(const std::vector<std::u16string>& files) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string list;
    for (const std::u16string& file : files) {
        list += "file://";
        for (const unsigned char c : WideToUtf8(file)) {
            if (std::isalnum(c) || std::strchr("/-._~", c)) {
                list += char(c);
            } else {
                list += '%';
                list += kHex[c >> 4];
                list += kHex[c & 15];
            }
        }
        list += "\r\n";
    }
    return list;
}

std::string DropFilesBlock(const std::vector<std::string>& utf8Files) {
    DROPFILES head;
    head.pFiles = sizeof(DROPFILES);
    head.fWide = 1;
    std::string block(reinterpret_cast<const char*>(&head), sizeof head);
    for (const std::string& file : utf8Files) block += WideBytes(AnsiToWide(Utf8ToAnsi(file)));
    block.append(sizeof(char16_t), '\0');
    return block;
}

// Enumerates the formats of a data object from a list.
class TFormatList : public TInterfacedObject, public IEnumFORMATETC {
public:
    TFormatList(std::vector<FORMATETC> formats, std::size_t position) : formats_(std::move(formats)), position_(position) {}
    HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) override {
        ULONG given = 0;
        while (given < count && position_ < formats_.size()) formats[given++] = formats_[position_++];
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(ULONG count) override {
        position_ += count;
        if (position_ <= formats_.size()) return S_OK;
        position_ = formats_.size();
        return S_FALSE;
    }
    HRESULT Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& copy) override {
        copy = std::make_shared<TFormatList>(formats_, position_);
        return S_OK;
    }

private:
    std::vector<FORMATETC> formats_;
    std::size_t position_;
};

// Blocks by format, copied out on every GetData.
class TOtherProgramData : public TInterfacedObject, public IDataObject {
public:
    void Add(CLIPFORMAT format, std::string bytes) { blocks_.emplace_back(format, std::move(bytes)); }
    HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override {
        *medium = STGMEDIUM{};
        const auto block = Find(format);
        if (block == blocks_.end()) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = BlockOf(block->second);
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC* format) override {
        return Find(format) == blocks_.end() ? DV_E_FORMATETC : S_OK;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC*, FORMATETC* canonical) override {
        canonical->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& formats) override {
        formats = nullptr;
        if (direction != DATADIR_GET) return E_NOTIMPL;
        std::vector<FORMATETC> list;
        for (const auto& block : blocks_) list.push_back(FORMATETC{block.first});
        formats = std::make_shared<TFormatList>(std::move(list), 0);
        return S_OK;
    }
    HRESULT DAdvise(const FORMATETC*, DWORD, std::shared_ptr<IInterface>, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(std::shared_ptr<IInterface>& advises) override {
        advises = nullptr;
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    using Blocks = std::vector<std::pair<CLIPFORMAT, std::string>>;
    Blocks::const_iterator Find(const FORMATETC* format) const {
        if (!format || !(format->tymed & TYMED_HGLOBAL)) return blocks_.end();
        return std::find_if(blocks_.begin(), blocks_.end(),
                            [&](const auto& block) { return block.first == format->cfFormat; });
    }
    Blocks blocks_;
};

constexpr std::string_view kPrivateMimePrefix = "application/x-serviora-";

// Other programs end lines with a bare LF; the program's texts with CR LF.
std::string WithCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

std::shared_ptr<TOtherProgramData> DataObjectOf(const TMimeData& data) {
    auto object = std::make_shared<TOtherProgramData>();
    for (const auto& [mime, bytes] : data) {
        if (mime == "text/plain") {
            const AnsiString text = Utf8ToAnsi(WithCrLf(bytes));
            object->Add(CF_TEXT, std::string(text.c_str(), text.size() + 1));
            object->Add(CF_UNICODETEXT, WideBytes(AnsiToWide(text)));
        } else if (mime == "text/rtf") {
            object->Add(CLIPFORMAT(RegisterClipboardFormat("Rich Text Format")), bytes + '\0');
        } else if (mime == "text/uri-list") {
            object->Add(CF_HDROP, DropFilesBlock(LocalFiles(bytes)));
        } else if (mime.starts_with(kPrivateMimePrefix)) {
            object->Add(CLIPFORMAT(RegisterClipboardFormat(mime.substr(kPrivateMimePrefix.size()).c_str())), bytes);
        }
    }
    return object;
}

// A block's bytes, empty when the object does not give the format.
std::string BytesOf(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted{format};
    STGMEDIUM medium;
    if (data->GetData(&wanted, &medium) != S_OK) return {};
    std::string bytes;
    if (const void* block = GlobalLock(medium.hGlobal)) {
        bytes.assign(static_cast<const char*>(block), GlobalSize(medium.hGlobal));
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return bytes;
}

std::string UpToZero(std::string bytes) {
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));
    return bytes;
}

TMimeData MimeOf(IDataObject* data) {
    TMimeData mime;
    std::shared_ptr<IEnumFORMATETC> formats;
    if (data->EnumFormatEtc(DATADIR_GET, formats) != S_OK || !formats) return mime;
    const CLIPFORMAT richText = CLIPFORMAT(RegisterClipboardFormat("Rich Text Format"));
    std::string text;
    bool wide = false;
    FORMATETC format;
    while (formats->Next(1, &format, nullptr) == S_OK) {
        const CLIPFORMAT id = format.cfFormat;
        if (id == CF_UNICODETEXT) {
            const std::string bytes = BytesOf(data, id);
            std::u16string chars(bytes.size() / 2, u'\0');
            std::memcpy(chars.data(), bytes.data(), chars.size() * 2);
            text = WideToUtf8(chars.substr(0, chars.find(u'\0')));
            wide = true;
        } else if (id == CF_TEXT && !wide) {
            text = AnsiToUtf8(UpToZero(BytesOf(data, id)));
        } else if (id == CF_HDROP) {
            mime.emplace_back("text/uri-list", UriList(DropFileNames(BytesOf(data, id))));
        } else if (id == richText && id) {
            mime.emplace_back("text/rtf", UpToZero(BytesOf(data, id)));
        } else if (char name[256]; id >= 0xC000 && GetClipboardFormatName(id, name, sizeof name)) {
            mime.emplace_back(std::string(kPrivateMimePrefix) + name, BytesOf(data, id));
        }
    }
    if (!text.empty()) mime.insert(mime.begin(), {"text/plain", text});
    return mime;
}

// The host's drag over our windows, one at a time: its data object is made
// when it first moves over us and let go when it leaves or drops.
DWORD HostDropStep(THostDragStep step, POINT screen, const TMimeData& data, DWORD keys, DWORD allowed) {
    static std::shared_ptr<TOtherProgramData> object;
    static std::unique_ptr<TTargetTracker> tracker;
    if (step == THostDragStep::Leave) {
        if (tracker) tracker->Leave();
        tracker.reset();
        object.reset();
        return DROPEFFECT_NONE;
    }
    const bool entering = !tracker;
    if (entering) {
        object = DataObjectOf(data);
        tracker = std::make_unique<TTargetTracker>(object.get(), allowed);
    }
    if (step == THostDragStep::Over || entering) {
        const DWORD effect = tracker->Move(screen, keys);
        if (step == THostDragStep::Over) return effect;
    }
    const DWORD effect = tracker->Drop(screen, keys);
    tracker.reset();
    object.reset();
    return effect;
}

}  // namespace

DWORD DropFromOtherProgram(POINT screen, const TMimeData& data, DWORD keyState, DWORD allowedEffects) {
    HostDropStep(THostDragStep::Over, screen, data, keyState, allowedEffects);
    return HostDropStep(THostDragStep::Drop, screen, data, keyState, allowedEffects);
}
