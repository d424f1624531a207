// The data sources' walks, field access and published tables.
#include "report/core/qm_dataset.h"

#include <memory>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

SERVIORA_REGISTER_CLASS(TQmUserDataset);
SERVIORA_REGISTER_CLASS(TQmDBDataSet);

void TQmDataset::Published(TPublished<TQmDataset>& p) {
    p.Property("DictionaryKey", &TQmDataset::DictionaryKey, &TQmDataset::SetDictionaryKey);
    p.Property("RangeBegin", &TQmDataset::RangeBegin, &TQmDataset::SetRangeBegin).Default(qmrbFirst);
    p.Property("RangeEnd", &TQmDataset::RangeEnd, &TQmDataset::SetRangeEnd).Default(qmreLast);
    p.Property("RangeEndCount", &TQmDataset::RangeEndCount, &TQmDataset::SetRangeEndCount).Default(0);
}

void TQmDataset::Init() {
    if (onInit_) onInit_(this);
}

void TQmDataset::First() {
    recordNo_ = 0;
    if (onFirst_) onFirst_(this);
}

void TQmDataset::Next() {
    ++recordNo_;
    if (!CountReached() && onNext_) onNext_(this);
}

void TQmDataset::Prior() {
    --recordNo_;
    if (onPrior_) onPrior_(this);
}

bool TQmDataset::Eof() {
    bool eof = CountReached();
    if (onCheckEOF_) onCheckEOF_(this, eof);
    return eof;
}

void TQmUserDataset::GetFieldValue(const AnsiString& fieldName, bool /*convertNulls*/, Variant& value) {
    value = Variant();
    if (onGetFieldValue_) onGetFieldValue_(this, fieldName, value);
}

void TQmUserDataset::GetFieldsList(TStrings* list) {
    if (onGetFieldsList_) onGetFieldsList_(this, list);
}

void TQmUserDataset::Published(TPublished<TQmUserDataset>& p) {
    PublishWalkEvents(p);
    p.Property("OnGetFieldValue", &TQmUserDataset::OnGetFieldValue, &TQmUserDataset::SetOnGetFieldValue);
    p.Property("OnGetFieldsList", &TQmUserDataset::OnGetFieldsList, &TQmUserDataset::SetOnGetFieldsList);
}

TQmDBDataSet::~TQmDBDataSet() { SetDataSet(nullptr); }

void TQmDBDataSet::SetDataSet(TDataSet* v) {
    if (v == dataSet_) return;
    if (dataSet_) dataSet_->RemoveFreeNotification(this);
    dataSet_ = v;
    if (dataSet_) dataSet_->FreeNotification(this);
}

void TQmDBDataSet::Notification(TComponent* component, TOperation operation) {
    TQmDataset::Notification(component, operation);
    if (operation == opRemove && component == dataSet_) dataSet_ = nullptr;
}

TDataSet* TQmDBDataSet::Checked() const {
    if (!dataSet_) throw EDSError(LoadReportString(qmsUnableToOpenDataset) + Name());
    return dataSet_;
}

void TQmDBDataSet::Open() {
    if (openDataSet_) Checked()->Open();
    if (onOpen_) onOpen_(this);
}

void TQmDBDataSet::Init() {
    Open();
    TDataSet* data = Checked();
    startBookmark_.reset();
    if (data->Active()) startBookmark_ = data->Bookmark();
    pastEnd_ = false;
}

void TQmDBDataSet::Exit() {
    TDataSet* data = Checked();
    if (startBookmark_ && (RangeBegin() == qmrbCurrent || RangeEnd() == qmreCurrent))
        data->GotoBookmark(*startBookmark_);
    startBookmark_.reset();
    if (onClose_) onClose_(this);
    if (closeDataSet_) data->Close();
}

void TQmDBDataSet::First() {
    TDataSet* data = Checked();
    if (RangeBegin() == qmrbFirst) data->First();
    if (RangeBegin() == qmrbCurrent && startBookmark_) data->GotoBookmark(*startBookmark_);
    pastEnd_ = false;
    TQmDataset::First();
}

void TQmDBDataSet::Last() {
    TDataSet* data = Checked();
    if (RangeEnd() == qmreLast) data->Last();
    if (RangeEnd() == qmreCurrent && startBookmark_) data->GotoBookmark(*startBookmark_);
    pastEnd_ = true;
}

