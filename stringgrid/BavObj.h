// Small building blocks of the string grid: integer lists that report
// changes with their cell's position, the list of sort columns, the cell
// controls, a picture named by file, the move arrow and the floating
// caption, the hidden-row store's entry and the office hint's contents.
#pragma once

#include <memory>

#include "platform/rtl/collection.h"
#include "platform/rtl/list.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/grids.h"
#include "platform/ui/imagelist.h"
#include "stringgrid/html/GDIPicture.h"

// (Sender, ACol, ARow): the signature of the platform grid's TMovedEvent, whose type it shares.
using TIntListChangeEvent = TMovedEvent;

// Integers in a list's slots; changes other than Insert fire OnChange with
// the column and row of the cell that owns the list.
class TIntList : public TList {
    SERVIORA_CLASS(TIntList, TList)
public:
    TIntList(int col, int row) : col_(col), row_(row) {}

    int GetItem(int index) const { return int(reinterpret_cast<std::intptr_t>(Items(index))); }
    void SetItem(int index, int value);
    int Add(int value);
    void Insert(int index, int value);
    void Delete(int index);
    void DeleteValue(int value);
    bool HasValue(int value) const;
    // "3,10,-2"; empty for an empty list.
    AnsiString GetCommaText() const;
    // Clears without an event, then adds each part (an event each); a part
    // that is no integer raises EConvertError after the ones before it.
    void SetCommaText(const AnsiString& text);

    int Col() const { return col_; }
    int Row() const { return row_; }
    const TIntListChangeEvent& OnChange() const { return onChange_; }
    void SetOnChange(TIntListChangeEvent value) { onChange_ = std::move(value); }

private:
    void Changed();

    int col_, row_;
    TIntListChangeEvent onChange_;
};

// Sort columns in priority order; bit 31 marks a descending column.
class TSortIndexList : public TIntList {
    SERVIORA_CLASS(TSortIndexList, TIntList)
public:
    static constexpr unsigned kDescending = 0x80000000u;

    TSortIndexList() : TIntList(0, 0) {}
    void AddIndex(int col, bool ascending);
    int FindIndex(int col) const;
    void ToggleIndex(int col);
};

// A control placed on a cell.
class TControlItem : public TObject {
    SERVIORA_CLASS(TControlItem, TObject)
public:
    TControlItem(int col, int row, TControl* control) : col_(col), row_(row), control_(control) {}
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetRow(int value) { row_ = value; }
    TControl* Control() const { return control_; }

private:
    int col_, row_;
    TControl* control_;
};

// Owns its entries (not their controls).
class TControlList : public TObjectList {
    SERVIORA_CLASS(TControlList, TObjectList)
public:
    TControlItem* GetItem(int index) const { return static_cast<TControlItem*>(Items(index)); }
    void Add(int col, int row, TControl* control) { TObjectList::Add(new TControlItem(col, row, control)); }
};

// A picture kept by its file name; the file is read on every drawing.
class TFilePicture : public TPersistent {
    SERVIORA_CLASS(TFilePicture, TPersistent)
    SERVIORA_PUBLISHED
public:
    void Assign(TPersistent* source) override;
    // Raises the picture error when the file cannot be loaded.
    void Draw(TCanvas* canvas, const TRect& rect) const;

    const AnsiString& Filename() const { return filename_; }
    // Takes the size of the picture in the file; raises as Draw does.
    void SetFilename(const AnsiString& value);
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    int Height() const { return height_; }
    void SetHeight(int value) { height_ = value; }

private:
    AnsiString filename_;
    int width_ = 0, height_ = 0;
};

// The arrow that marks where a moved row or column will land: a topmost
// pop-up in the shape of its direction (0 up, 1 down, 2 right, 3 left).
class TArrowWindow : public TPanel {
    SERVIORA_CLASS(TArrowWindow, TPanel)
public:
    TArrowWindow(TWinControl* grid, int direction);
    int Direction() const { return direction_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;

private:
    int direction_;
};

// The floating caption of a column or row header being moved: plain
// centred text, or markup when it holds "</".
class TPopupButton : public TCustomControl {
    SERVIORA_CLASS(TPopupButton, TCustomControl)
public:
    explicit TPopupButton(TComponent* owner);

    bool Flat() const { return flat_; }
    void SetFlat(bool value) { flat_ = value; }
    TColor GradientFrom() const { return gradientFrom_; }
    void SetGradientFrom(TColor value) { gradientFrom_ = value; }
    TColor GradientTo() const { return gradientTo_; }
    void SetGradientTo(TColor value) { gradientTo_ = value; }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* value) { images_ = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;

private:
    bool flat_ = false;
    TColor gradientFrom_ = clNone, gradientTo_ = clNone;
    TCustomImageList* images_ = nullptr;
};

// An entry of the hidden-row store: the real index, height and cell texts
// of a hidden row.
class TGridItem : public TCollectionItem {
    SERVIORA_CLASS(TGridItem, TCollectionItem)
public:
    explicit TGridItem(TCollection* collection);
    ~TGridItem() override;

    int Idx() const { return idx_; }
    void SetIdx(int value) { idx_ = value; }
    int Height() const { return height_; }
    void SetHeight(int value) { height_ = value; }
    TStringList* Items() const { return items_.get(); }
    void SetItems(TStrings* value) { items_->Assign(value); }

private:
    int idx_ = 0, height_ = 0;
    std::unique_ptr<TStringList> items_;
};

// The contents of the grid's office hint.
class TBavHintInfo : public TPersistent {
    SERVIORA_CLASS(TBavHintInfo, TPersistent)
    SERVIORA_PUBLISHED
public:
    TBavHintInfo();
    ~TBavHintInfo() override;
    // Only from another hint info.
    void Assign(TPersistent* source) override;

    TGDIPPicture* Picture() const { return picture_.get(); }
    void SetPicture(TGDIPPicture* value) { picture_->Assign(value); }
    bool ShowHelp() const { return showHelp_; }
    void SetShowHelp(bool value) { showHelp_ = value; }
    TStringList* Notes() const { return notes_.get(); }
    void SetNotes(TStrings* value) { notes_->Assign(value); }
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& value) { title_ = value; }
    const WideString& WideTitle() const { return wideTitle_; }
    void SetWideTitle(const WideString& value) { wideTitle_ = value; }
    const WideString& WideNotes() const { return wideNotes_; }
    void SetWideNotes(const WideString& value) { wideNotes_ = value; }

private:
    std::unique_ptr<TGDIPPicture> picture_;
    bool showHelp_ = false;
    std::unique_ptr<TStringList> notes_;
    AnsiString title_;
    WideString wideTitle_, wideNotes_;
};
