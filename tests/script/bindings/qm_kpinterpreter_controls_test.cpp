#include "script/bindings/qm_kpinterpreter_controls.h"

#include <gtest/gtest.h>

#include "platform/ui/forms.h"
#include "platform/ui/imagelist.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"

namespace {

using ControlsBinding = EmittingScripts;

TEST_F(ControlsBinding, ResultKindsFollowTheProperties) {
    // VarType 2 is a 16-bit signed value, 17 a byte. TControl publishes
    // Align, Cursor, DragCursor and DragMode and TWinControl TabOrder and
    // ImeMode: published names win there, so those read as integers (3).
    struct Case {
        const char* expression;
        const char* type;
    } cases[] = {
        {"c.Align", "3"},     {"c.Cursor", "3"},   {"c.DragCursor", "3"}, {"c.DragMode", "3"},
        {"w.TabOrder", "3"}, {"w.ImeMode", "3"},  {"c.Left", "3"},       {"StringToCursor('crHourGlass')", "2"},
        {"w.ParentWidget", "3"},
    };
    for (const Case& c : cases) {
        const AnsiString script = AnsiString("var c: TControl; w: TWinControl; begin c := TControl.Create(nil); "
                                             "w := TWinControl.Create(nil); Emit(VarType(") +
                                  c.expression + ")); c.Free; w.Free; end;";
        EXPECT_EQ(Run(script), std::vector<AnsiString>{c.type}) << c.expression;
    }
}

TEST_F(ControlsBinding, MembersWithoutImplementationAndArgumentCounts) {
    const AnsiString make = "var c: TControl; l: TCustomImageList; begin c := TControl.Create(nil); "
                            "l := TCustomImageList.Create(nil); try ";
    const AnsiString done = " finally c.Free; l.Free; end; end;";
    struct Case {
        const char* call;
        int code;
        const char* text;
    } cases[] = {
        {"c.ClientRect;", 2, "TControl.ClientRect not implemented"},
        {"c.ControlState;", 2, "TControl.ControlState not implemented"},
        {"c.ControlStyle := 0;", 2, "TControl.ControlStyle not implemented"},
        {"c.WindowProc;", 2, "TControl.WindowProc not implemented"},
        {"l.GetResource(0, 'x', 0, 0);", 182, ""},
        {"l.GetResource(0, 'x', 0, 0, 0);", 0, ""},
        {"l.GetInstRes(0, 0, 'x', 0, 0, 0);", 0, ""},
    };
    for (const Case& c : cases) {
        try {
            Run(make + c.call + done);
            EXPECT_EQ(c.code, 0) << c.call;
        } catch (const EKpInterpreterError& e) {
            EXPECT_EQ(e.Code, c.code) << c.call;
            EXPECT_NE(e.Message().find(c.text), AnsiString::npos) << e.Message();
        }
    }
}

TEST_F(ControlsBinding, OwnersFreeTheirControlsAndMustBeComponents) {
    EXPECT_EQ(Run("var o: TComponent; c: TControl; w: TWinControl; begin o := TComponent.Create(nil); "
                  "w := TWinControl.Create(o); c := TControl.Create(o); c.Parent := w; Emit(o.ComponentCount); "
                  "Emit(w.Controls[0] = c); Emit(w.ControlCount); o.Free; end;"),
              (std::vector<AnsiString>{"2", "True", "1"}));
    EXPECT_THROW(Run("var l: TList; begin l := TList.Create; TControl.Create(l); end;"), EInvalidCast);
    EXPECT_EQ(ErrorCode([&] { Run("var w: TWinControl; begin w := TWinControl.Create(nil); w.Controls[0, 1]; end;"); }),
              181);
}

TEST_F(ControlsBinding, VarArgumentsGetTypedValues) {
    // CursorToIdent leaves a string in an integer variable, IdentToCursor an
    // integer in a string variable.
    EXPECT_EQ(Run("var s: Variant; n: Variant; begin s := 0; n := 'text'; Emit(CursorToIdent(-11, s)); Emit(s); "
                  "Emit(IdentToCursor('crDrag', n)); Emit(n); Emit(VarType(n)); Emit(CursorToIdent(5000, s)); "
                  "Emit(CursorToString(5000)); Emit(StringToCursor('crNoDrop')); end;"),
              (std::vector<AnsiString>{"True", "crHourGlass", "True", "-12", "3", "False", "5000", "-13"}));
}

TEST_F(ControlsBinding, TextBuffersNeverOverrun) {
    // GetTextBuf copies no more than the buffer string holds and hands the
    // text back; WindowText keeps its own copy; the window handle stays.
    EXPECT_EQ(Run("var c: TControl; b: string; n: Integer; begin c := TControl.Create(nil); c.Caption := 'abcdef'; "
                  "b := 'xyz'; n := c.GetTextBuf(b, 100); Emit(n); Emit(b); b := '1234567890'; "
                  "Emit(c.GetTextBuf(b, 4)); Emit(b); Emit(c.GetTextLen); c.SetTextBuf('new'); Emit(c.Text); "
                  "b := 'window'; c.WindowText := b; b := 'changed'; Emit(c.WindowText); c.Free; end;"),
              (std::vector<AnsiString>{"3", "abc", "3", "abc", "6", "new", "window"}));
    EXPECT_EQ(Run("var w: TWinControl; h: Integer; begin w := TWinControl.Create(nil); w.HandleNeeded; "
                  "h := w.Handle; w.WindowHandle := 12345; Emit(w.WindowHandle = h); Emit(w.Handle = h); "
                  "w.ParentWidget := 0; Emit(w.ParentWindow); w.Free; end;"),
              (std::vector<AnsiString>{"True", "True", "0"}));
}

TEST_F(ControlsBinding, BroadcastTakesTheMessageNumberAndGivesTheAnswer) {
    EXPECT_EQ(Run("var w: TWinControl; c: TControl; m: Integer; begin w := TWinControl.Create(nil); "
                  "c := TControl.Create(w); c.Parent := w; m := 0; w.Broadcast(m); Emit(VarType(m)); Emit(m); "
                  "w.Free; end;"),
              (std::vector<AnsiString>{"3", "0"}));
}

}  // namespace

