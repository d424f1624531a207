// TCheckBox and TRadioButton through their "Button" windows: the BM_
// messages reach the window, and a click the window reports (BN_CLICKED,
// reflected as CN_COMMAND) reaches the control.
#include "tests/platform/ui/control_fixture.h"
#include "platform/win/commctrl.h"
#include "platform/ui/stdctrls_buttons.h"

class ButtonControlTest : public FormControlTest {
protected:
    template <class T>
    T* Place(int top) {
        T* control = T::Create(form);
        control->SetParent(form);
        control->SetBounds(10, top, 120, 17);
        control->SetOnClick([this](TObject*) { ++clicks; });
        return control;
    }
    int clicks = 0;
};

TEST_F(ButtonControlTest, WindowMessagesReachTheWindowAndItsClicksTheControl) {
    TCheckBox* box = Place<TCheckBox>(10);
    box->SetAllowGrayed(true);
    box->SetState(cbGrayed);
    clicks = 0;
    EXPECT_EQ(SendMessage(box->Handle(), BM_GETCHECK, 0, 0), LRESULT(BST_INDETERMINATE));
    EXPECT_EQ(SendMessage(box->Handle(), BM_GETSTATE, 0, 0) & 3, LRESULT(BST_INDETERMINATE));
    SendMessage(box->Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(SendMessage(box->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessage(box->Handle(), BM_SETSTATE, FALSE, 0);

    SendMessage(box->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(SendMessage(box->Handle(), BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    EXPECT_EQ(clicks, 1);

    TRadioButton* first = Place<TRadioButton>(40);
    TRadioButton* second = Place<TRadioButton>(60);
    SendMessage(first->Handle(), BM_CLICK, 0, 0);
    SendMessage(second->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(first->Checked());
    EXPECT_TRUE(second->Checked());
    EXPECT_EQ(SendMessage(first->Handle(), BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(clicks, 3);
    // A click on the checked radio button changes nothing.
    SendMessage(second->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 3);
}

// A check box reports its caption's side: right of the box, left only for a
// right-to-left box right-aligned; other controls keep to the left.
TEST_F(ButtonControlTest, ACheckBoxReportsItsCaptionsSide) {
    TCheckBox* box = Place<TCheckBox>(10);
    const struct {
        TBiDiMode mode;
        TAlignment alignment;
        TAlignment reported;
    } cases[] = {
        {bdLeftToRight, taRightJustify, taRightJustify},
        {bdLeftToRight, taLeftJustify, taRightJustify},
        {bdRightToLeft, taRightJustify, taLeftJustify},
        {bdRightToLeft, taLeftJustify, taRightJustify},
    };
    for (const auto& c : cases) {
        box->SetBiDiMode(c.mode);
        box->SetAlignment(c.alignment);
        EXPECT_EQ(box->GetControlsAlignment(), c.reported) << int(c.mode) << " " << int(c.alignment);
    }
    EXPECT_EQ(form->GetControlsAlignment(), taLeftJustify);
}
