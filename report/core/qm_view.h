// Qm_View: the base of every object a report template places on a page —
// its geometry in thousandths of a millimetre, the option word whose bits
// are the Boolean properties of the object classes, the four frame lines,
// the fill, the names scripts read and write, the object record templates
// and prepared pages store, and the drawing steps all objects share.
#pragma once

#include <array>
#include <memory>

#include "platform/rtl/stringlist.h"
#include "report/core/qm_class.h"
#include "report/core/qm_displayformat.h"

SERVIORA_ENUM(TQmRestriction, qmrtDontModify, qmrtDontSize, qmrtDontMove, qmrtDontDelete, qmrtDontEditMemo)
using TQmRestrictions = TSet<TQmRestriction>;
SERVIORA_ENUM(TQmBandAlign, qmbaNone, qmbaLeft, qmbaRight, qmbaBottom, qmbaTop, qmbaCenter)

class TQmView;
class TQmCustomPage;
class TPopupMenu;

// Bits of TQmView's option word. Bands give some of them meanings of their
// own (0x2000 is OutBigNum in a calculated text and HideIfEmpty in a band).
namespace QmFlag {
constexpr Cardinal WordWrap = 0x1;
constexpr Cardinal WordBreak = 0x2;
constexpr Cardinal AutoWidth = 0x4;
constexpr Cardinal DBFieldOnly = 0x8;
constexpr Cardinal SuppressRepeated = 0x10;
constexpr Cardinal HideZeros = 0x20;
constexpr Cardinal Underlines = 0x40;
constexpr Cardinal RightToLeft = 0x80;
constexpr Cardinal MergeRepeated = 0x100;
constexpr Cardinal TotalCalc = 0x200;
constexpr Cardinal CalcNoVisible = 0x400;
constexpr Cardinal MangeTag = 0x800;
constexpr Cardinal ExportAsNumber = 0x1000;
constexpr Cardinal OutBigNum = 0x2000;
constexpr Cardinal IsCurrency = 0x4000;
constexpr Cardinal StretchedMax = 0x10000;
constexpr Cardinal WriteEveryPass = 0x20000;
constexpr Cardinal ParentWidth = 0x80000;
constexpr Cardinal Transparent = 0x100000;
constexpr Cardinal ReprintOnOverFlow = 0x200000;
constexpr Cardinal TextOnly = 0x400000;
constexpr Cardinal PrintAtAppendBlank = 0x1000000;
constexpr Cardinal ToldOfEveryPrint = 0x2000000;
constexpr Cardinal Printable = 0x8000000;
constexpr Cardinal PrintFrame = 0x10000000;
constexpr Cardinal ParentHeight = 0x20000000;
constexpr Cardinal Stretched = 0x80000000;
}  // namespace QmFlag

// One side of an object's frame; its width is kept in thousandths and
// published in the owning object's unit.
class TQmFrameLine : public TPersistent {
    SERVIORA_CLASS(TQmFrameLine, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TQmFrameLine(TQmView* owner = nullptr);

    void Assign(TPersistent* source) override;

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v) { style_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    bool DoubleFrame() const { return doubleFrame_; }
    void SetDoubleFrame(bool v) { doubleFrame_ = v; }
    // The width in the owner's unit.
    double Width() const;
    void SetWidth(double v);
    TQmUnitType GetUnitType() const;

    // Thousandths of a millimetre.
    Integer InternalWidth = 0;

private:
    TQmView* owner_;
    bool visible_ = false;
    TPenStyle style_ = psSolid;
    TColor color_ = 0;
    bool doubleFrame_ = false;
};

// The look a text object takes while its condition holds.
class TQmHighlight : public TPersistent {
    SERVIORA_CLASS(TQmHighlight, TPersistent)
    SERVIORA_PUBLISHED
public:
    TQmHighlight();
    ~TQmHighlight() override;

