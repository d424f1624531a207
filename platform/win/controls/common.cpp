// What the standard controls share, and the registration of their classes.
#include "platform/win/controls/common.h"

#include <cmath>

#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"

namespace ctl {

void RegisterControlClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background,
                          std::uintptr_t cursor) {
    WNDCLASS wc;
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hCursor = LoadCursor(0, cursor);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClass(&wc);
}

namespace {
constexpr const char* notifyTargetProperty = "ctl.NotifyTarget";
}

HWND NotifyTarget(HWND control) {
    const HANDLE target = GetProp(control, notifyTargetProperty);
    return target ? HWND(target) : GetParent(control);
}

void SetNotifyTarget(HWND control, HWND target) { SetProp(control, notifyTargetProperty, HANDLE(target)); }

void NotifyCommand(HWND control, UINT code) {
    const HWND parent = NotifyTarget(control);
    if (parent) SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), int(code)), LPARAM(control));
}

LRESULT NotifyParent(HWND control, NMHDR& header, UINT code) {
    header.hwndFrom = control;
    header.idFrom = UINT_PTR(GetDlgCtrlID(control));
    header.code = code;
    const HWND parent = NotifyTarget(control);
    return parent ? SendMessage(parent, WM_NOTIFY, header.idFrom, LPARAM(&header)) : 0;
}

void ParentDrawItem(HWND control, UINT controlType, UINT itemID, UINT itemState, HDC dc, const RECT& box,
                    ULONG_PTR itemData) {
    DRAWITEMSTRUCT item;
    item.CtlType = controlType;
    item.CtlID = UINT(GetDlgCtrlID(control));
    item.itemID = itemID;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = control;
    item.hDC = dc;
    item.rcItem = box;
    item.itemData = itemData;
    SendMessage(NotifyTarget(control), WM_DRAWITEM, item.CtlID, LPARAM(&item));
}

void DateRange::Set(DWORD flags, const SYSTEMTIME* range, bool wholeDays) {
    flags_ = range ? flags : 0;
    const auto end = [&](const SYSTEMTIME& time) {
        const TDateTime date = SystemTimeToDateTime(time);
        return wholeDays ? std::floor(date) : date;
    };
    if (flags_ & GDTR_MIN) minimum_ = end(range[0]);
    if (flags_ & GDTR_MAX) maximum_ = end(range[1]);
}

DWORD DateRange::Get(SYSTEMTIME* range) const {
    if (range && (flags_ & GDTR_MIN)) DateTimeToSystemTime(minimum_, range[0]);
    if (range && (flags_ & GDTR_MAX)) DateTimeToSystemTime(maximum_, range[1]);
    return flags_;
}

TDateTime DateRange::Clamped(TDateTime date) const {
    if ((flags_ & GDTR_MIN) && date < minimum_) return minimum_;
    if ((flags_ & GDTR_MAX) && date > maximum_) return maximum_;
    return date;
}

int ControlFont::TextHeight(int* averageWidth) const {
    if (height_ < 0) {
        const MeasuringDC measuring(ForDrawing());
        TEXTMETRICA metrics;
        GetTextMetrics(measuring.dc(), &metrics);
        height_ = metrics.tmHeight;
        averageWidth_ = metrics.tmAveCharWidth;
    }
    if (averageWidth) *averageWidth = averageWidth_;
    return height_;
}

HBRUSH ControlBrush(HWND control, HDC dc, UINT ctlColorMessage) {
    const HWND parent = GetParent(control);
    const LRESULT brush = parent ? SendMessage(parent, ctlColorMessage, WPARAM(dc), LPARAM(control)) : 0;
    return brush ? HBRUSH(brush) : HBRUSH(DefWindowProc(control, ctlColorMessage, WPARAM(dc), LPARAM(control)));
}

int TextWidth(HDC dc, const char* text, std::size_t length) {
    if (length == 0) return 0;
    SIZE size{};
    GetTextExtentPoint32(dc, text, int(length), &size);
    return size.cx;
}

RECT ClientRect(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

PaintScope::PaintScope(HWND window, WPARAM dcFromMessage)
    : window_(window), dc_(HDC(dcFromMessage)), own_(dcFromMessage == 0) {
    if (own_) dc_ = BeginPaint(window, &paint_);
}

PaintScope::~PaintScope() {
    if (own_) EndPaint(window_, &paint_);
}

}  // namespace ctl

void InitCommonControls() { ws::RegisterControlClasses(); }

bool ws::RegisterControlClasses() {
    static bool registered = false;
    if (registered) return false;
    registered = true;
    ctl::RegisterButtonClass();
    ctl::RegisterEditClass();
    ctl::RegisterListBoxClasses();
    ctl::RegisterComboBoxClass();
    ctl::RegisterTabControlClass();
    ctl::RegisterHeaderClass();
    ctl::RegisterListViewClass();
    ctl::RegisterMonthCalendarClass();
    ctl::RegisterDateTimePickerClass();
    ctl::RegisterToolTipClass();
    ctl::RegisterProgressBarClass();
    ctl::RegisterTrackBarClass();
    ctl::RegisterUpDownClass();
    ctl::RegisterStatusBarClass();
    ctl::RegisterTreeViewClass();
    return true;
}
