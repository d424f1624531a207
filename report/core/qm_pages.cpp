// Template pages: objects placed on pages and named, the common page, the
// dialog page, the report page's paper, record and script names, and the
// page list that reads and writes the pages part of the template stream.
#include "report/core/qm_pages.h"

#include "report/core/qm_endpages.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_dialogcomponent.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_factory.h"
#include "report/core/qm_pictures.h"
#include "report/core/qm_reportwindows.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_structureviews.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_fm.h"
#include "script/qm_kpinterpreter_values.h"

SERVIORA_REGISTER_CLASS(TQmReportPage);
SERVIORA_REGISTER_CLASS(TQmDialogPage);

namespace {

constexpr Byte kPageTag = 255;
constexpr Byte kDictionaryTag = 254;
constexpr Byte kLastObjectCode = 100;
constexpr Word kReportPageVersion = 4;
constexpr Word kDialogPageVersion = 1;

Integer ToPixels(Integer thousandths) {
    return static_cast<Integer>(Round(FromInternalUnits(thousandths, qmutScreenPixels)));
}

}  // namespace

// ---- Objects on pages --------------------------------------------------------

void TQmView::SetParentPage(TQmCustomPage* page) {
    if (page == parentPage_) return;
    if (parentPage_) parentPage_->DetachObject(this);
    parentPage_ = page;
    if (!page) return;
    page->AttachObject(this);
    // The report is taken first: the automatic name must be free in it.
    ParentReport = page->ParentReport();
    if (AutoNameOnPlace && !InPreparedPage) MakeAutoName();
}

void TQmView::MakeAutoName() {
    TQmCustomView::SetName({});
    auto taken = [this](const AnsiString& candidate) {
        if (ParentReport ? ParentReport->FindObject(candidate) != nullptr
                         : parentPage_ && parentPage_->FindObject(candidate) != nullptr)
            return true;
        TCustomForm* form = ParentReport ? ParentReport->DialogForm : nullptr;
        return dynamic_cast<TQmDialogComponent*>(this) && form && form->FindComponent(candidate);
    };
    for (int n = 1;; ++n) {
        const AnsiString candidate = BaseName + IntToStr(n);
        if (!taken(candidate)) {
            SetName(candidate);
            return;
        }
    }
}

// ---- TSortList -----------------------------------------------------------------

void TSortList::Add(TQmCustomBandView* band) {
    auto at = bands_.begin();
    while (at != bands_.end() && (*at)->Top <= band->Top) ++at;
    bands_.insert(at, band);
}

// ---- TQmCustomPage -------------------------------------------------------------

TQmCustomPage::TQmCustomPage(TQmReport* report) : report_(report), font_(TFont::Create()) {}

TQmCustomPage::~TQmCustomPage() { Clear(); }

void TQmCustomPage::SetName(const AnsiString& value) {
    if (value == Name()) return;
    if (report_ && report_->Designing && !value.empty())
        for (int i = 0; i < report_->Pages()->GetCount(); ++i) {
            const TQmCustomPage* other = report_->Pages()->GetPage(i);
            if (other != this && AnsiSameText(other->Name(), value)) return;
        }
    TQmPersistent::SetName(value);
}

void TQmCustomPage::FreeObject(std::size_t index) {
    TQmView* view = objects_[index];
    BeforeDelete(view);
    objects_.erase(objects_.begin() + static_cast<std::ptrdiff_t>(index));
    view->SetParentPage(nullptr);
    delete view;
}

void TQmCustomPage::Clear() {
    handlers_.clear();
    while (!objects_.empty()) FreeObject(0);
}

void TQmCustomPage::BindScriptEvents() {
    handlers_.clear();
    if (!report_) return;
    for (TQmView* view : objects_) view->InstallEventHandlers(handlers_, report_->Interpreter());
    InstallEventHandlers(handlers_, report_->Interpreter());
}

