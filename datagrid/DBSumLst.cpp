#include "datagrid/DBSumLst.h"

#include <cmath>

#include "platform/data/datasource.h"
#include "platform/data/field.h"
#include "platform/rtl/sysutils.h"

namespace {

constexpr Int64 kOneRecord = Currency::Scale;

bool Counts(const TDBSum* sum) { return sum->GroupOperation() == goCount; }

// The field an item reads for the current record, or nullptr for a count
// of records. An unknown name raises the dataset's field-not-found error.
TField* ItemField(TDataSet* dataSet, const TDBSum* sum) {
    if (sum->FieldName().empty()) return nullptr;
    return dataSet->FieldByName(sum->FieldName());
}

Currency FieldAmount(TField* field) { return field->IsNull() ? Currency() : Currency(field->AsFloat()); }

}  // namespace

// ---- TDBSum ------------------------------------------------------------------------------------

void TDBSum::Published(TPublished<TDBSum>& p) {
    p.Property("FieldName", &TDBSum::FieldName, &TDBSum::SetFieldName);
    p.Property("GroupOperation", &TDBSum::GroupOperation, &TDBSum::SetGroupOperation);
}

TDBSum::TDBSum(TCollection* collection) : TCollectionItem(collection), PrevFieldValue(Null()) {}

void TDBSum::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TDBSum*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetGroupOperation(other->GroupOperation());
    SetFieldName(other->FieldName());
    PrevContribution = other->PrevContribution;
    Amount = other->Amount;
}

void TDBSum::SetFieldName(const AnsiString& v) {
    if (v == fieldName_) return;
    fieldName_ = v;
    Changed(false);
}

void TDBSum::SetGroupOperation(TGroupOperation v) {
    if (v == groupOperation_) return;
    groupOperation_ = v;
    Changed(false);
}

// ---- TDBSumCollection ------------------------------------------------------------------------

TDBSumCollection::TDBSumCollection(TDBSumListProducer* producer)
    : TCollection(TDBSum::StaticClass()), producer_(producer) {}

TDBSum* TDBSumCollection::FindSum(TGroupOperation operation, const AnsiString& fieldName) const {
    for (int i = 0; i < Count(); ++i) {
        TDBSum* sum = Items(i);
        if (sum->GroupOperation() == operation && AnsiSameText(sum->FieldName(), fieldName)) return sum;
    }
    return nullptr;
}

void TDBSumCollection::Update(TCollectionItem*) { producer_->ItemsChanged(); }

TPersistent* TDBSumCollection::GetOwner() const { return producer_; }

// ---- TDBSumListProducer ----------------------------------------------------------------------

TDBSumListProducer::TDBSumListProducer(TComponent* owner)
    : owner_(owner),
      items_(std::make_unique<TDBSumCollection>(this)),
      virtualRecordList_(std::make_unique<TStringList>()) {}

TDBSumListProducer::~TDBSumListProducer() {
    UnhookDataSet();
    // The items go before the producer; their leaving must not recount.
    active_ = false;
    items_.reset();
}

bool TDBSumListProducer::OwnerLoading() const {
    return owner_ && owner_->ComponentState().Contains(csLoading);
}

bool TDBSumListProducer::MayWork() const {
    if (OwnerLoading()) return false;
    return worksAtDesignTime_ || !owner_ || !owner_->ComponentState().Contains(csDesigning);
}

void TDBSumListProducer::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TDBSumListProducer*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetActive(other->Active());
    SetWatchedDataSet(other->DataSet());
    SetExternalRecalc(other->ExternalRecalc());
    items_->Assign(other->SumCollection());
    SetSumListChanged(other->SumListChanged());
    SetVirtualRecords(other->VirtualRecords());
    SetOnAfterRecalcAll(other->OnAfterRecalcAll());
    SetOnRecalcAll(other->OnRecalcAll());
}

void TDBSumListProducer::SetActive(bool v) {
    if (v == active_) return;
    if (v)
        TurnOn(true);
    else
        TurnOff(true);
}

void TDBSumListProducer::TurnOn(bool recount) {
    active_ = true;
    if (!MayWork()) return;
    HookDataSet();
    if (recount) RecountAll();
}

void TDBSumListProducer::TurnOff(bool reset) {
    active_ = false;
    if (!MayWork()) return;
    UnhookDataSet();
    if (reset) ResetSums();
}

