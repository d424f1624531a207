// TTabControl, TPageControl and TTabSheet over "SysTabControl32".
#include "platform/ui/comctrls.h"

#include <algorithm>

#include "platform/win/commctrl.h"

// ---- TCustomTabControl -----------------------------------------------------------------

void TCustomTabControl::Published(TPublished<TCustomTabControl>& p) {
    p.Property("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine);
    p.Property("Style", &TCustomTabControl::Style, &TCustomTabControl::SetStyle).Default(tsTabs);
    p.Property("TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition).Default(tpTop);
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    controlStyle_.Exclude(csCaptureMouse);
    controlStyle_.Include(csAcceptsControls);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "SysTabControl32");
    params.Style |= WS_CLIPCHILDREN | (multiLine_ ? TCS_MULTILINE : 0);
    switch (tabPosition_) {
    case tpBottom: params.Style |= TCS_BOTTOM; break;
    case tpLeft: params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    default: break;
    }
    if (style_ != tsTabs) params.Style |= TCS_BUTTONS | (style_ == tsFlatButtons ? TCS_FLATBUTTONS : 0);
}

void TCustomTabControl::SetMultiLine(bool v) {
    if (multiLine_ == v) return;
    multiLine_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition v) {
    if (tabPosition_ == v) return;
    tabPosition_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomTabControl::SetStyle(TTabStyle v) {
    if (style_ == v) return;
    style_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomTabControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateTabs();
}

void TCustomTabControl::UpdateTabs() {
    if (!HandleAllocated()) return;
    SendMessage(Handle(), TCM_DELETEALLITEMS, 0, 0);
    const auto captions = TabCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions[i].c_str());
        SendMessage(Handle(), TCM_INSERTITEM, WPARAM(i), LPARAM(&item));
    }
    SendMessage(Handle(), TCM_SETCURSEL, WPARAM(InitialTab()), 0);
    // More tabs may take more rows, and the pages less room.
    Realign();
}

void TCustomTabControl::AdjustClientRect(TRect& rect) const {
    TWinControl::AdjustClientRect(rect);
    if (!HandleAllocated()) return;
    SendMessage(const_cast<TCustomTabControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE, LPARAM(&rect));
}

int TCustomTabControl::WindowTabIndex() {
    return HandleAllocated() ? int(SendMessage(Handle(), TCM_GETCURSEL, 0, 0)) : -1;
}

void TCustomTabControl::SelectWindowTab(int index) {
    if (HandleAllocated()) SendMessage(Handle(), TCM_SETCURSEL, WPARAM(index), 0);
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    onChanging_(this, allow);
    return allow;
}

void TCustomTabControl::Change() { onChange_(this); }

void TCustomTabControl::CNNotify(TMessage& Message) {
    const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
    if (header->code == TCN_SELCHANGING) Message.Result = CanChange() ? FALSE : TRUE;
    else if (header->code == TCN_SELCHANGE) Change();
}

// ---- TTabControl -----------------------------------------------------------------------