void TQmCustomPage::Delete(int index) {
    if (index >= 0 && index < ObjectCount()) FreeObject(static_cast<std::size_t>(index));
}

void TQmCustomPage::DetachObject(TQmView* view) { std::erase(objects_, view); }

TQmPrinter* TQmCustomPage::GetPrinter() const { return report_ ? report_->GetPrinter() : GlobalPrinter(); }

void TQmCustomPage::GetObjectNames(TStrings* list) const {
    for (const TQmView* view : objects_) list->Add(UpperCase(view->Name()));
    list->Add(UpperCase(Name()));
}

TQmView* TQmCustomPage::FindObject(const AnsiString& name) const {
    for (TQmView* view : objects_)
        if (AnsiSameText(view->Name(), name)) return view;
    return nullptr;
}

void TQmCustomPage::Published(TPublished<TQmCustomPage>& p) {
    p.Property("Name", &TQmCustomPage::Name, &TQmCustomPage::SetName);
    p.Property("Visible", &TQmCustomPage::Visible, &TQmCustomPage::SetVisible).Default(true);
    p.Property("Font", &TQmCustomPage::Font, &TQmCustomPage::SetFont);
}

// ---- TQmDialogPage -------------------------------------------------------------

TQmDialogPage::TQmDialogPage(TQmReport* report) : TQmCustomPage(report) {
    if (LoadReportString(qmsChineseTexts) == "1") {
        Font()->SetName("宋体");
        Font()->SetCharset(134);
        Font()->SetSize(9);
    }
}

TQmDialogPage::~TQmDialogPage() = default;

bool TQmDialogPage::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                 const std::vector<Variant>& arguments) {
    const AnsiString name = UpperCase(path);
    if (name == "FORM") {
        value = ObjectToVariant(form_.get());
        return true;
    }
    if (name == "MODALRESULT") {
        value = form_ ? Variant(static_cast<Integer>(form_->ModalResult())) : Variant(0);
        return true;
    }
    return TQmCustomPage::GetPropValue(object, path, value, arguments);
}

void TQmDialogPage::Prepare() {
    TQmReport* report = ParentReport();
    if (report->DoublePass && report->FinalPass) return;
    report->CurrentPage = this;
    form_.reset(TForm::Create(nullptr, 0));
    bool hasControls = false;
    for (TQmView* view : GetObjects()) {
        view->Prepare();
        auto* control = dynamic_cast<TQmDialogControl*>(view);
        if (!control || !control->Control) continue;
        hasControls = true;
        auto* container = dynamic_cast<TQmDialogControl*>(FindObject(control->ParentControlName));
        auto* host = container && container->IsContainer() ? dynamic_cast<TWinControl*>(container->Control) : nullptr;
        control->Control->SetParent(host ? host : form_.get());
        control->Control->SetBounds(view->GetspBound(0) - (host ? container->GetspBound(0) : 0),
                                    view->GetspBound(1) - (host ? container->GetspBound(1) : 0), view->GetspBound(2),
                                    view->GetspBound(3));
        if (auto* windowed = dynamic_cast<TWinControl*>(control->Control); windowed && control->TabOrder >= 0)
            windowed->SetTabOrder(control->TabOrder);
    }
    if (!hasControls || !Visible()) {
        if (OnActivate()) OnActivate()(this);
        return;
    }
    form_->SetBorderStyle(BorderStyle);
    form_->SetCaption(Caption);
    form_->SetColor(Color);
    form_->SetBounds(Left, Top, Width, Height);
    form_->SetPosition(Position);
    form_->SetOnActivate(OnActivate());
    // The progress window would stand over the dialog the user must answer.
    TCustomForm* progress = report->ProgressWindow() ? report->ProgressWindow()->Form() : nullptr;
    const bool progressShown = progress && progress->Visible();
    if (progressShown) progress->Hide();
    const TModalResult result = form_->ShowModal();
    if (progressShown) progress->Show();
    if (result != mrOk) report->DialogCancelled = true;
}