void TDBSumListProducer::SetWatchedDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) {
        if (dataSet_ && dataSet_->ComponentState().Contains(csDestroying)) {
            UnhookDataSet();
            dataSet_ = nullptr;
        }
        return;
    }
    if (!MayWork()) {
        dataSet_ = dataSet;
        return;
    }
    const bool wasActive = active_;
    TurnOff(true);
    dataSet_ = dataSet;
    if (wasActive) TurnOn(true);
}

void TDBSumListProducer::AfterLoad() {
    if (dataSet_ && active_) TurnOn(true);
}

void TDBSumListProducer::SetExternalRecalc(bool v) {
    if (v == externalRecalc_) return;
    externalRecalc_ = v;
    RecountAll();
}

void TDBSumListProducer::SetVirtualRecords(bool v) {
    if (v == virtualRecords_) return;
    virtualRecords_ = v;
    if (v) RecountAll();
}

void TDBSumListProducer::ItemsChanged() {
    if (OwnerLoading() || (owner_ && owner_->ComponentState().Contains(csDestroying))) return;
    RecountAll();
}

void TDBSumListProducer::ResetSums() {
    for (int i = 0; i < items_->Count(); ++i) {
        TDBSum* sum = items_->Items(i);
        sum->Amount = Currency();
        sum->PrevContribution = Currency();
        sum->AvgSum = Currency();
        sum->NonNullCount = 0;
    }
    NotifyChanged();
}

// ---- Record numbers ------------------------------------------------------------------------------

bool TDBSumListProducer::VirtualNumbering() const {
    return dataSet_ && !dataSet_->IsSequenced() && virtualRecords_ && active_;
}

bool TDBSumListProducer::RecordsSequenced() const {
    if (dataSet_ && dataSet_->IsSequenced()) return true;
    if (!VirtualNumbering()) return false;
    return virtualRecordList_->Count() > 0 || (dataSet_->Bof() && dataSet_->Eof());
}

int TDBSumListProducer::VirtualRecordCount() const {
    if (VirtualNumbering()) return virtualRecordList_->Count();
    return dataSet_ ? dataSet_->RecordCount() : 0;
}

int TDBSumListProducer::VirtualRecNo() const {
    if (!VirtualNumbering()) return dataSet_ ? dataSet_->RecNo() : 0;
    return const_cast<TDBSumListProducer*>(this)->IndexOfVirtualRecord(dataSet_->Bookmark()) + 1;
}

void TDBSumListProducer::SetVirtualRecNo(int recNo) {
    if (!dataSet_) return;
    if (VirtualNumbering())
        dataSet_->GotoBookmark(virtualRecordList_->Strings(recNo - 1));
    else
        dataSet_->SetRecNo(recNo);
}

int TDBSumListProducer::IndexOfVirtualRecord(const TBookmarkStr& bookmark) {
    if (lastVirtualIndex_ == -1) lastVirtualIndex_ = 0;
    const int count = virtualRecordList_->Count();
    if (count == 0) return -1;
    if (lastVirtualIndex_ >= count) lastVirtualIndex_ = 0;
    const int first = dataSet_->CompareBookmarks(virtualRecordList_->Strings(lastVirtualIndex_), bookmark);
    if (first == 0) return lastVirtualIndex_;
    const int step = first > 0 ? -1 : 1;
    for (int i = lastVirtualIndex_ + step; i >= 0 && i < count; i += step) {
        lastVirtualIndex_ = i;
        if (dataSet_->CompareBookmarks(virtualRecordList_->Strings(i), bookmark) == 0) return i;
    }
    return -1;
}

void TDBSumListProducer::InsertVirtualBookmark(const TBookmarkStr& bookmark) {
    const int count = virtualRecordList_->Count();
    int i = lastVirtualIndex_ < 0 || lastVirtualIndex_ >= count ? 0 : lastVirtualIndex_;
    auto entryAfter = [&](int index) {
        return dataSet_->CompareBookmarks(virtualRecordList_->Strings(index), bookmark) > 0;
    };
    if (i < count && entryAfter(i)) {
        while (i > 0 && entryAfter(i - 1)) --i;
    } else {
        while (i < count && !entryAfter(i)) ++i;
    }
    virtualRecordList_->Insert(i, bookmark);
    lastVirtualIndex_ = i;
}

// ---- Hooks ----------------------------------------------------------------------------------------

