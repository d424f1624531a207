#include "script/bindings/qm_kpinterpreter_graphics.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"
#include "platform/win/clipboard.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"
#include "tests/support/temp_dir.h"

namespace {

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using GraphicsBinding = EmittingScripts;

TEST_F(GraphicsBinding, ResultKindsFollowTheProperties) {
    // VarType 17 is a byte, 18 a word, 3 a 32-bit integer. The font's, pen's
    // and brush's enumerations are published, and published names win: they
    // read as integers.
    struct Case {
        const char* expression;
        const char* type;
    } cases[] = {
        {"f.Charset", "3"},  {"f.Pitch", "3"},         {"p.Mode", "3"},         {"p.Style", "3"},
        {"b.Style", "3"},   {"m.HandleType", "17"},   {"m.PixelFormat", "17"}, {"m.TransparentMode", "17"},
        {"w.Inch", "18"},    {"f.Size", "3"},          {"p.Width", "3"},        {"m.Width", "3"},
        {"f.Color", "3"},    {"m.Canvas.CopyMode", "3"},
    };
    for (const Case& c : cases) {
        const AnsiString script = AnsiString("var f: TFont; p: TPen; b: TBrush; m: TBitmap; w: TMetafile; begin "
                                             "f := TFont.Create; p := TPen.Create; b := TBrush.Create; "
                                             "m := TBitmap.Create; w := TMetafile.Create; Emit(VarType(") +
                                  c.expression + ")); f.Free; p.Free; b.Free; m.Free; w.Free; end;";
        EXPECT_EQ(Run(script), std::vector<AnsiString>{c.type}) << c.expression;
    }
}

TEST_F(GraphicsBinding, FontStylesTravelAsMasks) {
    interpreter.SetSource("unit Styles;\r\n"
                          "function StyleOf(s: Variant): Variant; var f: TFont;\r\n"
                          "begin f := TFont.Create; f.Style := s; Result := f.Style; f.Free; end;\r\n"
                          "function Pair: Variant; begin Result := StyleOf([fsBold, fsItalic]); end;\r\n"
                          "end.");
    interpreter.Compile();
    EXPECT_EQ(VariantToSet(interpreter.CallFunction("Pair", nullptr, {})), 3u);
    EXPECT_EQ(VariantToSet(interpreter.CallFunction("StyleOf", nullptr, {Variant(4)})), 4u);
}

TEST_F(GraphicsBinding, ArgumentCountsAndMembersWithoutImplementation) {
    const AnsiString make = "var c: TCanvas; begin c := TCanvas.Create; try ";
    const AnsiString done = " finally c.Free; end; end;";
    struct Case {
        const char* call;
        int code;
    } cases[] = {
        {"c.Arc(1, 2, 3, 4, 5, 6, 7);", 182}, {"c.Arc(1, 2, 3, 4, 5, 6, 7, 8, 9);", 181},
        {"c.Polygon;", 182},                  {"c.Polygon(1);", 2},
        {"c.Polyline(1);", 2},                {"c.TextExtent('a');", 2},
        {"c.PenPos := 5;", 109},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorCode([&] { Run(make + c.call + done); }), c.code) << c.call;
    try {
        Run(make + "c.Polygon(1);" + done);
        FAIL();
    } catch (const EKpInterpreterError& e) {
        EXPECT_NE(e.Message().find("TCanvas.Polygon not implemented"), AnsiString::npos) << e.Message();
    }
    EXPECT_EQ(ErrorCode([&] { Run("var p: TPicture; begin p := TPicture.Create; p.PictureAdapter := nil; end;"); }), 2);
    EXPECT_EQ(ErrorCode([&] { Run("var g: TGraphic; begin g := TGraphic.Create; end;"); }) != 0, true);
}

TEST_F(GraphicsBinding, AssignChecksTheSourceClass) {
    EXPECT_EQ(Run("var a, b: TFont; begin a := TFont.Create; b := TFont.Create; a.Size := 20; b.Assign(a); "
                  "Emit(b.Size); a.Free; b.Free; end;").front(),
              "20");
    EXPECT_THROW(Run("var f: TFont; l: TList; begin f := TFont.Create; l := TList.Create; f.Assign(l); end;"),
                 EInvalidCast);
    // nil reaches the font, which refuses it.
    EXPECT_THROW(Run("var f: TFont; begin f := TFont.Create; try f.Assign(nil); finally f.Free; end; end;"),
                 EConvertError);
}

TEST_F(GraphicsBinding, PenPosAndClipRectAreRecords) {
    EXPECT_EQ(Run("var m: TBitmap; begin m := TBitmap.Create; m.Width := 30; m.Height := 20; "
                  "m.Canvas.PenPos := Point(7, 9); Emit(m.Canvas.PenPos.X); Emit(m.Canvas.PenPos.Y); "
                  "Emit(m.Canvas.ClipRect.Right); m.Free; end;"),
              (std::vector<AnsiString>{"7", "9", "30"}));
}

TEST_F(GraphicsBinding, ClipboardFormatIntoThreeIntegerVariables) {
    const auto out = Run("var m, n: TBitmap; f, d, p: Integer; begin m := TBitmap.Create; m.Width := 4; "
                         "m.Height := 3; f := 0; d := 0; p := 0; m.SaveToClipboardFormat(f, d, p); "
                         "Emit(f); Emit(d <> 0); Emit(p); n := TBitmap.Create; n.LoadFromClipboardFormat(f, d, p); "
                         "Emit(n.Width); Emit(VarType(d)); m.Free; n.Free; end;");
    EXPECT_EQ(out, (std::vector<AnsiString>{AnsiString(std::to_string(CF_BITMAP)), "True", "0", "4", "3"}));
    // A variable holding a string receives an integer, never raw bytes.
    EXPECT_EQ(Run("var m: TBitmap; f, d, p: Variant; begin m := TBitmap.Create; m.Width := 2; m.Height := 2; "
                  "f := 'text'; d := 'more'; p := 0; m.SaveToClipboardFormat(f, d, p); Emit(VarType(f)); "
                  "Emit(f); m.Free; end;"),
              (std::vector<AnsiString>{"3", AnsiString(std::to_string(CF_BITMAP))}));
}

// The same calls from a script and from C++ give the same pixels: both
// pictures are written as files of the same depth and compared byte for byte.
TEST_F(GraphicsBinding, ScriptDrawingEqualsTheSameCallsInCpp) {
    TempDir dir;
    const AnsiString scripted = dir.file("script.bmp"), native = dir.file("native.bmp");
    Run("var m: TBitmap; begin m := TBitmap.Create; m.Width := 80; m.Height := 50; "
        "m.Canvas.Font.Style := [fsBold, fsUnderline]; m.Canvas.Font.Color := $0000FF; "
        "m.Canvas.Pen.Color := $FF0000; m.Canvas.Pen.Width := 2; m.Canvas.Brush.Color := $00FF00; "
        "m.Canvas.Rectangle(2, 2, 40, 30); m.Canvas.Brush.Style := bsCross; m.Canvas.Ellipse(30, 10, 78, 48); "
        "m.Canvas.Brush.Style := bsClear; m.Canvas.TextOut(4, 30, 'Ab'); m.SaveToFile('" + scripted +
        "'); m.Free; end;");
    TBitmap bitmap;
    bitmap.SetSize(80, 50);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetStyle(TFontStyles{fsBold, fsUnderline});
    canvas->Font()->SetColor(TColor(0x0000FF));
    canvas->Pen()->SetColor(TColor(0xFF0000));
    canvas->Pen()->SetWidth(2);
    canvas->Brush()->SetColor(TColor(0x00FF00));
    canvas->Rectangle(2, 2, 40, 30);
    canvas->Brush()->SetStyle(bsCross);
    canvas->Ellipse(30, 10, 78, 48);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(4, 30, "Ab");
    bitmap.SaveToFile(native);
    const std::string a = ReadFileBytes(scripted), b = ReadFileBytes(native);
    EXPECT_GT(a.size(), 80u * 50u);
    EXPECT_EQ(a, b);
}

}  // namespace
