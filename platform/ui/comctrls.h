// The common-control wrappers: TTabControl, and TPageControl with its
// TTabSheet pages, over the platform's "SysTabControl32" class (OnChanging
// may refuse a change of tab; OnChange follows it; MultiLine puts tabs that
// do not fit in more rows; TabPosition and Style place and draw them);
// TMonthCalendar and
// TDateTimePicker over "SysMonthCal32" and "SysDateTimePick32".
#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include "platform/rtl/stringlist.h"
#include "platform/ui/stdctrls_edit.h"

using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;
SERVIORA_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)
SERVIORA_ENUM(TTabStyle, tsTabs, tsButtons, tsFlatButtons)

class TCustomTabControl : public TWinControl {
    SERVIORA_CLASS(TCustomTabControl, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomTabControl(TComponent* owner);

    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);
    // The side the tabs stand on; at the left or right they take more rows.
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition v);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle v);

    // The area inside the frame, below the tabs.
    void AdjustClientRect(TRect& rect) const override;

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }
    const TTabChangingEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TTabChangingEvent v) { onChanging_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // The tab captions the window shows, in order.
    virtual std::vector<AnsiString> TabCaptions() const = 0;
    // The tab to select when the window is made (-1: none).
    virtual int InitialTab() const = 0;
    virtual bool CanChange();
    virtual void Change();
    void UpdateTabs();
    int WindowTabIndex();
    void SelectWindowTab(int index);
    void CNNotify(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_NOTIFY, CNNotify)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    TNotifyEvent onChange_;
    TTabChangingEvent onChanging_;
    bool multiLine_ = false;
    TTabPosition tabPosition_ = tpTop;
    TTabStyle style_ = tsTabs;
};

// Tabs only: the program shows what belongs to TabIndex itself.
class TTabControl : public TCustomTabControl {
    SERVIORA_CLASS(TTabControl, TCustomTabControl)
    SERVIORA_PUBLISHED
public:
    explicit TTabControl(TComponent* owner);
    ~TTabControl() override;

    TStrings* Tabs() const { return tabs_.get(); }
    void SetTabs(TStrings* v) { tabs_->Assign(v); }
    Integer TabIndex();
    void SetTabIndex(Integer v);

protected:
    std::vector<AnsiString> TabCaptions() const override;
    int InitialTab() const override { return tabIndex_; }
    void Change() override;

private:
    std::unique_ptr<TStringList> tabs_;
    Integer tabIndex_ = -1;
};

class TPageControl;

// A page of a TPageControl; its Caption is the tab's text.
class TTabSheet : public TWinControl {
    SERVIORA_CLASS(TTabSheet, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* v);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    Integer PageIndex() const;
    // The index among the pages with a visible tab (-1 without one).
    Integer TabIndex() const;
    // Read from a description inside a page control, the sheet becomes one
    // of its pages.
    void SetParentComponent(TComponent* parent) override;

protected:
    void TextChanged(const AnsiString& text) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TCustomTabControl {
    SERVIORA_CLASS(TPageControl, TCustomTabControl)
    SERVIORA_PUBLISHED
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    Integer PageCount() const { return Integer(pages_.size()); }
    TTabSheet* Pages(Integer index) const { return pages_.at(std::size_t(index)); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    Integer ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
    void SetActivePageIndex(Integer index);
    // The next (or previous) page with a visible tab after `current`, wrapping.
    TTabSheet* FindNextPage(TTabSheet* current, bool forward) const;
    void SelectNextPage(bool forward);

protected:
    std::vector<AnsiString> TabCaptions() const override;
    int InitialTab() const override { return activePage_ ? activePage_->TabIndex() : -1; }
    void Change() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ShowActivePage();

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

SERVIORA_ENUM(TDateTimeKind, dtkDate, dtkTime)
SERVIORA_ENUM(TDTDateFormat, dfShort, dfLong)
SERVIORA_ENUM(TDTDateMode, dmComboBox, dmUpDown)

// A month calendar ("SysMonthCal32"); Date is the chosen day.
class TMonthCalendar : public TWinControl {
    SERVIORA_CLASS(TMonthCalendar, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TMonthCalendar(TComponent* owner);

    TDateTime Date();
    void SetDate(TDateTime v);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }
    // With AutoSize every new size is the one CanAutoSize proposes.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Proposes the smallest size that shows a whole month (the window's).
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void CNNotify(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_NOTIFY, CNNotify)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    TDateTime date_;
    TNotifyEvent onChange_;
    bool autoSize_ = false;
};

// A date or time field ("SysDateTimePick32") with a drop-down calendar.
class TDateTimePicker : public TWinControl {
    SERVIORA_CLASS(TDateTimePicker, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TDateTimePicker(TComponent* owner);

    TDateTime DateTime();
    void SetDateTime(TDateTime v);
    TDateTime Date() { return std::floor(DateTime()); }
    void SetDate(TDateTime v) { SetDateTime(std::floor(v) + (DateTime() - std::floor(DateTime()))); }
    TDateTime Time() { return DateTime() - std::floor(DateTime()); }
    void SetTime(TDateTime v) { SetDateTime(std::floor(DateTime()) + (v - std::floor(v))); }
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind v);
    TDTDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TDTDateFormat v);
    bool DroppedDown() const { return droppedDown_; }
    // dmComboBox drops a calendar down; dmUpDown steps the part at the
    // caret with arrows instead.
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode v);
    // The display pattern (the picker's codes: yyyy, MM, dd, HH, mm, ...);
    // empty: the locale's format of the kind. The text follows it.
    const AnsiString& Format() const { return format_; }
    void SetFormat(const AnsiString& v);
    // A check box before the value; unchecked, the picker holds no value.
    // The user ticks it with a click or Space.
    bool ShowCheckbox() const { return showCheckbox_; }
    void SetShowCheckbox(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }
    const TNotifyEvent& OnDropDown() const { return onDropDown_; }
    void SetOnDropDown(TNotifyEvent v) { onDropDown_ = std::move(v); }
    const TNotifyEvent& OnCloseUp() const { return onCloseUp_; }
    void SetOnCloseUp(TNotifyEvent v) { onCloseUp_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CNNotify(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_NOTIFY, CNNotify)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    void Recreate();

    TDateTime dateTime_;
    TDateTimeKind kind_ = dtkDate;
    TDTDateFormat dateFormat_ = dfShort;
    TDTDateMode dateMode_ = dmComboBox;
    AnsiString format_;
    bool showCheckbox_ = false;
    bool checked_ = true;
    bool droppedDown_ = false;
    TNotifyEvent onChange_, onDropDown_, onCloseUp_;
};
