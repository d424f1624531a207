// The "Tooltips_Class32" window class: a tip shown when the mouse rests on
// a tool window (TTF_SUBCLASS tools are watched as their mouse moves leave
// the queue), its text asked of the tool window with TTN_NEEDTEXT when the
// tool has LPSTR_TEXTCALLBACK, with a title and an icon, in the plain or
// the balloon look (TTS_BALLOON). The tip never takes the activation; its
// delays run on the platform's clock.
#include <vector>

#include "platform/gdi/sysparams.h"
#include "platform/win/controls/common.h"
#include "platform/win/userdraw.h"

namespace ctl {
namespace {

constexpr UINT_PTR kShowTimer = 1, kHideTimer = 2;
constexpr int kMargin = 6, kIconSize = 16, kMaxTextWidth = 300;

struct Tool {
    UINT flags = 0;
    HWND window = 0;
    UINT_PTR id = 0;
    bool callback = false;
    AnsiString text;
    LPARAM lParam = 0;
};

class ToolTip {
public:
    explicit ToolTip(HWND window) : window_(window) {}
    ~ToolTip() {
        if (observer_) RemoveObserver(observer_);
    }
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    bool Balloon() const { return (Style(window_) & TTS_BALLOON) != 0; }
    void AddTool(const TOOLINFO& info);
    void MouseMoved(const MSG& msg);
    void Show();
    void Pop();
    LRESULT NotifyTool(UINT code);
    // The title's font: the tip's font in bold (the caller deletes it).
    HFONT TitleFont() const;
    // The title and text boxes inside the tip, and the tip's size.
    SIZE Layout(HDC dc, RECT& titleBox, RECT& textBox) const;

