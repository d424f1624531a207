// The text object's properties, its record and the script names it adds.
#include "report/core/qm_memoview.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

SERVIORA_REGISTER_CLASS(TQmMemoView);

namespace {

constexpr Word kTextRecordVersion = 3;
constexpr TFontCharset kEngineCharset = 134;

}  // namespace

const AnsiString TQmCustomMemoView::LayoutMarker = "\x01";

TQmCustomMemoView::TQmCustomMemoView()
    : WrappedLines(TStringList::Create()),
      font_(TFont::Create()),
      highlight_(TQmHighlight::Create()),
      repeatedOptions_(TQmRepeatedOptions::Create()) {
    TypeCode = 0;
    BaseName = "Memo";
    font_->SetName("Arial");
    font_->SetSize(10);
    font_->SetColor(clBlack);
    font_->SetCharset(kEngineCharset);
    highlight_->Font()->SetColor(clBlack);
    highlight_->Font()->SetStyle(TFontStyles{fsBold});
    SetStretched(false);
    SetFlag(QmFlag::HideZeros, true);
    SetFlag(QmFlag::WordWrap, false);
}

TQmCustomMemoView::~TQmCustomMemoView() = default;

void TQmCustomMemoView::SetRepeatedOptions(TQmRepeatedOptions* v) {
    repeatedOptions_->SetMasterMemoView(v->MasterMemoView());
    repeatedOptions_->SetSuppressRepeated(v->SuppressRepeated());
    repeatedOptions_->SetMergeRepeated(v->MergeRepeated());
    repeatedOptions_->SetMergeStretchedHeight(v->MergeStretchedHeight());
}

bool TQmCustomMemoView::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                     const std::vector<Variant>& arguments) {
    const AnsiString name = UpperCase(path);
    if (name == "LASTVALUE") {
        AnsiString text = LastValue;
        if (text.ends_with("\r\n")) text.resize(text.size() - 2);
        value = text;
        return true;
    }
    if (name == "VALUECHANGED" || name == "LASTVALUECHANGED") {
        value = ValueChanged;
        return true;
    }
    return TQmStretcheableView::GetPropValue(object, path, value, arguments);
}

bool TQmCustomMemoView::SetPropValue(TObject* object, const AnsiString& name, const Variant& value) {
    const AnsiString upper = UpperCase(name);
    if (upper == "LASTVALUE") {
        LastValue = VarToStr(value);
        return true;
    }
    if (upper == "VALUECHANGED" || upper == "LASTVALUECHANGED") {
        ValueChanged = value.AsInteger() != 0;
        return true;
    }
    return TQmStretcheableView::SetPropValue(object, name, value);
}

void TQmCustomMemoView::LoadFromStream(TStream* stream) {
    TQmStretcheableView::LoadFromStream(stream);
    const Word version = ReadWord(stream);
    ReadFont(stream, font_.get());
    HAlign = TQmHAlign(ReadByte(stream));
    VAlign = TQmVAlign(ReadByte(stream));
    LineSpacing = ReadInteger(stream);
    CharacterSpacing = ReadInteger(stream);
    AnsiString master;
    ReadString(stream, master);
    repeatedOptions_->SetMasterMemoView(master);
    repeatedOptions_->SetMergeRepeated(Flag(QmFlag::MergeRepeated));
    repeatedOptions_->SetSuppressRepeated(Flag(QmFlag::SuppressRepeated));
    RotationType = TQmRotationType(ReadByte(stream));
    ScaleFontType = TQmScaleFontType(ReadByte(stream));
    FontScaleWidth = ReadInteger(stream);
    if (!InPreparedPage) {
        highlight_->SetColor(TColor(ReadInteger(stream)));
        AnsiString condition;
        ReadString(stream, condition);
        highlight_->SetCondition(condition);
        ReadFont(stream, highlight_->Font());
        if (version > 2) repeatedOptions_->SetMergeStretchedHeight(ReadBoolean(stream));
    } else if (version == 0) {
        // Fields of the first prepared records that nothing reads any more.
        ReadInteger(stream);
        const Integer count = ReadInteger(stream);
        for (Integer i = 0; i < count; ++i) ReadInteger(stream);
    }
    DisplayBeginLine = version >= 2 ? ReadInteger(stream) : -1;
    DisplayEndLine = version >= 2 ? ReadInteger(stream) : -1;
}

void TQmCustomMemoView::SaveToStream(TStream* stream) {
    SetFlag(QmFlag::MergeRepeated, repeatedOptions_->MergeRepeated());
    SetFlag(QmFlag::SuppressRepeated, repeatedOptions_->SuppressRepeated());
    TQmStretcheableView::SaveToStream(stream);
    try {
        WriteWord(stream, kTextRecordVersion);
        WriteFont(stream, font_.get());
        WriteByte(stream, Byte(HAlign));
        WriteByte(stream, Byte(VAlign));
        WriteInteger(stream, LineSpacing);
        WriteInteger(stream, CharacterSpacing);
        WriteString(stream, repeatedOptions_->MasterMemoView());
        WriteByte(stream, Byte(RotationType));
        WriteByte(stream, Byte(ScaleFontType));
        WriteInteger(stream, FontScaleWidth);
        if (!InPreparedPage) {
            WriteInteger(stream, Integer(highlight_->Color()));
            WriteString(stream, highlight_->Condition());
            WriteFont(stream, highlight_->Font());
            WriteBoolean(stream, repeatedOptions_->MergeStretchedHeight());
        }
        WriteInteger(stream, DisplayBeginLine);
        WriteInteger(stream, DisplayEndLine);
    } catch (EQmTextTooLong& e) {
        e.SetOwner(Name());
        throw;
    }
}

