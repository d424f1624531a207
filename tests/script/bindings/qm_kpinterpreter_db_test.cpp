// The Db unit driven by scripts over a SQLite table opened through a query:
// searching, field values, bookmarks, errors, field classes, definitions
// and the event types whose handlers are script procedures.
#include "script/bindings/qm_kpinterpreter_db.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/data/ado.h"
#include "platform/data/indexdefs.h"
#include "platform/rtl/codepage.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"
#include "support/temp_dir.h"
#include "tools/createdb/create_database.h"

namespace {

// The query the scripts reach as "Phones".
TADOQuery*& CurrentQuery() {
    static TADOQuery* query = nullptr;
    return query;
}

class DbBinding : public EmittingScripts {
protected:
    DbBinding() {
        static const bool defined = [] {
            GlobalInterpreterAdapter()->DefineFunction("Test", "Phones", [](Variant& v, TKpInterpreterArgs&) {
                v = ObjectToVariant(CurrentQuery());
            }, 0, {}, 0);
            return true;
        }();
        (void)defined;
        const std::string file = dir_.file("phones.mdb");
        serviora::CreateApplicationDatabase(AnsiToUtf8(file));
        connection_.SetLoginPrompt(false);
        connection_.SetConnectionString("Data Source=" + file);
        connection_.SetConnected(true);
        Exec("create table 手机 (编号 INTEGER, 品牌 TEXT, 型号 TEXT, 价格 REAL, 入库 DATETIME)");
        Exec("insert into 手机 values (1, 'Nokia', 'N95', 300.5, '2024-05-03'), (2, 'Apple', 'iPhone', 25, "
             "'2024-05-01'), (3, '三星', 'S1', 1000, '2024-04-30')");
        query_.SetConnection(&connection_);
        query_.SQL()->Add("select * from 手机 order by 编号");
        query_.Open();
        CurrentQuery() = &query_;
    }
    ~DbBinding() override { CurrentQuery() = nullptr; }

    void Exec(const AnsiString& sql) {
        TADOQuery command(nullptr);
        command.SetConnection(&connection_);
        command.SQL()->Add(sql);
        command.ExecSQL();
    }

