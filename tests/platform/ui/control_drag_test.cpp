// Dragging a control onto another on a form: the threshold, what the
// target sees through CM_DRAG, the drop or the cancel, what the dragged
// control hears at the end, the drag cursors, and dmAutomatic.
#include <string>
#include <vector>

#include "platform/ui/extctrls_graphic.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

const char* StateName(TDragState state) {
    switch (state) {
    case dsDragEnter: return "enter";
    case dsDragLeave: return "leave";
    default: return "move";
    }
}

class DragTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(400, 200);
        source = NewBox(10, 10, 60, 20);
        target = NewBox(150, 10, 100, 80);
        shape = new TShape(form);
        shape->SetParent(form);
        shape->SetBounds(300, 10, 40, 40);
        source->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int, int) {
            ++presses;
            source->BeginDrag(false);
        });
        for (TControl* control : {static_cast<TControl*>(target), static_cast<TControl*>(shape)}) {
            control->SetOnDragOver([this, control](TObject*, TObject* from, int x, int y, TDragState state, bool& accept) {
                log.push_back(Name(control) + " " + StateName(state) + " " + std::to_string(x) + "," + std::to_string(y));
                accept = accepts && from == source;
                sourceDragging = source->Dragging();
            });
            control->SetOnDragDrop([this, control](TObject*, TObject*, int x, int y) {
                log.push_back(Name(control) + " drop " + std::to_string(x) + "," + std::to_string(y));
            });
        }
        source->SetOnEndDrag([this](TObject*, TObject* on, int x, int y) {
            log.push_back("end " + (on ? Name(static_cast<TControl*>(on)) : std::string("none")) + " " +
                          std::to_string(x) + "," + std::to_string(y));
        });
        form->Show();
        ProcessMessages();
    }

    TFocusBox* NewBox(int x, int y, int w, int h) {
        auto* box = new TFocusBox(form);
        box->SetParent(form);
        box->SetBounds(x, y, w, h);
        return box;
    }
    std::string Name(TControl* control) const { return control == target ? "target" : control == shape ? "shape" : "?"; }

    // Input in the form's client coordinates, queued for the drag's loop.
    void Press(POINT p) { SimulateMouseButton(form->Handle(), p, VK_LBUTTON, true); }
    void MoveTo(POINT p) { SimulateMouseMove(form->Handle(), p); }
    void Release(POINT p) { SimulateMouseButton(form->Handle(), p, VK_LBUTTON, false); }

    TForm* form = nullptr;
    TFocusBox* source = nullptr;
    TFocusBox* target = nullptr;
    TShape* shape = nullptr;
    bool accepts = true;
    bool sourceDragging = false;
    int presses = 0;
    std::vector<std::string> log;
};

struct DragCase {
    const char* name;
    std::vector<POINT> path;  // moves after the press at (20, 20)
    bool escape;               // Esc before the release
    bool accepts;
    std::vector<std::string> expected;
};

TEST_F(DragTest, TheTargetSeesTheDragAndTakesTheDropOrHearsNothingMore) {
    const DragCase cases[] = {
        {"a move within the threshold starts nothing", {{23, 22}}, false, true, {"end none 0,0"}},
        {"a drop on the control that accepts",
         {{30, 20}, {160, 30}, {170, 40}},
         false,
         true,
         {"target enter 10,20", "target move 10,20", "target move 20,30", "target leave 20,30", "target drop 20,30",
          "end target 20,30"}},
        {"Esc cancels", {{160, 30}}, true, true,
         {"target enter 10,20", "target move 10,20", "target leave 10,20", "end none 0,0"}},
        {"a refused drop", {{160, 30}}, false, false,
         {"target enter 10,20", "target move 10,20", "target leave 10,20", "end none 0,0"}},
        {"a graphic control is a target of its own",
         {{160, 30}, {310, 20}},
         false,
         true,
         {"target enter 10,20", "target move 10,20", "target leave 10,20", "shape enter 10,10", "shape move 10,10",
          "shape leave 10,10", "shape drop 10,10", "end shape 10,10"}},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        accepts = c.accepts;
        Press({20, 20});
        for (POINT p : c.path) MoveTo(p);
        if (c.escape) Key(VK_ESCAPE);
        Release(c.path.back());
        ProcessMessages();
        EXPECT_EQ(log, c.expected);
        EXPECT_FALSE(source->Dragging());
        EXPECT_EQ(GetCapture(), HWND(0));
    }
    EXPECT_TRUE(sourceDragging);
}

TEST_F(DragTest, TheCursorSaysWhetherTheControlUnderTheMouseTakesTheDrop) {
    std::vector<HCURSOR> shown;
    const int observer = AddRetrievedMessageObserver([&](MSG& msg) {
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) shown.push_back(GetCursor());
    });
    accepts = true;
    source->SetDragCursor(crHandPoint);
    Press({20, 20});
    MoveTo({160, 30});   // over the target: from here on the hand
    MoveTo({100, 150});  // over the form, which takes nothing
    Release({100, 150});
    ProcessMessages();
    RemoveObserver(observer);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1], Screen->Cursors(crHandPoint));
    EXPECT_EQ(shown[2], Screen->Cursors(crNoDrop));
    EXPECT_NE(GetCursor(), Screen->Cursors(crNoDrop));
}

TEST_F(DragTest, AnAutomaticControlDragsAtThePressInsteadOfHandlingIt) {
    source->SetDragMode(dmAutomatic);
    Press({20, 20});
    MoveTo({160, 30});
    Release({160, 30});
    ProcessMessages();
    EXPECT_EQ(presses, 0);
    const std::vector<std::string> expected{"target enter 10,20", "target move 10,20", "target leave 10,20",
                                            "target drop 10,20", "end target 10,20"};
    EXPECT_EQ(log, expected);
}

}  // namespace
