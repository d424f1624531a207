#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "platform/rtl/codepage.h"
#include "platform/rtl/formresources.h"
#include "platform/rtl/moduleregistry.h"
#include "streaming_fixtures.h"

namespace {

// Every kind of value, in the writer's own layout, so it reads and writes
// back unchanged. The caption holds 确实 and two characters outside GBK.
const std::string kDescription = Utf8(u8R"(object Main: TTestModule
  OldCreateOrder = False
  Left = 192
  Top = 107
  Height = 150
  Width = 215
  object Widget1: TTestWidget
    Tag = 7
    Caption = '确实要退出本系统吗？'#13#10'😀𠀀 ''quoted'''
    Hint = '宽 😀'
    Count = -42
    Big = 9876543210
    Ratio = 1.25
    Align = taClient
    Styles = [tsBold, tsUnderline]
    Enabled = False
    Accel = 'A'
    WideAccel = '确'
    Color = tcGreen
    Value = '值'
    Font.Name = '宋体'
    Font.Size = 12
    Font.Style = [tsItalic]
    SQL.Strings = (
      'select *'
      'from 维修单')
    Items = <
      item
        Caption = 'First'
        Width = 100
      end
      item
        Caption = '第二'
      end>
    Source = Widget2
    OnClick = Widget1Click
    OnCount = Widget1Count
    Data = {
      00FF7F8081FEEFBBBF0D0A5C7C000102030405060708090A0B0C0D0E0F101112
      1314}
    Lines = (
      'one'
      '两'
      '')
  end
  object Widget2: TTestWidget
    Color = 77
    Value = Null
  end
  object Widget3: TTestWidget
    Value = 2.5
  end
end
)");

class FormStream : public ::testing::Test {
protected:
    void SetUp() override { RegisterStreamingFixtures(); }

    // A module without a description of its own, filled from text.
    static std::unique_ptr<TTestModule> Load(const std::string& description) {
        std::unique_ptr<TTestModule> module(TTestModule::Create(nullptr, 0));
        ReadComponentFromString(description, module.get());
        return module;
    }
};

TEST_F(FormStream, ReadsEveryKindOfValue) {
    auto module = Load(kDescription);
    EXPECT_EQ(module->Name(), "Main");
    TTestWidget* w = module->Widget1;
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Owner(), module.get());
    EXPECT_EQ(w->Tag(), 7);
    EXPECT_EQ(AnsiToUtf8(w->Caption()), Utf8(u8"确实要退出本系统吗？\r\n😀𠀀 'quoted'"));
    EXPECT_EQ(w->Caption().substr(0, 4), "确实");
    EXPECT_EQ(w->Hint(), u"宽 😀");
    EXPECT_EQ(w->Count(), -42);
    EXPECT_EQ(w->Big(), 9876543210LL);
    EXPECT_DOUBLE_EQ(w->Ratio(), 1.25);
    EXPECT_EQ(w->Align(), taClient);
    EXPECT_EQ(w->Styles(), (TTestStyles{tsBold, tsUnderline}));
    EXPECT_FALSE(w->Enabled());
    EXPECT_EQ(w->Accel(), 'A');
    EXPECT_EQ(w->WideAccel(), u'确');
    EXPECT_EQ(w->Color(), 0xFF00);
    EXPECT_EQ(VarToStr(w->Value()), "值");
    EXPECT_TRUE(VarIsNull(static_cast<TTestWidget*>(module->FindComponent("Widget2"))->Value()));
    EXPECT_EQ(static_cast<TTestWidget*>(module->FindComponent("Widget3"))->Value().AsDouble(), 2.5);
    EXPECT_EQ(w->Font()->Name(), "宋体");
    EXPECT_EQ(w->Font()->Size(), 12);
    EXPECT_EQ(w->Font()->Style(), TTestStyles{tsItalic});
    EXPECT_EQ(w->SQL()->Text(), "select *\r\nfrom 维修单\r\n");
    ASSERT_EQ(w->Items()->Count(), 2);
    auto* second = static_cast<TTestItem*>(w->Items()->Items(1));
    EXPECT_EQ(second->Caption(), "第二");
    EXPECT_EQ(second->Width(), 64);
    EXPECT_EQ(static_cast<TTestItem*>(w->Items()->Items(0))->Width(), 100);
    EXPECT_EQ(w->Source(), module->FindComponent("Widget2"));
    EXPECT_EQ(w->lines, (std::vector<AnsiString>{"one", "两", ""}));
    EXPECT_EQ(w->data.size(), 34u);
    EXPECT_EQ(w->data.substr(0, 4), std::string("\x00\xFF\x7F\x80", 4));
    EXPECT_EQ(w->loadedCalls, 1);
    EXPECT_FALSE(w->ComponentState().Contains(csLoading));
    EXPECT_FALSE(w->ComponentState().Contains(csReading));
}

