// The single-line data-aware editor every editor of the library grows
// from: a masked edit bound to a field through TFieldDataLinkVyn (or
// keeping its value itself), with edit buttons at the right, an optional
// image at the left, a most-recently-used list and the field's alignment
// painted while it does not have the focus. It can be hosted in place by a
// control implementing IInplaceEditHolderVyn.
#pragma once

#include <functional>
#include <memory>

#include "datagrid/DBCtrlsVyn.h"
#include "datagrid/DBCtrlsVynDataLink.h"
#include "datagrid/DBGridVynSettings.h"
#include "datagrid/ToolCtrlsVynButtons.h"
#include "datagrid/ToolCtrlsVynDropDown.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/mask.h"

class TCustomDBEditVyn;

// Asks its editor to recreate the window through message 1125 on a change
// of anything but the image index.
class TEditImageVyn : public TPersistent {
    SERVIORA_CLASS(TEditImageVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TEditImageVyn(TCustomDBEditVyn* editor) : editor_(editor) {}
    void Assign(TPersistent* source) override;

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* v);
    bool UseImageHeight() const { return useImageHeight_; }
    void SetUseImageHeight(bool v) { Store(useImageHeight_, v); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Store(visible_, v); }
    int Width() const { return width_; }
    void SetWidth(int v) { Store(width_, v); }

private:
    template <class T>
    void Store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RequestRecreate();
    }
    void RequestRecreate();

    TCustomDBEditVyn* editor_;
    int imageIndex_ = -1;
    TCustomImageList* images_ = nullptr;
    bool useImageHeight_ = true;
    bool visible_ = false;
    int width_ = 0;
};

using TUpdateDataEventVyn = TEvent<void(TObject* Sender, bool& Handled)>;
using TGetImageIndexEventVyn = TEvent<void(TObject* Sender, int& ImageIndex)>;

// What an in-place host sets on the editor it embeds.
class IInplaceEditVyn {
public:
    virtual TFont* GetFont() = 0;
    virtual void SetInplaceEditHolder(TPersistent* holder) = 0;
    virtual void SetBorderStyle(TBorderStyle value) = 0;
    virtual void SetFont(TFont* value) = 0;
    virtual void SetColor(TColor value) = 0;
    virtual void AssignKeyPressHandler(const TKeyPressEvent& handler) = 0;
    virtual void AssignExitHandler(const TNotifyEvent& handler) = 0;

protected:
    ~IInplaceEditVyn() = default;
};

// Message 1125: recreate the window; 1126: a button's menu was shown.
inline constexpr UINT RecreateEditorMessage = WM_USER + 101;
inline constexpr UINT ButtonMenuShownMessage = WM_USER + 102;

class TCustomDBEditVyn : public TCustomMaskEdit, public IDropDownHostVyn, public IInplaceEditVyn {
    SERVIORA_CLASS(TCustomDBEditVyn, TCustomMaskEdit)
public:
    explicit TCustomDBEditVyn(TComponent* owner);
    ~TCustomDBEditVyn() override;

    // Text without the mask's literals; writing it posts through the data.
    AnsiString Text() const { return TCustomMaskEdit::GetText(); }
    void SetText(const AnsiString& value);
    Variant Value() const { return GetVariantValue(); }
    void SetValue(const Variant& value) { AssignValue(value); }
    TField* Field() const { return dataLink_->Field(); }
    TFieldDataLinkVyn* DataLink() const { return dataLink_.get(); }
    // What the control handles itself, else what its data source answers.
    bool ExecuteAction(TBasicAction* action) override;
    bool UpdateAction(TBasicAction* action) override;

