// Registration of the script unit "Graphics": one small callback per member.
// Enumerated properties read as bytes, style sets as masks, handles as their
// 32 bits; objects are made without an owner and freed by the script.
#include "script/bindings/qm_kpinterpreter_graphics.h"

#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"
#include "platform/ui/metafile.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreter_windows.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

constexpr const char* unitName = "Graphics";

template <class T>
void DefineCreate(TKpInterpreterAdapter& a) {
    a.DefineGetter(T::StaticClass(), "Create", [](Variant& v, Frame&) { v = ObjectToVariant(new T()); }, 0, {}, 0);
}

template <class T>
void DefineAssign(TKpInterpreterAdapter& a) {
    a.DefineGetter(T::StaticClass(), "Assign", [](Variant&, Frame& f) { Self<T>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
}

template <class T>
void DefineStreams(TKpInterpreterAdapter& a, bool load, bool save) {
    if (load) a.DefineGetter(T::StaticClass(), "LoadFromStream", [](Variant&, Frame& f) { Self<T>(f)->LoadFromStream(ObjArg<TStream>(f, 0)); }, 1, {0}, 0);
    if (save) a.DefineGetter(T::StaticClass(), "SaveToStream", [](Variant&, Frame& f) { Self<T>(f)->SaveToStream(ObjArg<TStream>(f, 0)); }, 1, {0}, 0);
}

// The three outputs go back as integer Variants. A variable that held an
// integer keeps the upper half of its value above the 16-bit format.
void StoreClipboardFormat(Frame& f, Word format, THandle data, HPALETTE palette) {
    const Variant& old = Arg(f, 0);
    const bool wasInteger = old.VarType() == varInteger || old.VarType() == varSmallint || old.VarType() == varByte ||
                            old.VarType() == varWord || old.VarType() == varLongWord;
    const Integer upper = wasInteger ? Integer(Cardinal(old.AsInt64()) & 0xFFFF0000u) : 0;
    SetArg(f, 0, Variant(Integer(upper | format)));
    SetArg(f, 1, Variant(Integer(data)));
    SetArg(f, 2, Variant(Integer(palette)));
}

template <class T>
void DefineClipboardLoad(TKpInterpreterAdapter& a) {
    a.DefineGetter(T::StaticClass(), "LoadFromClipboardFormat", [](Variant&, Frame& f) {
        Self<T>(f)->LoadFromClipboardFormat(Word(IntArg(f, 0)), HandleArg(f, 1), HandleArg(f, 2));
    }, 3, {0, 0, 0}, 0);
}

template <class T>
void DefineClipboardSave(TKpInterpreterAdapter& a) {
    a.DefineGetter(T::StaticClass(), "SaveToClipboardFormat", [](Variant&, Frame& f) {
        Word format = 0;
        THandle data = 0;
        HPALETTE palette = 0;
        Self<T>(f)->SaveToClipboardFormat(format, data, palette);
        StoreClipboardFormat(f, format, data, palette);
    }, 3, {varParamFlag, varParamFlag, varParamFlag}, 0);
}

void RegisterFontPenBrush(TKpInterpreterAdapter& a) {
    const TClass font = TFont::StaticClass();
    a.DefineClass(unitName, font);
    DefineCreate<TFont>(a);
    DefineAssign<TFont>(a);
    a.DefineGetter(font, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TFont>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(font, "Handle", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetHandle(HFONT(v.AsInt64())); }, 0, {});
    a.DefineGetter(font, "PixelsPerInch", [](Variant& v, Frame& f) { v = Self<TFont>(f)->PixelsPerInch(); }, 0, {}, 0);
    a.DefineSetter(font, "PixelsPerInch", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetPixelsPerInch(v.AsInteger()); }, 0, {});
    a.DefineGetter(font, "Charset", [](Variant& v, Frame& f) { v = Byte(Self<TFont>(f)->Charset()); }, 0, {}, 0);
    a.DefineSetter(font, "Charset", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetCharset(TFontCharset(v.AsInteger())); }, 0, {});
    a.DefineGetter(font, "Color", [](Variant& v, Frame& f) { v = Integer(Self<TFont>(f)->Color()); }, 0, {}, 0);
    a.DefineSetter(font, "Color", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetColor(TColor(v.AsInteger())); }, 0, {});
    a.DefineGetter(font, "Height", [](Variant& v, Frame& f) { v = Self<TFont>(f)->Height(); }, 0, {}, 0);
    a.DefineSetter(font, "Height", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetHeight(v.AsInteger()); }, 0, {});
    a.DefineGetter(font, "Name", [](Variant& v, Frame& f) { v = Self<TFont>(f)->Name(); }, 0, {}, 0);
    a.DefineSetter(font, "Name", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetName(VarToStr(v)); }, 0, {});
    a.DefineGetter(font, "Pitch", [](Variant& v, Frame& f) { v = Byte(Self<TFont>(f)->Pitch()); }, 0, {}, 0);
    a.DefineSetter(font, "Pitch", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetPitch(TFontPitch(v.AsInteger())); }, 0, {});
    a.DefineGetter(font, "Size", [](Variant& v, Frame& f) { v = Self<TFont>(f)->Size(); }, 0, {}, 0);
    a.DefineSetter(font, "Size", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetSize(v.AsInteger()); }, 0, {});
    a.DefineGetter(font, "Style", [](Variant& v, Frame& f) { v = SetToVariant(Cardinal(Self<TFont>(f)->Style().Bits())); }, 0, {}, 0);
    a.DefineSetter(font, "Style", [](const Variant& v, Frame& f) { Self<TFont>(f)->SetStyle(TFontStyles::FromBits(VariantToSet(v))); }, 0, {});

    const TClass pen = TPen::StaticClass();
    a.DefineClass(unitName, pen);
    DefineCreate<TPen>(a);
    DefineAssign<TPen>(a);
    a.DefineGetter(pen, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TPen>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(pen, "Handle", [](const Variant& v, Frame& f) { Self<TPen>(f)->SetHandle(HPEN(v.AsInt64())); }, 0, {});
    a.DefineGetter(pen, "Color", [](Variant& v, Frame& f) { v = Integer(Self<TPen>(f)->Color()); }, 0, {}, 0);
    a.DefineSetter(pen, "Color", [](const Variant& v, Frame& f) { Self<TPen>(f)->SetColor(TColor(v.AsInteger())); }, 0, {});
    a.DefineGetter(pen, "Mode", [](Variant& v, Frame& f) { v = Byte(Self<TPen>(f)->Mode()); }, 0, {}, 0);
    a.DefineSetter(pen, "Mode", [](const Variant& v, Frame& f) { Self<TPen>(f)->SetMode(TPenMode(v.AsInteger())); }, 0, {});
    a.DefineGetter(pen, "Style", [](Variant& v, Frame& f) { v = Byte(Self<TPen>(f)->Style()); }, 0, {}, 0);
    a.DefineSetter(pen, "Style", [](const Variant& v, Frame& f) { Self<TPen>(f)->SetStyle(TPenStyle(v.AsInteger())); }, 0, {});
    a.DefineGetter(pen, "Width", [](Variant& v, Frame& f) { v = Self<TPen>(f)->Width(); }, 0, {}, 0);
    a.DefineSetter(pen, "Width", [](const Variant& v, Frame& f) { Self<TPen>(f)->SetWidth(v.AsInteger()); }, 0, {});

    const TClass brush = TBrush::StaticClass();
    a.DefineClass(unitName, brush);
    DefineCreate<TBrush>(a);
    DefineAssign<TBrush>(a);
    a.DefineGetter(brush, "Bitmap", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TBrush>(f)->Bitmap()); }, 0, {}, 0);
    a.DefineSetter(brush, "Bitmap", [](const Variant& v, Frame& f) { Self<TBrush>(f)->SetBitmap(CheckedCast<TBitmap>(v)); }, 0, {});
    a.DefineGetter(brush, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TBrush>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(brush, "Handle", [](const Variant& v, Frame& f) { Self<TBrush>(f)->SetHandle(HBRUSH(v.AsInt64())); }, 0, {});
    a.DefineGetter(brush, "Color", [](Variant& v, Frame& f) { v = Integer(Self<TBrush>(f)->Color()); }, 0, {}, 0);
    a.DefineSetter(brush, "Color", [](const Variant& v, Frame& f) { Self<TBrush>(f)->SetColor(TColor(v.AsInteger())); }, 0, {});
    a.DefineGetter(brush, "Style", [](Variant& v, Frame& f) { v = Byte(Self<TBrush>(f)->Style()); }, 0, {}, 0);
    a.DefineSetter(brush, "Style", [](const Variant& v, Frame& f) { Self<TBrush>(f)->SetStyle(TBrushStyle(v.AsInteger())); }, 0, {});
}

