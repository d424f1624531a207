// OLE drag and drop over our own window system: data objects offering
// formats in global memory, drop targets registered per window, drop
// sources steering a drag, and DoDragDrop's modal loop on the message
// queue (polling the source, hit-testing the registered targets, Escape
// cancelling), with the effects and result codes programs expect. Drags
// cross to and from other programs as MIME data through the host.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/automation.h"
#include "platform/win/clipboard.h"
#include "platform/win/hostdragdrop.h"
#include "platform/win/richedit.h"

using CLIPFORMAT = Word;
using ULONG = std::uint32_t;

constexpr DWORD TYMED_NULL = 0, TYMED_HGLOBAL = 1;
constexpr DWORD DVASPECT_CONTENT = 1;
constexpr DWORD DATADIR_GET = 1, DATADIR_SET = 2;

constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT DV_E_FORMATETC = HRESULT(0x80040064u);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = HRESULT(0x80040003u);
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100, DRAGDROP_S_CANCEL = 0x00040101,
                  DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = HRESULT(0x80040100u), DRAGDROP_E_ALREADYREGISTERED = HRESULT(0x80040101u),
                  DRAGDROP_E_INVALIDHWND = HRESULT(0x80040102u);

struct FORMATETC {
    CLIPFORMAT cfFormat = 0;
    void* ptd = nullptr;
    DWORD dwAspect = DVASPECT_CONTENT;
    LONG lindex = -1;
    DWORD tymed = TYMED_HGLOBAL;
};

// Data handed over in global memory; the receiver frees it with
// ReleaseStgMedium unless an object answers for the release.
struct STGMEDIUM {
    DWORD tymed = TYMED_NULL;
    HGLOBAL hGlobal = 0;
    std::shared_ptr<IInterface> pUnkForRelease;
};
void ReleaseStgMedium(STGMEDIUM* medium);

// The head of a CF_HDROP block: the names follow at pFiles, each ended by
// a zero, the list by an empty name; UTF-16 names when fWide is set.
struct DROPFILES {
    DWORD pFiles = 0;
    POINTL pt;
    BOOL fNC = 0;
    BOOL fWide = 0;
};

// The names of a CF_HDROP block, as wide names (ANSI names widened); read
// within the block, so a name without its zero ends at the block's end.
std::vector<std::u16string> DropFileNames(std::string_view block);

class IEnumFORMATETC : public IInterface {
public:
    // Up to `count` entries into `formats`; S_OK when all were given.
    virtual HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& copy) = 0;
};

class IDataObject : public IInterface {
public:
    virtual HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) = 0;
    virtual HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) = 0;
    virtual HRESULT QueryGetData(const FORMATETC* format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) = 0;
    virtual HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) = 0;
    virtual HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& formats) = 0;
    virtual HRESULT DAdvise(const FORMATETC* format, DWORD flags, std::shared_ptr<IInterface> sink,
                            DWORD* connection) = 0;
    virtual HRESULT DUnadvise(DWORD connection) = 0;
    virtual HRESULT EnumDAdvise(std::shared_ptr<IInterface>& advises) = 0;
};

class IDropSource : public IInterface {
public:
    // S_OK to go on, DRAGDROP_S_DROP to drop, DRAGDROP_S_CANCEL to stop.
    virtual HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) = 0;
    virtual HRESULT GiveFeedback(DWORD effect) = 0;
};

// Points are in screen coordinates; key states are MK_ bits.
class IDropTarget : public IInterface {
public:
    virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
};

using IDataObjectPtr = std::shared_ptr<IDataObject>;
using IDropSourcePtr = std::shared_ptr<IDropSource>;
using IDropTargetPtr = std::shared_ptr<IDropTarget>;

// One target per window; DRAGDROP_E_ALREADYREGISTERED for a second,
// DRAGDROP_E_INVALIDHWND for no window. Revoking an unregistered window
// answers DRAGDROP_E_NOTREGISTERED.
HRESULT RegisterDragDrop(HWND window, IDropTargetPtr target);
HRESULT RevokeDragDrop(HWND window);

// Runs the drag until the source drops or cancels: each input message
// asks the source whether to go on, finds the registered target under the
// cursor (the window or its nearest registered ancestor) and tells it, and
// gives the source the target's effect (limited to `allowedEffects`).
// Outside the program's windows the drag goes on as the host's drag, with
// the text, rich text, files and registered formats as MIME data, and ends
// where another program drops it. DRAGDROP_S_DROP with the drop's effect
// (DROPEFFECT_NONE when the last target refused), or DRAGDROP_S_CANCEL.
HRESULT DoDragDrop(IDataObjectPtr data, IDropSourcePtr source, DWORD allowedEffects, DWORD* effect);

// The data of a drag from another program, by MIME type: "text/plain"
// (UTF-8) offers CF_TEXT and CF_UNICODETEXT with CR LF line ends,
// "text/rtf" "Rich Text Format", "text/uri-list" CF_HDROP with the local
// files as wide names, and "application/x-serviora-<format name>" the
// registered format of that name. Drags of ours leaving the program carry
// the same types.
// Delivers the drop to the registered target at the screen point, as a
// whole drag in one step; the effect the target gave (DROPEFFECT_NONE when
// no target took it).
DWORD DropFromOtherProgram(POINT screen, const TMimeData& data, DWORD keyState = 0,
                           DWORD allowedEffects = DROPEFFECT_COPY);