    TempDir dir_;
    TADOConnection connection_{nullptr};
    TADOQuery query_{nullptr};
};

TEST_F(DbBinding, SearchesValuesAndBookmarksReachTheDataset) {
    EXPECT_EQ(Run("var d: TDataSet; b: Variant; s: string; begin d := Phones; "
                  "Emit(d.Locate('品牌', 'nokia', [loCaseInsensitive])); Emit(d['型号']); "
                  "Emit(d.Locate('品牌', 'nokia', 0)); "
                  "Emit(d.Locate('品牌;型号', ['Apple', 'iPhone'], 0)); Emit(d.RecNo); "
                  "Emit(VarIsNull(d.Lookup('品牌', 'HTC', '型号'))); Emit(d.Lookup('编号', 3, '品牌')); "
                  "d.Edit; d['型号'] := 'X1'; d.Post; Emit(d.FieldValues['型号']); "
                  "b := d.FieldValues['编号;品牌']; Emit(b[1]); "
                  "b := d.GetBookmark; d.First; d.GotoBookmark(b); Emit(d.RecNo); "
                  "d.FreeBookmark(b); "
                  "s := d.Bookmark; d.Last; d.Bookmark := s; Emit(d.RecNo); "
                  "Emit(d.FindLast); Emit(d.FindNext); Emit(d.Found); "
                  "d.AppendRecord([4, 'HTC']); Emit(d.RecordCount); "
                  "Emit(VarIsNull(d['型号'])); "
                  "end;"),
              (std::vector<AnsiString>{"True", "N95", "False", "True", "2", "True", "三星", "X1", "Apple", "2", "2",
                                       "True", "False", "False", "4", "True"}));
    query_.Close();
    query_.Open();
    EXPECT_EQ(query_.Lookup("编号", 2, "型号"), Variant("X1")) << "the edit was posted";
}

TEST_F(DbBinding, MissingFieldsAndClosedDatasetsAnswerAsThePlatformDoes) {
    EXPECT_EQ(Run("var f: TField; begin f := Phones.FindField('颜色'); Emit(f = nil); "
                  "Emit(VarType(Phones.FindField('颜色')) = VarType(Phones)); "
                  "try Phones.FieldByName('颜色'); except on E: EDatabaseError do Emit(E.Message); end; "
                  "Emit(Phones.Fields[1].FieldName); "
                  "Emit(Phones.Fields[0].IsValidChar('5')); Emit(Phones.Fields[0].IsValidChar('')); "
                  "Phones.Close; Emit(Phones.State); Emit(VarType(Phones.State)); Emit(Phones.Active); end;"),
              (std::vector<AnsiString>{"True", "True", "Field '颜色' not found", "品牌", "True", "False", "0", "17",
                                       "False"}));
    EXPECT_THROW(Run("begin Phones.GotoBookmark(Phones.Fields[0]); end;"), EDatabaseError) << "a pointer not handed out";
}

TEST_F(DbBinding, FieldValuesTakeTheKindOfTheirClass) {
    struct Case {
        AnsiString cls, column, kind;
    };
    const std::vector<Case> cases = {
        {"TStringField", "品牌", "256"},  {"TIntegerField", "编号", "3"}, {"TSmallintField", "编号", "3"},
        {"TWordField", "编号", "3"},      {"TAutoIncField", "编号", "3"}, {"TFloatField", "价格", "5"},
        {"TCurrencyField", "价格", "5"},  {"TBCDField", "价格", "6"},     {"TBooleanField", "编号", "11"},
        {"TDateTimeField", "入库", "7"},  {"TDateField", "入库", "7"},    {"TTimeField", "入库", "7"},
        {"TBlobField", "型号", "256"},    {"TMemoField", "型号", "256"},   {"TGraphicField", "型号", "256"}};
    for (const auto& [cls, column, kind] : cases) {
        EXPECT_EQ(Run("var f: TField; begin Phones.Close; f := " + cls + ".Create(nil); f.FieldName := '" + column +
                      "'; f.DataSet := Phones; Phones.Open; Emit(f.ClassName); Emit(VarType(f.Value)); "
                      "Phones.Close; f.Free; end;"),
                  (std::vector<AnsiString>{cls, kind}))
            << cls;
    }
}

TEST_F(DbBinding, DatesDefinitionsAndIndexListsFollowTheirRegistrations) {
    EXPECT_EQ(Run("var d: TFieldDefs; i: TIndexDefs; f: TField; begin "
                  "Phones.Edit; Phones.FieldByName('入库').AsDateTime := EncodeDate(2024, 6, 1); "
                  "Emit(VarType(Phones.FieldByName('入库').AsDateTime)); "
                  "Emit(Phones.FieldByName('入库').AsDateTime = EncodeDate(2024, 6, 1)); Phones.Cancel; "
                  "d := TFieldDefs.Create(nil); d.Add('名称', ftString, 20, False); "
                  "Emit(d.Items[0].DataType); Emit(VarType(d.Items[0].DataType)); "
                  "Emit(VarType(d.Items[0].FieldClass) = VarType(TStringField)); "
                  "f := d.Items[0].CreateField(Phones); Emit(f.ClassName); Emit(f.Owner = Phones); "
                  "i := TIndexDefs.Create(Phones); i.Add('主键', '编号', [ixPrimary, ixUnique]); "
                  "Emit(i[0] = i.Items[0]); Emit(i.GetIndexForFields('编号', False) = i[0]); "
                  "Emit(i.FindIndexForFields('编号').Name); "
                  "try d.Assign(i); except on E: EInvalidCast do Emit(E.Message); end; "
                  "i.Free; d.Free; end;"),
              (std::vector<AnsiString>{"7", "True", "1", "3", "True", "TStringField", "True", "True", "True",
                                       "主键", "Invalid class typecast"}));
}

// The members each field class adds (published ones read through the
// platform's table), definitions read again from the storage, and set
// literals of the unit's byte constants assigned to a property.
TEST_F(DbBinding, FieldSettingsAndDefinitionsReachThePlatform) {
    query_.SetSort("编号 DESC");
    EXPECT_EQ(Run("var d: TDataSet; f, m, b: TField; begin d := Phones; f := d.FieldByName('编号'); "
                  "Emit(f.IsIndexField); Emit(d.FieldByName('品牌').IsIndexField); "
                  "f.MaxValue := 2; d.Edit; try f.AsInteger := 3; except on E: EDatabaseError do Emit(E.Message); end; "
                  "d.Cancel; Emit(d.FieldByName('品牌').Transliterate); Emit(f.LookupCache); f.RefreshLookupList; "
                  "m := TMemoField.Create(nil); Emit(m.BlobType); m.SetFieldType(ftGraphic); Emit(m.BlobType); "
                  "m.Transliterate := False; Emit(m.Transliterate); m.Free; "
                  "b := TBCDField.Create(nil); b.MaxValue := 12.5; Emit(VarType(b.MaxValue)); Emit(b.MaxValue); "
                  "Emit(b.InheritsFrom(TNumericField)); Emit(b.InheritsFrom(TFloatField)); b.Free; "
                  "d.FilterOptions := [foCaseInsensitive, foNoPartialCompare]; end;"),
              (std::vector<AnsiString>{"True", "False", "3 is not a valid value for field '编号'. The allowed range is 0 to 2",
                                       "True", "False", "16", "17", "False", "6", "12.5", "True", "False"}));
    EXPECT_EQ(query_.FilterOptions(), (TFilterOptions{foCaseInsensitive, foNoPartialCompare}));
    EXPECT_EQ(Run("var d: TFieldDefs; begin d := Phones.FieldDefs; Phones.Close; d.Clear; d.Update; "
                  "Emit(d.Count); Emit(d.Items[4].Name); Emit(Phones.Active); "
                  "d.Items[0].InternalCalcField := True; Emit(d.Items[0].InternalCalcField); "
                  "d.Items[0].Precision := 7; Emit(d.Items[0].Precision); "
                  "Emit(TFieldDef.Create(d, '合计', ftFloat, 0, False, 0).FieldNo); Emit(d.Items[5].Index); end;"),
              (std::vector<AnsiString>{"5", "入库", "False", "True", "7", "6", "5"}));
}

TEST_F(DbBinding, StoredValuesConstraintsAndRefreshReachTheFields) {
    Exec("update 手机 set 品牌='诺基亚' where 编号=1");
    EXPECT_EQ(Run("var d: TDataSet; f: TField; begin d := Phones; f := d.FieldByName('型号'); d.Edit; "
                  "f.NewValue := 'Z'; Emit(f.OldValue); Emit(f.CurValue); Emit(f.NewValue); d.Cancel; "
                  "Emit(f.HasConstraints); f.CustomConstraint := '型号 <> '''''; Emit(f.HasConstraints); "
                  "f.DefaultExpression := '''N1'''; Emit(f.DefaultExpression); "
                  "Emit(d['品牌']); d.Refresh; Emit(d['品牌']); end;"),
              (std::vector<AnsiString>{"N95", "N95", "Z", "False", "True", "'N1'", "Nokia", "诺基亚"}));
    for (const char* statement : {"d.Resync([rmExact])", "Emit(d.DataSource = nil)", "d.FilterOptions := VarAsType(2, varInteger)",
                                  "d.AutoCalcFields := False"}) {
        EXPECT_NO_THROW(Run(AnsiString("var d: TDataSet; begin d := Phones; ") + statement + "; end;")) << statement;
    }
    EXPECT_EQ(query_.FilterOptions(), TFilterOptions{foNoPartialCompare});
    EXPECT_FALSE(query_.AutoCalcFields());
}

// Native values travel only through blocks AllocMem handed out, large
// enough for the field; the record-buffer members work on private copies.
TEST_F(DbBinding, NativeBuffersPassOnlyThroughHandedOutBlocks) {
    EXPECT_EQ(Run("var d: TDataSet; f: TField; p: Pointer; begin d := Phones; f := d.FieldByName('编号'); "
                  "Emit(VarType(d.RecordSize)); Emit(f.DataSize); Emit(f.Offset); "
                  "p := AllocMem(f.DataSize); Emit(f.GetData(p)); d.Edit; f.Clear; f.SetData(p); Emit(f.AsInteger); "
                  "f.Validate(p); d.Cancel; "
                  "Emit(Length(d.ActiveBuffer) > 0); Emit(d.GetCurrentRecord('x')); d.Translate('abc', '', False); "
                  "end;"),
              (std::vector<AnsiString>{"18", "4", "1", "True", "1", "True", "True"}));
    for (const char* call : {"f.GetData(AllocMem(2))", "f.SetData(AllocMem(3))", "f.Validate(nil)",
                             "f.GetData(d.GetBookmark)"}) {
        EXPECT_EQ(ErrorCode([&] {
            Run(AnsiString("var d: TDataSet; f: TField; begin d := Phones; f := d.FieldByName('编号'); ") + call +
                "; end;");
        }), 109) << call;
    }
}

TEST_F(DbBinding, BlobFieldsLoadAndSaveTheirBytes) {
    Exec("create table 附件 (编号 INTEGER PRIMARY KEY, 数据 BLOB)");
    Exec("insert into 附件 values (1, X'410042'), (2, null)");
    query_.Close();
    query_.SQL()->Clear();
    query_.SQL()->Add("select * from 附件 order by 编号");
    query_.Open();
    const AnsiString file = dir_.file("blob.bin");
    EXPECT_EQ(Run("var b: TField; s: TMemoryStream; begin b := Phones.FieldByName('数据'); Emit(b.BlobSize); "
                  "b.SaveToFile('" + file + "'); Phones.Next; Phones.Edit; Emit(b.Modified); "
                  "b.LoadFromFile('" + file + "'); Emit(b.Modified); Phones.Post; Emit(b.BlobSize); "
                  "s := TMemoryStream.Create; b.SaveToStream(s); Emit(s.Size); "
                  "Phones.Edit; b.Clear; b.LoadFromStream(s); Phones.Post; Emit(b.BlobSize); s.Free; end;"),
              (std::vector<AnsiString>{"3", "False", "True", "3", "3", "3"}));
}

TEST_F(DbBinding, ScriptProceduresHandleTheDatasetAndFieldEvents) {
    const char* script =
        "unit Report;\r\n"
        "procedure HideApple(DataSet: TDataSet; var Accept: Boolean);\r\n"
        "begin Accept := DataSet['品牌'] <> 'Apple'; end;\r\n"
        "procedure KeepAll(DataSet: TDataSet; var Accept: Boolean); begin end;\r\n"
        "procedure Brand(Sender: TField; var Text: string; DisplayText: Boolean);\r\n"
        "begin Text := '<' + Sender.AsString + '>'; end;\r\n"
        "procedure Refuse(DataSet: TDataSet; E: EDatabaseError; var Action: TDataAction);\r\n"
        "begin Emit(E.Message); Action := daAbort; end;\r\n"
        "procedure Main; begin\r\n"
        "Phones.OnFilterRecord := HideApple; Phones.Filtered := True; Emit(Phones.RecordCount);\r\n"
        "Phones.OnFilterRecord := KeepAll; Phones.Filtered := False; Phones.Filtered := True;\r\n"
        "Emit(Phones.RecordCount); Phones.Filtered := False;\r\n"
        "Phones.FieldByName('品牌').OnGetText := Brand; Emit(Phones.FieldByName('品牌').DisplayText);\r\n"
        "Phones.OnPostError := Refuse; end;\r\n"
        "end.";
    EXPECT_EQ(Run(script), (std::vector<AnsiString>{"2", "3", "<Nokia>"}));
    EXPECT_EQ(query_.FieldByName("品牌")->Text(), "<Nokia>");
    TDataAction action = daFail;
    EDatabaseError error("写入失败");
    query_.OnPostError()(&query_, &error, action);
    EXPECT_EQ(int(action), 1);
    EXPECT_EQ(ScriptTestHost::Get().Emitted.back(), "写入失败");
}

}  // namespace
