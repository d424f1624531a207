// The hook clients of the docking-toolbar library: counted uses, the
// thread's hooks installed while some client needs them, failures of a
// client kept from the window, and the hot button leaving its light.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/ui/forms.h"
#include "platform/win/msgqueue.h"
#include "platform/win/testseams.h"
#include "report/ui/qm_tbqy.h"
#include "report/ui/qm_tbqycmn.h"
#include "report/ui/qm_tbqyctls.h"

namespace {

std::vector<THookCode>& Heard() {
    static std::vector<THookCode> heard;
    return heard;
}

void Listening(THookCode code, HWND, WPARAM, LPARAM) { Heard().push_back(code); }
void Failing(THookCode, HWND, WPARAM, LPARAM) { throw std::runtime_error("client failure"); }

}  // namespace

TEST(HookClients, CountedClientsKeepTheHooksTheirCodesNeed) {
    Heard().clear();
    // Tool windows and buttons of other tests may keep hooks of their own.
    const bool othersListen = HookInstalled(hcActivateApp) || HookInstalled(hcMouseMove);
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    const HWND window = form->Handle();
    AddHookClient(&Failing, THookCodes{hcActivateApp}, false);
    AddHookClient(&Listening, THookCodes{hcActivateApp, hcMouseMove}, false);
    AddHookClient(&Listening, THookCodes{hcActivateApp, hcMouseMove}, false);
    EXPECT_TRUE(HookInstalled(hcActivateApp));
    EXPECT_TRUE(HookInstalled(hcMouseMove));

    EXPECT_NO_THROW(SendMessage(window, WM_ACTIVATEAPP, FALSE, 0)) << "a client's failure is swallowed";
    PostMessage(window, WM_MOUSEMOVE, 0, 0);
    MSG msg;
    while (PeekMessage(&msg, window, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
    SendMessage(window, WM_SETTEXT, 0, LPARAM("x"));
    EXPECT_EQ(Heard(), (std::vector<THookCode>{hcActivateApp, hcMouseMove})) << "once each: one client, two uses";

    RemoveHookClient(&Listening);
    EXPECT_TRUE(HookInstalled(hcMouseMove)) << "one use is left";
    SendMessage(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(Heard().size(), 3u) << "still listed";
    RemoveHookClient(&Listening);
    SendMessage(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(Heard().size(), 3u) << "no longer listed";
    EXPECT_TRUE(HookInstalled(hcActivateApp)) << "the failing client still needs it";
    RemoveHookClient(&Failing);
    if (!othersListen) {
        EXPECT_FALSE(HookInstalled(hcMouseMove));
        EXPECT_FALSE(HookInstalled(hcActivateApp));
        AddHookClient(&Listening, THookCodes{hcActivateApp}, true);
        EXPECT_FALSE(HookInstalled(hcActivateApp)) << "no thread hooks while designing";
        RemoveHookClient(&Listening);
    }
}

TEST(HookClients, TheHotButtonGoesOutWhenTheApplicationIsLeft) {
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    form->SetBounds(10, 10, 200, 100);
    auto* button = new TToolbarButtonQy(form.get());
    button->SetParent(form.get());
    form->Show();
    DispatchQueuedMessages();
    button->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(button->Hot());
    SendMessage(form->Handle(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(button->Hot());
    SendMessage(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(button->State(), tbsUp);

    button->Perform(CM_MOUSEENTER, 0, 0);
    bool pressedDuringClick = false;
    button->SetOnClick([&](TObject*) { pressedDuringClick = button->State() == tbsDown; });
    button->Click();
    EXPECT_TRUE(pressedDuringClick);
    EXPECT_FALSE(button->Hot()) << "a window the click opened may have taken the pointer";
    EXPECT_EQ(button->State(), tbsUp);
}

namespace {

// A bitmap DC of the size, with the bitmap to delete afterwards.
struct BitmapDC {
    BitmapDC(int w, int h) : dc(CreateCompatibleDC(0)), bitmap(CreateBitmap(w, h, 1, 32, nullptr)) {
        old = SelectObject(dc, bitmap);
    }
    ~BitmapDC() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

}  // namespace

TEST(FramePainting, TheUpdateRegionClipsTheFrameInWindowCoordinates) {
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    form->SetBounds(40, 50, 200, 100);
    form->Show();
    RECT window;
    GetWindowRect(form->Handle(), &window);
    BitmapDC target(200, 100);
    RECT clip;
    SelectFrameUpdateRegion(form->Handle(), target.dc, HRGN(1));
    const HRGN current = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(target.dc, current), 0) << "1 is the whole frame: no clip";
    DeleteObject(current);

    const HRGN update = CreateRectRgn(window.left + 3, window.top + 4, window.left + 30, window.top + 9);
    SelectFrameUpdateRegion(form->Handle(), target.dc, update);
    DeleteObject(update);
    GetClipBox(target.dc, &clip);
    EXPECT_EQ(clip.left, 3);
    EXPECT_EQ(clip.top, 4);
    EXPECT_EQ(clip.right, 30);
    EXPECT_EQ(clip.bottom, 9);
}

TEST(FramePainting, PrintingTheClientRunsThePaintHandlerAndKeepsTheDC) {
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    auto* dock = new TDockQy(form.get());
    dock->SetParent(form.get());
    dock->SetFixAlign(true);
    dock->SetColor(clRed);
    form->Show();
    ASSERT_GT(dock->ClientWidth(), 0);
    BitmapDC target(dock->ClientWidth(), dock->ClientHeight());
    SetTextColor(target.dc, RGB(1, 2, 3));
    SendMessage(dock->Handle(), WM_PRINTCLIENT, WPARAM(target.dc), PRF_CLIENT);
    EXPECT_EQ(GetPixel(target.dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetTextColor(target.dc), RGB(1, 2, 3));
}
