#include "script/bindings/qm_kpinterpreter_classes.h"

#include <gtest/gtest.h>

#include "platform/rtl/collection.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_unit.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"
#include "tests/support/temp_dir.h"

namespace {

using ClassesBinding = EmittingScripts;

TEST_F(ClassesBinding, ListsStringsAndCollections) {
    struct Case {
        const char* script;
        std::vector<AnsiString> output;
    } cases[] = {
        {"var l: TList; begin l := TList.Create; l.Add(nil); l.Add(nil); Emit(l.Count); l[1] := nil; l.Free; end;",
         {"2"}},
        {"var s: TStringList; begin s := TStringList.Create; s.Add('b'); s.Add('a'); s[0] := 'c'; "
         "Emit(s.Text); Emit(s.Strings[1]); s.Free; end;",
         {"c\r\na\r\n", "a"}},
        {"var s: TStringList; i: Integer; begin s := TStringList.Create; s.Add('b'); s.Add('a'); s.Sorted := True; "
         "Emit(s[0]); Emit(s.Find('b', i)); Emit(i); Emit(s.Find('aa', i)); Emit(i); s.Free; end;",
         {"a", "True", "1", "False", "1"}},
        {"var s: TStringList; begin s := TStringList.Create; s.Values['k'] := 'v'; Emit(s.Names[0]); "
         "Emit(s.Values['k']); Emit(s.Duplicates); s.Free; end;",
         {"k", "v", "0"}},
        {"var c, d: TCollection; begin c := TCollection.Create(TCollectionItem); c.Add; c.Add; "
         "Emit(c.Count); Emit(c[1].Index); d := TCollection.Create(c.ItemClass); Emit(d.Count); c.Free; d.Free; end;",
         {"2", "1", "0"}},
        {"var o, k: TComponent; begin o := TComponent.Create(nil); k := TComponent.Create(o); k.Name := 'Kid'; "
         "Emit(o.ComponentCount); Emit(o.FindComponent('kid').Name); Emit(o.Components[0].Tag); o.Free; end;",
         {"1", "Kid", "0"}},
        {"begin Emit(dupError); Emit(ssDouble); Emit(csFixups); Emit(taCenter); end;", {"2", "6", "7", "2"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Run(c.script), c.output) << c.script;
}

TEST_F(ClassesBinding, StreamsMoveStringsNeverBeyondTheValue) {
    struct Case {
        const char* script;
        std::vector<AnsiString> output;
    } cases[] = {
        {"var t: TStringStream; s: string; n: Integer; begin t := TStringStream.Create('abcdef'); "
         "t.ReadBuffer(s, 3); Emit(s); n := t.Read(s, 10); Emit(n); Emit(s); Emit(t.Position); t.Free; end;",
         {"abc", "3", "def", "6"}},
        {"var t: TStringStream; begin t := TStringStream.Create(''); Emit(t.Write('xy', 100)); t.WriteBuffer('zzz', 2); "
         "t.WriteString('!'); Emit(t.DataString); Emit(t.Size); t.Free; end;",
         {"2", "xyzz!", "5"}},
        {"var m: TMemoryStream; t: TStringStream; begin t := TStringStream.Create('data'); m := TMemoryStream.Create; "
         "Emit(m.CopyFrom(t, 4)); Emit(m.Seek(1, 0)); m.Free; t.Free; end;",
         {"4", "1"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Run(c.script), c.output) << c.script;
    EXPECT_THROW(Run("var t: TStringStream; s: string; begin t := TStringStream.Create('ab'); "
                     "try t.ReadBuffer(s, 3); finally t.Free; end; end;"),
                 EReadError);
}

TEST_F(ClassesBinding, PositionAndSizeBeyondTwoGigabytes) {
    TempDir dir;
    const AnsiString path = dir.file("sparse.bin");
    Run("var f: TFileStream; begin f := TFileStream.Create('" + path + "', $FFFF); f.Size := 3000000000.0; "
        "f.Position := 2999999999.0; Emit(f.Size); Emit(f.Position); f.Free; end;");
    EXPECT_EQ(ScriptTestHost::Get().Emitted, (std::vector<AnsiString>{"3000000000", "2999999999"}));
}

TEST_F(ClassesBinding, ComponentsThroughStreamsAndTheirBridgeMembers) {
    EXPECT_EQ(Run("var o, c: TComponent; m, b: TMemoryStream; begin o := TComponent.Create(nil); o.Name := 'Box'; "
                  "o.Tag := 5; m := TMemoryStream.Create; m.WriteComponentRes('Box', o); m.Position := 0; "
                  "c := m.ReadComponentRes(nil); Emit(c.Name); Emit(c.Tag); c.Free; "
                  "b := TMemoryStream.Create; b.WriteComponent(o); b.Position := 0; "
                  "try b.ReadResHeader; except Emit('no header'); end; "
                  "c := b.ReadComponent(nil); Emit(c.Tag); c.Free; "
                  "o.DesignInfo := 7; Emit(o.DesignInfo); Emit(o.SafeCallException(nil, nil)); o.FreeOnRelease; "
                  "Emit(o.VCLComObject = nil); o.Free; m.Free; b.Free; end;"),
              (std::vector<AnsiString>{"Box", "5", "no header", "5", "7", "-2147418113", "True"}));
}

TEST_F(ClassesBinding, UnsupportedMembersAndWrongClasses) {
    struct Case {
        const char* script;
        const char* message;
    } cases[] = {
        {"var l: TList; begin l := TList.Create; try l.Sort(nil); finally l.Free; end; end;",
         "Internal interpreter error: TList.Sort not implemented"},
        {"var c: TComponent; begin c := TComponent.Create(nil); try Emit(c.ComponentState); finally c.Free; end; end;",
         "Internal interpreter error: TComponent.ComponentState not implemented"},
        {"var s: TStringList; begin s := TStringList.Create; try s.StringsAdapter := nil; finally s.Free; end; end;",
         "Internal interpreter error: TStrings.StringsAdapter not implemented"},
        {"var s: TStringList; l: TList; begin s := TStringList.Create; l := TList.Create; "
         "try s.AddStrings(l); finally s.Free; l.Free; end; end;",
         "Invalid class typecast"},
    };
    for (const Case& c : cases) {
        try {
            Run(c.script);
            ADD_FAILURE() << c.script;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.script;
        }
    }
}

TEST_F(ClassesBinding, NotifyAndHelpEventsCallScriptProcedures) {
    interpreter.SetSource(
        "unit Report; var Seen: Integer;\r\n"
        "procedure Clicked(Sender: TObject); begin Seen := Seen + 1; Emit(TComponent(Sender).Name); end;\r\n"
        "function Help(Command: Word; Data: Integer; var CallHelp: Boolean): Boolean;\r\n"
        "begin CallHelp := False; Result := Command + Data = 7; end;\r\n"
        "end.");
    interpreter.Compile();
    TComponent sender(nullptr);
    sender.SetName("Sender1");
    TKpEventHandler notify = interpreter.CreateEventHandler("Report", "Clicked", "TNotifyEvent", &sender);
    ScriptTestHost::Get().Emitted.clear();
    TNotifyEvent::FromMethod(notify.Method)(&sender);
    EXPECT_EQ(ScriptTestHost::Get().Emitted, (std::vector<AnsiString>{"Sender1"}));

    TKpEventHandler help = interpreter.CreateEventHandler("Report", "Help", "THelpEvent", &sender);
    bool callHelp = true;
    EXPECT_TRUE(THelpEvent::FromMethod(help.Method)(3, 4, callHelp));
    EXPECT_FALSE(callHelp);
}

}  // namespace