void TQmDialogPage::Unprepare() {
    TQmReport* report = ParentReport();
    if (!report->FinalPass && !report->Terminated()) return;
    Clear();
    form_.reset();
}

void TQmDialogPage::LoadFromStream(TStream* stream) {
    const Word version = ReadWord(stream);
    AnsiString text;
    ReadString(stream, text);
    SetName(text);
    SetVisible(ReadBoolean(stream));
    ReadString(stream, Caption);
    Left = ReadInteger(stream);
    Top = ReadInteger(stream);
    Width = ReadInteger(stream);
    Height = ReadInteger(stream);
    Color = TColor(ReadInteger(stream));
    BorderStyle = TFormBorderStyle(ReadInteger(stream));
    Position = TPosition(ReadInteger(stream));
    if (version >= 1) LoadEventBindings(stream);
}

void TQmDialogPage::SaveToStream(TStream* stream) {
    WriteWord(stream, kDialogPageVersion);
    WriteString(stream, Name());
    WriteBoolean(stream, Visible());
    WriteString(stream, Caption);
    for (Integer value : {Left, Top, Width, Height, Integer(Color), Integer(BorderStyle), Integer(Position)})
        WriteInteger(stream, value);
    SaveEventBindings(stream);
}

void TQmDialogPage::Published(TPublished<TQmDialogPage>& p) {
    p.Property("BorderStyle", [](const TQmDialogPage* d) { return d->BorderStyle; },
               [](TQmDialogPage* d, TFormBorderStyle v) { d->BorderStyle = v; });
    p.Property("Caption", [](const TQmDialogPage* d) { return d->Caption; },
               [](TQmDialogPage* d, const AnsiString& v) { d->Caption = v; });
    p.Property("Color", [](const TQmDialogPage* d) { return d->Color; },
               [](TQmDialogPage* d, TColor v) { d->Color = v; });
    p.Property("Left", [](const TQmDialogPage* d) { return d->Left; }, [](TQmDialogPage* d, Integer v) { d->Left = v; });
    p.Property("Top", [](const TQmDialogPage* d) { return d->Top; }, [](TQmDialogPage* d, Integer v) { d->Top = v; });
    p.Property("Width", [](const TQmDialogPage* d) { return d->Width; },
               [](TQmDialogPage* d, Integer v) { d->Width = v; });
    p.Property("Height", [](const TQmDialogPage* d) { return d->Height; },
               [](TQmDialogPage* d, Integer v) { d->Height = v; });
    p.Property("Position", [](const TQmDialogPage* d) { return d->Position; },
               [](TQmDialogPage* d, TPosition v) { d->Position = v; });
    p.Property("OnActivate", &TQmDialogPage::OnActivate, &TQmDialogPage::SetOnActivate);
}

// ---- TQmReportPage -------------------------------------------------------------

TQmReportPage::TQmReportPage(TQmReport* report, int paperSize, int paperWidth, int paperHeight, Byte orientation,
                             int bin)
    : TQmCustomPage(report), backPicture_(TPicture::Create()) {
    ChangePaper(paperSize, paperWidth, paperHeight, bin, orientation);
}

TQmReportPage::~TQmReportPage() = default;

void TQmReportPage::ChangePaper(int paperSize, int width, int height, int bin, Byte orientation) {
    TQmPrinter* printer = GetPrinter();
    try {
        printer->SetPaper(paperSize, width, height, bin, orientation, false);
    } catch (const Exception&) {
        printer->SetPaper(QmCustomPaperCode, width, height, -1, orientation, false);
    }
    Orientation = printer->Orientation;
    PaperSize = printer->PaperSize;
    PaperWidth = printer->GetPaperWidth();
    PaperHeight = printer->GetPaperHeight();
    printer->GetPageInfo(PageInfo);
    Bin = bin == -1 ? QmDefaultBinCode : printer->Bin;
}