    // Font and Color; the condition stays.
    void Assign(TPersistent* source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    const AnsiString& Condition() const { return condition_; }
    void SetCondition(const AnsiString& v) { condition_ = v; }

private:
    TColor color_ = TColor(0x1FFFFFFF);
    std::unique_ptr<TFont> font_;
    AnsiString condition_;
};

// How a text object treats a value equal to the one it printed before.
class TQmRepeatedOptions : public TPersistent {
    SERVIORA_CLASS(TQmRepeatedOptions, TPersistent)
    SERVIORA_PUBLISHED
public:
    const AnsiString& MasterMemoView() const { return masterMemoView_; }
    void SetMasterMemoView(const AnsiString& v) { masterMemoView_ = v; }
    bool SuppressRepeated() const { return suppressRepeated_; }
    void SetSuppressRepeated(bool v) { suppressRepeated_ = v; }
    bool MergeRepeated() const { return mergeRepeated_; }
    void SetMergeRepeated(bool v) { mergeRepeated_ = v; }
    bool MergeStretchedHeight() const { return mergeStretchedHeight_; }
    void SetMergeStretchedHeight(bool v) { mergeStretchedHeight_ = v; }

private:
    AnsiString masterMemoView_;
    bool suppressRepeated_ = false;
    bool mergeRepeated_ = false;
    bool mergeStretchedHeight_ = false;
};

// "No fill" as objects store it.
constexpr TColor QmNoColor = TColor(0x1FFFFFFF);

class TQmView : public TQmCustomView {
    SERVIORA_CLASS(TQmView, TQmCustomView)
    SERVIORA_PUBLISHED
public:
    TQmView();
    ~TQmView() override;

    // A copy through the object record: the source's template record read
    // back, then the source's name.
    void Assign(TPersistent* source) override;
    // Stores the name and tells the object it changed.
    void SetName(const AnsiString& value) override;

    // ---- The option word.
    bool Flag(Cardinal bit) const { return (Flags & bit) != 0; }
    void SetFlag(Cardinal bit, bool on) { Flags = on ? (Flags | bit) : (Flags & ~bit); }

    // ---- Geometry. Left..Height are published in GetUnitType's unit; the
    // sp accessors work in rounded screen pixels (index 4 right, 5 bottom).
    TQmUnitType GetUnitType() const;
    double GetByIndex(int index) const;
    void SetByIndex(int index, double value);
    Integer GetspBound(int index) const;
    virtual void SetspBound(int index, Integer pixels);
    void SetspBounds(Integer left, Integer top, Integer width, Integer height);
    void SetAllFramesVisible(bool visible);
    TQmFrameLine* Frame(int side) const { return frames_[side].get(); }

    // 0 for an object without a report.
    Byte GetDrawMode() const;

    // ---- The page the object lies on, which owns it.
    TQmCustomPage* ParentPage() const { return parentPage_; }
    // Moves the object onto the page (nullptr: off its page, the caller
    // then owns it); a new object placed with AutoNameOnPlace gets a name.
    void SetParentPage(TQmCustomPage* page);
    // BaseName and the first number no object of the report (nor a live
    // control of the hidden dialog form) is named with.
    void MakeAutoName();

    // ---- Script names ("MEMO", "TEXT", "VALUE", "AS…", "SETSPBOUNDS",
    // "SETFRAMEVISIBLE"); other names go to the published properties.
    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    bool SetPropValue(TObject* object, const AnsiString& name, const Variant& value) override;
    // The first prepared line without its #1 markers; 0 or "" for no text.
    Variant ObjectValue() const;