TEST_F(FormStream, WritesTheDescriptionBackUnchanged) {
    auto module = Load(kDescription);
    EXPECT_EQ(ComponentToText(module.get()), kDescription);
}

TEST_F(FormStream, BinaryFormRoundTripsThroughComponentsAndTheConverter) {
    const std::string binary = FormTextToBinary(kDescription);
    EXPECT_EQ(binary.substr(0, 4), "TPF0");
    EXPECT_EQ(FormBinaryToText(binary), kDescription);

    auto module = Load(binary);
    EXPECT_EQ(ComponentToBinary(module.get()), binary);
    EXPECT_EQ(ComponentToText(module.get()), kDescription);
}

TEST_F(FormStream, BinaryPropertyRoundTripsByteForByte) {
    std::unique_ptr<TTestModule> module(TTestModule::Create(nullptr, 0));
    auto* widget = new TTestWidget(module.get());
    widget->SetName("Blob");
    for (int i = 0; i < 256; ++i)
        widget->data += static_cast<char>(i);
    const std::string text = ComponentToText(module.get());
    auto copy = Load(text);
    auto* blob = static_cast<TTestWidget*>(copy->FindComponent("Blob"));
    ASSERT_NE(blob, nullptr);
    EXPECT_EQ(blob->data, widget->data);
    auto fromBinary = Load(FormTextToBinary(text));
    EXPECT_EQ(static_cast<TTestWidget*>(fromBinary->FindComponent("Blob"))->data, widget->data);
}

TEST_F(FormStream, ReferenceToAnotherModuleResolvesOnceThatModuleIsLoaded) {
    auto main = Load(Utf8(u8R"(object UsesOther: TTestModule
  object Widget1: TTestWidget
    Source = DMOther.Source7
  end
end
)"));
    EXPECT_EQ(main->Widget1->Source(), nullptr);
    // A component waiting for a reference may go away before it resolves.
    auto* waiting = new TTestWidget(main.get());
    ReadComponentFromString("object UsesOther: TTestModule\n  object Waiting: TTestWidget\n"
                            "    Source = DMOther.Source7\n  end\nend\n",
                            main.get());
    delete main->FindComponent("Waiting");
    delete waiting;

    std::unique_ptr<TTestDataModule> other(TTestDataModule::Create(nullptr, 0));
    ReadComponentFromString(R"(object DMOther: TTestDataModule
  object Source7: TTestWidget
  end
end
)",
                            other.get());
    EXPECT_EQ(FindGlobalComponent("dmother"), other.get());
    TComponent* source7 = other->FindComponent("Source7");
    ASSERT_NE(source7, nullptr);
    EXPECT_EQ(main->Widget1->Source(), source7);

    // The reference asked for a free notification: it goes away with the module.
    other.reset();
    EXPECT_EQ(main->Widget1->Source(), nullptr);
    EXPECT_EQ(FindGlobalComponent("DMOther"), nullptr);
}

TEST_F(FormStream, EmbeddedDescriptionBindsFieldsAndHandlersByName) {
    std::unique_ptr<TTestModule> module(TTestModule::Create(nullptr));
    ASSERT_NE(module->Widget1, nullptr);
    EXPECT_EQ(module->Widget1->Caption(), "From the embedded description");
    module->Widget1->OnClick()(module->Widget1);
    EXPECT_EQ(module->clicks, 1);
    EXPECT_EQ(module->lastSender, module->Widget1);
    int count = 21;
    module->Widget1->OnCount()(module->Widget1, count);
    EXPECT_EQ(count, 42);
    EXPECT_EQ(module->Widget1->OnClick().Name(), "Widget1Click");
    EXPECT_EQ(GetPropInfo(module->Widget1, "OnCount")->PropType()->Name, "TTestCountEvent");

    // A second instance takes a unique module name.
    std::unique_ptr<TTestModule> second(TTestModule::Create(nullptr));
    EXPECT_EQ(module->Name(), "TestModule");
    EXPECT_EQ(second->Name(), "TestModule_1");
}

TEST_F(FormStream, InheritedDescriptionsBuildOnTheAncestorsAndLoadOnce) {
    std::unique_ptr<TTestDerivedModule> module(TTestDerivedModule::Create(nullptr));
    EXPECT_EQ(module->Name(), "DerivedModule");
    ASSERT_EQ(module->ComponentCount(), 2);
    auto* shared = static_cast<TTestWidget*>(module->FindComponent("Shared"));
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->Count(), 1);
    EXPECT_EQ(shared->Caption(), "derived");
    EXPECT_EQ(shared->loadedCalls, 1);
    EXPECT_NE(module->FindComponent("Extra"), nullptr);

    std::unique_ptr<TTestBaseModule> base(TTestBaseModule::Create(nullptr));
    EXPECT_EQ(static_cast<TTestWidget*>(base->FindComponent("Shared"))->Caption(), "base");
    EXPECT_THROW(TTestDataModule::Create(nullptr), EResNotFound);
}

