// The engine's base classes and registries: property paths and the write
// rules by type kind, event binding blocks, the named-value list, the
// preview panel's options, and the export-filter, function-library and
// add-in registries.
#include <gtest/gtest.h>

#include <memory>

#include "byte_writer.h"
#include "platform/rtl/streams.h"
#include "report/core/qm_common.h"
#include "report/core/qm_utils.h"
#include "script/bindings/qm_kpinterpreter_classes.h"
#include "script/qm_kpinterpreter_event.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_unit.h"

namespace {

SERVIORA_ENUM(TTestKind, tkFirst, tkSecond, tkThird)

// A report object with one published property of each kind the engine's
// property access knows.
class TTestObject : public TQmCustomView {
    SERVIORA_CLASS(TTestObject, TQmCustomView)
    SERVIORA_PUBLISHED
public:
    Integer Count() const { return count_; }
    void SetCount(Integer v) { count_ = v; }
    TTestKind Kind() const { return kind_; }
    void SetKind(TTestKind v) { kind_ = v; }
    bool Flag() const { return flag_; }
    void SetFlag(bool v) { flag_ = v; }
    TFontStyles Styles() const { return styles_; }
    void SetStyles(TFontStyles v) { styles_ = v; }
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v) { caption_ = v; }
    Int64 Big() const { return big_; }
    void SetBig(Int64 v) { big_ = v; }
    Variant Value() const { return value_; }
    void SetValue(Variant v) { value_ = std::move(v); }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    TTestObject* Next() const { return next_; }
    void SetNext(TTestObject* v) { next_ = v; }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }
    Integer Fixed() const { return 7; }

private:
    Integer count_ = 0;
    TTestKind kind_ = tkFirst;
    bool flag_ = false;
    TFontStyles styles_;
    double ratio_ = 0;
    AnsiString caption_;
    Int64 big_ = 0;
    Variant value_;
    std::unique_ptr<TFont> font_{TFont::Create()};
    TTestObject* next_ = nullptr;
    TNotifyEvent onChange_;
};

void TTestObject::Published(TPublished<TTestObject>& p) {
    p.Property("Count", &TTestObject::Count, &TTestObject::SetCount);
    p.Property("Kind", &TTestObject::Kind, &TTestObject::SetKind);
    p.Property("Flag", &TTestObject::Flag, &TTestObject::SetFlag);
    p.Property("Styles", &TTestObject::Styles, &TTestObject::SetStyles);
    p.Property("Ratio", &TTestObject::Ratio, &TTestObject::SetRatio);
    p.Property("Caption", &TTestObject::Caption, &TTestObject::SetCaption);
    p.Property("Big", &TTestObject::Big, &TTestObject::SetBig);
    p.Property("Value", &TTestObject::Value, &TTestObject::SetValue);
    p.Property("Font", &TTestObject::Font, &TTestObject::SetFont);
    p.Property("Next", &TTestObject::Next, &TTestObject::SetNext);
    p.Property("OnChange", &TTestObject::OnChange, &TTestObject::SetOnChange);
    p.Property("Fixed", &TTestObject::Fixed);
}

std::unique_ptr<TTestObject> NewObject() { return std::unique_ptr<TTestObject>(TTestObject::Create()); }

TEST(QmPropertyAccess, DottedPathsReachNestedObjects) {
    auto object = NewObject();
    object->Font()->SetName("黑体");
    Variant value;
    EXPECT_TRUE(object->GetPropValue(object.get(), "Font.Name", value, {}));
    EXPECT_EQ(VarToStr(value), "黑体");
    EXPECT_TRUE(object->GetPropValue(object.get(), "font.HEIGHT", value, {}));
    EXPECT_EQ(value.AsInteger(), object->Font()->Height());
    // A part naming no object, a nil object and an unknown name stop the walk.
    EXPECT_FALSE(object->GetPropValue(object.get(), "Caption.Name", value, {}));
    EXPECT_FALSE(object->GetPropValue(object.get(), "Next.Caption", value, {}));
    EXPECT_FALSE(object->GetPropValue(object.get(), "Nothing.Name", value, {}));
    EXPECT_FALSE(object->GetPropValue(object.get(), "Font.Nothing", value, {}));
    EXPECT_FALSE(object->SetPropValue(object.get(), "Caption", "x"));
}

