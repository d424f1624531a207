// The report object base: initial values, geometry in the object's unit and
// in screen pixels, the object record of templates and prepared pages, and
// the names scripts read and write.
#include "report/core/qm_view.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_values.h"

SERVIORA_REGISTER_CLASS(TQmFrameLine);
SERVIORA_REGISTER_CLASS(TQmHighlight);
SERVIORA_REGISTER_CLASS(TQmRepeatedOptions);

namespace {

constexpr Word kRecordVersion = 7;
const AnsiString kPreviewClickBinding = "OnPreviewClick";

// A text without its final CR LF.
AnsiString WithoutFinalLineBreak(const AnsiString& text) {
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) return text.substr(0, text.size() - 2);
    return text;
}

}  // namespace

// ---- TQmFrameLine ----------------------------------------------------------

TQmFrameLine::TQmFrameLine(TQmView* owner)
    : InternalWidth(ToInternalUnits(qmutScreenPixels, 1)), owner_(owner) {}

void TQmFrameLine::Assign(TPersistent* source) {
    auto* line = dynamic_cast<TQmFrameLine*>(source);
    if (!line) return TPersistent::Assign(source);
    visible_ = line->visible_;
    style_ = line->style_;
    color_ = line->color_;
    InternalWidth = line->InternalWidth;
    doubleFrame_ = line->doubleFrame_;
}

TQmUnitType TQmFrameLine::GetUnitType() const { return owner_ ? owner_->GetUnitType() : qmutScreenPixels; }
double TQmFrameLine::Width() const { return FromInternalUnits(InternalWidth, GetUnitType()); }
void TQmFrameLine::SetWidth(double v) { InternalWidth = ToInternalUnits(GetUnitType(), v); }

void TQmFrameLine::Published(TPublished<TQmFrameLine>& p) {
    p.Property("Visible", &TQmFrameLine::Visible, &TQmFrameLine::SetVisible).Default(false);
    p.Property("Style", &TQmFrameLine::Style, &TQmFrameLine::SetStyle).Default(psSolid);
    p.Property("Color", &TQmFrameLine::Color, &TQmFrameLine::SetColor).Default(0);
    p.Property("Width", &TQmFrameLine::Width, &TQmFrameLine::SetWidth);
    p.Property("DoubleFrame", &TQmFrameLine::DoubleFrame, &TQmFrameLine::SetDoubleFrame).Default(false);
}

// ---- TQmHighlight ----------------------------------------------------------

TQmHighlight::TQmHighlight() : font_(TFont::Create()) {}
TQmHighlight::~TQmHighlight() = default;

void TQmHighlight::Assign(TPersistent* source) {
    auto* highlight = dynamic_cast<TQmHighlight*>(source);
    if (!highlight) return TPersistent::Assign(source);
    font_->Assign(highlight->font_.get());
    color_ = highlight->color_;
}

void TQmHighlight::Published(TPublished<TQmHighlight>& p) {
    p.Property("Color", &TQmHighlight::Color, &TQmHighlight::SetColor);
    p.Property("Font", &TQmHighlight::Font, &TQmHighlight::SetFont);
    p.Property("Condition", &TQmHighlight::Condition, &TQmHighlight::SetCondition);
}

void TQmRepeatedOptions::Published(TPublished<TQmRepeatedOptions>& p) {
    p.Property("MasterMemoView", &TQmRepeatedOptions::MasterMemoView, &TQmRepeatedOptions::SetMasterMemoView);
    p.Property("SuppressRepeated", &TQmRepeatedOptions::SuppressRepeated, &TQmRepeatedOptions::SetSuppressRepeated)
        .Default(false);
    p.Property("MergeRepeated", &TQmRepeatedOptions::MergeRepeated, &TQmRepeatedOptions::SetMergeRepeated)
        .Default(false);
    p.Property("MergeStretchedHeight", &TQmRepeatedOptions::MergeStretchedHeight,
               &TQmRepeatedOptions::SetMergeStretchedHeight)
        .Default(false);
}

// ---- TQmView ---------------------------------------------------------------

TQmView::TQmView() : Memo(TStringList::Create()), Memo1(TStringList::Create()) {
    for (auto& frame : frames_) frame.reset(TQmFrameLine::Create(this));
}

TQmView::~TQmView() {
    if (parentPage_) parentPage_->DetachObject(this);
}

void TQmView::Assign(TPersistent* source) {
    auto* view = dynamic_cast<TQmView*>(source);
    if (!view) return TQmCustomView::Assign(source);
    TypeCode = view->TypeCode;
    view->InPreparedPage = false;
    TMemoryStream record;
    view->SaveToStream(&record);
    InPreparedPage = false;
    record.SetPosition(0);
    LoadFromStream(&record);
    SetName(view->Name());
}