Integer TQmReportPage::GetspMargin(int index) const {
    switch (index) {
    case 0: case 1: case 2: case 3: return ToPixels(Margins[static_cast<std::size_t>(index)]);
    case 4: return ToPixels(BackPictureLeft);
    case 5: return ToPixels(BackPictureTop);
    default: return ToPixels(ColumnGap);
    }
}

void TQmReportPage::SetspMargin(int index, Integer value) {
    const Integer thousandths = ToInternalUnits(qmutScreenPixels, value);
    switch (index) {
    case 0: case 1: case 2: case 3: Margins[static_cast<std::size_t>(index)] = thousandths; break;
    case 4: BackPictureLeft = thousandths; break;
    case 5: BackPictureTop = thousandths; break;
    default: ColumnGap = thousandths;
    }
}

Integer TQmReportPage::PrintableWidth() const { return PaperWidth * 100 - Margins[0] - Margins[2]; }

void TQmReportPage::SetBackPicture(TPicture* v) {
    backPicture_->Assign(v);
    TGraphic* graphic = backPicture_->Graphic();
    if (!graphic || graphic->Empty()) {
        BackPictureWidth = BackPictureHeight = -1;
        return;
    }
    int horizontal = 96, vertical = 96;
    GetGraphicResolution(graphic, horizontal, vertical);
    BackPictureWidth = graphic->Width() * 96 / horizontal;
    BackPictureHeight = graphic->Height() * 96 / vertical;
}

void TQmReportPage::SetOutlineText(const AnsiString& v) { TQmCustomPage::SetOutlineText(::Trim(v)); }

namespace {

// The report page's names in screen pixels, by their margin index.
int SpMarginIndex(const AnsiString& name) {
    static const char* const kNames[] = {"SPMARGINLEFT",     "SPMARGINTOP",     "SPMARGINRIGHT", "SPMARGINBOTTOM",
                                         "SPBACKGROUNDLEFT", "SPBACKGROUNDTOP", "SPCOLUMNGAP"};
    for (int i = 0; i < 7; ++i)
        if (name == kNames[i]) return i;
    return -1;
}

}  // namespace

bool TQmReportPage::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                 const std::vector<Variant>& arguments) {
    const AnsiString name = UpperCase(path);
    TQmReport* report = ParentReport();
    if (const int index = SpMarginIndex(name); index >= 0) value = GetspMargin(index);
    else if (name == "CURPAGENO") value = (report ? report->PageNo : 0) - StartPageNo + 1;
    else if (name == "TOTALPAGES") value = (report ? report->TotalPages : 0) - StartPageNo;
    else if (name == "CURRENTCOLUMN") value = CurrentColumn;
    else if (name == "PAGEWIDTH") value = PaperWidth;
    else if (name == "PAGEHEIGHT") value = PaperHeight;
    else if (name == "PAGESIZE") value = PaperSize;
    else if (name == "PAGEORIENTATION") value = Integer(Orientation);
    else if (name == "PAGEBIN") value = Bin;
    else return TQmCustomPage::GetPropValue(object, path, value, arguments);
    return true;
}

bool TQmReportPage::SetPropValue(TObject* object, const AnsiString& name, const Variant& value) {
    if (const int index = SpMarginIndex(UpperCase(name)); index >= 0) {
        SetspMargin(index, value.AsInteger());
        return true;
    }
    return TQmCustomPage::SetPropValue(object, name, value);
}

