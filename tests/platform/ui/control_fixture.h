// A fixture for control and form tests: a fresh application object per test
// (so Terminate and MainForm of one test do not leak into the next), the
// modal responder emptied, and the queue drained at the end.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"

// A key pressed and released (with the text it types), and handled as the
// application's loop handles it.
inline void Key(int vk, const AnsiString& text = AnsiString()) {
    SimulateKey(vk, true, text);
    SimulateKey(vk, false);
    ProcessMessages();
}

// The colours drawn in `r` (window coordinates) of a window.
inline std::set<COLORREF> ColoursIn(HWND window, const TRect& r) {
    std::set<COLORREF> colours;
    const HBITMAP shot = CaptureWindow(window);
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) colours.insert(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
    return colours;
}

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Application;
        application_.reset(TApplication::Create(nullptr));
        Application = application_.get();
        Application->SetTitle("测试程序");
        ResetModalResponder();
    }
    void TearDown() override {
        ResetModalResponder();
        application_.reset();
        Application = saved_;
        ProcessMessages();
        // A quit the test posted (Terminate) must not end the next test's loops.
        MSG quit;
        while (PeekMessage(&quit, 0, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // A shown form owned by the test's application.
    TForm* NewForm(int width = 300, int height = 200) {
        TForm* form = TForm::Create(Application, 0);
        form->SetBounds(50, 50, width, height);
        return form;
    }
    // A new control of `parent` (its owner too) at the given bounds.
    template <class T>
    static T* Place(TWinControl* parent, int left, int top, int width, int height) {
        T* control = T::Create(parent);
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }
    // A click that waits in the queue (for a modal loop to handle).
    static void QueueClick(TControl* control) {
        auto* window = dynamic_cast<TWinControl*>(control);
        POINT p{control->Width() / 2, control->Height() / 2};
        if (!window) {
            window = control->Parent();
            p.x += control->Left();
            p.y += control->Top();
        }
        ASSERT_TRUE(SimulateClick(window->Handle(), p));
    }
    static void Click(TControl* control) {
        QueueClick(control);
        ProcessMessages();
    }

private:
    TApplication* saved_ = nullptr;
    std::unique_ptr<TApplication> application_;
};

// A control test on one shown form.
class FormControlTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(320, 200);
        form->Show();
        ProcessMessages();
    }
    TForm* form = nullptr;
};

// A focusable control that takes no keys for itself.
class TFocusBox : public TCustomControl {
    SERVIORA_CLASS(TFocusBox, TCustomControl)
public:
    explicit TFocusBox(TComponent* owner) : TCustomControl(owner) {
        SetTabStop(true);
        SetBounds(0, 0, 60, 20);
    }
};