void TTabControl::Published(TPublished<TTabControl>& p) {
    p.Property("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex).Default(-1);
    p.Property("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs);
    p.Property("OnChange", &TTabControl::OnChange, &TTabControl::SetOnChange);
    p.Property("OnChanging", &TTabControl::OnChanging, &TTabControl::SetOnChanging);
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner), tabs_(TStringList::Create()) {
    tabs_->SetOnChange([this](TObject*) {
        if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
        if (tabIndex_ < 0 && tabs_->Count() > 0) tabIndex_ = 0;
        UpdateTabs();
    });
}

TTabControl::~TTabControl() { tabs_->SetOnChange(nullptr); }

std::vector<AnsiString> TTabControl::TabCaptions() const {
    std::vector<AnsiString> captions;
    for (int i = 0; i < tabs_->Count(); ++i) captions.push_back(tabs_->Strings(i));
    return captions;
}

Integer TTabControl::TabIndex() { return HandleAllocated() ? WindowTabIndex() : tabIndex_; }

void TTabControl::SetTabIndex(Integer v) {
    tabIndex_ = v;
    SelectWindowTab(v);
}

void TTabControl::Change() {
    tabIndex_ = WindowTabIndex();
    TCustomTabControl::Change();
}

// ---- TTabSheet -------------------------------------------------------------------------

void TTabSheet::Published(TPublished<TTabSheet>& p) {
    p.Property("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl);
    p.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    controlStyle_.Include(csAcceptsControls);
    SetVisible(false);
    SetAlign(alClient);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* v) {
    if (pageControl_ == v) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = v;
    SetParent(v);
    if (v) v->InsertPage(this);
}

void TTabSheet::SetParentComponent(TComponent* parent) {
    if (auto* pages = dynamic_cast<TPageControl*>(parent))
        SetPageControl(pages);
    else
        TWinControl::SetParentComponent(parent);
}

void TTabSheet::SetTabVisible(bool v) {
    if (tabVisible_ == v) return;
    tabVisible_ = v;
    if (pageControl_) pageControl_->UpdateTabs();
}

Integer TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return Integer(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

Integer TTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_) return -1;
    Integer index = 0;
    for (TTabSheet* page : pageControl_->pages_) {
        if (page == this) return index;
        if (page->tabVisible_) ++index;
    }
    return -1;
}

void TTabSheet::TextChanged(const AnsiString& text) {
    TWinControl::TextChanged(text);
    if (pageControl_) pageControl_->UpdateTabs();
}

// ---- TPageControl ----------------------------------------------------------------------

void TPageControl::Published(TPublished<TPageControl>& p) {
    p.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    p.Property("OnChange", &TPageControl::OnChange, &TPageControl::SetOnChange);
    p.Property("OnChanging", &TPageControl::OnChanging, &TPageControl::SetOnChanging);
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

std::vector<AnsiString> TPageControl::TabCaptions() const {
    std::vector<AnsiString> captions;
    for (TTabSheet* page : pages_)
        if (page->TabVisible()) captions.push_back(page->Caption());
    return captions;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    UpdateTabs();
    if (!activePage_) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    TTabSheet* next = page == activePage_ ? FindNextPage(page, true) : activePage_;
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (next == page) next = nullptr;
    activePage_ = nullptr;
    UpdateTabs();
    SetActivePage(next);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    activePage_ = page;
    SelectWindowTab(page ? page->TabIndex() : -1);
    ShowActivePage();
}

void TPageControl::SetActivePageIndex(Integer index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[std::size_t(index)] : nullptr);
}

void TPageControl::ShowActivePage() {
    if (activePage_) {
        activePage_->SetVisible(true);
        activePage_->BringToFront();
    }
    for (TTabSheet* page : pages_)
        if (page != activePage_) page->SetVisible(false);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const {
    if (pages_.empty()) return nullptr;
    const auto at = std::find(pages_.begin(), pages_.end(), current);
    std::size_t start = at == pages_.end() ? (forward ? pages_.size() - 1 : 0) : std::size_t(at - pages_.begin());
    for (std::size_t n = 1; n <= pages_.size(); ++n) {
        const std::size_t i = forward ? (start + n) % pages_.size() : (start + pages_.size() - n % pages_.size()) % pages_.size();
        if (pages_[i]->TabVisible()) return pages_[i];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool forward) {
    TTabSheet* next = FindNextPage(activePage_, forward);
    if (!next || next == activePage_ || !CanChange()) return;
    SetActivePage(next);
    TCustomTabControl::Change();
}

// A tab chosen in the window: its page becomes the active one.
void TPageControl::Change() {
    const int tab = WindowTabIndex();
    for (TTabSheet* page : pages_)
        if (page->TabIndex() == tab) {
            activePage_ = page;
            ShowActivePage();
        }
    TCustomTabControl::Change();
}

// ---- TMonthCalendar --------------------------------------------------------------------

void TMonthCalendar::Published(TPublished<TMonthCalendar>& p) {
    p.Property("Date", &TMonthCalendar::Date, &TMonthCalendar::SetDate);
    p.Property("AutoSize", &TMonthCalendar::AutoSize, &TMonthCalendar::SetAutoSize).Default(false);
    p.Property("OnChange", &TMonthCalendar::OnChange, &TMonthCalendar::SetOnChange);
}

TMonthCalendar::TMonthCalendar(TComponent* owner) : TWinControl(owner), date_(std::floor(::Date())) {
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 191, 154);
    SetTabStop(true);
}

void TMonthCalendar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "SysMonthCal32");
}

void TMonthCalendar::CreateWnd() {
    TWinControl::CreateWnd();
    SetDate(date_);
    if (autoSize_) SetBounds(Left(), Top(), Width(), Height());
}

void TMonthCalendar::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    SetBounds(Left(), Top(), Width(), Height());
}

void TMonthCalendar::SetBounds(int left, int top, int width, int height) {
    int autoWidth = width, autoHeight = height;
    if (autoSize_ && CanAutoSize(autoWidth, autoHeight)) {
        width = autoWidth;
        height = autoHeight;
    }
    TWinControl::SetBounds(left, top, width, height);
}

bool TMonthCalendar::CanAutoSize(int& newWidth, int& newHeight) {
    if (!HandleAllocated()) return false;
    RECT minimum{0, 0, 0, 0};
    if (!SendMessage(Handle(), MCM_GETMINREQRECT, 0, LPARAM(&minimum))) return false;
    newWidth = minimum.right - minimum.left;
    newHeight = minimum.bottom - minimum.top;
    return true;
}

