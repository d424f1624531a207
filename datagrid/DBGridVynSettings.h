// Settings objects a grid and its columns own: the scroll-bar settings, the
// filter-row settings of the grid and of each column, a column's list of
// recently typed texts and its lookup drop-down box.
#pragma once

#include <array>
#include <memory>

#include "datagrid/DBGridVynFilterExpression.h"
#include "datagrid/DBGridVynTypes.h"
#include "platform/data/datasource.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/stdctrls_scrollbar.h"
#include "platform/win/winscroll.h"

class TCustomDBGridVyn;
class TColumnVyn;
class TPopupDataGridVyn;

// A grid's horizontal or vertical scroll-bar settings.
class TDBGridVynScrollBar : public TPersistent {
    SERVIORA_CLASS(TDBGridVynScrollBar, TPersistent)
    SERVIORA_PUBLISHED
public:
    TDBGridVynScrollBar(TCustomDBGridVyn* grid, TScrollBarKind kind);
    ~TDBGridVynScrollBar() override;
    void Assign(TPersistent* source) override;

    // A scroll bar control that scrolls the grid in place of the window's
    // own bar; it may serve one grid only.
    TScrollBar* ExtScrollBar() const { return extScrollBar_; }
    void SetExtScrollBar(TScrollBar* v);
    bool Tracking() const { return tracking_; }
    void SetTracking(bool v) { tracking_ = v; }
    bool Visible() const { return visibleMode_ != sbNeverShowVyn; }
    void SetVisible(bool v);
    TScrollBarVisibleModeVyn VisibleMode() const { return visibleMode_; }
    void SetVisibleMode(TScrollBarVisibleModeVyn v);
    TScrollBarKind Kind() const { return kind_; }
    TCustomDBGridVyn* Grid() const { return grid_; }
    // The external bar shows as the settings say.
    void SyncExtScrollBar();
    // Whether a bar shows now: the external one, else the window's own.
    bool ShowingNow() const;
    bool ReadScrollInfo(SCROLLINFO& info) const;

protected:
    TPersistent* GetOwner() const override;

private:
    // The external bar's scroll notifications scroll the grid.
    void ExtScrollBarWndProc(TMessage& Message);

    TCustomDBGridVyn* grid_;
    TScrollBar* extScrollBar_ = nullptr;
    TScrollBarKind kind_;
    bool tracking_ = false;
    TScrollBarVisibleModeVyn visibleMode_ = sbAutoShowVyn;
};

// The vertical bar's settings also tell when the bar shows.
class TVertDBGridVynScrollBar : public TDBGridVynScrollBar {
    SERVIORA_CLASS(TVertDBGridVynScrollBar, TDBGridVynScrollBar)
    SERVIORA_PUBLISHED
public:
    explicit TVertDBGridVynScrollBar(TCustomDBGridVyn* grid) : TDBGridVynScrollBar(grid, sbVertical) {}
};