TEST_F(FormStream, ReaderCreatesTheRootByClassWhenGivenNone) {
    std::unique_ptr<TComponent> root(ReadComponentFromString("object Created: TTestWidget\n  Count = 1\nend\n", nullptr));
    EXPECT_EQ(root->ClassName(), "TTestWidget");
    EXPECT_EQ(static_cast<TTestWidget*>(root.get())->Count(), 1);
    EXPECT_EQ(root->Name(), "Created");
}

TEST_F(FormStream, UnknownPropertiesClassesAndMethodsRaiseClearErrors) {
    struct Case {
        const char* body;
        const char* message;
    } cases[] = {
        {"    Frobnicate = 1\n", "Property Frobnicate does not exist"},
        {"    Font.Weight = 1\n", "Property Font.Weight does not exist"},
        {"    Count = 'text'\n", "Invalid property value"},
        {"    Align = alNowhere\n", "Invalid property value"},
        {"    OnClick = NoSuchHandler\n", "Method NoSuchHandler not found"},
    };
    for (const Case& c : cases) {
        const std::string text =
            std::string("object Bad: TTestModule\n  object W: TTestWidget\n") + c.body + "  end\nend\n";
        std::unique_ptr<TTestModule> module(TTestModule::Create(nullptr, 0));
        try {
            ReadComponentFromString(text, module.get());
            ADD_FAILURE() << c.body;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        // The half-read component is gone.
        EXPECT_EQ(module->ComponentCount(), 0) << c.body;
    }

    std::unique_ptr<TTestModule> module(TTestModule::Create(nullptr, 0));
    try {
        ReadComponentFromString("object M: TTestModule\n  object X: TNoSuchClass\n  end\nend\n", module.get());
        ADD_FAILURE();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNoSuchClass not found");
    }
    EXPECT_THROW(ReadComponentFromString("object M: TTestModule\n  Count = \nend\n", module.get()), EParserError);
    EXPECT_THROW(ReadComponentFromString("TPF0\x01", module.get()), EReadError);
}

// A component class nobody registers, and a module declaring a field of it.
class TUnregisteredPart : public TComponent {
    SERVIORA_CLASS(TUnregisteredPart, TComponent)
public:
    using TComponent::TComponent;
};

class TPartsModule : public TDataModule {
    SERVIORA_CLASS(TPartsModule, TDataModule)
    SERVIORA_PUBLISHED
public:
    using TDataModule::TDataModule;
    TUnregisteredPart* Part1 = nullptr;
};

void TPartsModule::Published(TPublished<TPartsModule>& p) { p.Field("Part1", &TPartsModule::Part1); }

TEST_F(FormStream, AClassTheRootDeclaresAFieldOfNeedsNoRegistration) {
    const char* text = "object M: TPartsModule\n  object Part1: TUnregisteredPart\n  end\nend\n";
    std::unique_ptr<TPartsModule> module(TPartsModule::Create(nullptr, 0));
    ReadComponentFromString(text, module.get());
    ASSERT_NE(module->Part1, nullptr);
    EXPECT_EQ(module->Part1->ClassName(), "TUnregisteredPart");

    std::unique_ptr<TTestModule> other(TTestModule::Create(nullptr, 0));
    EXPECT_THROW(ReadComponentFromString("object M: TTestModule\n  object Part1: TUnregisteredPart\n  end\nend\n",
                                         other.get()),
                 EClassNotFound)
        << "only the root's own fields count";
}

TEST_F(FormStream, ReaderHooksHandleErrorsMethodsAndClasses) {
    std::unique_ptr<TTestModule> module(TTestModule::Create(nullptr, 0));
    TReader reader(std::string("object M: TTestModule\n  object W: TMyWidget\n    Frobnicate = 1\n"
                               "    OnClick = ScriptHandler\n    Count = 3\n  end\nend\n"));
    std::vector<AnsiString> errors;
    reader.SetOnError([&](TReader*, const AnsiString& message, bool& handled) {
        errors.push_back(message);
        handled = true;
    });
    int scriptCalls = 0;
    reader.SetOnFindMethod([&](TReader*, const AnsiString& name, TMethod& address, bool& error) {
        if (name == "ScriptHandler") {
            address = TNotifyEvent([&](TObject*) { ++scriptCalls; }, name).ToMethod();
            error = false;
        }
    });
    reader.SetOnFindComponentClass([](TReader*, const AnsiString& name, TComponentClass& cls) {
        if (name == "TMyWidget")
            cls = TTestWidget::StaticClass();
    });
    reader.ReadRootComponent(module.get());
    EXPECT_EQ(errors, std::vector<AnsiString>{"Property Frobnicate does not exist"});
    auto* w = static_cast<TTestWidget*>(module->FindComponent("W"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Count(), 3);
    w->OnClick()(w);
    EXPECT_EQ(scriptCalls, 1);
}

TEST(FormText, ParsesStringsNumbersAndNestingItDoesNotWrite) {
    const TFormObject object = ParseFormText(
        "inherited Form2: TForm2 [3]\n"
        "  Caption = 'a' +\n    'b'#65\n"
        "  Hex = $1F\n  Neg = -2.5e1\n  Single = 1.5s\n  Empty = []\n  Nested = (1 (2 3) 'x')\n"
        "  inline Frame1: TFrame1\n  end\nend\n");
    EXPECT_EQ(object.kind, TFormObjectKind::Inherited);
    EXPECT_EQ(object.childPos, 3);
    ASSERT_EQ(object.properties.size(), 6u);
    EXPECT_EQ(object.properties[0].value.text, "abA");
    EXPECT_EQ(object.properties[1].value.integer, 31);
    EXPECT_DOUBLE_EQ(object.properties[2].value.real, -25);
    EXPECT_DOUBLE_EQ(object.properties[3].value.real, 1.5);
    EXPECT_EQ(object.properties[4].value.kind, TFormValueKind::Set);
    EXPECT_EQ(object.properties[5].value.items[1].items.size(), 2u);
    ASSERT_EQ(object.children.size(), 1u);
    EXPECT_EQ(object.children[0].kind, TFormObjectKind::Inline);
    EXPECT_EQ(FormBinaryToText(FormTextToBinary(FormatFormText(object))), FormatFormText(object));

    try {
        ParseFormText("object A: TA\n  X = 1\n  Y = 'open\nend\n");
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message(), "Unterminated string on line 3");
    }
}

TEST(FormText, LongStringsAndBinaryWrapAndReadBack) {
    TFormObject object;
    object.className = "TA";
    object.properties.push_back({"Long", TFormValue::OfString(std::string(150, 'x') + "\t")});
    object.properties.push_back({"Blob", TFormValue::OfBinary(std::string(40, '\x5A'))});
    const std::string text = FormatFormText(object);
    EXPECT_NE(text.find("' +\n"), std::string::npos);
    EXPECT_EQ(ParseFormText(text), object);
}

}  // namespace