void TQmDBDataSet::Next() {
    TDataSet* data = Checked();
    pastEnd_ = false;
    if (RangeEnd() == qmreCurrent && startBookmark_ && data->CompareBookmarks(data->Bookmark(), *startBookmark_) == 0) {
        pastEnd_ = true;
        return;
    }
    data->Next();
    TQmDataset::Next();
}

void TQmDBDataSet::Prior() {
    Checked()->Prior();
    TQmDataset::Prior();
}

bool TQmDBDataSet::Eof() {
    TDataSet* data = Checked();
    return TQmDataset::Eof() || pastEnd_ || data->Eof();
}

void TQmDBDataSet::GetFieldValue(const AnsiString& fieldName, bool convertNulls, Variant& value) {
    TField* field = Checked()->FindField(fieldName);
    if (!field) return;
    value = field->OnGetText() || field->DataType() == ftLargeint ? Variant(field->DisplayText()) : field->Value();
    if (!VarIsNull(value) || !convertNulls) return;
    switch (field->DataType()) {
    case ftString:
    case ftWideString: value = AnsiString(); break;
    case ftBoolean: value = false; break;
    default: value = 0; break;
    }
}

bool TQmDBDataSet::FieldIsNull(const AnsiString& fieldName) {
    TField* field = Checked()->FindField(fieldName);
    return field && field->IsNull();
}

int TQmDBDataSet::FieldWidth(const AnsiString& fieldName) {
    TField* field = Checked()->FindField(fieldName);
    return field ? field->DisplayWidth() : 0;
}

void TQmDBDataSet::GetFieldsList(TStrings* list) {
    list->Clear();
    if (!dataSet_) return;
    try {
        dataSet_->GetFieldNames(list);
    } catch (const EConvertError&) {
        // A dataset whose own list fails on a column still has its fields
        // or field definitions.
        dataSet_->TDataSet::GetFieldNames(list);
    }
}

bool TQmDBDataSet::IsBlobField(const AnsiString& fieldName) {
    TField* field = dataSet_ ? dataSet_->FindField(fieldName) : nullptr;
    if (!field) return false;
    switch (field->DataType()) {
    case ftBlob:
    case ftMemo:
    case ftGraphic:
    case ftFmtMemo:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftTypedBinary: return true;
    default: return false;
    }
}

namespace {

// Picture fields written by some programs start with 1, 256 and the
// length of what follows; the picture itself comes after.
void SkipPictureBlobHeader(TStream* blob) {
    const Int64 size = blob->Size();
    if (size < 8) return;
    Word first = 0, second = 0;
    Integer length = 0;
    blob->ReadBuffer(&first, 2);
    blob->ReadBuffer(&second, 2);
    blob->ReadBuffer(&length, 4);
    if (first != 1 || second != 256 || length != size - 8) blob->SetPosition(0);
}

}  // namespace

void TQmDBDataSet::AssignBlobTo(const AnsiString& fieldName, TObject* target) {
    TDataSet* dataSet = Checked();
    TField* field = dataSet->FieldByName(fieldName);
    if (auto* persistent = dynamic_cast<TPersistent*>(target)) {
        try {
            persistent->Assign(field);
        } catch (const EConvertError&) {
            auto* persist = dynamic_cast<IStreamPersist*>(target);
            if (!persist) throw;
            std::unique_ptr<TStream> blob(dataSet->CreateBlobStream(field));
            SkipPictureBlobHeader(blob.get());
            persist->LoadFromStream(blob.get());
        }
    } else if (auto* stream = dynamic_cast<TStream*>(target)) {
        std::unique_ptr<TStream> blob(dataSet->CreateBlobStream(field));
        stream->CopyFrom(blob.get(), 0);
        stream->SetPosition(0);
    }
}

void TQmDBDataSet::Published(TPublished<TQmDBDataSet>& p) {
    p.Property("DataSet", &TQmDBDataSet::DataSet, &TQmDBDataSet::SetDataSet);
    p.Property("OpenDataSet", &TQmDBDataSet::OpenDataSet, &TQmDBDataSet::SetOpenDataSet).Default(true);
    p.Property("CloseDataSet", &TQmDBDataSet::CloseDataSet, &TQmDBDataSet::SetCloseDataSet).Default(false);
    p.Property("OnOpen", &TQmDBDataSet::OnOpen, &TQmDBDataSet::SetOnOpen);
    p.Property("OnClose", &TQmDBDataSet::OnClose, &TQmDBDataSet::SetOnClose);
    PublishWalkEvents(p);
}
