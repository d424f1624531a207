// TListView over the platform's "SysListView32" in report view: Columns
// (Caption, Width, Alignment; a streamed collection), Items (Caption, SubItems, Checked, Selected,
// Data), Checkboxes, GridLines, RowSelect, ReadOnly. Columns and items are
// kept by the control and mirrored into the window while it has one; the
// window holds the check and selection states the user changes.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/collection.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/comctrls.h"

SERVIORA_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)

class TListView;

// A column of a report view. Columns form the collection streamed as
// the view's "Columns" property.
class TListColumn : public TCollectionItem {
    SERVIORA_CLASS(TListColumn, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    // Added to `collection` (the view's columns) and to its window.
    explicit TListColumn(TCollection* collection);
    ~TListColumn() override;
    void Assign(TPersistent* source) override;

    AnsiString Caption() const;
    void SetCaption(const AnsiString& v);
    // 50 pixels until set.
    Integer Width() const;
    void SetWidth(Integer v);
    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);

private:
    friend class TListView;
    TListView* View() const;

    AnsiString caption_;
    Integer width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TListColumns : public TOwnedCollection {
    SERVIORA_CLASS(TListColumns, TOwnedCollection)
public:
    explicit TListColumns(TListView* view);
    // A new column at the end, 50 pixels wide.
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
    TListView* View() const { return view_; }

protected:
    // Puts a changed column, or all of them, back into the window.
    void Update(TCollectionItem* item) override;

private:
    TListView* view_;
};

class TListItem {
public:
    TListItem(TListView* view, int index);
    ~TListItem();
    AnsiString Caption() const;
    void SetCaption(const AnsiString& v);
    // The texts of the columns after the first; changes reach the window.
    TStrings* SubItems() const { return subItems_.get(); }
    bool Checked() const;
    void SetChecked(bool v);
    bool Selected() const;
    void SetSelected(bool v);
    void* Data() const { return data_; }
    void SetData(void* v) { data_ = v; }
    int Index() const { return index_; }

private:
    friend class TListItems;
    friend class TListView;
    void SubItemsChanged();
    // Puts the row's texts and states into the window.
    void Mirror() const;

    TListView* view_;
    int index_;
    AnsiString caption_;
    std::unique_ptr<TStringList> subItems_;
    mutable bool checked_ = false, selected_ = false;
    void* data_ = nullptr;
};

class TListItems {
public:
    explicit TListItems(TListView* view) : view_(view) {}
    ~TListItems();
    TListItem* Add();
    void Clear();
    void Delete(int index);
    int Count() const { return int(items_.size()); }
    TListItem* Item(int index) const { return items_.at(std::size_t(index)).get(); }

private:
    void Renumber();

    TListView* view_;
    std::vector<std::unique_ptr<TListItem>> items_;
};

class TListView : public TWinControl {
    SERVIORA_CLASS(TListView, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListColumns* Columns() const { return columns_.get(); }
    void SetColumns(TListColumns* v) { columns_->Assign(v); }
    TListItems* Items() const { return items_.get(); }
    bool Checkboxes() const;
    void SetCheckboxes(bool v);
    bool GridLines() const;
    void SetGridLines(bool v);
    bool RowSelect() const;
    void SetRowSelect(bool v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle v);
    TListItem* Selected() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    friend class TListColumn;
    friend class TListColumns;
    friend class TListItem;
    friend class TListItems;
    void SetExStyle(DWORD bit, bool on);
    void MirrorColumn(const TListColumn& column, bool insert);

    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    DWORD exStyle_ = 0;
    bool readOnly_ = false;
    TViewStyle viewStyle_ = vsIcon;
};