TDateTime TMonthCalendar::Date() {
    if (!HandleAllocated()) return date_;
    SYSTEMTIME day;
    SendMessage(Handle(), MCM_GETCURSEL, 0, LPARAM(&day));
    return SystemTimeToDateTime(day);
}

void TMonthCalendar::SetDate(TDateTime v) {
    date_ = std::floor(v);
    if (!HandleAllocated()) return;
    SYSTEMTIME day;
    DateTimeToSystemTime(date_, day);
    SendMessage(Handle(), MCM_SETCURSEL, 0, LPARAM(&day));
}

void TMonthCalendar::CNNotify(TMessage& Message) {
    if (reinterpret_cast<const NMHDR*>(Message.LParam)->code == MCN_SELCHANGE) onChange_(this);
}

// ---- TDateTimePicker -------------------------------------------------------------------

void TDateTimePicker::Published(TPublished<TDateTimePicker>& p) {
    p.Property("Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked).Default(true);
    p.Property("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat).Default(dfShort);
    p.Property("DateMode", &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode).Default(dmComboBox);
    p.Property("Format", &TDateTimePicker::Format, &TDateTimePicker::SetFormat);
    p.Property("DateTime", &TDateTimePicker::DateTime, &TDateTimePicker::SetDateTime);
    p.Property("Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind).Default(dtkDate);
    p.Property("OnChange", &TDateTimePicker::OnChange, &TDateTimePicker::SetOnChange);
    p.Property("OnCloseUp", &TDateTimePicker::OnCloseUp, &TDateTimePicker::SetOnCloseUp);
    p.Property("OnDropDown", &TDateTimePicker::OnDropDown, &TDateTimePicker::SetOnDropDown);
    p.Property("ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox).Default(false);
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), dateTime_(Now()) {
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "SysDateTimePick32");
    if (kind_ == dtkTime) params.Style |= DTS_TIMEFORMAT;
    else if (dateFormat_ == dfLong) params.Style |= DTS_LONGDATEFORMAT;
    if (dateMode_ == dmUpDown) params.Style |= DTS_UPDOWN;
    if (showCheckbox_) params.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::CreateWnd() {
    TWinControl::CreateWnd();
    if (!format_.empty()) SendMessage(Handle(), DTM_SETFORMAT, 0, LPARAM(format_.c_str()));
    SetDateTime(dateTime_);
}

void TDateTimePicker::SetChecked(bool v) {
    checked_ = v;
    if (!HandleAllocated() || !showCheckbox_) return;
    if (v) {
        SetDateTime(DateTime());
    } else {
        SYSTEMTIME none{};
        SendMessage(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, LPARAM(&none));
    }
}

void TDateTimePicker::SetDateMode(TDTDateMode v) {
    if (dateMode_ == v) return;
    dateMode_ = v;
    Recreate();
}

void TDateTimePicker::SetFormat(const AnsiString& v) {
    format_ = v;
    if (HandleAllocated()) SendMessage(Handle(), DTM_SETFORMAT, 0, v.empty() ? 0 : LPARAM(format_.c_str()));
}

void TDateTimePicker::SetShowCheckbox(bool v) {
    if (showCheckbox_ == v) return;
    showCheckbox_ = v;
    Recreate();
}

void TDateTimePicker::Recreate() {
    if (!HandleAllocated()) return;
    dateTime_ = DateTime();
    Perform(CM_RECREATEWND, 0, 0);
}

TDateTime TDateTimePicker::DateTime() {
    if (!HandleAllocated()) return dateTime_;
    SYSTEMTIME value;
    SendMessage(Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&value));
    return SystemTimeToDateTime(value);
}

// A new value leaves the check box as it is.
void TDateTimePicker::SetDateTime(TDateTime v) {
    dateTime_ = v;
    if (!HandleAllocated()) return;
    SYSTEMTIME value;
    DateTimeToSystemTime(v, value);
    SendMessage(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&value));
    if (showCheckbox_ && !checked_) SendMessage(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, LPARAM(&value));
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
    if (kind_ == v) return;
    kind_ = v;
    Recreate();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat v) {
    if (dateFormat_ == v) return;
    dateFormat_ = v;
    Recreate();
}

void TDateTimePicker::CNNotify(TMessage& Message) {
    switch (reinterpret_cast<const NMHDR*>(Message.LParam)->code) {
    case DTN_DROPDOWN:
        droppedDown_ = true;
        onDropDown_(this);
        break;
    case DTN_CLOSEUP:
        droppedDown_ = false;
        onCloseUp_(this);
        break;
    case DTN_DATETIMECHANGE:
        if (showCheckbox_) checked_ = reinterpret_cast<const NMDATETIMECHANGE*>(Message.LParam)->dwFlags == GDT_VALID;
        onChange_(this);
        break;
    default:
        break;
    }
}