TEST(QmPropertyAccess, ReadsByTypeKind) {
    auto object = NewObject();
    object->SetCount(5);
    object->SetKind(tkThird);
    object->SetFlag(true);
    object->SetStyles(TFontStyles{fsItalic});
    object->SetRatio(2.5);
    object->SetBig(Int64(1) << 40);
    object->SetValue("v");
    Variant value;
    struct Case {
        const char* name;
        Variant expected;
    };
    const Case cases[] = {{"Count", 5},        {"Kind", 2},    {"Flag", 1},
                          {"Styles", 2},       {"Ratio", 2.5}, {"Big", static_cast<long long>(Int64(1) << 40)},
                          {"Value", "v"},      {"Fixed", 7},   {"OnChange", "TNotifyEvent"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(ReadPublishedProp(object.get(), c.name, value)) << c.name;
        EXPECT_EQ(VarToStr(value), VarToStr(c.expected)) << c.name;
    }
    ASSERT_TRUE(ReadPublishedProp(object.get(), "Font", value));
    EXPECT_EQ(value.AsInt64(), static_cast<Int64>(reinterpret_cast<std::intptr_t>(object->Font())));
    EXPECT_FALSE(ReadPublishedProp(object.get(), "Nothing", value));
}

TEST(QmPropertyAccess, WritesByTypeKind) {
    auto object = NewObject();
    struct Case {
        const char* name;
        Variant value;
        std::function<bool(TTestObject&)> stored;
    };
    const Case cases[] = {
        {"Count", 2.9, [](TTestObject& o) { return o.Count() == 2; }},
        {"Count", -2.9, [](TTestObject& o) { return o.Count() == -2; }},
        {"Kind", true, [](TTestObject& o) { return o.Kind() == tkSecond; }},
        {"Kind", "tkThird", [](TTestObject& o) { return o.Kind() == tkThird; }},
        {"Kind", 0.7, [](TTestObject& o) { return o.Kind() == tkFirst; }},
        {"Flag", true, [](TTestObject& o) { return o.Flag(); }},
        {"Styles", 3, [](TTestObject& o) { return o.Styles() == TFontStyles{fsBold, fsItalic}; }},
        {"Styles", "[fsUnderline]", [](TTestObject& o) { return o.Styles() == TFontStyles{fsUnderline}; }},
        {"Ratio", 1.25, [](TTestObject& o) { return o.Ratio() == 1.25; }},
        {"Caption", 12, [](TTestObject& o) { return o.Caption() == "12"; }},
        {"Big", 1e12 + 0.5, [](TTestObject& o) { return o.Big() == 1000000000000; }},
        {"Value", Null(), [](TTestObject& o) { return VarIsNull(o.Value()); }},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(WritePublishedProp(object.get(), c.name, c.value)) << c.name;
        EXPECT_TRUE(c.stored(*object)) << c.name << " " << VarToStr(c.value);
    }
    for (const char* refused : {"Font", "OnChange", "Fixed", "Nothing"})
        EXPECT_FALSE(WritePublishedProp(object.get(), refused, 1)) << refused;
    EXPECT_THROW(WritePublishedProp(object.get(), "Count", "abc"), Exception);
}

TEST(QmEventBindings, ObjectWithoutAListSavesCountZero) {
    auto object = NewObject();
    TStringStream stream;
    object->SaveEventBindings(&stream);
    EXPECT_EQ(stream.DataString(), std::string(2, '\0'));
}

TEST(QmEventBindings, LoadingReplacesEqualNamesAndKeepsTheOthers) {
    auto object = NewObject();
    object->GetEventBindings()->SetVariable("OnBeforePrint", "Old");
    object->GetEventBindings()->SetVariable("OnActivate", "Keep");
    TStringStream in(ByteWriter().Word(2).Str("ONBEFOREPRINT").Str("Memo1OnBeforePrint").Str("OnClick").Str("Click").Bytes());
    object->LoadEventBindings(&in);
    TQmVariables* bindings = object->GetEventBindings();
    ASSERT_EQ(bindings->Count(), 3);
    EXPECT_EQ(VarToStr(bindings->GetVariable("OnBeforePrint")), "Memo1OnBeforePrint");
    EXPECT_EQ(VarToStr(bindings->GetVariable("OnActivate")), "Keep");

    TStringStream out;
    object->SaveEventBindings(&out);
    EXPECT_EQ(out.DataString(), ByteWriter()
                                    .Word(3)
                                    .Str("OnBeforePrint").Str("Memo1OnBeforePrint")
                                    .Str("OnActivate").Str("Keep")
                                    .Str("OnClick").Str("Click")
                                    .Bytes());
}

TEST(QmEventBindings, TooLongATextNamesTheObject) {
    auto object = NewObject();
    object->SetName("Memo1");
    object->GetEventBindings()->SetVariable("OnBeforePrint", AnsiString(70000, 'p'));
    TStringStream out;
    try {
        object->SaveEventBindings(&out);
        FAIL();
    } catch (const EQmTextTooLong& e) {
        EXPECT_EQ(e.Owner(), "Memo1");
        EXPECT_EQ(e.Message().rfind("Memo1: ", 0), 0u);
    }
}

// Bindings to a procedure the script has, to one it lacks, to a property
// the object lacks and to one whose type no registry knows: only the
// first becomes a handler, and firing the event runs the procedure.
TEST(QmEventBindings, InstallsHandlersForTheScriptsProcedures) {
    InitializeInterpreter();
    TKpInterpreterUnit interpreter(nullptr);
    int hits = 0;
    interpreter.OnGetValue = [&](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs&, bool& done) {
        if (!SameText(name, "Hit")) return;
        ++hits;
        value = 0;
        done = true;
    };
    interpreter.SetSource("unit Report; procedure Changed(Sender: TObject); begin Hit; end;\r\n"
                          "procedure Other(Sender: TObject); begin end; end.");
    interpreter.Compile();
    // Compiling resets the interpreter's own host registrations.
    RegisterClassesBindings(interpreter.OwnAdapter());

    auto object = NewObject();
    TQmEventHandlers handlers;
    object->InstallEventHandlers(handlers, &interpreter);
    EXPECT_TRUE(handlers.empty()) << "an object without bindings installs nothing";

    TQmVariables* bindings = object->GetEventBindings();
    bindings->SetVariable("OnChange", "Missing");
    bindings->SetVariable("OnNothing", "Other");
    bindings->SetVariable("Caption", "Other");
    bindings->SetVariable("Count", "");
    object->InstallEventHandlers(handlers, &interpreter);
    EXPECT_TRUE(handlers.empty());
    EXPECT_FALSE(object->OnChange());

    bindings->SetVariable("OnChange", "Changed");
    object->InstallEventHandlers(handlers, &interpreter);
    ASSERT_EQ(handlers.size(), 1u);
    EXPECT_EQ(handlers[0]->ScriptProc, "Changed");
    EXPECT_EQ(handlers[0]->Target, object.get());
    ASSERT_TRUE(object->OnChange());
    object->OnChange()(object.get());
    EXPECT_EQ(hits, 1);
}

TEST(QmVariables, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    auto variables = std::unique_ptr<TQmVariables>(TQmVariables::Create());
    variables->SetVariable("Total", 1);
    variables->SetVariable("TOTAL", 2);
    ASSERT_EQ(variables->Count(), 1);
    EXPECT_EQ(variables->GetName(0), "Total");
    EXPECT_EQ(variables->GetValue(0).AsInteger(), 2);
    EXPECT_TRUE(VarIsNull(variables->GetVariable("absent")));
    EXPECT_EQ(variables->GetValue(-1).AsInteger(), 0);
    EXPECT_EQ(variables->GetName(1), "");
    variables->SetValue(5, 9);
    variables->Delete(5);
    EXPECT_EQ(variables->Count(), 1);

    auto copy = std::unique_ptr<TQmVariables>(TQmVariables::Create());
    copy->SetVariable("other", 3);
    copy->Assign(variables.get());
    EXPECT_EQ(copy->Count(), 1);
    EXPECT_EQ(copy->IndexOf("total"), 0);
    copy->Assign(copy.get());
    EXPECT_EQ(copy->Count(), 1);
}

TEST(QmBaseClasses, ViewAndComponentDefaults) {
    auto view = NewObject();
    int width = 0, height = 0;
    view->GetDefaultSize(width, height);
    EXPECT_EQ(width, 96);
    EXPECT_EQ(height, 18);
    EXPECT_TRUE(view->IsInsertable());

    auto component = std::unique_ptr<TQmComponent>(TQmComponent::Create(nullptr));
    Variant value;
    EXPECT_FALSE(component->GetPropValue(component.get(), "Name", value, {}));
    EXPECT_FALSE(component->SetPropValue(component.get(), "Name", "x"));
    EXPECT_EQ(QmRegRootKey, "Software\\Ostrevane\\Tamber Quistor");
}

class TTestPreview : public TQmCustomPreview {
    SERVIORA_CLASS(TTestPreview, TQmCustomPreview)
public:
    using TQmCustomPreview::TQmCustomPreview;
    void ShowReport(TQmCustomReport*) override {}
    void Connect(TQmCustomReport*) override {}
    void Print() override {}
    void Disconnect() override {}
};

TEST(QmBaseClasses, PreviewPanelCopiesTheOptionsItIsGiven) {
    auto preview = std::unique_ptr<TTestPreview>(TTestPreview::Create(nullptr));
    TQmPreviewOptions* own = preview->Options();
    auto given = std::unique_ptr<TQmPreviewOptions>(TQmPreviewOptions::Create());
    given->SetRulerVisible(true);
    given->SetRulerUnit(qmutMillimeters);
    given->BorderPen()->SetColor(clRed);
    preview->SetOptions(given.get());
    EXPECT_EQ(preview->Options(), own);
    EXPECT_TRUE(own->RulerVisible());
    EXPECT_EQ(own->RulerUnit(), qmutMillimeters);
    EXPECT_EQ(own->BorderPen()->Color(), clRed);
    given->SetRulerVisible(false);
    EXPECT_TRUE(own->RulerVisible());
}

// Registries live for the whole process: these classes are the tests' own.
class TFilterA : public TQmCustomExportFilter {
    SERVIORA_CLASS(TFilterA, TQmCustomExportFilter)
public:
    using TQmCustomExportFilter::TQmCustomExportFilter;
};

class TLibraryA : public TQmFunctionLibrary {
    SERVIORA_CLASS(TLibraryA, TQmFunctionLibrary)
public:
    TLibraryA() {
        FunctionNames()->Add("FORMATFLOAT");
        FunctionNames()->Add("UPPER");
        AddFunctionDesc("FormatFloat", "", "", "SV");
    }
    void DoFunction(TQmParser*, int number, const std::vector<Variant>& arguments, Variant& value) override {
        value = number * 10 + static_cast<int>(arguments.size());
    }
};

class TLibraryB : public TLibraryA {
    SERVIORA_CLASS(TLibraryB, TLibraryA)
public:
    using TLibraryA::TLibraryA;
};

TEST(QmRegistries, CountsBeforeAnyRegistration) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool fresh = GetExportFilterCount() == -1 && GetFunctionLibraryCount() == 0 && GetAddInCount() == -1;
            const bool libraryLookUpMakesNothing = GetFunctionLibrary(0) == nullptr && GetFunctionLibraryCount() == 0;
            std::exit(fresh && libraryLookUpMakesNothing ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(QmRegistries, OneExportFilterRecordPerClass) {
    auto first = std::unique_ptr<TFilterA>(TFilterA::Create(nullptr));
    auto second = std::unique_ptr<TFilterA>(TFilterA::Create(nullptr));
    RegisterExportFilter(first.get(), "Excel 文件 (*.xls)", "*.xls");
    const int count = GetExportFilterCount();
    RegisterExportFilter(second.get(), "other", "*.x");
    ASSERT_EQ(GetExportFilterCount(), count);
    TQmExportFilterInfo* info = GetExportFilterInfo(count - 1);
    EXPECT_EQ(info->Filter, first.get());
    EXPECT_EQ(info->FilterDesc, "Excel 文件 (*.xls)");
    EXPECT_EQ(info->FilterExt, "*.xls");
    UnregisterExportFilter(second.get());  // any instance removes its class's record
    EXPECT_EQ(GetExportFilterCount(), count - 1);
    UnregisterExportFilter(first.get());
    EXPECT_EQ(GetExportFilterCount(), count - 1);
}

TEST(QmRegistries, FunctionLibrariesByClassAndFunctionsByName) {
    const int count = GetFunctionLibraryCount();
    RegisterFunctionLibrary(TLibraryA::StaticClass());
    RegisterFunctionLibrary(TLibraryA::StaticClass());
    RegisterFunctionLibrary(TLibraryB::StaticClass());
    ASSERT_EQ(GetFunctionLibraryCount(), count + 2);
    EXPECT_EQ(GetFunctionLibrary(-1), nullptr);
    EXPECT_EQ(GetFunctionLibrary(count + 2), nullptr);

    TQmCustomFunctionLibrary* library = GetFunctionLibrary(count);
    EXPECT_EQ(library->ClassName(), "TLibraryA");
    EXPECT_EQ(library->FunctionDescs().at(0).ArgKinds, "SV");
    Variant value = "untouched";
    EXPECT_TRUE(library->HandleFunction(nullptr, "formatfloat", {"'0.00'", "x"}, value));
    EXPECT_EQ(value.AsInteger(), 2);
    EXPECT_TRUE(library->HandleFunction(nullptr, "Upper", {}, value));
    EXPECT_EQ(value.AsInteger(), 10);
    value = "untouched";
    EXPECT_FALSE(library->HandleFunction(nullptr, "LOWER", {}, value));
    EXPECT_EQ(VarToStr(value), "untouched");
    library->ClearFunctionDescs();
    EXPECT_TRUE(library->FunctionDescs().empty());

    UnregisterFunctionLibrary(TLibraryA::StaticClass());
    ASSERT_EQ(GetFunctionLibraryCount(), count + 1);
    EXPECT_EQ(GetFunctionLibrary(count)->ClassName(), "TLibraryB");
    UnregisterFunctionLibrary(TLibraryB::StaticClass());
    EXPECT_EQ(GetFunctionLibraryCount(), count);
}

TEST(QmRegistries, AddInClassesCreateTheirObjects) {
    RegisterAddInObject(TTestObject::StaticClass());
    RegisterAddInObject(TTestObject::StaticClass());
    int found = 0;
    for (int i = 0; i < GetAddInCount(); ++i) {
        if (GetAddInInfo(i)->ClassRef->ClassName() != "TTestObject") continue;
        ++found;
        auto made = std::unique_ptr<TQmPersistent>(GetAddInInfo(i)->ClassRef->Create());
        EXPECT_NE(dynamic_cast<TTestObject*>(made.get()), nullptr);
    }
    EXPECT_EQ(found, 1);
}

}  // namespace