void TQmView::SetName(const AnsiString& value) {
    TQmCustomView::SetName(value);
    Changed();
}

TQmUnitType TQmView::GetUnitType() const { return qmutScreenPixels; }

double TQmView::GetByIndex(int index) const {
    const Integer values[] = {Left, Top, Width, Height};
    return FromInternalUnits(values[index], GetUnitType());
}

void TQmView::SetByIndex(int index, double value) {
    Integer* fields[] = {&Left, &Top, &Width, &Height};
    *fields[index] = ToInternalUnits(GetUnitType(), value);
}

Integer TQmView::GetspBound(int index) const {
    auto pixels = [](Integer value) {
        return static_cast<Integer>(Round(FromInternalUnits(value, qmutScreenPixels)));
    };
    switch (index) {
    case 0: return pixels(Left);
    case 1: return pixels(Top);
    case 2: return pixels(Width);
    case 3: return pixels(Height);
    case 4: return pixels(Left + Width);
    case 5: return pixels(Top + Height);
    default: return 0;
    }
}

void TQmView::SetspBound(int index, Integer pixels) {
    Integer* fields[] = {&Left, &Top, &Width, &Height};
    if (index >= 0 && index < 4) *fields[index] = ToInternalUnits(qmutScreenPixels, pixels);
}

void TQmView::SetspBounds(Integer left, Integer top, Integer width, Integer height) {
    SetspBound(0, left);
    SetspBound(1, top);
    SetspBound(2, width);
    SetspBound(3, height);
}

void TQmView::SetAllFramesVisible(bool visible) {
    for (auto& frame : frames_) frame->SetVisible(visible);
}

Byte TQmView::GetDrawMode() const { return ParentReport ? ParentReport->DrawMode : 0; }

Variant TQmView::ObjectValue() const {
    if (Memo1->Count() == 0) return HasValue ? Variant(AnsiString()) : Variant(0);
    AnsiString first = Memo1->Strings(0);
    if (!HasValue && first.empty()) return Variant(0);
    std::erase(first, '\x01');
    return Variant(first);
}

bool TQmView::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                           const std::vector<Variant>& arguments) {
    const AnsiString name = UpperCase(path);
    if (name == "MEMO") {
        value = WithoutFinalLineBreak(Memo->Text());
    } else if (name == "MEMO1") {
        value = WithoutFinalLineBreak(Memo1->Text());
    } else if (name == "TEXT" || name == "ASSTRING") {
        value = WithoutFinalLineBreak(Memo1->Text());
    } else if (name == "VALUE" || name == "CALCVALUE") {
        value = ObjectValue();
    } else if (name == "ASFLOAT" || name == "ASNUMBER" || name == "ASDATE" || name == "ASTIME" ||
               name == "ASDATETIME") {
        value = VarAsType(ObjectValue(), varDouble);
    } else if (name == "ASINTEGER") {
        value = VarAsType(ObjectValue(), varInteger);
    } else if (name == "ASBOOLEAN") {
        value = VarAsType(ObjectValue(), varBoolean);
    } else if (name == "SETSPBOUNDS" && arguments.size() >= 4) {
        SetspBounds(arguments[0].AsInteger(), arguments[1].AsInteger(), arguments[2].AsInteger(),
                    arguments[3].AsInteger());
    } else if (name == "SETFRAMEVISIBLE" && !arguments.empty()) {
        SetAllFramesVisible(arguments[0].AsBoolean());
    } else if (name == "PARENTPAGE") {
        value = ObjectToVariant(parentPage_);
    } else {
        return TQmCustomView::GetPropValue(object, path, value, arguments);
    }
    return true;
}

bool TQmView::SetPropValue(TObject* object, const AnsiString& name, const Variant& value) {
    static const char* const kMemoWriters[] = {"MEMO",     "TEXT",   "ASSTRING", "ASFLOAT",    "ASNUMBER",
                                               "ASDATE",   "ASTIME", "ASDATETIME", "ASINTEGER", "ASBOOLEAN"};
    const AnsiString upper = UpperCase(name);
    if (upper == "MEMO1") {
        Memo1->SetText(VarToStr(value));
        return true;
    }
    if (upper == "PARENTPAGE") {
        SetParentPage(dynamic_cast<TQmCustomPage*>(VariantToObject(value)));
        return true;
    }
    for (const char* memoWriter : kMemoWriters)
        if (upper == memoWriter) {
            Memo->SetText(VarToStr(value));
            return true;
        }
    return TQmCustomView::SetPropValue(object, name, value);
}