void TQmReportPage::LoadFromStream(TStream* stream) {
    const Word version = ReadWord(stream);
    AnsiString text;
    ReadString(stream, text);
    SetName(text);
    SetVisible(ReadBoolean(stream));
    const int paperSize = ReadInteger(stream);
    const int width = ReadInteger(stream);
    const int height = ReadInteger(stream);
    for (Integer& margin : Margins) margin = ReadInteger(stream);
    const Byte orientation = ReadByte(stream);
    PrintToPrevPage = ReadBoolean(stream);
    const int bin = ReadInteger(stream);
    ResetPageNo = ReadBoolean(stream);
    NewPrintJob = ReadBoolean(stream);
    LoadPicture(stream, backPicture_.get());
    BackPictureLeft = ReadInteger(stream);
    BackPictureTop = ReadInteger(stream);
    BackPictureWidth = ReadInteger(stream);
    BackPictureHeight = ReadInteger(stream);
    Duplex = TQmDuplex(ReadByte(stream));
    AutoVCenter = AutoHCenter = false;
    Reserved = 0;
    if (version >= 1) {
        AutoVCenter = ReadBoolean(stream);
        AutoHCenter = ReadBoolean(stream);
        Reserved = ReadWord(stream);
    }
    SetColumnCount(1);
    ColumnGap = 0;
    if (version >= 2) {
        SetColumnCount(ReadInteger(stream));
        ColumnGap = ReadInteger(stream);
    }
    if (version >= 3) LoadEventBindings(stream);
    if (version >= 4) {
        ReadString(stream, text);
        SetOutlineText(text);
    }
    ChangePaper(paperSize, width, height, bin, orientation);
}

void TQmReportPage::SaveToStream(TStream* stream) {
    WriteWord(stream, kReportPageVersion);
    WriteString(stream, Name());
    WriteBoolean(stream, Visible());
    WriteInteger(stream, PaperSize);
    WriteInteger(stream, PaperWidth);
    WriteInteger(stream, PaperHeight);
    for (Integer margin : Margins) WriteInteger(stream, margin);
    WriteByte(stream, Orientation);
    WriteBoolean(stream, PrintToPrevPage);
    WriteInteger(stream, Bin);
    WriteBoolean(stream, ResetPageNo);
    WriteBoolean(stream, NewPrintJob);
    SavePicture(stream, backPicture_.get());
    WriteInteger(stream, BackPictureLeft);
    WriteInteger(stream, BackPictureTop);
    WriteInteger(stream, BackPictureWidth);
    WriteInteger(stream, BackPictureHeight);
    WriteByte(stream, Byte(Duplex));
    WriteBoolean(stream, AutoVCenter);
    WriteBoolean(stream, AutoHCenter);
    WriteWord(stream, Reserved);
    WriteInteger(stream, columnCount_);
    WriteInteger(stream, ColumnGap);
    SaveEventBindings(stream);
    WriteString(stream, OutlineText());
}

TQmCustomBandView* TQmReportPage::FindBand(TQmBandType kind) const {
    for (TQmView* view : GetObjects())
        if (auto* band = dynamic_cast<TQmCustomBandView*>(view); band && band->BandType == kind) return band;
    return nullptr;
}