void TDBSumListProducer::HookDataSet() {
    if (!dataSet_ || hooksInstalled_) return;
    masterDataSet_ = nullptr;
    if (PPropInfo info = GetPropInfo(dataSet_, "MasterSource"); info && info->PropType()->Kind == tkClass) {
        try {
            if (auto* source = dynamic_cast<TDataSource*>(GetObjectProp(dataSet_, "MasterSource")))
                masterDataSet_ = source->DataSet();
        } catch (const Exception&) {
            masterDataSet_ = nullptr;
        }
    }
    saved_.afterEdit = dataSet_->AfterEdit();
    saved_.afterInsert = dataSet_->AfterInsert();
    saved_.afterOpen = dataSet_->AfterOpen();
    saved_.afterPost = dataSet_->AfterPost();
    saved_.afterScroll = dataSet_->AfterScroll();
    saved_.beforeDelete = dataSet_->BeforeDelete();
    saved_.afterClose = dataSet_->AfterClose();
    saved_.afterCancel = dataSet_->AfterCancel();
    saved_.onDeleteError = dataSet_->OnDeleteError();
    dataSet_->SetAfterEdit(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleAfterEdit));
    dataSet_->SetAfterInsert(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleAfterInsert));
    dataSet_->SetAfterOpen(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleAfterOpen));
    dataSet_->SetAfterPost(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleAfterPost));
    dataSet_->SetAfterScroll(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleAfterScroll));
    dataSet_->SetBeforeDelete(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleBeforeDelete));
    dataSet_->SetAfterClose(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleAfterClose));
    dataSet_->SetAfterCancel(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleAfterCancel));
    dataSet_->SetOnDeleteError(TDataSetErrorEvent(this, &TDBSumListProducer::HandleDeleteError));
    if (masterDataSet_) {
        saved_.masterAfterScroll = masterDataSet_->AfterScroll();
        masterDataSet_->SetAfterScroll(TDataSetNotifyEvent(this, &TDBSumListProducer::HandleMasterScroll));
    }
    hooksInstalled_ = true;
}

void TDBSumListProducer::UnhookDataSet() {
    if (!dataSet_ || !hooksInstalled_) return;
    dataSet_->SetAfterEdit(saved_.afterEdit);
    dataSet_->SetAfterInsert(saved_.afterInsert);
    dataSet_->SetAfterOpen(saved_.afterOpen);
    dataSet_->SetAfterPost(saved_.afterPost);
    dataSet_->SetAfterScroll(saved_.afterScroll);
    dataSet_->SetBeforeDelete(saved_.beforeDelete);
    dataSet_->SetAfterClose(saved_.afterClose);
    dataSet_->SetAfterCancel(saved_.afterCancel);
    dataSet_->SetOnDeleteError(saved_.onDeleteError);
    if (masterDataSet_) masterDataSet_->SetAfterScroll(saved_.masterAfterScroll);
    saved_ = SavedHandlers();
    masterDataSet_ = nullptr;
    hooksInstalled_ = false;
    virtualRecordList_->Clear();
}

void TDBSumListProducer::HandleAfterOpen(TDataSet* dataSet) {
    if (active_) RecountAll();
    saved_.afterOpen(dataSet);
}

void TDBSumListProducer::HandleAfterClose(TDataSet* dataSet) {
    if (active_) {
        ResetSums();
        recounting_ = false;
    }
    virtualRecordList_->Clear();
    saved_.afterClose(dataSet);
}

void TDBSumListProducer::HandleAfterEdit(TDataSet* dataSet) {
    if (active_)
        for (int i = 0; i < items_->Count(); ++i) {
            TDBSum* sum = items_->Items(i);
            if (sum->FieldName().empty() && !Counts(sum)) continue;
            TField* field = ItemField(dataSet_, sum);
            if (Counts(sum)) {
                sum->PrevContribution = Currency::FromScaled(!field || !field->IsNull() ? kOneRecord : 0);
            } else {
                sum->PrevContribution = FieldAmount(field);
                sum->PrevFieldValue = field->Value();
            }
        }
    saved_.afterEdit(dataSet);
}

void TDBSumListProducer::HandleAfterInsert(TDataSet* dataSet) {
    if (active_) {
        for (int i = 0; i < items_->Count(); ++i) {
            TDBSum* sum = items_->Items(i);
            sum->PrevContribution = Currency();
            if (!Counts(sum)) sum->PrevFieldValue = Null();
        }
        if (VirtualNumbering()) {
            const TBookmarkStr bookmark = dataSet_->Bookmark();
            if (bookmark.empty())
                insertWithoutBookmark_ = true;
            else
                virtualRecordList_->Add(bookmark);
        }
    }
    saved_.afterInsert(dataSet);
}

