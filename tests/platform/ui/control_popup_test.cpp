// A control whose creation parameters carry WS_POPUP: a top-level window
// owned by its parent's window, drawn outside the parent's bounds.
#include "tests/platform/ui/control_fixture.h"

namespace {

class TPopupBox : public TCustomControl {
    SERVIORA_CLASS(TPopupBox, TCustomControl)
public:
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& params) override {
        TCustomControl::CreateParams(params);
        params.Style |= WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW;
    }
    void Paint() override {
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(ClientRect());
    }
};

}  // namespace

using PopupControlTest = FormControlTest;

TEST_F(PopupControlTest, APopupControlIsATopLevelWindowOwnedByItsParentsWindow) {
    TPopupBox* popup = Place<TPopupBox>(form, 0, 0, 60, 300);
    const HWND window = popup->Handle();
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(window, GW_OWNER), form->Handle());
    EXPECT_FALSE(GetWindowLong(window, GWL_STYLE) & WS_CHILD);
    // Placed in screen coordinates below the form's bottom edge, it is drawn whole.
    RECT formRect;
    GetWindowRect(form->Handle(), &formRect);
    SetWindowPos(window, HWND_TOP, formRect.left + 10, formRect.bottom - 50, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    ProcessMessages();
    const HBITMAP shot = CaptureWindow(window);
    ASSERT_NE(shot, HBITMAP(0));
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    EXPECT_EQ(GetPixel(dc, 30, 280), COLORREF(0x0000FF));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
}