// Arc, Chord and Pie: eight integer corners and radial points.
template <void (TCanvas::*Shape)(int, int, int, int, int, int, int, int)>
void EightPointShape(Variant&, Frame& f) {
    (Self<TCanvas>(f)->*Shape)(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3), IntArg(f, 4), IntArg(f, 5),
                               IntArg(f, 6), IntArg(f, 7));
}

void RegisterCanvas(TKpInterpreterAdapter& a) {
    const TClass c = TCanvas::StaticClass();
    const TKpTypeList eight{0, 0, 0, 0, 0, 0, 0, 0};
    a.DefineClass(unitName, c);
    DefineCreate<TCanvas>(a);
    a.DefineGetter(c, "Arc", EightPointShape<&TCanvas::Arc>, 8, eight, 0);
    a.DefineGetter(c, "BrushCopy", [](Variant&, Frame& f) {
        Self<TCanvas>(f)->BrushCopy(VariantToRect(Arg(f, 0)), ObjArg<TBitmap>(f, 1), VariantToRect(Arg(f, 2)), TColor(IntArg(f, 3)));
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "Chord", EightPointShape<&TCanvas::Chord>, 8, eight, 0);
    a.DefineGetter(c, "CopyRect", [](Variant&, Frame& f) {
        Self<TCanvas>(f)->CopyRect(VariantToRect(Arg(f, 0)), ObjArg<TCanvas>(f, 1), VariantToRect(Arg(f, 2)));
    }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "Draw", [](Variant&, Frame& f) { Self<TCanvas>(f)->Draw(IntArg(f, 0), IntArg(f, 1), ObjArg<TGraphic>(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "DrawFocusRect", [](Variant&, Frame& f) { Self<TCanvas>(f)->DrawFocusRect(VariantToRect(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Ellipse", [](Variant&, Frame& f) { Self<TCanvas>(f)->Ellipse(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3)); }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "FillRect", [](Variant&, Frame& f) { Self<TCanvas>(f)->FillRect(VariantToRect(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "FloodFill", [](Variant&, Frame& f) {
        Self<TCanvas>(f)->FloodFill(IntArg(f, 0), IntArg(f, 1), TColor(IntArg(f, 2)), TFillStyle(IntArg(f, 3)));
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "FrameRect", [](Variant&, Frame& f) { Self<TCanvas>(f)->FrameRect(VariantToRect(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "LineTo", [](Variant&, Frame& f) { Self<TCanvas>(f)->LineTo(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Lock", [](Variant&, Frame& f) { Self<TCanvas>(f)->Lock(); }, 0, {}, 0);
    a.DefineGetter(c, "MoveTo", [](Variant&, Frame& f) { Self<TCanvas>(f)->MoveTo(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Pie", EightPointShape<&TCanvas::Pie>, 8, eight, 0);
    a.DefineGetter(c, "Polygon", [](Variant&, Frame&) { RaiseNotImplemented("TCanvas.Polygon"); }, 1, {0}, 0);
    a.DefineGetter(c, "Polyline", [](Variant&, Frame&) { RaiseNotImplemented("TCanvas.Polyline"); }, 1, {0}, 0);
    a.DefineGetter(c, "Rectangle", [](Variant&, Frame& f) { Self<TCanvas>(f)->Rectangle(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3)); }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "Refresh", [](Variant&, Frame& f) { Self<TCanvas>(f)->Refresh(); }, 0, {}, 0);
    a.DefineGetter(c, "RoundRect", [](Variant&, Frame& f) {
        Self<TCanvas>(f)->RoundRect(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3), IntArg(f, 4), IntArg(f, 5));
    }, 6, {0, 0, 0, 0, 0, 0}, 0);
    a.DefineGetter(c, "StretchDraw", [](Variant&, Frame& f) { Self<TCanvas>(f)->StretchDraw(VariantToRect(Arg(f, 0)), ObjArg<TGraphic>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "TextExtent", [](Variant&, Frame&) { RaiseNotImplemented("TCanvas.TextExtent"); }, 1, {0}, 0);
    a.DefineGetter(c, "TextHeight", [](Variant& v, Frame& f) { v = Self<TCanvas>(f)->TextHeight(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "TextOut", [](Variant&, Frame& f) { Self<TCanvas>(f)->TextOut(IntArg(f, 0), IntArg(f, 1), StrArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "TextRect", [](Variant&, Frame& f) {
        Self<TCanvas>(f)->TextRect(VariantToRect(Arg(f, 0)), IntArg(f, 1), IntArg(f, 2), StrArg(f, 3));
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "TextWidth", [](Variant& v, Frame& f) { v = Self<TCanvas>(f)->TextWidth(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "TryLock", [](Variant& v, Frame& f) { v = Self<TCanvas>(f)->TryLock(); }, 0, {}, 0);
    a.DefineGetter(c, "Unlock", [](Variant&, Frame& f) { Self<TCanvas>(f)->Unlock(); }, 0, {}, 0);
    a.DefineGetter(c, "ClipRect", [](Variant& v, Frame& f) { v = RectToVariant(Self<TCanvas>(f)->ClipRect()); }, 0, {}, 0);
    a.DefineGetter(c, "LockCount", [](Variant& v, Frame& f) { v = Self<TCanvas>(f)->LockCount(); }, 0, {}, 0);
    a.DefineGetter(c, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TCanvas>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(c, "Handle", [](const Variant& v, Frame& f) { Self<TCanvas>(f)->SetHandle(HDC(v.AsInt64())); }, 0, {});
    a.DefineGetter(c, "PenPos", [](Variant& v, Frame& f) { v = PointToVariant(Self<TCanvas>(f)->PenPos()); }, 0, {}, 0);
    a.DefineSetter(c, "PenPos", [](const Variant& v, Frame& f) { Self<TCanvas>(f)->SetPenPos(VariantToPoint(v)); }, 0, {});
    a.DefineGetter(c, "Brush", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCanvas>(f)->Brush()); }, 0, {}, 0);
    a.DefineSetter(c, "Brush", [](const Variant& v, Frame& f) { Self<TCanvas>(f)->SetBrush(CheckedCast<TBrush>(v)); }, 0, {});
    a.DefineGetter(c, "CopyMode", [](Variant& v, Frame& f) { v = Self<TCanvas>(f)->CopyMode(); }, 0, {}, 0);
    a.DefineSetter(c, "CopyMode", [](const Variant& v, Frame& f) { Self<TCanvas>(f)->SetCopyMode(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Font", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCanvas>(f)->Font()); }, 0, {}, 0);
    a.DefineSetter(c, "Font", [](const Variant& v, Frame& f) { Self<TCanvas>(f)->SetFont(CheckedCast<TFont>(v)); }, 0, {});
    a.DefineGetter(c, "Pen", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCanvas>(f)->Pen()); }, 0, {}, 0);
    a.DefineSetter(c, "Pen", [](const Variant& v, Frame& f) { Self<TCanvas>(f)->SetPen(CheckedCast<TPen>(v)); }, 0, {});
}

void RegisterGraphic(TKpInterpreterAdapter& a) {
    const TClass g = TGraphic::StaticClass();
    a.DefineClass(unitName, g);
    a.DefineGetter(g, "LoadFromFile", [](Variant&, Frame& f) { Self<TGraphic>(f)->LoadFromFile(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(g, "SaveToFile", [](Variant&, Frame& f) { Self<TGraphic>(f)->SaveToFile(StrArg(f, 0)); }, 1, {0}, 0);
    DefineStreams<TGraphic>(a, true, true);
    DefineClipboardLoad<TGraphic>(a);
    DefineClipboardSave<TGraphic>(a);
    a.DefineGetter(g, "Empty", [](Variant& v, Frame& f) { v = Self<TGraphic>(f)->Empty(); }, 0, {}, 0);
    a.DefineGetter(g, "Height", [](Variant& v, Frame& f) { v = Self<TGraphic>(f)->Height(); }, 0, {}, 0);
    a.DefineSetter(g, "Height", [](const Variant& v, Frame& f) { Self<TGraphic>(f)->SetHeight(v.AsInteger()); }, 0, {});
    a.DefineGetter(g, "Modified", [](Variant& v, Frame& f) { v = Self<TGraphic>(f)->Modified(); }, 0, {}, 0);
    a.DefineSetter(g, "Modified", [](const Variant& v, Frame& f) { Self<TGraphic>(f)->SetModified(v.AsBoolean()); }, 0, {});
    a.DefineGetter(g, "Palette", [](Variant& v, Frame& f) { v = Integer(Self<TGraphic>(f)->Palette()); }, 0, {}, 0);
    a.DefineSetter(g, "Palette", [](const Variant& v, Frame& f) { Self<TGraphic>(f)->SetPalette(HPALETTE(v.AsInt64())); }, 0, {});
    a.DefineGetter(g, "PaletteModified", [](Variant& v, Frame& f) { v = Self<TGraphic>(f)->PaletteModified(); }, 0, {}, 0);
    a.DefineSetter(g, "PaletteModified", [](const Variant& v, Frame& f) { Self<TGraphic>(f)->SetPaletteModified(v.AsBoolean()); }, 0, {});
    a.DefineGetter(g, "Transparent", [](Variant& v, Frame& f) { v = Self<TGraphic>(f)->Transparent(); }, 0, {}, 0);
    a.DefineSetter(g, "Transparent", [](const Variant& v, Frame& f) { Self<TGraphic>(f)->SetTransparent(v.AsBoolean()); }, 0, {});
    a.DefineGetter(g, "Width", [](Variant& v, Frame& f) { v = Self<TGraphic>(f)->Width(); }, 0, {}, 0);
    a.DefineSetter(g, "Width", [](const Variant& v, Frame& f) { Self<TGraphic>(f)->SetWidth(v.AsInteger()); }, 0, {});
}

void RegisterPicture(TKpInterpreterAdapter& a) {
    const TClass p = TPicture::StaticClass();
    a.DefineClass(unitName, p);
    DefineCreate<TPicture>(a);
    a.DefineGetter(p, "LoadFromFile", [](Variant&, Frame& f) { Self<TPicture>(f)->LoadFromFile(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(p, "SaveToFile", [](Variant&, Frame& f) { Self<TPicture>(f)->SaveToFile(StrArg(f, 0)); }, 1, {0}, 0);
    DefineClipboardLoad<TPicture>(a);
    DefineClipboardSave<TPicture>(a);
    a.DefineGetter(p, "SupportsClipboardFormat", [](Variant& v, Frame& f) { v = TPicture::SupportsClipboardFormat(Word(IntArg(f, 0))); }, 1, {0}, 0);
    DefineAssign<TPicture>(a);
    a.DefineGetter(p, "Bitmap", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TPicture>(f)->Bitmap()); }, 0, {}, 0);
    a.DefineSetter(p, "Bitmap", [](const Variant& v, Frame& f) { Self<TPicture>(f)->SetBitmap(CheckedCast<TBitmap>(v)); }, 0, {});
    a.DefineGetter(p, "Graphic", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TPicture>(f)->Graphic()); }, 0, {}, 0);
    a.DefineSetter(p, "Graphic", [](const Variant& v, Frame& f) { Self<TPicture>(f)->SetGraphic(CheckedCast<TGraphic>(v)); }, 0, {});
    a.DefineGetter(p, "PictureAdapter", [](Variant& v, Frame& f) { v = Variant(Self<TPicture>(f)->PictureAdapter(), varUnknown); }, 0, {}, 0);
    a.DefineSetter(p, "PictureAdapter", [](const Variant&, Frame&) { RaiseNotImplemented("TPicture.PictureAdapter"); }, 0, {});
    a.DefineGetter(p, "Icon", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TPicture>(f)->Icon()); }, 0, {}, 0);
    a.DefineSetter(p, "Icon", [](const Variant& v, Frame& f) { Self<TPicture>(f)->SetIcon(CheckedCast<TIcon>(v)); }, 0, {});
    a.DefineGetter(p, "Metafile", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TPicture>(f)->Metafile()); }, 0, {}, 0);
    a.DefineSetter(p, "Metafile", [](const Variant& v, Frame& f) { Self<TPicture>(f)->SetMetafile(CheckedCast<TMetafile>(v)); }, 0, {});
    a.DefineGetter(p, "Height", [](Variant& v, Frame& f) { v = Self<TPicture>(f)->Height(); }, 0, {}, 0);
    a.DefineGetter(p, "Width", [](Variant& v, Frame& f) { v = Self<TPicture>(f)->Width(); }, 0, {}, 0);
}

void RegisterMetafile(TKpInterpreterAdapter& a) {
    const TClass m = TMetafile::StaticClass();
    a.DefineClass(unitName, m);
    DefineCreate<TMetafile>(a);
    a.DefineGetter(m, "Clear", [](Variant&, Frame& f) { Self<TMetafile>(f)->Clear(); }, 0, {}, 0);
    DefineStreams<TMetafile>(a, true, false);
    a.DefineGetter(m, "SaveToFile", [](Variant&, Frame& f) { Self<TMetafile>(f)->SaveToFile(StrArg(f, 0)); }, 1, {0}, 0);
    DefineStreams<TMetafile>(a, false, true);
    DefineClipboardLoad<TMetafile>(a);
    DefineClipboardSave<TMetafile>(a);
    DefineAssign<TMetafile>(a);
    a.DefineGetter(m, "ReleaseHandle", [](Variant& v, Frame& f) { v = Integer(Self<TMetafile>(f)->ReleaseHandle()); }, 0, {}, 0);
    a.DefineGetter(m, "CreatedBy", [](Variant& v, Frame& f) { v = Self<TMetafile>(f)->CreatedBy(); }, 0, {}, 0);
    a.DefineGetter(m, "Description", [](Variant& v, Frame& f) { v = Self<TMetafile>(f)->Description(); }, 0, {}, 0);
    a.DefineGetter(m, "Enhanced", [](Variant& v, Frame& f) { v = Self<TMetafile>(f)->Enhanced(); }, 0, {}, 0);
    a.DefineSetter(m, "Enhanced", [](const Variant& v, Frame& f) { Self<TMetafile>(f)->SetEnhanced(v.AsBoolean()); }, 0, {});
    a.DefineGetter(m, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TMetafile>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(m, "Handle", [](const Variant& v, Frame& f) { Self<TMetafile>(f)->SetHandle(HANDLE(v.AsInt64())); }, 0, {});
    a.DefineGetter(m, "MMWidth", [](Variant& v, Frame& f) { v = Self<TMetafile>(f)->MMWidth(); }, 0, {}, 0);
    a.DefineSetter(m, "MMWidth", [](const Variant& v, Frame& f) { Self<TMetafile>(f)->SetMMWidth(v.AsInteger()); }, 0, {});
    a.DefineGetter(m, "MMHeight", [](Variant& v, Frame& f) { v = Self<TMetafile>(f)->MMHeight(); }, 0, {}, 0);
    a.DefineSetter(m, "MMHeight", [](const Variant& v, Frame& f) { Self<TMetafile>(f)->SetMMHeight(v.AsInteger()); }, 0, {});
    a.DefineGetter(m, "Inch", [](Variant& v, Frame& f) { v = Self<TMetafile>(f)->Inch(); }, 0, {}, 0);
    a.DefineSetter(m, "Inch", [](const Variant& v, Frame& f) { Self<TMetafile>(f)->SetInch(Word(v.AsInteger())); }, 0, {});
}

void RegisterBitmapAndIcon(TKpInterpreterAdapter& a) {
    const TClass b = TBitmap::StaticClass();
    a.DefineClass(unitName, b);
    DefineCreate<TBitmap>(a);
    DefineAssign<TBitmap>(a);
    a.DefineGetter(b, "Dormant", [](Variant&, Frame& f) { Self<TBitmap>(f)->Dormant(); }, 0, {}, 0);
    a.DefineGetter(b, "FreeImage", [](Variant&, Frame& f) { Self<TBitmap>(f)->FreeImage(); }, 0, {}, 0);
    DefineClipboardLoad<TBitmap>(a);
    DefineStreams<TBitmap>(a, true, false);
    a.DefineGetter(b, "LoadFromResourceName", [](Variant&, Frame& f) { Self<TBitmap>(f)->LoadFromResourceName(HandleArg(f, 0), StrArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(b, "LoadFromResourceID", [](Variant&, Frame& f) { Self<TBitmap>(f)->LoadFromResourceID(HandleArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(b, "Mask", [](Variant&, Frame& f) { Self<TBitmap>(f)->Mask(TColor(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(b, "ReleaseHandle", [](Variant& v, Frame& f) { v = Integer(Self<TBitmap>(f)->ReleaseHandle()); }, 0, {}, 0);
    a.DefineGetter(b, "ReleaseMaskHandle", [](Variant& v, Frame& f) { v = Integer(Self<TBitmap>(f)->ReleaseMaskHandle()); }, 0, {}, 0);
    a.DefineGetter(b, "ReleasePalette", [](Variant& v, Frame& f) { v = Integer(Self<TBitmap>(f)->ReleasePalette()); }, 0, {}, 0);
    DefineClipboardSave<TBitmap>(a);
    DefineStreams<TBitmap>(a, false, true);
    a.DefineGetter(b, "ScanLine", [](Variant& v, Frame& f) { v = PointerToVariant(Self<TBitmap>(f)->ScanLine(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(b, "Canvas", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TBitmap>(f)->Canvas()); }, 0, {}, 0);
    a.DefineGetter(b, "MaskHandle", [](Variant& v, Frame& f) { v = Integer(Self<TBitmap>(f)->MaskHandle()); }, 0, {}, 0);
    a.DefineGetter(b, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TBitmap>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(b, "Handle", [](const Variant& v, Frame& f) { Self<TBitmap>(f)->SetHandle(HBITMAP(v.AsInt64())); }, 0, {});
    a.DefineGetter(b, "HandleType", [](Variant& v, Frame& f) { v = Byte(Self<TBitmap>(f)->HandleType()); }, 0, {}, 0);
    a.DefineSetter(b, "HandleType", [](const Variant& v, Frame& f) { Self<TBitmap>(f)->SetHandleType(TBitmapHandleType(v.AsInteger())); }, 0, {});
    a.DefineGetter(b, "IgnorePalette", [](Variant& v, Frame& f) { v = Self<TBitmap>(f)->IgnorePalette(); }, 0, {}, 0);
    a.DefineSetter(b, "IgnorePalette", [](const Variant& v, Frame& f) { Self<TBitmap>(f)->SetIgnorePalette(v.AsBoolean()); }, 0, {});
    a.DefineGetter(b, "Monochrome", [](Variant& v, Frame& f) { v = Self<TBitmap>(f)->Monochrome(); }, 0, {}, 0);
    a.DefineSetter(b, "Monochrome", [](const Variant& v, Frame& f) { Self<TBitmap>(f)->SetMonochrome(v.AsBoolean()); }, 0, {});
    a.DefineGetter(b, "PixelFormat", [](Variant& v, Frame& f) { v = Byte(Self<TBitmap>(f)->PixelFormat()); }, 0, {}, 0);
    a.DefineSetter(b, "PixelFormat", [](const Variant& v, Frame& f) { Self<TBitmap>(f)->SetPixelFormat(TPixelFormat(v.AsInteger())); }, 0, {});
    a.DefineGetter(b, "TransparentColor", [](Variant& v, Frame& f) { v = Integer(Self<TBitmap>(f)->TransparentColor()); }, 0, {}, 0);
    a.DefineSetter(b, "TransparentColor", [](const Variant& v, Frame& f) { Self<TBitmap>(f)->SetTransparentColor(TColor(v.AsInteger())); }, 0, {});
    a.DefineGetter(b, "TransparentMode", [](Variant& v, Frame& f) { v = Byte(Self<TBitmap>(f)->TransparentMode()); }, 0, {}, 0);
    a.DefineSetter(b, "TransparentMode", [](const Variant& v, Frame& f) { Self<TBitmap>(f)->SetTransparentMode(TTransparentMode(v.AsInteger())); }, 0, {});

    const TClass i = TIcon::StaticClass();
    a.DefineClass(unitName, i);
    DefineCreate<TIcon>(a);
    DefineAssign<TIcon>(a);
    DefineStreams<TIcon>(a, true, false);
    a.DefineGetter(i, "ReleaseHandle", [](Variant& v, Frame& f) { v = Integer(Self<TIcon>(f)->ReleaseHandle()); }, 0, {}, 0);
    DefineStreams<TIcon>(a, false, true);
    a.DefineGetter(i, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TIcon>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(i, "Handle", [](const Variant& v, Frame& f) { Self<TIcon>(f)->SetHandle(HICON(v.AsInt64())); }, 0, {});
}

}  // namespace

void RegisterGraphicsBindings(TKpInterpreterAdapter& a) {
    a.DefineUnit(unitName);
    DefineOrdinals(a, unitName, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    DefineOrdinals(a, unitName, {"fpDefault", "fpVariable", "fpFixed"});
    DefineOrdinals(a, unitName, {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"});
    DefineOrdinals(a, unitName, {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                                 "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
                                 "pmNotMask", "pmXor", "pmNotXor"});
    DefineOrdinals(a, unitName, {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                                 "bsCross", "bsDiagCross"});
    RegisterFontPenBrush(a);
    DefineOrdinals(a, unitName, {"fsSurface", "fsBorder"});
    DefineOrdinals(a, unitName, {"fmAlternate", "fmWinding"});
    DefineOrdinals(a, unitName, {"csHandleValid", "csFontValid", "csPenValid", "csBrushValid"});
    RegisterCanvas(a);
    DefineOrdinals(a, unitName, {"psStarting", "psRunning", "psEnding"});
    RegisterGraphic(a);
    RegisterPicture(a);
    RegisterMetafile(a);
    DefineOrdinals(a, unitName, {"bmDIB", "bmDDB"});
    DefineOrdinals(a, unitName, {"pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit", "pf24bit", "pf32bit",
                                 "pfCustom"});
    DefineOrdinals(a, unitName, {"tmAuto", "tmFixed"});
    RegisterBitmapAndIcon(a);
}
