#include "script/bindings/qm_kpinterpreter_stdctrls.h"

#include <gtest/gtest.h>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/typinfo.h"

#include "script_host.h"
#include "script_test_helpers.h"

namespace {

using StdCtrlsBinding = EmittingScripts;

TEST_F(StdCtrlsBinding, ConstantsAndConstructorsKeepTheirKinds) {
    EXPECT_EQ(Run("begin Emit(VarType(scPageUp)); Emit(scPageUp); Emit(VarType(odFocused)); Emit(odFocused); "
                  "Emit(lbOwnerDrawVariable); Emit(sbsSunken); end;"),
              (std::vector<AnsiString>{"17", "2", "19", "4", "2", "2"}));
    EXPECT_EQ(Run("var l: TCustomLabel; k: TLabel; begin l := TCustomLabel.Create(nil); k := TLabel.Create(nil); "
                  "Emit(l.ClassName); Emit(k.ClassName); l.Free; k.Free; end;"),
              (std::vector<AnsiString>{"TCustomLabel", "TLabel"}));
    EXPECT_EQ(Run("var t: TStaticText; c: TCustomStaticText; begin t := TStaticText.Create(nil); "
                  "c := TCustomStaticText.Create(nil); t.BorderStyle := sbsSunken; Emit(t.ClassName); "
                  "Emit(c.ClassName); Emit(t.BorderStyle = sbsSunken); t.Free; c.Free; end;"),
              (std::vector<AnsiString>{"TStaticText", "TCustomStaticText", "True"}));
    EXPECT_NE(FindClass("TStaticText"), nullptr);
}

TEST_F(StdCtrlsBinding, StringsAreCopiedAndSelectionBuffersStayInBounds) {
    EXPECT_EQ(Run("var m: TMemo; s: TStringList; begin m := TMemo.Create(nil); s := TStringList.Create; "
                  "s.Add('one'); s.Add('two'); m.Lines := s; s.Clear; Emit(m.Lines.Count); Emit(m.Lines.Strings[1]); "
                  "m.Free; s.Free; end;"),
              (std::vector<AnsiString>{"2", "two"}));
    EXPECT_EQ(Run("var e: TEdit; b: string; begin e := TEdit.Create(nil); e.Text := 'abcdef'; e.SelStart := 1; "
                  "e.SelLength := 4; b := 'xy'; Emit(e.GetSelTextBuf(b, 50)); Emit(b); e.SetSelTextBuf('Z'); "
                  "Emit(e.Text); e.Free; end;"),
              (std::vector<AnsiString>{"2", "bc", "aZf"}));
    // The memo publishes Lines: its published setter refuses the list.
    EXPECT_THROW(Run("var m: TMemo; l: TList; begin m := TMemo.Create(nil); l := TList.Create; m.Lines := l; end;"),
                 EPropertyConvertError);
}

TEST_F(StdCtrlsBinding, ListBoxItemsRectanglesAndSelection) {
    EXPECT_EQ(Run("var l: TListBox; r: TRect; begin l := TListBox.Create(nil); l.Items.Add('a'); l.Items.Add('b'); "
                  "l.MultiSelect := True; l.Selected[1] := True; Emit(l.Selected[1]); Emit(l.Selected[0]); "
                  "Emit(l.SelCount); r := l.ItemRect(1); Emit(r.Top > 0); l.Free; end;"),
              (std::vector<AnsiString>{"True", "False", "1", "True"}));
    EXPECT_EQ(ErrorCode([&] { Run("var l: TListBox; begin l := TListBox.Create(nil); l.ItemAtPos(5, True); end;"); }),
              109);
}

TEST_F(StdCtrlsBinding, ComboBoxesSelectAndClear) {
    EXPECT_EQ(Run("var f: TForm; c: TComboBox; begin f := TForm.CreateNew(nil); c := TComboBox.Create(f); "
                  "c.Parent := f; c.Text := 'abcd'; c.SelectAll; Emit(c.SelText); c.SelStart := 1; c.SelLength := 2; "
                  "Emit(c.SelText); c.SelText := 'X'; Emit(c.Text); c.Items.Add('a'); c.Clear; Emit(c.Items.Count); "
                  "Emit(c.Text); f.Free; end;"),
              (std::vector<AnsiString>{"abcd", "bc", "aXd", "0", ""}));
}

}  // namespace