    // ---- The virtual operations, in their order.
    virtual void Clear() { Memo->Clear(); }
    virtual void Changed() {}
    virtual void BeforeObjectPrint(TQmView* /*view*/) {}
    virtual void Loaded() {}
    // Scales the geometry onto the current canvas and works out DrawRect;
    // EndDraw puts the saved geometry back.
    virtual void BeginDraw(TCanvas* canvas);
    virtual void EndDraw();
    virtual void DrawBackground();
    virtual void Prepare() {}
    virtual void Unprepare() {}
    virtual AnsiString GetDescription() const { return {}; }
    virtual bool IsNoCompress() const { return false; }
    virtual bool IsContainer() const { return false; }
    // A designer's editor and context menu; no designer registers here.
    virtual void ShowEditor() {}
    virtual void DefinePopupMenu(TPopupMenu* /*menu*/) {}
    virtual void LoadFromStream(TStream* stream) = 0;
    virtual void SaveToStream(TStream* stream) = 0;
    virtual void Draw(TCanvas* canvas) = 0;

    // Pixels the visible frame lines take from the text's width and height.
    Integer GetFrameWidthExtent() const;
    Integer GetFrameHeightExtent() const;

    // ---- Fields.
    bool ExtraFlag = true;
    bool IsBand = false;
    bool IsCrossBand = false;
    TQmReport* ParentReport = nullptr;
    Integer Left = 0, Top = 0, Width = 0, Height = 0;
    Integer GapLeft = 0, GapTop = 0;
    bool Visible = true;
    std::unique_ptr<TStringList> Memo;
    std::unique_ptr<TStringList> Memo1;
    TQmRestrictions Restrictions;
    bool HasValue = false;
    Word DiagonalKind = 0;
    TColor FillColor = QmNoColor;
    TBrushStyle BrushStyle = bsSolid;
    Integer ExtraInt = 0;
    AnsiString ExtraText1, Url, ExtraText2, ExtraText3;
    Integer Cursor = 0;
    AnsiString ExpressionDelimiters = "[;]";
    Byte TypeCode = 100;
    AnsiString BaseName = "View";
    TCanvas* Canvas = nullptr;
    bool InPreparedPage = false;
    Cardinal Flags = 0;
    bool IsBlobField = false;
    Word ExtraWord = 0;
    // The data binding page preparation resolves from the first Memo line.
    TQmDataset* Dataset = nullptr;
    AnsiString DataFieldName;
    TRect DrawRect{};
    double ScaleX = 1.0, ScaleY = 1.0;
    Integer OffsetX = 0, OffsetY = 0;
    bool AutoNameOnPlace = true;

protected:
    // Saved by BeginDraw beside the geometry (the text object's scaled
    // font width).
    virtual void SaveDrawGeometry() {}
    virtual void ScaleDrawGeometry() {}
    virtual void RestoreDrawGeometry() {}
    // The hatch brush of a non-solid fill, in the top frame line's colour.
    HBRUSH FillBrushPattern() const;

    // Left, Top, Width and Height as records store them.
    void ReadBounds(TStream* stream);
    void WriteBounds(TStream* stream) const;

    // The geometry BeginDraw found, in thousandths.
    struct SavedGeometry {
        Integer left, top, width, height, gapLeft, gapTop;
        std::array<Integer, 4> frameWidths;
    };
    const SavedGeometry& Saved() const { return saved_; }

private:
    std::array<std::unique_ptr<TQmFrameLine>, 4> frames_;
    SavedGeometry saved_{};
    TQmCustomPage* parentPage_ = nullptr;
};

// What an object that hides zeros shows: the text "0" and any value equal to
// 0 become an empty text. Answers False when a number was hidden (the
// object then shows no value).
bool HideZeroValue(Variant& value);

// Publishes one bit of the option word as a Boolean property.
template <class C>
void PublishFlag(TPublished<C>& p, const char* name, Cardinal bit, bool byDefault) {
    p.Property(
         name, [bit](const C* view) { return view->Flag(bit); }, [bit](C* view, bool on) { view->SetFlag(bit, on); })
        .Default(byDefault);
}

// Left, top, right and bottom frame lines.
enum TQmFrameSide { qmfsLeft, qmfsTop, qmfsRight, qmfsBottom };

// A click on an object of a prepared page in the preview; Modified asks
// for the page's objects to be stored back.
SERVIORA_EVENT_TYPE(TQmPreviewClickEvent,
                    void(TQmView* View, TMouseButton Button, TShiftState Shift, bool& Modified));

class TQmReportView : public TQmView {
    SERVIORA_CLASS(TQmReportView, TQmView)
    SERVIORA_PUBLISHED
public:
    TQmReportView();

