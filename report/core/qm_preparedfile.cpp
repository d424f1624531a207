// The prepared-report file (".qmp"): version 62 written, versions 53 to 62
// read, page streams converted to the report's compression on load.
#include "platform/ui/dialogs.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_pictures.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_fm.h"

namespace {

AnsiString FileSignature() { return AnsiString(TQmEndPages::Signature) + '\x1a'; }

// Turns the report's CompressThread off for a write and back afterwards.
class CompressThreadOff {
public:
    explicit CompressThreadOff(TQmReport* report) : report_(report), saved_(report->CompressThread()) {
        report_->SetCompressThread(false);
    }
    ~CompressThreadOff() { report_->SetCompressThread(saved_); }

private:
    TQmReport* report_;
    bool saved_;
};

}  // namespace

void TQmEndPages::SaveToStream(TStream* stream) {
    if (!stream) return;
    WriteString(stream, FileSignature());
    WriteByte(stream, Version);
    WriteBoolean(stream, Compressed);
    WriteByte(stream, CompressionMarker);
    WriteInteger(stream, BkPictureCount());
    for (const auto& picture : bkPictures_) {
        for (Integer value : {picture->Left, picture->Top, picture->Width, picture->Height}) WriteInteger(stream, value);
        SavePicture(stream, picture->Picture());
    }
    WriteString(stream, report_->PrinterName());
    for (const AnsiString& info : report_->ReportInfo) WriteString(stream, info);
    WriteInteger(stream, 0);
    WriteStringList(stream, report_->Script());
    WriteStringList(stream, outline_.get());

    for (const auto& page : pages_) page->WaitReady();
    CompressThreadOff threadOff(report_);
    WriteInteger(stream, GetCount());
    for (const auto& page : pages_) {
        if (ReadFromFile) {
            page->CreateObjects(report_, false);
            page->StoreObjects(report_);
            page->FreeObjects();
        }
        const Int64 start = stream->Position();
        WriteInteger(stream, 0);
        WriteWord(stream, page->PaperSize);
        WriteInteger(stream, page->PaperWidth);
        WriteInteger(stream, page->PaperHeight);
        WriteByte(stream, page->Orientation);
        WriteInteger(stream, page->Bin);
        for (Integer margin : page->Margins) WriteInteger(stream, margin);
        WriteByte(stream, page->Duplex);
        WriteBoolean(stream, page->NewPrintJob);
        WriteInteger(stream, page->BkPictureIndex);
        if (page->Stream()->Size() > 0) stream->CopyFrom(page->Stream(), 0);
        const Int64 end = stream->Position();
        stream->SetPosition(start);
        WriteInteger(stream, static_cast<Integer>(end));
        stream->SetPosition(end);
    }
}

void TQmEndPages::LoadFromStream(TStream* stream) { ReadFile(stream, true); }

void TQmEndPages::AppendFromStream(TStream* stream) { ReadFile(stream, false); }

void TQmEndPages::ReadFile(TStream* stream, bool clearFirst) {
    if (!stream) return;
    AnsiString signature;
    try {
        ReadString(stream, signature);
    } catch (const EReadError&) {
        signature.clear();
    }
    if (signature != FileSignature()) {
        MessageBox(0, LoadReportString(qmsNotPreparedFile).c_str(), LoadReportString(qmsErrorCaption).c_str(),
                   MB_ICONERROR);
        return;
    }
    if (clearFirst) Clear();
    struct TakeBack {
        TQmEndPages* pages;
        ~TakeBack() { pages->TakeCompression(); }
    } takeBack{this};

    const Byte version = ReadByte(stream);
    bool fileCompressed = false;
    CompressionMarker = ReportCompressionMarker();
    if (version >= 54) {
        fileCompressed = ReadBoolean(stream);
        CompressionMarker = ReadByte(stream);
    }
    const int bkBase = BkPictureCount();
    const Integer pictures = ReadInteger(stream);
    for (Integer i = 0; i < pictures; ++i) {
        std::array<Integer, 4> place{};
        for (Integer& value : place) value = ReadInteger(stream);
        const std::unique_ptr<TPicture> picture(TPicture::Create());
        LoadPicture(stream, picture.get());
        AddBkPicture(place[0], place[1], place[2], place[3], picture.get());
    }
    AnsiString printerName;
    ReadString(stream, printerName);
    report_->SetPrinterName(printerName);
    if (version > 55)
        for (AnsiString& info : report_->ReportInfo) ReadString(stream, info);
    if (version > 56) {
        ReadInteger(stream);
        ReadStringList(stream, report_->Script());
        // Compiled so that the pages' script events can run.
        if (!Trim(report_->Script()->Text()).empty()) {
            report_->Interpreter()->SetPas(report_->Script());
            report_->Interpreter()->Compile();
        }
        const std::unique_ptr<TStringList> outline(TStringList::Create());
        ReadStringList(stream, outline.get());
        outline_->AddStrings(outline.get());
    }

    const Integer count = ReadInteger(stream);
    for (Integer i = 0; i < count; ++i) {
        const Int64 start = stream->Position();
        const Int64 end = ReadInteger(stream);
        auto page = std::make_unique<TQmEndPage>(this);
        page->PaperSize = ReadWord(stream);
        page->PaperWidth = ReadInteger(stream);
        page->PaperHeight = ReadInteger(stream);
        page->Orientation = ReadByte(stream);
        page->Bin = ReadInteger(stream);
        for (Integer& margin : page->Margins) margin = ReadInteger(stream);
        page->Duplex = ReadByte(stream);
        page->NewPrintJob = version >= 55 && ReadBoolean(stream);
        page->BkPictureIndex = static_cast<Byte>((version >= 62 ? ReadInteger(stream) : 0) + bkBase);
        // An offset before the fields just read, or past the data, would
        // read outside the page; the file is damaged.
        if (end < stream->Position() || end <= start || end > stream->Size())
            throw EReadError("Prepared page " + IntToStr(i + 1) + " ends outside the file");
        if (end > stream->Position()) page->Stream()->CopyFrom(stream, end - stream->Position());
        page->Compressed = fileCompressed;
        ConvertCompression(*page, fileCompressed);
        TQmPrinter* printer = report_->GetPrinter();
        try {
            printer->SetPaper(page->PaperSize, page->PaperWidth, page->PaperHeight, page->Bin, page->Orientation,
                              false);
        } catch (const Exception&) {
            printer->SetPaper(QmCustomPaperCode, page->PaperWidth, page->PaperHeight, -1, page->Orientation, false);
        }
        printer->GetPageInfo(page->PageInfo);
        stream->SetPosition(end);
        pages_.push_back(std::move(page));
    }
}

void TQmEndPages::ConvertCompression(TQmEndPage& page, bool fileCompressed) {
    if (fileCompressed == ReportCompressed()) return;
    const std::unique_ptr<TMemoryStream> converted(TMemoryStream::Create());
    if (page.Compressed) DecompressStream(page.Stream(), converted.get());
    else CompressStream(page.Stream(), converted.get(), ZLevelOf(report_));
    page.Stream()->LoadFromStream(converted.get());
    page.Compressed = !page.Compressed;
}
