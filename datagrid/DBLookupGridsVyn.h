// TDBLookupGridVyn: a grid listing the records of a list dataset that holds
// one chosen key value, written into the fields of an edited (master)
// dataset; a lookup field there brings its own list. Above the records a
// special row may stand for a choice that is no list record.
#pragma once

#include <memory>
#include <vector>

#include "datagrid/DBGridVyn.h"

class TDBLookupGridVyn;

// A string data (or internal-calculated) field, the kind typing searches.
bool IsTypeAheadField(const TField* field);
// The values of `fields`: Null for none, one value, or an array.
Variant KeyFieldValues(const std::vector<TField*>& fields);
// A lookup field's list takes the place of the control's own: its list
// source and key field may not change, nor while the master link's source
// is fixed.
void CheckListBindingChangeable(TComponent* control, bool lookupMode, const TDataLink* masterLink);
// One key field and a scalar key, or n key fields and an array of n values.
bool KeyFitsFields(const Variant& key, std::size_t keyFieldCount);
// Moves `list` to the record of `key`; false for a Null key, a closed list,
// a key of the wrong shape or any error.
bool LocateKey(TDataSet* list, const AnsiString& keyField, const Variant& key, std::size_t keyFieldCount);
// The lookup field among the master fields: the only one, when it is one.
TField* MasterLookupField(const std::vector<TField*>& masterFields);

// The key, list and display fields found in a list dataset.
struct TLookupListFieldsVyn {
    std::vector<TField*> keyFields;
    std::vector<TField*> listFields;
    TField* displayField = nullptr;
};
// In lookup mode the display field is the lookup field's result field, put
// first into the list fields; otherwise the key fields stand in for missing
// list fields and the display field is the one at `listFieldIndex` (the
// first when out of range). A missing field raises.
TLookupListFieldsVyn FindListFields(TDataSet* list, const AnsiString& keyField, const AnsiString& listField,
                                    int listFieldIndex, const TField* lookupField);

// The link to the edited dataset.
class TLookupGridDataLinkVyn : public TDataLink {
    SERVIORA_CLASS(TLookupGridDataLinkVyn, TDataLink)
public:
    explicit TLookupGridDataLinkVyn(TDBLookupGridVyn* grid) : grid_(grid) {}

protected:
    void ActiveChanged() override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void FocusControl(TField** field) override;

private:
    TDBLookupGridVyn* grid_;
};

class TDBLookupGridVyn : public TCustomDBGridVyn {
    SERVIORA_CLASS(TDBLookupGridVyn, TCustomDBGridVyn)
public:
    explicit TDBLookupGridVyn(TComponent* owner);
    ~TDBLookupGridVyn() override;

    // ---- The edited dataset ------------------------------------------------------
    TDataSource* MasterSource() const { return masterLink_->DataSource(); }
    void SetMasterSource(TDataSource* v);
    const AnsiString& DataField() const { return dataField_; }
    void SetDataField(const AnsiString& v);
    TLookupGridDataLinkVyn* MasterLink() const { return masterLink_.get(); }
    // Whether DataField is a lookup field, whose list the grid shows.
    bool LookupMode() const { return lookupMode_; }

    // ---- The list -------------------------------------------------------------------
    // The grid's own data source; refused in lookup mode.
    TDataSource* ListSource() const { return DataSource(); }
    void SetListSource(TDataSource* v);
    const AnsiString& KeyField() const { return keyField_; }
    void SetKeyField(const AnsiString& v);
    const AnsiString& ListField() const { return listField_; }
    void SetListField(const AnsiString& v);
    int ListFieldIndex() const { return listFieldIndex_; }
    void SetListFieldIndex(int v);
    const std::vector<TField*>& ListFields() const { return listFields_; }
    TField* DisplayField() const { return displayField_; }
    bool ListActive() const { return listActive_; }

    // ---- The value -------------------------------------------------------------------
    const Variant& KeyValue() const { return keyValue_; }
    void SetKeyValue(const Variant& v);
    // The key row's display text, or the special row's when it is chosen.
    const AnsiString& SelectedText() const { return selectedText_; }
    bool SpecRowSelected() const { return specRowSelected_; }
    const AnsiString& SearchText() const { return searchText_; }

    // ---- Look --------------------------------------------------------------------------
    int ListRowCount() const { return listRowCount_; }
    void SetListRowCount(int v);
    bool ShowTitles() const { return Options().Contains(dgTitles); }
    // The visible columns' widths with a line each under dgColLines.
    int ContentWidth() const;
    // The columns fit the width when it is set or the window is sized (not
    // all the time); a column the user sizes widens the list instead.
    bool AutoFitColWidths() const { return autoFitColWidths_; }
    void SetAutoFitColWidths(bool v);
    void SetShowTitles(bool v);
    TSpecRowVyn* SpecRow() const { return specRow_.get(); }
    void SetSpecRow(TSpecRowVyn* v) { specRow_->Assign(v); }
    // The lookup options, mapped onto the grid's own: setting them sets the
    // chosen ones and clears the other four.
    TDBLookupGridVynOptions LookupOptions() const { return lookupOptions_; }
    void SetLookupOptions(TDBLookupGridVynOptions v);
    // Lets the grid take presses without the focus (its drop-down form).
    void SetAcceptsMouseWithoutFocus(bool v) { mouseWithoutFocus_ = v; }