TEST(FormText, NestingPastTheLimitIsRefusedInBothForms) {
    const auto nestedLists = [](int depth) {
        return "object A: TA\n  P = " + std::string(depth, '(') + std::string(depth, ')') + "\nend\n";
    };
    const auto nestedObjects = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "object A: TA\n";
        for (int i = 0; i < depth; ++i) text += "end\n";
        return text;
    };
    for (const auto& nested : {std::function<std::string(int)>(nestedLists), std::function<std::string(int)>(nestedObjects)}) {
        const std::string deepest = nested(MaxFormNesting - 1);
        EXPECT_EQ(ParseFormBinary(FormTextToBinary(deepest)), ParseFormText(deepest));
        EXPECT_THROW(ParseFormText(nested(50000)), EParserError);
    }
}

TEST(FormText, TheSmallestIntegerAndAQuoteAfterAStrayLeadByteReadBack) {
    const TFormObject object = ParseFormText("object A: TA\n  P = -$8000000000000000\n  Q = -9223372036854775808\nend\n");
    EXPECT_EQ(object.properties[0].value.integer, std::numeric_limits<Int64>::min());
    EXPECT_EQ(object.properties[1].value.integer, std::numeric_limits<Int64>::min());
    // Binary forms may carry text that is not UTF-8; the printed text must
    // still read back to the same bytes.
    for (const char* text : {"\xC3'", "\xE4\xB8'x", "\xF0''", "'\xC3", "\xC3\xA9'"}) {
        TFormObject form;
        form.className = "TA";
        form.properties.push_back({"S", TFormValue::OfString(text)});
        EXPECT_EQ(ParseFormText(FormatFormText(form)), form) << FormatFormText(form);
    }
}

TEST(FormBinary, CountsOnlyBoundTheBytesLeftNotTheMemoryTaken) {
    // Nested lists each claiming 100,000 items in a stream of about 100 KB:
    // refused as cut short, without sizing 250 vectors of 100,000 values first.
    std::string bytes = "TPF0";
    bytes += '\0';                      // object
    bytes += '\x01';                    // childPos -1
    bytes += std::string("\x01T\x01" "A\x01\x01P", 7);  // class T, name A, one property P
    for (int i = 0; i < 250; ++i) bytes += "\x06\xA0\x8D\x06";  // a list of 100,000
    bytes += std::string(100000, '\0');
    EXPECT_THROW(ParseFormBinary(bytes), EReadError);
}