    TQmBandAlign BandAlign = qmbaNone;
    const AnsiString& ShiftWith() const { return shiftWith_; }
    // Setting one of the pair non-empty clears the other.
    void SetShiftWith(const AnsiString& v);
    const AnsiString& StretchWith() const { return stretchWith_; }
    void SetStretchWith(const AnsiString& v);
    const AnsiString& DisplayFormat() const { return displayFormat_; }
    // Also parses the text into the packed format.
    void SetDisplayFormat(const AnsiString& v);
    TQmDisplayFormat PackedFormat;

    const TNotifyEvent& OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(TNotifyEvent v) { onBeforePrint_ = std::move(v); }
    const TNotifyEvent& OnBeforeCalc() const { return onBeforeCalc_; }
    void SetOnBeforeCalc(TNotifyEvent v) { onBeforeCalc_ = std::move(v); }
    const TNotifyEvent& OnAfterCalc() const { return onAfterCalc_; }
    void SetOnAfterCalc(TNotifyEvent v) { onAfterCalc_ = std::move(v); }
    const TQmPreviewClickEvent& OnPreviewClick() const { return onPreviewClick_; }
    void SetOnPreviewClick(TQmPreviewClickEvent v) { onPreviewClick_ = std::move(v); }

    bool Printable() const { return Flag(QmFlag::Printable); }
    void SetPrintable(bool v) { SetFlag(QmFlag::Printable, v); }
    bool PrintFrame() const { return Flag(QmFlag::PrintFrame); }
    void SetPrintFrame(bool v) { SetFlag(QmFlag::PrintFrame, v); }

    // The object record (version 7 written, every version read).
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    // The frame lines and diagonals, when they show.
    virtual void ShowFrame();
    // Writes the prepared copy: the text expanded, then the type code (and
    // the class name of an add-in) and the record; nothing when invisible.
    virtual void Print(TStream* stream);
    // Reads the bound blob field into Memo1; nothing here.
    virtual void GetBlob() {}
    virtual void ExportData() {}

    // Moves the object as BandAlign, ParentWidth and ParentHeight ask
    // within the band being printed; records it as the current object.
    void AlignToBand();
    // Memo1 := Memo with every bracketed expression replaced by its text.
    void ExpandText();
    AnsiString ExpandExpressions(const AnsiString& text);
    // Appends Memo's lines to Memo1, expanded unless TextOnly; an empty
    // line stays, an expression that gives nothing adds no line.
    void AppendExpandedLines();

protected:
    // Writes the type code, an add-in's class name and the record.
    void WriteObject(TStream* stream);

private:
    AnsiString shiftWith_, stretchWith_, displayFormat_;
    TNotifyEvent onBeforePrint_, onBeforeCalc_, onAfterCalc_;
    TQmPreviewClickEvent onPreviewClick_;
};

class TQmStretcheableView : public TQmReportView {
    SERVIORA_CLASS(TQmStretcheableView, TQmReportView)
    SERVIORA_PUBLISHED
public:
    TQmStretcheableView();

    bool Stretched() const { return Flag(QmFlag::Stretched); }
    void SetStretched(bool v) { SetFlag(QmFlag::Stretched, v); }
    bool StretchedMax() const { return Flag(QmFlag::StretchedMax); }
    void SetStretchedMax(bool v) { SetFlag(QmFlag::StretchedMax, v); }

    Byte SplitMode = 0;
    Integer CalcHeightValue = 0;
    Integer RemainHeightValue = 0;
};