    AnsiString DataField() const { return DataFieldRead(); }
    void SetDataField(const AnsiString& value) { DataFieldWrite(value); }
    TDataSource* DataSource() const { return DataSourceRead(); }
    void SetDataSource(TDataSource* value) { DataSourceWrite(value); }
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    // An explicit mask; the field's mask applies until one is set.
    void SetEditMask(const AnsiString& value);
    // What a form description keeps: only what was set explicitly, and the
    // text only of an editor that holds its value itself.
    bool AlignmentStored() const { return alignmentSet_; }
    bool EditMaskStored() const { return editMaskSet_; }
    bool TextStored() const { return IsDataIndependent() && !Text().empty(); }
    bool AlwaysShowBorder() const { return alwaysShowBorder_; }
    void SetAlwaysShowBorder(bool value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // Height follows the font (and the images) with a single border.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TEditButtonVyn* EditButton() const { return editButton_.get(); }
    void SetEditButton(TEditButtonVyn* value) { editButton_->Assign(value); }
    TEditButtonsVyn* EditButtons() const { return editButtons_.get(); }
    void SetEditButtons(TEditButtonsVyn* value) { editButtons_->Assign(value); }
    TEditImageVyn* EditImage() const { return editImage_.get(); }
    TMRUListVyn* MRUList() const { return mruList_.get(); }
    void SetMRUList(TMRUListVyn* value) { mruList_->Assign(value); }
    TCustomImageList* Images() const { return editImage_->Images(); }
    void SetImages(TCustomImageList* value);
    bool DroppedDown() const { return droppedDown_; }
    int ButtonAreaWidth() const { return buttonAreaWidth_; }
    const TEditButtonControlList& ButtonControls() const { return buttonControls_; }

    const TButtonClickEventVyn& OnButtonClick() const { return onButtonClick_; }
    void SetOnButtonClick(TButtonClickEventVyn v) { onButtonClick_ = std::move(v); }
    const TButtonDownEventVyn& OnButtonDown() const { return onButtonDown_; }
    void SetOnButtonDown(TButtonDownEventVyn v) { onButtonDown_ = std::move(v); }
    const TUpdateDataEventVyn& OnUpdateData() const { return onUpdateData_; }
    void SetOnUpdateData(TUpdateDataEventVyn v);
    const TGetImageIndexEventVyn& OnGetImageIndex() const { return onGetImageIndex_; }
    void SetOnGetImageIndex(TGetImageIndexEventVyn v);

    // The editor paints its text itself: aligned text without the focus.
    bool PaintsOwnText() const;
    TRect ButtonAreaRect() const;
    TRect ImageRect() const;
    TRect TextAreaRect() const;
    bool FlatBorderShown() const { return flatBorderShown_; }
    // The most-recently-used list's pop-up, made on first use.
    TMRUListboxVyn* MRUListBox();

    // IDropDownHostVyn
    void CloseDropDown(bool accept) override { CloseUpButton(accept); }
    // IInplaceEditVyn
    TFont* GetFont() override { return Font(); }
    void SetInplaceEditHolder(TPersistent* holder) override;
    void SetBorderStyle(TBorderStyle value) override { TCustomMaskEdit::SetBorderStyle(value); }
    void SetFont(TFont* value) override { TCustomMaskEdit::SetFont(value); }
    void SetColor(TColor value) override { TCustomMaskEdit::SetColor(value); }
    void AssignKeyPressHandler(const TKeyPressEvent& handler) override { SetOnKeyPress(handler); }
    void AssignExitHandler(const TNotifyEvent& handler) override { SetOnExit(handler); }

    // Hosted: placed at `rect` and shown, an empty one hides.
    void ShowAtRect(const TRect& rect);
    void HideEditor();
    void SetFocus() override;

    virtual void UpdateData(TObject* sender);

    void AfterConstruction() override;

protected:
    virtual bool ButtonsAvailable() const;
    virtual TFieldDataLinkVyn* CreateFieldDataLink() { return new TFieldDataLinkVyn(); }
    virtual TEditButtonVyn* CreateEditButton() { return new TEditButtonVyn(this); }
    virtual TEditButtonControlVyn* MakeButtonControl();
    virtual TEditButtonsVyn* CreateEditButtons();
    virtual bool IsDataIndependent() const { return dataLink_->DataIndependent(); }
    virtual TAlignment FieldAlignment() const;
    virtual AnsiString FieldEditMask() const;
    virtual int FieldImageIndex() const { return -1; }
    virtual AnsiString DataFieldRead() const { return dataLink_->FieldName(); }
    virtual TDataSource* DataSourceRead() const { return dataLink_->DataSource(); }
    virtual AnsiString TextToShow() const;
    virtual Variant GetVariantValue() const { return Variant(Text()); }
    virtual bool IsValidInputChar(char c) const;
    virtual void DataLinkActiveChanged(TObject* sender);
    virtual void AutoAdjustHeight();
    virtual void ButtonDropDown(bool downButton);
    virtual TRect GetEditRect() const;
    virtual void CloseUpButton(bool accept);
    virtual void FieldChanged();
    virtual void DropDownStart();
    virtual void ButtonClicked(TObject* sender);
    virtual void ButtonPressed(TObject* sender, bool topButton, bool& autoRepeat, bool& handled);
    virtual void ButtonMouseReleased(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    virtual void UpdateReadOnlyState(TObject*) { UpdateReadOnly(); }
    virtual void StoreText(const AnsiString& text) { TCustomMaskEdit::SetText(text); }
    virtual void StoreValue(const Variant& value);
    virtual void PostTextToField();
    virtual void RecalcMaxLength();
    virtual void DataFieldWrite(const AnsiString& value);
    virtual void DataSourceWrite(TDataSource* value);
    virtual void SetFocusState(bool value);
    virtual void AssignValue(const Variant& value);
    virtual void UpdateReadOnly();
    virtual void UpdateAutoHeight();
    virtual void UpdateImageIndex();
    virtual TMRUListboxVyn* CreateMRUListBox();
    virtual void UserTextChanged();
    virtual void MRUListResized(TObject* sender);

    void OpenMRUList();
    void CloseMRUList(bool accept);
    void MRUListClicked(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void UpdateFlatBorder();
    void PaintFlatBorder();
    // While the MRU list is open it takes the paging keys, Enter and Escape.
    bool ForwardToOpenMRUList(TMessage& Message);

    void DataChange(TObject* sender);
    void Change() override;
    // Asks the link to edit; answers whether the text may change.
    bool EditCanModify();
    // The text returns to the data's value.
    void Reset();
    void SetDroppedDown(bool value) { droppedDown_ = value; }
    // Whether the editor counts as focused (set on entering, cleared on exit).
    bool FocusFlag() const { return focusFlag_; }

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    void LayoutEditButtons();
    void UpdateEditButtonStates();
    void ButtonSettingsChanged(TObject* sender);
    void UpdateTextRect();
    void PaintText(HDC dc);

    void WMChar(TMessage& Message);
    // Cut, paste and undo change the text: the record enters edit mode first.
    void WMEditingClipboard(TMessage& Message);
    void WMGetDlgCode(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMPaint(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void CMEnter(TMessage& Message);
    void CMExit(TMessage& Message);
    void CMWantSpecialKey(TMessage& Message);
    void CMGetDataLink(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void CMRecreate(TMessage& Message);
    void CNCommand(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMMouseWheel(TMessage& Message);
    void CMCancelMode(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_CHAR, WMChar)
        SERVIORA_MESSAGE(WM_CUT, WMEditingClipboard)
        SERVIORA_MESSAGE(WM_PASTE, WMEditingClipboard)
        SERVIORA_MESSAGE(WM_UNDO, WMEditingClipboard)
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_PAINT, WMPaint)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursor)
        SERVIORA_MESSAGE(CM_ENTER, CMEnter)
        SERVIORA_MESSAGE(CM_EXIT, CMExit)
        SERVIORA_MESSAGE(CM_WANTSPECIALKEY, CMWantSpecialKey)
        SERVIORA_MESSAGE(CM_GETDATALINK, CMGetDataLink)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
        SERVIORA_MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged)
        SERVIORA_MESSAGE(RecreateEditorMessage, CMRecreate)
        SERVIORA_MESSAGE(CN_COMMAND, CNCommand)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMSetFocus)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
        SERVIORA_MESSAGE(CM_MOUSEWHEEL, CMMouseWheel)
        SERVIORA_MESSAGE(CM_CANCELMODE, CMCancelMode)
    SERVIORA_MESSAGES_END(TCustomMaskEdit)

private:
    void InstallFieldDataLink();
    // Puts a bound dataset into edit mode, stores, and posts unless a post
    // is running; a failing post reloads the data's value.
    void StoreAndPost(const std::function<void()>& store);
    void ConfigureButtonControl(int index, TEditButtonVyn* button);
    TEditButtonVyn* ButtonOfControl(TObject* control) const;
    // The button whose ShortCut is `key` with `shift`, main button first.
    int ButtonForShortCut(Word key, TShiftState shift) const;
    bool OverButtonsOrImage(LPARAM lParam) const;
    bool UseRightToLeft() const;
    void CaretCorrection();

    std::unique_ptr<TFieldDataLinkVyn> dataLink_;
    std::unique_ptr<TEditButtonVyn> editButton_;
    std::unique_ptr<TEditButtonsVyn> editButtons_;
    std::unique_ptr<TEditImageVyn> editImage_;
    std::unique_ptr<TMRUListVyn> mruList_;
    std::unique_ptr<TControlCanvas> canvas_;
    TMRUListboxVyn* mruListBox_ = nullptr;
    TEditButtonControlList buttonControls_;
    IInplaceEditHolderVyn* holder_ = nullptr;
    TPersistent* holderObject_ = nullptr;
    TAlignment alignment_ = taLeftJustify;
    bool alignmentSet_ = false;
    bool editMaskSet_ = false;
    bool alwaysShowBorder_ = false;
    bool flat_ = false;
    bool readOnly_ = false;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool focusFlag_ = false;
    bool postingInProgress_ = false;
    bool droppedDown_ = false;
    bool dropDownByThisPress_ = false;
    bool userChangePending_ = false;
    bool textByProgram_ = false;
    bool flatBorderShown_ = false;
    bool mouseOver_ = false;
    int commonButtonHeight_ = 0;
    int buttonAreaWidth_ = 0;
    int imageWidth_ = 0;
    TButtonClickEventVyn onButtonClick_;
    TButtonDownEventVyn onButtonDown_;
    TUpdateDataEventVyn onUpdateData_;
    TGetImageIndexEventVyn onGetImageIndex_;
};