void TQmReportPage::Published(TPublished<TQmReportPage>& p) {
    p.Property("Duplex", [](const TQmReportPage* r) { return r->Duplex; },
               [](TQmReportPage* r, TQmDuplex v) { r->Duplex = v; });
    p.Property("PrintToPrevPage", [](const TQmReportPage* r) { return r->PrintToPrevPage; },
               [](TQmReportPage* r, bool v) { r->PrintToPrevPage = v; });
    p.Property("ShowBackPicture", [](const TQmReportPage* r) { return r->ShowBackPicture; },
               [](TQmReportPage* r, bool v) { r->ShowBackPicture = v; });
    p.Property("ResetPageNo", [](const TQmReportPage* r) { return r->ResetPageNo; },
               [](TQmReportPage* r, bool v) { r->ResetPageNo = v; });
    p.Property("NewPrintJob", [](const TQmReportPage* r) { return r->NewPrintJob; },
               [](TQmReportPage* r, bool v) { r->NewPrintJob = v; });
    p.Property("BackPictureLeft", [](const TQmReportPage* r) { return FromInternalUnits(r->BackPictureLeft, qmutMillimeters); },
               [](TQmReportPage* r, double v) { r->BackPictureLeft = ToInternalUnits(qmutMillimeters, v); });
    p.Property("BackPictureTop", [](const TQmReportPage* r) { return FromInternalUnits(r->BackPictureTop, qmutMillimeters); },
               [](TQmReportPage* r, double v) { r->BackPictureTop = ToInternalUnits(qmutMillimeters, v); });
    p.Property("BackPicture", &TQmReportPage::BackPicture, &TQmReportPage::SetBackPicture);
    p.Property("AutoHCenter", [](const TQmReportPage* r) { return r->AutoHCenter; },
               [](TQmReportPage* r, bool v) { r->AutoHCenter = v; });
    p.Property("AutoVCenter", [](const TQmReportPage* r) { return r->AutoVCenter; },
               [](TQmReportPage* r, bool v) { r->AutoVCenter = v; });
    p.Property("ColumnCount", &TQmReportPage::ColumnCount, &TQmReportPage::SetColumnCount).Default(1);
    p.Property("ColumnGap", [](const TQmReportPage* r) { return FromInternalUnits(r->ColumnGap, qmutMillimeters); },
               [](TQmReportPage* r, double v) { r->ColumnGap = ToInternalUnits(qmutMillimeters, v); });
    p.Property("OutlineText", &TQmReportPage::OutlineText, &TQmReportPage::SetOutlineText);
    p.Property("OnActivate", &TQmReportPage::OnActivate, &TQmReportPage::SetOnActivate);
    p.Property("OnBeginPage", &TQmReportPage::OnBeginPage, &TQmReportPage::SetOnBeginPage).TypeName("TQmBeginPageEvent");
    p.Property("OnEndPage", &TQmReportPage::OnEndPage, &TQmReportPage::SetOnEndPage).TypeName("TQmEndPageEvent");
}

// ---- Page factory --------------------------------------------------------------

namespace {

std::unique_ptr<TQmReportPage> NewReportPage(TQmReport* report, int paperSize, int bin) {
    TQmPrinter* printer = report->GetPrinter();
    return std::make_unique<TQmReportPage>(report, paperSize, printer->GetPaperWidth(), printer->GetPaperHeight(),
                                           printer->Orientation, bin);
}

}  // namespace

std::unique_ptr<TQmCustomPage> CreateReportPage(TQmReport* report, const AnsiString& className) {
    if (AnsiSameText(className, "TQmDialogPage")) return std::make_unique<TQmDialogPage>(report);
    if (AnsiSameText(className, "TQmReportPage")) return NewReportPage(report, 0, QmDefaultBinCode);
    return std::unique_ptr<TQmCustomPage>(report->CreatePageOfClass(className));
}

// ---- TQmPages ------------------------------------------------------------------

TQmPages::~TQmPages() { Clear(); }

void TQmPages::Clear() { pages_.clear(); }

TQmCustomPage* TQmPages::GetPage(int index) const {
    return index >= 0 && index < GetCount() ? pages_[static_cast<std::size_t>(index)].get() : nullptr;
}

int TQmPages::IndexOf(const TQmCustomPage* page) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetPage(i) == page) return i;
    return -1;
}

TQmCustomPage* TQmPages::Append(std::unique_ptr<TQmCustomPage> page) {
    pages_.push_back(std::move(page));
    return pages_.back().get();
}

TQmDialogPage* TQmPages::AddDialogPage() {
    return static_cast<TQmDialogPage*>(Append(std::make_unique<TQmDialogPage>(report_)));
}

TQmReportPage* TQmPages::AddReportPage() {
    return static_cast<TQmReportPage*>(Append(NewReportPage(report_, report_->GetPrinter()->PaperSize, QmDefaultBinCode)));
}

