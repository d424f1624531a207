// OLE drag and drop pieces for grids: a drop target whose notifications
// become virtual operations, a drop source, the data object a grid drag
// carries with its format enumerator, and the reader of dropped objects.
#pragma once

#include <memory>

#include "platform/rtl/stringlist.h"
#include "platform/ui/oledragdrop.h"

// What a dragged object offers, as bits.
enum TDropFormat { dfText = 1, dfFiles = 2, dfColumn = 4, dfRichText = 8 };
using TDropFormats = int;

// The identifiers of "Rich Text Format" and "Grid Column", registered when
// the program starts.
CLIPFORMAT RichTextDragFormat();
CLIPFORMAT ColumnDragFormat();
// Whether rich text is offered and read, for every grid of the program.
void SetDragDropRichText(bool on);
bool DragDropRichText();

// Reads one dropped data object through its format enumerator.
class TEnumFormats {
public:
    // EAssertionFailed "Cannot get the format enumerator" when the object
    // gives none.
    explicit TEnumFormats(IDataObject* data);
    TEnumFormats(const TEnumFormats&) = delete;
    TEnumFormats& operator=(const TEnumFormats&) = delete;

    void Reset();
    bool Next();
    // Fetches until an entry of the format is current.
    bool HasFormat(CLIPFORMAT format);
    bool HasText() { return HasFormat(CF_TEXT); }
    bool HasFiles() { return HasFormat(CF_HDROP); }
    bool HasRichText() { return HasFormat(RichTextDragFormat()); }
    bool HasColumn() { return HasFormat(ColumnDragFormat()); }
    // The current entry's block in the storage asked for; 0 when not
    // offered that way or when the object fails.
    STGMEDIUM GetMedium(DWORD storage);
    STGMEDIUM GetGlobal() { return GetMedium(TYMED_HGLOBAL); }
    // The format's first four bytes; -1 when absent.
    int GetInteger(CLIPFORMAT format);
    // The format's zero-terminated text; empty when absent.
    AnsiString GetText(CLIPFORMAT format);
    int GetColumn() { return GetInteger(ColumnDragFormat()); }
    AnsiString GetRichText() { return GetText(RichTextDragFormat()); }
    AnsiString GetPlainText() { return GetText(CF_TEXT); }
    // The current entry's DROPFILES names into `files`; true for at least
    // one. Names never run past the block.
    bool GetFiles(TStrings* files);
    TStringList* Files() { return &files_; }

private:
    IDataObject* data_;
    std::shared_ptr<IEnumFORMATETC> formats_;
    FORMATETC current_;
    bool valid_ = false;
    int count_ = 0;
    TStringList files_;
};

class TBQGDropTarget : public TInterfacedObject, public IDropTarget {
    SERVIORA_CLASS(TBQGDropTarget, TInterfacedObject)
public:
    HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    // COPY with Ctrl; else MOVE when allowed; else COPY.
    static DWORD DropEffectFromKeys(DWORD keys, DWORD allowed);

    bool CanDrop() const { return canDrop_; }
    bool AcceptText() const { return acceptText_; }
    void SetAcceptText(bool v) { acceptText_ = v; }
    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool v) { acceptFiles_ = v; }
    bool AcceptColumns() const { return acceptColumns_; }
    void SetAcceptColumns(bool v) { acceptColumns_ = v; }
    TDropFormats DropFormats() const { return formats_; }

protected:
    virtual void DropText(POINT, const AnsiString&) {}
    virtual void DropColumn(POINT, int) {}
    virtual void DropRichText(POINT, const AnsiString&) {}
    virtual void DropFiles(POINT, TStrings*) {}
    virtual void DragOverPoint(POINT, bool&, TDropFormats) {}
    virtual void DragEnterDone() {}
    virtual void DoDragLeave() {}

private:
    bool canDrop_ = false;
    bool acceptText_ = true;
    bool acceptFiles_ = true;
    bool acceptColumns_ = false;
    TDropFormats formats_ = 0;
};

class TBQGDropSource : public TInterfacedObject, public IDropSource {
    SERVIORA_CLASS(TBQGDropSource, TInterfacedObject)
public:
    HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
    HRESULT GiveFeedback(DWORD effect) override;
    bool NoEffect() const { return noEffect_; }

protected:
    virtual void EffectChanged(DWORD) {}
    virtual void DragPoll() {}

private:
    bool noEffect_ = false;
};

// Drags text (and rich text) from `source`; DRAGDROP_S_CANCEL when the
// last feedback showed no effect, else DoDragDrop's result.
HRESULT StartTextDrag(std::shared_ptr<TBQGDropSource> source, const AnsiString& text, const AnsiString& richText,
                      DWORD& effect, DWORD allowedEffects);
HRESULT StartColumnDrag(std::shared_ptr<TBQGDropSource> source, int column, DWORD allowedEffects, DWORD& effect);

// What a grid drag carries: text (also as UTF-16), rich text while the
// switch is on, and a column index (-1: none).
class TSourceDataObject : public TInterfacedObject, public IDataObject {
    SERVIORA_CLASS(TSourceDataObject, TInterfacedObject)
public:
    TSourceDataObject(AnsiString text, int column, AnsiString richText)
        : text_(std::move(text)), richText_(std::move(richText)), column_(column) {}
    HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC* format) override;
    HRESULT GetCanonicalFormatEtc(const FORMATETC*, FORMATETC* canonical) override;
    HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) override { return DV_E_FORMATETC; }
    HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& formats) override;
    HRESULT DAdvise(const FORMATETC*, DWORD, std::shared_ptr<IInterface>, DWORD* connection) override;
    HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(std::shared_ptr<IInterface>& advises) override;

private:
    AnsiString text_, richText_;
    int column_;
};

// CF_TEXT, CF_UNICODETEXT, rich text and, with the column flag, the column.
class TSourceEnumFormatEtc : public TInterfacedObject, public IEnumFORMATETC {
    SERVIORA_CLASS(TSourceEnumFormatEtc, TInterfacedObject)
public:
    explicit TSourceEnumFormatEtc(bool column, ULONG position = 0) : column_(column), position_(position) {}
    HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& copy) override;

private:
    ULONG Count() const { return column_ ? 4 : 3; }
    bool column_;
    ULONG position_;
};

// The OLE library started for the grids; EAssertionFailed "OleInitialize
// failed ($x)" when it cannot start.
void InitOleForGrid();
