// The Windows and Types units: the message box reached by a library call,
// the converters' checks of the records they are given, and the Types
// unit's geometry on a registry of its own.
#include "script/qm_kpinterpreter_windows.h"

#include <gtest/gtest.h>

#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "script/bindings/qm_kpinterpreter_types.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreter_unit.h"
#include "script_host.h"
#include "script_test_helpers.h"

namespace {

TEST(WindowsUnit, MessageBoxShowsThePlatformsBoxAndAnswersItsButton) {
    ScriptTestHost::Get();
    ResetModalResponder();
    PushModalAnswer({IDYES, {}});
    TKpInterpreterUnit interpreter(nullptr);
    interpreter.SetSource("MessageBox(0, '保存修改吗？', '确认', MB_YESNO)");
    interpreter.Run();
    EXPECT_EQ(interpreter.LastValue.VarType(), varInteger);
    EXPECT_EQ(interpreter.LastValue.AsInteger(), IDYES);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].kind, "MessageBox");
    EXPECT_EQ(ModalQuestions()[0].text, "保存修改吗？");
    EXPECT_EQ(ModalQuestions()[0].flags, unsigned(MB_YESNO));
    ResetModalResponder();
}

TEST(WindowsUnit, ConvertersReadOnlyRecordsLaidOutAsPointsOrRectangles) {
    ScriptTestHost::Get();
    EXPECT_EQ(VariantToPoint(PointToVariant({3, 4})), (TPoint{3, 4}));
    EXPECT_EQ(VariantToPoint(RectToVariant({5, 6, 7, 8})), (TPoint{5, 6}));
    EXPECT_EQ(VariantToRect(RectToVariant({5, 6, 7, 8})), (TRect{5, 6, 7, 8}));
    EXPECT_EQ(ErrorCode([] { VariantToRect(PointToVariant({1, 2})); }), 109);
    EXPECT_EQ(ErrorCode([] { VariantToPoint(Variant(7)); }), 109);
    EXPECT_EQ(ErrorCode([] { VariantToPoint(RecordToVariant("TUnknownRecord", std::make_unique<TRect>())); }), 109);

    TKpInterpreterUnit interpreter(nullptr);
    interpreter.SetSource(
        "unit U; type TPair = record A, B: Integer; end; var P: TPair; R: TRect;"
        "procedure main; begin R.TopLeft := P; end; end.");
    EXPECT_EQ(ErrorCode([&] { interpreter.Run(); }), 109);
}

TEST(TypesUnit, RegistersTheGeometryUnderItsOwnName) {
    TKpInterpreterAdapter adapter;
    RegisterTypesBindings(adapter);
    ASSERT_NE(adapter.FindRecord("TRect"), nullptr);
    EXPECT_EQ(adapter.FindRecord("TRect")->EntryUnit, "Types");
    TKpInterpreterArgs frame;
    frame.ArgCount = 4;
    for (int i = 0; i < 4; ++i) frame.ArgValues[std::size_t(i)] = i + 1;
    Variant rect;
    ASSERT_TRUE(adapter.ResolveGet(nullptr, "Bounds", frame, rect));
    EXPECT_EQ(VariantToRect(rect), (TRect{1, 2, 4, 6}));
    frame.Reset();
    frame.SetCallObject(rect);
    Variant corner;
    ASSERT_TRUE(adapter.ResolveGet(nullptr, "BottomRight", frame, corner));
    EXPECT_EQ(VariantToPoint(corner), (TPoint{4, 6}));
}

}  // namespace