void TDBSumListProducer::RecomputeAverage(TDBSum* sum) {
    sum->Amount = sum->NonNullCount == 0
                      ? Currency()
                      : Currency::FromScaled(std::llround(static_cast<double>(sum->AvgSum.Scaled()) / sum->NonNullCount));
}

void TDBSumListProducer::HandleAfterPost(TDataSet* dataSet) {
    if (active_) {
        for (int i = 0; i < items_->Count(); ++i) {
            TDBSum* sum = items_->Items(i);
            if (sum->FieldName().empty() && !Counts(sum)) continue;
            TField* field = ItemField(dataSet_, sum);
            switch (sum->GroupOperation()) {
                case goSum:
                    sum->Amount = sum->Amount - sum->PrevContribution + FieldAmount(field);
                    break;
                case goAvg:
                    if (field->IsNull()) {
                        if (!VarIsNull(sum->PrevFieldValue)) --sum->NonNullCount;
                        sum->AvgSum -= sum->PrevContribution;
                    } else {
                        if (VarIsNull(sum->PrevFieldValue)) ++sum->NonNullCount;
                        sum->AvgSum = sum->AvgSum - sum->PrevContribution + FieldAmount(field);
                    }
                    RecomputeAverage(sum);
                    break;
                case goCount:
                    sum->Amount -= sum->PrevContribution;
                    if (!field || !field->IsNull()) sum->Amount += Currency::FromScaled(kOneRecord);
                    break;
            }
        }
        if (VirtualNumbering() && insertWithoutBookmark_) {
            InsertVirtualBookmark(dataSet_->Bookmark());
            insertWithoutBookmark_ = false;
        }
        NotifyChanged();
    }
    saved_.afterPost(dataSet);
}

void TDBSumListProducer::HandleAfterCancel(TDataSet* dataSet) {
    saved_.afterCancel(dataSet);
    insertWithoutBookmark_ = false;
}

void TDBSumListProducer::ApplyRecordShare(int sign) {
    for (int i = 0; i < items_->Count(); ++i) {
        TDBSum* sum = items_->Items(i);
        if (sum->FieldName().empty() && !Counts(sum)) continue;
        TField* field = ItemField(dataSet_, sum);
        const Currency share = sign > 0 ? Currency(1) : Currency(-1);
        switch (sum->GroupOperation()) {
            case goSum:
                sum->Amount += share * FieldAmount(field);
                break;
            case goAvg:
                sum->AvgSum += share * FieldAmount(field);
                if (!field->IsNull()) sum->NonNullCount += sign;
                RecomputeAverage(sum);
                break;
            case goCount:
                if (!field || !field->IsNull()) sum->Amount += Currency::FromScaled(sign * kOneRecord);
                break;
        }
    }
}

void TDBSumListProducer::HandleBeforeDelete(TDataSet* dataSet) {
    saved_.beforeDelete(dataSet);
    if (!active_) return;
    ApplyRecordShare(-1);
    if (VirtualNumbering()) {
        const int index = IndexOfVirtualRecord(dataSet_->Bookmark());
        if (index >= 0) virtualRecordList_->Delete(index);
    }
    NotifyChanged();
}

void TDBSumListProducer::HandleDeleteError(TDataSet* dataSet, EDatabaseError* error, TDataAction& action) {
    saved_.onDeleteError(dataSet, error, action);
    // A retry deletes the same record again, which BeforeDelete has already
    // taken away; a failure keeps the record, which gets its share back.
    if (!active_ || action == daRetry) return;
    ApplyRecordShare(1);
    if (VirtualNumbering()) InsertVirtualBookmark(dataSet_->Bookmark());
    NotifyChanged();
}

void TDBSumListProducer::HandleAfterScroll(TDataSet* dataSet) {
    saved_.afterScroll(dataSet);
    if (!active_ || recounting_) return;
    if (dataSet_->Filtered() != lastFiltered_ || (dataSet_->Filtered() && dataSet_->Filter() != lastFilter_))
        RecountAll();
}