    HWND window_;
    ControlFont font_;
    std::vector<Tool> tools_;
    AnsiString title_, text_;
    WPARAM icon_ = TTI_NONE;
    UINT initial_ = 500, autoPop_ = 5000, reshow_ = 100;
    COLORREF textColor_ = GetSysColor(COLOR_INFOTEXT), backColor_ = GetSysColor(COLOR_INFOBK);
    bool active_ = true, shown_ = false;
    int current_ = -1;
    int observer_ = 0;
};

void ToolTip::AddTool(const TOOLINFO& info) {
    Tool tool;
    tool.flags = info.uFlags;
    tool.window = info.hwnd;
    tool.id = info.uId;
    tool.callback = info.lpszText == LPSTR_TEXTCALLBACK;
    if (!tool.callback && info.lpszText) tool.text = info.lpszText;
    tool.lParam = info.lParam;
    tools_.push_back(tool);
    if ((tool.flags & TTF_SUBCLASS) && !observer_)
        observer_ = AddRetrievedMessageObserver([this](MSG& msg) { MouseMoved(msg); });
}

void ToolTip::MouseMoved(const MSG& msg) {
    if (msg.message != WM_MOUSEMOVE || !active_) return;
    int found = -1;
    for (std::size_t i = 0; i < tools_.size(); ++i)
        if ((tools_[i].flags & TTF_SUBCLASS) && tools_[i].window == msg.hwnd) found = int(i);
    if (found < 0) {
        if (msg.hwnd != window_ && (shown_ || current_ >= 0)) Pop();
        return;
    }
    if (found == current_ && shown_) return;
    current_ = found;
    SetTimer(window_, kShowTimer, shown_ ? reshow_ : initial_);
}

LRESULT ToolTip::NotifyTool(UINT code) {
    NMHDR header;
    header.hwndFrom = window_;
    header.idFrom = tools_[std::size_t(current_)].id;
    header.code = code;
    return SendMessage(tools_[std::size_t(current_)].window, WM_NOTIFY, header.idFrom, LPARAM(&header));
}

void ToolTip::Show() {
    if (current_ < 0 || std::size_t(current_) >= tools_.size()) return;
    const Tool& tool = tools_[std::size_t(current_)];
    text_ = tool.text;
    if (tool.callback) {
        NMTTDISPINFO info;
        info.hdr.hwndFrom = window_;
        info.hdr.idFrom = tool.id;
        info.hdr.code = TTN_NEEDTEXT;
        info.lpszText = info.szText;
        info.lParam = tool.lParam;
        SendMessage(tool.window, WM_NOTIFY, tool.id, LPARAM(&info));
        text_ = info.lpszText && info.lpszText != LPSTR_TEXTCALLBACK ? AnsiString(info.lpszText) : AnsiString();
    }
    if (text_.empty()) return;
    const HDC dc = GetDC(window_);
    RECT titleBox, textBox;
    const SIZE size = Layout(dc, titleBox, textBox);
    ReleaseDC(window_, dc);
    POINT cursor{};
    GetCursorPos(&cursor);
    const int x = Balloon() ? cursor.x - 2 * kMargin : cursor.x, y = cursor.y + 20;
    SetWindowPos(window_, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
    shown_ = true;
    NotifyTool(TTN_SHOW);
    SetTimer(window_, kHideTimer, autoPop_);
}

void ToolTip::Pop() {
    KillTimer(window_, kShowTimer);
    KillTimer(window_, kHideTimer);
    if (shown_) {
        ShowWindow(window_, SW_HIDE);
        shown_ = false;
        if (current_ >= 0) NotifyTool(TTN_POP);
    }
    current_ = -1;
}

HFONT ToolTip::TitleFont() const {
    LOGFONTA font{};
    GetObject(font_.ForDrawing(), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    return CreateFontIndirect(&font);
}

SIZE ToolTip::Layout(HDC dc, RECT& titleBox, RECT& textBox) const {
    const bool withTitle = !title_.empty() || icon_ != TTI_NONE;
    int top = kMargin, width = 0;
    titleBox = {kMargin, top, kMargin, top};
    if (withTitle) {
        const HFONT bold = TitleFont();
        const HGDIOBJ old = SelectObject(dc, bold);
        RECT measured = {0, 0, kMaxTextWidth, 0};
        AnsiString title = title_;
        DrawText(dc, title.data(), int(title.size()), &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
        DeleteObject(bold);
        const int iconWidth = icon_ != TTI_NONE ? kIconSize + 4 : 0;
        const int height = std::max<int>(measured.bottom, icon_ != TTI_NONE ? kIconSize : 0);
        titleBox = {kMargin + iconWidth, top, kMargin + iconWidth + int(measured.right), top + height};
        width = iconWidth + int(measured.right);
        top += height + 4;
    }
    const HGDIOBJ old = SelectObject(dc, font_.ForDrawing());
    RECT measured = {0, 0, kMaxTextWidth, 0};
    AnsiString text = text_;
    DrawText(dc, text.data(), int(text.size()), &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    textBox = {kMargin, top, kMargin + int(measured.right), top + int(measured.bottom)};
    width = std::max<int>(width, measured.right);
    return {width + 2 * kMargin, textBox.bottom + kMargin};
}

void ToolTip::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const HBRUSH back = CreateSolidBrush(backColor_);
    FillRect(dc, &client, back);
    const HGDIOBJ oldBrush = SelectObject(dc, back);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    if (Balloon())
        RoundRect(dc, client.left, client.top, client.right, client.bottom, 12, 12);
    else
        FrameRect(dc, &client, HBRUSH(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(back);
    RECT titleBox, textBox;
    Layout(dc, titleBox, textBox);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor_);
    if (icon_ != TTI_NONE) {
        const std::uintptr_t names[] = {0, IDI_INFORMATION, IDI_WARNING, IDI_ERROR};
        DrawIconEx(dc, kMargin, titleBox.top, LoadIcon(0, names[icon_ & 3]), kIconSize, kIconSize, 0, 0, DI_NORMAL);
    }
    if (!title_.empty()) {
        const HFONT bold = TitleFont();
        const HGDIOBJ old = SelectObject(dc, bold);
        AnsiString title = title_;
        DrawText(dc, title.data(), int(title.size()), &titleBox, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
        SelectObject(dc, old);
        DeleteObject(bold);
    }
    const HGDIOBJ old = SelectObject(dc, font_.ForDrawing());
    AnsiString text = text_;
    DrawText(dc, text.data(), int(text.size()), &textBox, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
}

LRESULT ToolTip::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TTM_ADDTOOLA:
        if (!lParam) return FALSE;
        AddTool(*reinterpret_cast<const TOOLINFO*>(lParam));
        return TRUE;
    case TTM_DELTOOLA: {
        const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
        if (!info) return 0;
        Pop();
        std::erase_if(tools_, [&](const Tool& t) { return t.window == info->hwnd && t.id == info->uId; });
        return 0;
    }
    case TTM_GETTOOLCOUNT:
        return LRESULT(tools_.size());
    case TTM_SETTITLEA:
        icon_ = wParam <= TTI_ERROR ? wParam : TTI_NONE;
        title_ = lParam ? AnsiString(reinterpret_cast<const char*>(lParam)) : AnsiString();
        if (shown_) InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
    case TTM_GETTITLE: {
        auto* title = reinterpret_cast<TTGETTITLE*>(lParam);
        if (!title) return 0;
        title->uTitleBitmap = UINT(icon_);
        CopyItemText(title_, title->pszTitle, int(title->cch));
        return 0;
    }
    case TTM_SETDELAYTIME: {
        const UINT time = LOWORD(lParam);
        if (wParam == TTDT_INITIAL) initial_ = time;
        if (wParam == TTDT_AUTOPOP) autoPop_ = time;
        if (wParam == TTDT_RESHOW) reshow_ = time;
        if (wParam == TTDT_AUTOMATIC) {
            initial_ = time;
            autoPop_ = time * 10;
            reshow_ = time / 5;
        }
        return 0;
    }
    case TTM_GETDELAYTIME:
        return wParam == TTDT_AUTOPOP ? autoPop_ : wParam == TTDT_RESHOW ? reshow_ : initial_;
    case TTM_SETTIPTEXTCOLOR:
        textColor_ = COLORREF(wParam);
        return 0;
    case TTM_SETTIPBKCOLOR:
        backColor_ = COLORREF(wParam);
        return 0;
    case TTM_ACTIVATE:
        active_ = wParam != 0;
        if (!active_) Pop();
        return 0;
    case TTM_POP:
        Pop();
        return 0;
    case WM_TIMER:
        if (wParam == kShowTimer) {
            KillTimer(window_, kShowTimer);
            Show();
        } else if (wParam == kHideTimer) {
            Pop();
        }
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        return DefWindowProc(window_, message, wParam, lParam);
    }
}

}  // namespace

void RegisterToolTipClass() {
    RegisterControlClass(TOOLTIPS_CLASS, &ControlProcedure<ToolTip>, CS_SAVEBITS, 0);
}

}  // namespace ctl