// The filter row of a grid: whether it shows and whether conditions go to
// the dataset's own filter or into its SQL.
class TSTDBGridVynFilter : public TPersistent {
    SERVIORA_CLASS(TSTDBGridVynFilter, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TSTDBGridVynFilter(TCustomDBGridVyn* grid) : grid_(grid) {}
    void Assign(TPersistent* source) override;

    bool Local() const { return local_; }
    void SetLocal(bool v) { local_ = v; }
    bool Visible() const { return visible_; }
    // Hiding the row ends its editing (the edited text is kept).
    void SetVisible(bool v);
    // While positive, the grid neither ends filter editing nor shows the
    // filter editor again.
    int UpdateCount() const { return updateCount_; }
    bool Updating() const { return updateCount_ > 0; }
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() { --updateCount_; }

protected:
    TPersistent* GetOwner() const override;

private:
    TCustomDBGridVyn* grid_;
    bool local_ = false;
    bool visible_ = false;
    int updateCount_ = 0;
};

// A column's cell of the filter row.
class TSTColumnFilterVyn : public TPersistent {
    SERVIORA_CLASS(TSTColumnFilterVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TSTColumnFilterVyn(TColumnVyn* column);
    ~TSTColumnFilterVyn() override;
    void Assign(TPersistent* source) override;

    const AnsiString& DataField() const { return dataField_; }
    void SetDataField(const AnsiString& v) { dataField_ = v; }
    const AnsiString& KeyField() const { return keyField_; }
    void SetKeyField(const AnsiString& v) { keyField_ = v; }
    const AnsiString& ListField() const { return listField_; }
    void SetListField(const AnsiString& v) { listField_ = v; }
    TDataSource* ListSource() const;
    void SetListSource(TDataSource* v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    TColumnVyn* Column() const { return column_; }

    TSTFilterExpressionVyn& Expression() { return expression_; }
    const TSTFilterExpressionVyn& Expression() const { return expression_; }
    // What the filter cell shows: the text as typed or chosen.
    const AnsiString& ExpressionText() const { return expressionText_; }
    // The key values chosen in the list (Null when none are).
    const Variant& KeyValues() const { return keyValues_; }

    // The parsed expression shown as text ("> 1 AND < 5"); with a list
    // source the first operand as a list of texts.
    virtual AnsiString ExpressionDisplayText() const;
    // A list source gives the filter cell a drop-down button.
    virtual bool ShowsDropDownButton() const { return ListSource() != nullptr; }
    // The dataset field the condition is on: DataField when it is given (or
    // a list source is), else the column's field name.
    virtual AnsiString FilterFieldName() const;
    // The chosen key values under a KeyField, else the expression's.
    virtual Variant FirstOperand() const;
    virtual Variant SecondOperand() const { return expression_.Operand2; }

    // Parses Text for the kind of the column's field; errors propagate and
    // leave the text as it was.
    void ParseWithFieldKind(const AnsiString& text);
    // Parses Text and keeps it, exactly as typed, as the cell's text.
    void KeepExpressionText(const AnsiString& text);
    // KeepExpressionText, then the grid repaints and an open filter editor
    // is shown again over its cell.
    void ApplyExpressionText(const AnsiString& text);
    // Stores a parsed expression; the cell shows its display text.
    void AssignExpression(const TSTFilterExpressionVyn& expression);
    // The list's choice: Text (the chosen display texts) and the keys;
    // Null keys clear the condition.
    void AssignKeyValues(const AnsiString& text, const Variant& keyValues);

protected:
    TPersistent* GetOwner() const override;

private:
    TColumnVyn* column_;
    AnsiString dataField_;
    AnsiString keyField_;
    Variant keyValues_ = Null();
    AnsiString listField_;
    // Holds ListSource and hears of its destruction.
    std::unique_ptr<TDataLink> listLink_;
    bool visible_ = true;
    TSTFilterExpressionVyn expression_;
    AnsiString expressionText_;
};

// The text of each operator in a filter cell; fopNone and fopValue have none.
extern const std::array<const char*, 16> FilterOperatorDisplayText;
// A value in a filter cell: a number as float text, a date-time as a short
// date, anything else in single quotes.
AnsiString FilterValueDisplayText(const Variant& value);
// A list operand as quoted texts joined by commas; one value as its text.
AnsiString FilterOperandListText(const Variant& operand);
// One condition: "= Null", "In (1,2)", "> 5".
AnsiString FilterConditionDisplayText(TFilterOperator op, const Variant& operand);

// Hooks an owner sets in code (never published).
using TAcceptEventVyn = TEvent<void(TObject* Sender, bool& Accept)>;
using TCloseUpEventVyn = TEvent<void(TObject* Sender, bool Accept)>;

// The texts recently written through an editor or column, oldest first.
class TMRUListVyn : public TPersistent {
    SERVIORA_CLASS(TMRUListVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TMRUListVyn(TPersistent* owner);
    ~TMRUListVyn() override;
    void Assign(TPersistent* source) override;

    bool Active() const { return active_; }
    void SetActive(bool v);
    bool AutoAdd() const { return autoAdd_; }
    void SetAutoAdd(bool v) { autoAdd_ = v; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool v) { caseSensitive_ = v; }
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v) { items_->Assign(v); }
    int Limit() const { return limit_; }
    void SetLimit(int v);
    int Rows() const { return rows_; }
    void SetRows(int v) { rows_ = v; }

    // Kept by the owner: 0 until the user resizes the list, then its width;
    // whether the list is open.
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int v) { dropDownWidth_ = v; }
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool v) { droppedDown_ = v; }
    // FilterInto gives way to a key waiting in the queue.
    bool StopOnPendingKey() const { return stopOnPendingKey_; }
    void SetStopOnPendingKey(bool v) { stopOnPendingKey_ = v; }