namespace {

// Pixels a frame line takes from the text's room: half its width, and a
// double line's second stroke with the gap before it.
Integer FrameLineExtent(const TQmFrameLine* line) {
    if (!line->Visible()) return 0;
    const double w = FromInternalUnits(line->InternalWidth, qmutScreenPixels);
    const auto half = static_cast<Integer>(Round(w / 2));
    return line->DoubleFrame() ? half + static_cast<Integer>(Round(2 * w)) : half;
}

}  // namespace

Integer TQmView::GetFrameWidthExtent() const {
    return FrameLineExtent(Frame(qmfsLeft)) + FrameLineExtent(Frame(qmfsRight));
}

Integer TQmView::GetFrameHeightExtent() const {
    return FrameLineExtent(Frame(qmfsTop)) + FrameLineExtent(Frame(qmfsBottom));
}

void TQmView::Published(TPublished<TQmView>& p) {
    p.Property("Name", &TQmView::Name, &TQmView::SetName);
    p.Property(
        "Restrictions", [](const TQmView* v) { return v->Restrictions; },
        [](TQmView* v, TQmRestrictions r) { v->Restrictions = r; });
}

// ---- TQmReportView ---------------------------------------------------------

TQmReportView::TQmReportView() {
    FillColor = QmNoColor;
    GapLeft = GapTop = ToInternalUnits(qmutScreenPixels, 2);
    PackedFormat.Decimals = 2;
    PackedFormat.DecimalSeparator = DecimalSeparator;
    Flags |= QmFlag::PrintFrame | QmFlag::Printable;
}

void TQmReportView::SetShiftWith(const AnsiString& v) {
    shiftWith_ = v;
    if (!v.empty()) stretchWith_.clear();
}

void TQmReportView::SetStretchWith(const AnsiString& v) {
    stretchWith_ = v;
    if (!v.empty()) shiftWith_.clear();
}

void TQmReportView::SetDisplayFormat(const AnsiString& v) {
    displayFormat_ = v;
    ParseDisplayFormat(displayFormat_, PackedFormat);
}

void TQmView::ReadBounds(TStream* stream) {
    for (Integer* field : {&Left, &Top, &Width, &Height}) *field = ReadInteger(stream);
}

void TQmView::WriteBounds(TStream* stream) const {
    for (Integer value : {Left, Top, Width, Height}) WriteInteger(stream, value);
}

void TQmReportView::LoadFromStream(TStream* stream) {
    const Word version = ReadWord(stream);
    AnsiString name;
    ReadString(stream, name);
    SetName(name);
    ReadBounds(stream);
    GapLeft = ReadInteger(stream);
    GapTop = ReadInteger(stream);
    Flags = ReadLongWord(stream);
    FillColor = TColor(ReadInteger(stream));
    BandAlign = TQmBandAlign(ReadByte(stream));
    Restrictions = TQmRestrictions::FromBits(ReadByte(stream));
    for (int side = 0; side < 4; ++side) {
        TQmFrameLine* line = Frame(side);
        line->SetVisible(ReadBoolean(stream));
        const Byte style = ReadByte(stream);
        line->SetColor(TColor(ReadInteger(stream)));
        line->InternalWidth = ReadInteger(stream);
        if (version >= 1) {
            line->SetStyle(TPenStyle(style));
            line->SetDoubleFrame(ReadBoolean(stream));
        } else {
            // Before the double-frame byte, styles past the pen's marked one.
            line->SetDoubleFrame(style > psInsideFrame);
            line->SetStyle(style > psInsideFrame ? psSolid : TPenStyle(style));
        }
    }
    DiagonalKind = ReadWord(stream);
    Visible = ReadBoolean(stream);

    if (!InPreparedPage) {
        ExtraWord = ReadWord(stream);
        ReadString(stream, displayFormat_);
        ReadStringList(stream, Memo.get());
        ReadString(stream, shiftWith_);
        ReadString(stream, stretchWith_);
        PackedFormat = TQmDisplayFormat::FromPacked(ReadLongWord(stream));
        if (version >= 2) LoadEventBindings(stream);
        if (version >= 3) ExtraFlag = ReadBoolean(stream);
        if (version >= 5) {
            BrushStyle = TBrushStyle(ReadByte(stream));
            ExtraInt = ReadInteger(stream);
            ReadString(stream, ExtraText1);
            ReadString(stream, Url);
            ReadString(stream, ExtraText2);
            ReadString(stream, ExtraText3);
        }
        if (version >= 6) {
            Cursor = ReadInteger(stream);
            ReadString(stream, ExpressionDelimiters);
        }
    } else {
        ReadStringList(stream, Memo1.get());
        Memo->Assign(Memo1.get());
        if (version >= 5) BrushStyle = TBrushStyle(ReadByte(stream));
        if (version >= 6) {
            Cursor = ReadInteger(stream);
            AnsiString previewClick;
            ReadString(stream, previewClick);
            if (!previewClick.empty()) GetEventBindings()->SetVariable(kPreviewClickBinding, previewClick);
        }
        if (version >= 7) ReadString(stream, Url);
    }
    if (version <= 3) SetFlag(QmFlag::StretchedMax, true);
}