void TQmCustomMemoView::Published(TPublished<TQmCustomMemoView>& p) {
    using V = TQmCustomMemoView;
    p.Property("Memo", [](const V* v) -> TStrings* { return v->Memo.get(); },
               [](V* v, TStrings* lines) { v->Memo->Assign(lines); });
    p.Property("Font", &V::Font, &V::SetFont);
    p.Property("Highlight", &V::Highlight, &V::SetHighlight);
    p.Property("HAlign", [](const V* v) { return v->HAlign; }, [](V* v, TQmHAlign a) { v->HAlign = a; })
        .Default(qmhLeft);
    p.Property("VAlign", [](const V* v) { return v->VAlign; }, [](V* v, TQmVAlign a) { v->VAlign = a; })
        .Default(qmvTop);
    p.Property("LineSpacing", [](const V* v) { return v->LineSpacing; }, [](V* v, Integer n) { v->LineSpacing = n; })
        .Default(2);
    p.Property("CharacterSpacing", [](const V* v) { return v->CharacterSpacing; },
               [](V* v, Integer n) { v->CharacterSpacing = n; })
        .Default(0);
    p.Property("GapLeft", [](const V* v) { return FromInternalUnits(v->GapLeft, v->GetUnitType()); },
               [](V* v, double x) { v->GapLeft = ToInternalUnits(v->GetUnitType(), x); });
    p.Property("GapTop", [](const V* v) { return FromInternalUnits(v->GapTop, v->GetUnitType()); },
               [](V* v, double x) { v->GapTop = ToInternalUnits(v->GetUnitType(), x); });
    p.Property("DisplayFormat", &V::DisplayFormat, &V::SetDisplayFormat);
    PublishFlag(p, "HideZeros", QmFlag::HideZeros, true);
    PublishFlag(p, "TextOnly", QmFlag::TextOnly, false);
    PublishFlag(p, "MangeTag", QmFlag::MangeTag, false);
    PublishFlag(p, "DBFieldOnly", QmFlag::DBFieldOnly, false);
    PublishFlag(p, "Underlines", QmFlag::Underlines, false);
    PublishFlag(p, "ParentWidth", QmFlag::ParentWidth, false);
    PublishFlag(p, "ParentHeight", QmFlag::ParentHeight, false);
    PublishFlag(p, "PrintFrame", QmFlag::PrintFrame, true);
    PublishFlag(p, "Printable", QmFlag::Printable, true);
    p.Property("BandAlign", [](const V* v) { return v->BandAlign; }, [](V* v, TQmBandAlign a) { v->BandAlign = a; })
        .Default(qmbaNone);
    p.Property("FillColor", [](const V* v) { return v->FillColor; }, [](V* v, TColor c) { v->FillColor = c; })
        .TypeName("TColor");
    p.Property("BrushStyle", [](const V* v) { return v->BrushStyle; }, [](V* v, TBrushStyle s) { v->BrushStyle = s; })
        .Default(bsSolid);
    p.Property("Cursor", [](const V* v) { return v->Cursor; }, [](V* v, Integer c) { v->Cursor = c; }).Default(0);
    p.Property("Url", [](const V* v) { return v->Url; }, [](V* v, const AnsiString& url) { v->Url = url; });
    const char* const frames[] = {"LeftFrame", "TopFrame", "RightFrame", "BottomFrame"};
    for (int side = 0; side < 4; ++side)
        p.Property(frames[side], [side](const V* v) { return v->Frame(side); },
                   [side](V* v, TQmFrameLine* line) { v->Frame(side)->Assign(line); });
    p.Property("ShiftWith", &V::ShiftWith, &V::SetShiftWith);
    p.Property("StretchWith", &V::StretchWith, &V::SetStretchWith);
    p.Property("DisplayBeginLine", [](const V* v) { return v->DisplayBeginLine; },
               [](V* v, Integer n) { v->DisplayBeginLine = n; })
        .Default(-1);
    p.Property("DisplayEndLine", [](const V* v) { return v->DisplayEndLine; },
               [](V* v, Integer n) { v->DisplayEndLine = n; })
        .Default(-1);
    p.Property("ExpressionDelimiters", [](const V* v) { return v->ExpressionDelimiters; },
               [](V* v, const AnsiString& d) { v->ExpressionDelimiters = d; });
    p.Property("OnBeforeCalc", &V::OnBeforeCalc, &V::SetOnBeforeCalc);
    p.Property("OnAfterCalc", &V::OnAfterCalc, &V::SetOnAfterCalc);
    p.Property("OnPreviewClick", &V::OnPreviewClick, &V::SetOnPreviewClick);
}

void TQmMemoView::Published(TPublished<TQmMemoView>& p) { PublishTextOptions(p); }