    const TNotifyEvent& OnActiveChanged() const { return onActiveChanged_; }
    void SetOnActiveChanged(TNotifyEvent v) { onActiveChanged_ = std::move(v); }
    const TAcceptEventVyn& OnFilterItem() const { return onFilterItem_; }
    void SetOnFilterItem(TAcceptEventVyn v) { onFilterItem_ = std::move(v); }
    const TCloseUpEventVyn& OnCloseUpRequest() const { return onCloseUpRequest_; }
    void SetOnCloseUpRequest(TCloseUpEventVyn v) { onCloseUpRequest_ = std::move(v); }
    const TNotifyEvent& OnDropDownRequest() const { return onDropDownRequest_; }
    void SetOnDropDownRequest(TNotifyEvent v) { onDropDownRequest_ = std::move(v); }
    // Each only calls its hook.
    virtual void RequestCloseUp(bool accept);
    virtual void RequestDropDown();

    // Makes a text the most recent item (a known one moves to the end); a
    // blank text is not remembered.
    void RememberText(const AnsiString& text);
    // The items beginning with maskText, into target. False when a key
    // press waiting in the queue stopped it early (target keeps the items
    // found so far).
    bool FilterInto(TStrings* target, const AnsiString& maskText);
    // Drops the oldest items beyond Limit.
    void TrimToLimit();

protected:
    TPersistent* GetOwner() const override { return owner_; }

private:
    // Compares as the list's case sensitivity says.
    int Compare(const AnsiString& a, const AnsiString& b) const;

    TPersistent* owner_;
    std::unique_ptr<TStringList> items_;
    bool active_ = false;
    bool autoAdd_ = true;
    bool caseSensitive_ = false;
    int limit_ = 100;
    int rows_ = 7;
    int dropDownWidth_ = 0;
    bool droppedDown_ = false;
    bool stopOnPendingKey_ = true;
    TNotifyEvent onActiveChanged_;
    TAcceptEventVyn onFilterItem_;
    TCloseUpEventVyn onCloseUpRequest_;
    TNotifyEvent onDropDownRequest_;
};

class TColumnDefValuesVyn;
class TDBGridColumnsVyn;
class TSpecRowVyn;
class IDropDownBoxOwnerVyn;

// A lookup column's drop-down box settings. Its columns, their defaults
// and its options are those of the column's drop-down grid, reached
// through the owner's IDropDownBoxOwnerVyn; an owner without it gives none.
class TColumnDropDownBoxVyn : public TPersistent {
    SERVIORA_CLASS(TColumnDropDownBoxVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TColumnDropDownBoxVyn(TPersistent* owner);
    ~TColumnDropDownBoxVyn() override;
    void Assign(TPersistent* source) override;

    bool AutoFitColWidths() const { return autoFitColWidths_; }
    void SetAutoFitColWidths(bool v) { autoFitColWidths_ = v; }
    TColumnDefValuesVyn* ColumnDefValues() const;
    void SetColumnDefValues(TColumnDefValuesVyn* v);
    TDBGridColumnsVyn* Columns() const;
    void SetColumns(TDBGridColumnsVyn* v);
    bool ColumnsStored() const;
    TDataSource* ListSource() const { return listSource_; }
    void SetListSource(TDataSource* v);
    TDBLookupGridVynOptions Options() const;
    void SetOptions(TDBLookupGridVynOptions v);
    bool UseMultiTitle() const { return useMultiTitle_; }
    void SetUseMultiTitle(bool v) { useMultiTitle_ = v; }
    TSpecRowVyn* SpecRow() const { return specRow_.get(); }
    void SetSpecRow(TSpecRowVyn* v);

    // Carried for the lookup combo box's box, which derives from this one.
    bool Align() const { return align_; }
    void SetAlign(bool v) { align_ = v; }
    bool AutoDrop() const { return autoDrop_; }
    void SetAutoDrop(bool v) { autoDrop_ = v; }
    int Rows() const { return rows_; }
    void SetRows(int v) { rows_ = v; }
    bool ShowTitles() const { return showTitles_; }
    void SetShowTitles(bool v) { showTitles_ = v; }
    bool Sizable() const { return sizable_; }
    void SetSizable(bool v) { sizable_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

protected:
    TPersistent* GetOwner() const override { return owner_; }

private:
    IDropDownBoxOwnerVyn* Owner() const;
    // The drop-down grid when it exists; the one made on demand for writing.
    TPopupDataGridVyn* ExistingGrid() const;
    TPopupDataGridVyn* Grid() const;

    TPersistent* owner_;
    bool align_ = false;
    bool autoDrop_ = false;
    bool autoFitColWidths_ = true;
    TDataSource* listSource_ = nullptr;
    int rows_ = 0;
    bool showTitles_ = false;
    bool sizable_ = false;
    std::unique_ptr<TSpecRowVyn> specRow_;
    bool useMultiTitle_ = false;
    int width_ = 0;
};
