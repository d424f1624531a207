// The grid's balloon tooltip, a "Tooltips_Class32" window in balloon style
// with the grid as its one tool, which asks the grid (WM_NOTIFY, beside the
// date editor's change) for the text of the cell under the mouse.
#include <algorithm>
#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/win/commctrl.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/BqgHTMLE.h"

namespace {

// The window's constant alpha, through the layered-window calls (which
// leave it opaque where there are none).
void MakeWindowTranslucent(HWND window, COLORREF key, Byte alpha) {
    SetWindowLongPtr(window, GWL_EXSTYLE, GetWindowLongPtr(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    CallSetLayeredWindowAttributes(window, key, alpha, LWA_ALPHA);
    POINT origin{0, 0};
    SIZE size{100, 100};
    BLENDFUNCTION blend{};
    CallUpdateLayeredWindow(window, 0, &origin, &size, 0, &origin, key, &blend, LWA_ALPHA);
}

// What the balloon shows of a text: without leading line breaks and tabs,
// tabs as spaces, at most 1,024 characters.
AnsiString BalloonTextOf(AnsiString text) {
    const std::size_t start = text.find_first_not_of("\r\n\t");
    text = start == AnsiString::npos ? AnsiString() : text.substr(start);
    std::replace(text.begin(), text.end(), '\t', ' ');
    if (text.size() > 1024) text = text.substr(0, 1021) + "...";
    return text;
}

}  // namespace

void TBavStringGrid::CreateTooltipWindow() {
    tooltip_ = CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), 0, 0, nullptr);
    if (tooltip_) SetWindowPos(tooltip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TBavStringGrid::DestroyTooltipWindow() {
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = 0;
}

void TBavStringGrid::AddTooltipTool(int icon, const AnsiString& title) {
    if (!tooltip_ || !HandleAllocated()) return;
    TOOLINFO info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = Handle();
    info.uId = UINT_PTR(Handle());
    GetClientRect(Handle(), &info.rect);
    info.lpszText = LPSTR_TEXTCALLBACK;
    SendMessage(tooltip_, TTM_ADDTOOL, 0, LPARAM(&info));
    char buffer[256] = {};
    std::strncpy(buffer, title.c_str(), sizeof(buffer) - 1);
    SendMessage(tooltip_, TTM_SETTITLE, icon >= 0 && icon <= 3 ? icon : 0, LPARAM(buffer));
}

void TBavStringGrid::InitBalloonTooltip() {
    if (!HandleAllocated()) return;
    CreateTooltipWindow();
    if (!tooltip_) return;
    AddTooltipTool(3, "ToolTipText");
    if (balloon_->InitialDelay() != -1)
        SendMessage(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(balloon_->InitialDelay(), 0));
    if (balloon_->ReshowDelay() != -1)
        SendMessage(tooltip_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(balloon_->ReshowDelay(), 0));
    if (balloon_->AutoHideDelay() != -1)
        SendMessage(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(balloon_->AutoHideDelay(), 0));
    if (balloon_->Transparency() != 0) MakeWindowTranslucent(tooltip_, 0, Byte(255 - balloon_->Transparency()));
}

void TBavStringGrid::DoneBalloonTooltip() {
    if (balloon_->Enable()) DestroyTooltipWindow();
}

void TBavStringGrid::BalloonEnableChanged() {
    if (ComponentState().Contains(csLoading)) return;
    if (balloon_->Enable())
        InitBalloonTooltip();
    else
        DestroyTooltipWindow();
}

bool TBavStringGrid::WMNotify(TMessage& message) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (header->code == DTN_DATETIMECHANGE) {
        if (onDateTimeChange_)
            onDateTimeChange_(this, Col(), Row(),
                              SystemTimeToDateTime(reinterpret_cast<NMDATETIMECHANGE*>(message.LParam)->st));
        return false;
    }
    if (header->code == TTN_SHOW || header->code == TTN_POP) return true;
    if (header->code != TTN_NEEDTEXT || !balloon_->Enable()) return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    ::ScreenToClient(Handle(), &cursor);
    const TGridCoord cell = MouseCoord(cursor.x, cursor.y);
    if (cell.X < 0 || cell.Y < 0) return true;
    AnsiString text = GetDisplayText(cell.X, cell.Y);
    switch (GetCellTextKind(text, enableHTML_)) {
    case ctkHTML:
        text = StripHTMLTags(text);
        break;
    case ctkWide:
        text = WideToAnsi(CellTextToWide(text));
        break;
    default:
        break;
    }
    text = BalloonTextOf(text);
    AnsiString title = " ";
    int icon = 1;
    if (onCellBalloon_) onCellBalloon_(this, RealColIndex(cell.X), cell.Y, title, text, icon);
    balloonCell_ = cell;
    // A text the application made longer than the buffer is cut to it.
    std::strncpy(balloonText_, text.c_str(), sizeof(balloonText_) - 1);
    balloonText_[sizeof(balloonText_) - 1] = 0;
    reinterpret_cast<NMTTDISPINFO*>(message.LParam)->lpszText = balloonText_;
    if (title.size() > 100) title = title.substr(0, 97) + "...";
    if (balloon_->TextColor() != clNone)
        SendMessage(header->hwndFrom, TTM_SETTIPTEXTCOLOR, ColorToRGB(balloon_->TextColor()), 0);
    if (balloon_->BackgroundColor() != clNone)
        SendMessage(header->hwndFrom, TTM_SETTIPBKCOLOR, ColorToRGB(balloon_->BackgroundColor()), 0);
    SendMessage(header->hwndFrom, TTM_SETTITLE, WPARAM(icon), LPARAM(title.c_str()));
    return true;
}