namespace {

// A host TImageList the script reaches as "Images": image lists made by the
// script are of the registered TCustomImageList, which has no drag members.
class ImageListScripts : public EmittingScripts {
protected:
    ImageListScripts() {
        images.SetWidth(4);
        images.SetHeight(4);
        interpreter.OnGetValue = [this](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs&,
                                        bool& done) {
            if (name != "Images") return;
            value = ObjectToVariant(&images);
            done = true;
        };
    }
    TImageList images{nullptr};
};

TEST_F(ImageListScripts, ImageListsAndTheirDragMembers) {
    EXPECT_EQ(Run("var b: TBitmap; l: TCustomImageList; p: TPoint; begin b := TBitmap.Create; b.Width := 8; "
                  "b.Height := 4; Emit(Images.AddMasked(b, 0)); l := TCustomImageList.CreateSize(4, 4); "
                  "l.AddImages(Images); l.Insert(0, b, nil); l.Move(0, 3); Emit(l.Count); "
                  "Emit(l.Overlay(1, 2)); Emit(l.Overlay(1, 7)); Emit(l.HandleAllocated); "
                  "Emit(l.GetImageBitmap <> 0); Emit(l.ResourceLoad(0, 'NoSuchGlyph', 0)); "
                  "Emit(Images.SetDragImage(1, 2, 3)); p := Images.GetHotSpot; Emit(p.Y); Emit(Images.Dragging); "
                  "Emit(VarType(Images.DragCursor)); Images.DragCursor := -13; Emit(Images.DragCursor); "
                  "Emit(Images.DragMove(1, 1)); Emit(Images.EndDrag); l.Handle := Images.Handle; Emit(l.Count); "
                  "l.Free; b.Free; end;"),
              (std::vector<AnsiString>{"0", "4", "True", "False", "False", "True", "False", "True", "3", "False", "2",
                                       "-13", "False", "False", "2"}));
}

}  // namespace