void TQmPages::SaveToStream(TStream* stream) {
    for (const auto& page : pages_) {
        WriteByte(stream, kPageTag);
        WriteString(stream, page->ClassName());
        page->SaveToStream(stream);
    }
    for (int index = 0; index < GetCount(); ++index)
        for (TQmView* view : GetPage(index)->GetObjects()) {
            WriteByte(stream, view->TypeCode);
            WriteString(stream, view->ClassName());
            const Int64 offsetAt = stream->Position();
            WriteInteger(stream, 0);
            WriteByte(stream, static_cast<Byte>(index));
            view->InPreparedPage = false;
            view->SaveToStream(stream);
            const Int64 end = stream->Position();
            stream->SetPosition(offsetAt);
            WriteInteger(stream, static_cast<Integer>(end));
            stream->Seek(0, soEnd);
        }
    WriteByte(stream, kDictionaryTag);
    report_->Dictionary()->SaveToStream(stream);
}

bool TQmPages::ReadObject(Byte typeCode, TStream* stream, bool& unknown, AnsiString& unknownNames) {
    AnsiString className;
    ReadString(stream, className);
    const Int64 end = ReadInteger(stream);
    // The end must lie past the page byte that follows and within the data.
    if (end <= stream->Position() || end > stream->Size()) return false;
    const Byte pageIndex = ReadByte(stream);
    try {
        TQmCustomPage* page = GetPage(pageIndex);
        report_->CurrentPage = page;
        std::unique_ptr<TQmPersistent> object = CreateReportObjectForLoad(typeCode, className, unknown, unknownNames);
        if (auto* view = dynamic_cast<TQmView*>(object.get()); view && page) {
            view->InPreparedPage = false;
            view->AutoNameOnPlace = false;
            view->SetParentPage(page);
            object.release();
            view->LoadFromStream(stream);
        }
    } catch (const Exception&) {
        // The record is skipped; the reader goes on at its end.
    }
    stream->SetPosition(end);
    return true;
}

void TQmPages::LoadFromStream(Word version, TStream* stream) {
    Clear();
    bool unknown = false;
    AnsiString unknownNames;
    while (stream->Position() < stream->Size()) {
        const Byte tag = ReadByte(stream);
        if (tag == kDictionaryTag) {
            report_->Dictionary()->Clear();
            if (!report_->Dictionary()->LoadFromStream(stream)) break;
        } else if (tag == kPageTag) {
            TQmCustomPage* page = nullptr;
            if (version > 50) {
                AnsiString className;
                ReadString(stream, className);
                std::unique_ptr<TQmCustomPage> made = CreateReportPage(report_, className);
                if (!made) {
                    unknown = true;
                    unknownNames += className + "\r";
                    break;
                }
                page = Append(std::move(made));
            } else if (ReadByte(stream) != 0) {
                page = AddReportPage();
            } else {
                page = AddDialogPage();
            }
            page->LoadFromStream(stream);
        } else if (tag > kLastObjectCode) {
            throw Exception("");
        } else if (!ReadObject(tag, stream, unknown, unknownNames)) {
            report_->ErrorFlag = true;
            report_->ErrorText = LoadReportString(qmsDamagedTemplate);
            Application->MessageBox(report_->ErrorText, LoadReportString(qmsErrorCaption), MB_ICONERROR);
            break;
        }
    }
    if (unknown) {
        report_->ErrorFlag = true;
        report_->ErrorText = unknownNames;
        throw EClassNotFound(unknownNames);
    }
    FinishLoad();
}

void TQmPages::FinishLoad() {
    for (const auto& page : pages_) {
        page->AfterLoad();
        const std::vector<TQmView*> objects = page->GetObjects();
        for (TQmView* view : objects) {
            if (auto* subReport = dynamic_cast<TQmSubReportView*>(view); subReport && subReport->SubPage < GetCount())
                if (TQmCustomPage* subPage = GetPage(subReport->SubPage)) subPage->IsSubReportPage = true;
            view->Changed();
            view->Loaded();
        }
    }
}