void TDBSumListProducer::HandleMasterScroll(TDataSet* dataSet) {
    saved_.masterAfterScroll(dataSet);
    if (active_ && !recounting_) RecountAll();
}

// ---- Recount --------------------------------------------------------------------------------------

void TDBSumListProducer::RecountAll() {
    if (!MayWork() || !active_ || !dataSet_ || !dataSet_->Active() || !hooksInstalled_) return;
    ResetSums();
    lastVirtualIndex_ = -1;
    onRecalcAll_(this);
    struct Finish {
        TDBSumListProducer* self;
        ~Finish() {
            self->lastFiltered_ = self->dataSet_->Filtered();
            self->lastFilter_ = self->dataSet_->Filter();
            self->recounting_ = false;
            self->NotifyChanged();
        }
    } finish{this};
    if (externalRecalc_) return;
    bool walk = !dataSet_->IsSequenced() && virtualRecords_;
    for (int i = 0; i < items_->Count() && !walk; ++i)
        walk = Counts(items_->Items(i)) || !items_->Items(i)->FieldName().empty();
    if (!walk) {
        onAfterRecalcAll_(this);
        return;
    }
    dataSet_->DisableControls();
    try {
        virtualRecordList_->Clear();
        recounting_ = true;
        const bool listBookmarks = !dataSet_->IsSequenced() && virtualRecords_;
        std::vector<std::pair<TDBSum*, TField*>> reads;
        for (int i = 0; i < items_->Count(); ++i) {
            TDBSum* sum = items_->Items(i);
            if (sum->FieldName().empty() && !Counts(sum)) continue;
            reads.emplace_back(sum, ItemField(dataSet_, sum));
        }
        for (dataSet_->First(); !dataSet_->Eof(); dataSet_->Next()) {
            for (auto [sum, field] : reads) switch (sum->GroupOperation()) {
                    case goSum:
                        if (!field->IsNull()) sum->Amount += FieldAmount(field);
                        break;
                    case goAvg:
                        sum->AvgSum += FieldAmount(field);
                        if (!field->IsNull()) ++sum->NonNullCount;
                        break;
                    case goCount:
                        if (!field || !field->IsNull()) sum->Amount += Currency::FromScaled(kOneRecord);
                        break;
                }
            if (listBookmarks) virtualRecordList_->Add(dataSet_->Bookmark());
        }
        dataSet_->First();
        for (auto [sum, field] : reads)
            if (sum->GroupOperation() == goAvg) RecomputeAverage(sum);
    } catch (...) {
        dataSet_->EnableControls();
        throw;
    }
    dataSet_->EnableControls();
    onAfterRecalcAll_(this);
}

// ---- TDBGridVynSumList ------------------------------------------------------------------------

void TDBGridVynSumList::Published(TPublished<TDBGridVynSumList>& p) {
    p.Property("Active", &TDBGridVynSumList::Active, &TDBGridVynSumList::SetActive).Default(false);
    p.Property("ExternalRecalc", &TDBGridVynSumList::ExternalRecalc, &TDBGridVynSumList::SetExternalRecalc)
        .Default(false);
    p.Property("OnRecalcAll", &TDBGridVynSumList::OnRecalcAll, &TDBGridVynSumList::SetOnRecalcAll);
    p.Property("OnAfterRecalcAll", &TDBGridVynSumList::OnAfterRecalcAll, &TDBGridVynSumList::SetOnAfterRecalcAll);
    p.Property("SumListChanged", &TDBGridVynSumList::SumListChanged, &TDBGridVynSumList::SetSumListChanged);
    p.Property("VirtualRecords", &TDBGridVynSumList::VirtualRecords, &TDBGridVynSumList::SetVirtualRecords)
        .Default(false);
}

TDBGridVynSumList::TDBGridVynSumList(TComponent* owner) : TDBSumListProducer(owner) {
    SetWorksAtDesignTime(true);
    SetActive(false);
}

void TDBGridVynSumList::HookDataSet() {
    if (GetOwner() && static_cast<TComponent*>(GetOwner())->ComponentState().Contains(csDesigning)) {
        SetHooksInstalled(true);
        return;
    }
    TDBSumListProducer::HookDataSet();
}

void TDBGridVynSumList::UnhookDataSet() {
    if (GetOwner() && static_cast<TComponent*>(GetOwner())->ComponentState().Contains(csDesigning)) {
        SetHooksInstalled(false);
        return;
    }
    TDBSumListProducer::UnhookDataSet();
}