void TQmReportView::SaveToStream(TStream* stream) {
    try {
        WriteWord(stream, kRecordVersion);
        WriteString(stream, Name());
        WriteBounds(stream);
        WriteInteger(stream, GapLeft);
        WriteInteger(stream, GapTop);
        WriteLongWord(stream, Flags);
        WriteInteger(stream, Integer(FillColor));
        WriteByte(stream, Byte(BandAlign));
        WriteByte(stream, static_cast<Byte>(Restrictions.Bits()));
        for (int side = 0; side < 4; ++side) {
            const TQmFrameLine* line = Frame(side);
            WriteBoolean(stream, line->Visible());
            WriteByte(stream, Byte(line->Style()));
            WriteInteger(stream, Integer(line->Color()));
            WriteInteger(stream, line->InternalWidth);
            WriteBoolean(stream, line->DoubleFrame());
        }
        WriteWord(stream, DiagonalKind);
        WriteBoolean(stream, Visible);

        if (!InPreparedPage) {
            WriteWord(stream, ExtraWord);
            WriteString(stream, displayFormat_);
            WriteStringList(stream, Memo.get());
            WriteString(stream, shiftWith_);
            WriteString(stream, stretchWith_);
            WriteLongWord(stream, PackedFormat.Packed());
            SaveEventBindings(stream);
            WriteBoolean(stream, ExtraFlag);
            WriteByte(stream, Byte(BrushStyle));
            WriteInteger(stream, ExtraInt);
            for (const AnsiString* text : {&ExtraText1, &Url, &ExtraText2, &ExtraText3}) WriteString(stream, *text);
            WriteInteger(stream, Cursor);
            WriteString(stream, ExpressionDelimiters);
        } else {
            WriteStringList(stream, Memo1.get());
            WriteByte(stream, Byte(BrushStyle));
            WriteInteger(stream, Cursor);
            TQmVariables* bindings = GetEventBindings();
            const int index = bindings->IndexOf(kPreviewClickBinding);
            WriteString(stream, index >= 0 ? VarToStr(bindings->GetValue(index)) : AnsiString());
            WriteString(stream, Url);
        }
    } catch (EQmTextTooLong& e) {
        e.SetOwner(Name());
        throw;
    }
}

void TQmReportView::Published(TPublished<TQmReportView>& p) {
    p.Property("Visible", [](const TQmReportView* v) { return v->Visible; },
               [](TQmReportView* v, bool on) { v->Visible = on; })
        .Default(true);
    p.Property("Left", [](const TQmReportView* v) { return v->GetByIndex(0); },
               [](TQmReportView* v, double x) { v->SetByIndex(0, x); });
    p.Property("Top", [](const TQmReportView* v) { return v->GetByIndex(1); },
               [](TQmReportView* v, double x) { v->SetByIndex(1, x); });
    p.Property("Width", [](const TQmReportView* v) { return v->GetByIndex(2); },
               [](TQmReportView* v, double x) { v->SetByIndex(2, x); });
    p.Property("Height", [](const TQmReportView* v) { return v->GetByIndex(3); },
               [](TQmReportView* v, double x) { v->SetByIndex(3, x); });
    p.Property("OnBeforePrint", &TQmReportView::OnBeforePrint, &TQmReportView::SetOnBeforePrint);
}

// ---- TQmStretcheableView ---------------------------------------------------

TQmStretcheableView::TQmStretcheableView() { SetFlag(QmFlag::StretchedMax, true); }

void TQmStretcheableView::Published(TPublished<TQmStretcheableView>& p) {
    p.Property("Stretched", &TQmStretcheableView::Stretched, &TQmStretcheableView::SetStretched).Default(false);
    p.Property("StretchedMax", &TQmStretcheableView::StretchedMax, &TQmStretcheableView::SetStretchedMax)
        .Default(true);
}
