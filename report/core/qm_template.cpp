// The template stream of a report: its header (signature, version, the
// offset of the pages part, description, print options, printer, script)
// around the pages part, and "ReportData", the template inside a form
// description.
#include "report/core/qm_class.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

namespace {

constexpr Word kTemplateVersion = 62;
// Versions from which the header holds the pages offset and flag word, and
// the Null switch.
constexpr Word kOffsetVersion = 52;
constexpr Word kConvertNullsVersion = 57;
// A stream this short holds no template.
constexpr Int64 kShortestTemplate = 9;

AnsiString SignatureText() { return AnsiString(TQmReport::Signature) + char(26); }

void ShowError(const AnsiString& text) {
    Application->MessageBox(text, LoadReportString(qmsErrorCaption), MB_ICONERROR);
}

}  // namespace

void TQmReport::SaveToStream(TStream* stream) {
    WriteString(stream, SignatureText());
    WriteWord(stream, kTemplateVersion);
    WriteWord(stream, 0);
    const Int64 offsetAt = stream->Position();
    WriteInteger(stream, 0);
    for (const AnsiString& info : ReportInfo) WriteString(stream, info);
    WriteBoolean(stream, ColorPrint);
    WriteInteger(stream, PrintOffsetTop);
    WriteInteger(stream, PrintOffsetLeft);
    WriteByte(stream, PageOrder);
    WriteBoolean(stream, Taoda);
    WriteBoolean(stream, DoublePass);
    const int index = PrinterIndexOf(printerName_);
    WriteString(stream, index <= 0 ? AnsiString("Default Printer") : index == 1 ? AnsiString("Virtual Printer") : printerName_);
    WriteStringList(stream, script_.get());
    WriteWord(stream, ReportFlags);
    WriteBoolean(stream, ConvertNulls());
    const Int64 pagesAt = stream->Position();
    stream->SetPosition(offsetAt);
    WriteInteger(stream, static_cast<Integer>(pagesAt));
    stream->Seek(0, soEnd);
    pages_->SaveToStream(stream);
}

bool TQmReport::ReadHeader(TStream* stream, Word& version) {
    AnsiString signature;
    ReadString(stream, signature);
    if (signature != SignatureText()) return false;
    version = ReadWord(stream);
    Integer pagesAt = 0;
    if (version >= kOffsetVersion) {
        ReadWord(stream);
        pagesAt = ReadInteger(stream);
    }
    for (AnsiString& info : ReportInfo) ReadString(stream, info);
    ColorPrint = ReadBoolean(stream);
    ReadInteger(stream);
    ReadInteger(stream);
    // The saved print settings bring the offsets back.
    PrintOffsetTop = PrintOffsetLeft = 0;
    PageOrder = ReadByte(stream);
    Taoda = ReadBoolean(stream);
    DoublePass = ReadBoolean(stream);
    AnsiString printer;
    ReadString(stream, printer);
    SetPrinterName(printer);
    ReadStringList(stream, script_.get());
    ReportFlags = 0;
    if (version >= kOffsetVersion) {
        ReportFlags = ReadWord(stream);
        if (version >= kConvertNullsVersion) SetConvertNulls(ReadBoolean(stream));
        stream->SetPosition(pagesAt);
    }
    return true;
}

void TQmReport::LoadFromStream(TStream* stream) {
    Clear();
    SetConvertNulls(true);
    if (stream->Size() - stream->Position() <= kShortestTemplate) return;
    Word version = 0;
    if (!ReadHeader(stream, version)) {
        ErrorFlag = true;
        ErrorText = LoadReportString(qmsNotReportFileError);
        ShowError(LoadReportString(qmsNotReportFile));
        pages_->Clear();
        pages_->AddReportPage();
        return;
    }
    try {
        pages_->LoadFromStream(version, stream);
    } catch (const EClassNotFound& e) {
        ShowError(LoadReportString(qmsNonPluggedComponents) + e.Message() + LoadReportString(qmsUseAppropriateComponent));
    }
    saveReportOptions_->LoadReportSetting(this, {});
}

// ---- "ReportData" ----------------------------------------------------------------

void TQmReport::DefineProperties(TFiler* filer) {
    TQmCustomReport::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "ReportData", [this](TStream* s) { ReadReportData(s); }, [this](TStream* s) { WriteReportData(s); }, true);
}

void TQmReport::ReadReportData(TStream* stream) {
    if (!storeInDFM_) return;
    const Integer size = ReadInteger(stream);
    if (!reportData_) reportData_.reset(TMemoryStream::Create());
    reportData_->Clear();
    if (size > 0) reportData_->CopyFrom(stream, size);
}

void TQmReport::WriteReportData(TStream* stream) {
    if (!storeInDFM_) return;
    std::unique_ptr<TMemoryStream> bytes(TMemoryStream::Create());
    SaveToStream(bytes.get());
    WriteInteger(stream, static_cast<Integer>(bytes->Size()));
    bytes->SetPosition(0);
    stream->CopyFrom(bytes.get(), bytes->Size());
}

void TQmReport::Loaded() {
    TQmCustomReport::Loaded();
    if (!storeInDFM_ || !reportData_) return;
    reportData_->SetPosition(0);
    LoadFromStream(reportData_.get());
    reportData_.reset();
}