    // ---- Choosing ----------------------------------------------------------------------
    void ChooseCurrentRecord();
    void ChooseSpecRow();
    void ChooseRecordAt(int x, int y);

    virtual bool ValueEditable();
    virtual bool KeyValueFitsFields() const;
    virtual int FrameSize() const;
    virtual int SpecRowHeight() const;
    virtual int ListRowHeight() const;
    virtual void AfterKeyValueChange();
    virtual void ListDataChanged();
    virtual void IncrementalSearch(char key);
    virtual void ApplyKeyValue(const Variant& value);
    virtual void SpecRowChanged(TObject* sender);
    virtual void FitToContent();
    virtual void ResolveDataFields();
    virtual void ResolveListFields();
    virtual bool FindKeyInList();

    // The master record changed (all fields, or `field`).
    void MasterRecordChanged(TField* field);

    int FilterRowCount() const override;
    bool GetDataCellColors(int dataCol, int dataRow, TFont* font, TColor& background, TGridDrawState& state,
                           const AnsiString& text) override;
    void LinkActiveChanged(bool active) override;
    void UpdateVertScrollBar() override;
    // The bar follows the list: record numbers of a sequenced list, else
    // five positions; set only when it changed.
    void RefreshListScrollBar();
    void DataScrolled(int distance) override;
    void RebuildLayout() override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    TDBGridColumnsVyn* CreateColumns() override;
    // A moved column takes its special-row text, the display field and,
    // for columns made from the list fields, the list's field order along.
    void ColumnMoved(int fromIndex, int toIndex) override;
    void ColWidthsChanged() override;
    void BuildFieldMap() override;
    void RecalcRowCount() override;
    void DrawFilterCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state,
                        const TCellTypeVyn& type, bool& highlighted) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // The wheel scrolls the list one record past the buffered ones; the
    // choice stays.
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WMGetDlgCode(TMessage& Message);
    void WMSetFocusVyn(TMessage& Message);
    void WMKillFocusLookup(TMessage& Message);
    void WMVScrollList(TMessage& Message);
    void WMTimerList(TMessage& Message);
    // Over the special row the grid shows no sizing cursors.
    void WMSetCursorList(TMessage& Message);
    // Fitting the columns never makes the window again.
    void CMRecreateWndList(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMSetFocusVyn)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocusLookup)
        SERVIORA_MESSAGE(WM_VSCROLL, WMVScrollList)
        SERVIORA_MESSAGE(WM_TIMER, WMTimerList)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursorList)
        SERVIORA_MESSAGE(CM_RECREATEWND, CMRecreateWndList)
    SERVIORA_MESSAGES_END(TCustomDBGridVyn)

protected:
    TDataSet* ListDataSet() const;
    // The values of the key fields in the list's current record (one
    // value, or an array for several fields).
    Variant CurrentKey() const;
    // The height of `rows` list rows with the titles, frame and special row.
    int HeightForRows(int rows) const;
    // Moves the choice by `step` records, to the first (`toFirst`) or to
    // the last (`toLast`), as the keys do.
    void MoveChoice(int step, bool toFirst, bool toLast);
    // A left press is choosing under the moving mouse.
    bool Tracking() const { return tracking_; }

private:
    // Tracking outside the client area moves the list one record at a
    // time, faster the farther the mouse is.
    void AutoScrollFrom(int y);
    void AutoScrollStep();
    int SpecRowPixels() const { return specRow_->Visible() ? SpecRowHeight() : 0; }
    int TitlePixels() const;

    std::unique_ptr<TLookupGridDataLinkVyn> masterLink_;
    AnsiString dataField_;
    std::vector<TField*> masterFields_;
    std::vector<TField*> masterKeyFields_;
    AnsiString keyField_, listField_;
    int listFieldIndex_ = 0;
    Variant keyValue_ = Null();
    std::vector<TField*> keyFields_;
    std::vector<TField*> listFields_;
    TField* displayField_ = nullptr;
    bool listActive_ = false;
    bool lookupMode_ = false;
    bool hasFocus_ = false;
    bool mouseWithoutFocus_ = false;
    bool locked_ = false;
    bool specRowSelected_ = false;
    bool inRowCount_ = false;
    bool tracking_ = false;
    int autoScrollDirection_ = 0;
    bool autoFitColWidths_ = false;
    bool fitting_ = false;
    std::unique_ptr<TDataSource> lookupSource_;
    int listRowCount_ = 7;
    AnsiString searchText_;
    AnsiString selectedText_;
    std::unique_ptr<TSpecRowVyn> specRow_;
    TDBLookupGridVynOptions lookupOptions_{dlgColLinesVyn};
};
