// The sum list behind a grid's footers: one TDBSum per sum, average or
// count footer, kept up to date by hooking the watched dataset's events.
// Edits, inserts and deletes change each value from the one record
// involved; the dataset is walked only when it opens, when the items
// change, when its filter changes and when a master dataset scrolls.
//
// Amounts are Currency (fixed point, four decimals): a counted record adds
// exactly 1, so sums of many values stay exact.
#pragma once

#include <memory>

#include "platform/data/dataset.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/events.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/stringlist.h"

SERVIORA_ENUM(TGroupOperation, goSum, goAvg, goCount)

class TDBSumListProducer;

class TDBSum : public TCollectionItem {
    SERVIORA_CLASS(TDBSum, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TDBSum(TCollection* collection);
    void Assign(TPersistent* source) override;

    // The aggregated field; empty for a count of records.
    const AnsiString& FieldName() const { return fieldName_; }
    void SetFieldName(const AnsiString& v);
    TGroupOperation GroupOperation() const { return groupOperation_; }
    void SetGroupOperation(TGroupOperation v);

    // The sum, the average or the count.
    Currency Amount;
    // What the record being edited or inserted contributed before the change.
    Currency PrevContribution;
    // Behind an average: the running sum and the records with a value.
    Currency AvgSum;
    int NonNullCount = 0;
    Variant PrevFieldValue;

private:
    AnsiString fieldName_;
    TGroupOperation groupOperation_ = goSum;
};

class TDBSumCollection : public TCollection {
    SERVIORA_CLASS(TDBSumCollection, TCollection)
public:
    explicit TDBSumCollection(TDBSumListProducer* producer);
    TDBSum* Items(int index) const { return static_cast<TDBSum*>(TCollection::Items(index)); }
    TDBSum* Add() { return static_cast<TDBSum*>(TCollection::Add()); }
    // The first item of `operation` over `fieldName` (ASCII case ignored).
    TDBSum* FindSum(TGroupOperation operation, const AnsiString& fieldName) const;

protected:
    void Update(TCollectionItem* item) override;
    TPersistent* GetOwner() const override;

private:
    TDBSumListProducer* producer_;
};

class TDBSumListProducer : public TPersistent {
    SERVIORA_CLASS(TDBSumListProducer, TPersistent)
public:
    explicit TDBSumListProducer(TComponent* owner);
    ~TDBSumListProducer() override;
    void Assign(TPersistent* source) override;

    bool Active() const { return active_; }
    void SetActive(bool v);
    bool ExternalRecalc() const { return externalRecalc_; }
    void SetExternalRecalc(bool v);
    bool VirtualRecords() const { return virtualRecords_; }
    void SetVirtualRecords(bool v);
    bool WorksAtDesignTime() const { return worksAtDesignTime_; }
    void SetWorksAtDesignTime(bool v) { worksAtDesignTime_ = v; }
    TDataSet* DataSet() const { return dataSet_; }
    // Watches `dataSet` instead: unhooks the old one and, when active,
    // hooks the new one and counts.
    void SetWatchedDataSet(TDataSet* dataSet);
    TDBSumCollection* SumCollection() const { return items_.get(); }
    TDataSet* MasterDataSet() const { return masterDataSet_; }
    bool HooksInstalled() const { return hooksInstalled_; }
    bool Recounting() const { return recounting_; }
    TStringList* VirtualRecordList() const { return virtualRecordList_.get(); }

    void TurnOn(bool recount);
    void TurnOff(bool reset);
    // The owner finished loading: hooks up and counts when active.
    void AfterLoad();
    void ItemsChanged();

    virtual int VirtualRecNo() const;
    virtual int IndexOfVirtualRecord(const TBookmarkStr& bookmark);
    virtual void SetVirtualRecNo(int recNo);
    // Whether record numbers exist: the dataset's own, or the bookmarks
    // listed under VirtualRecords.
    virtual bool RecordsSequenced() const;
    virtual int VirtualRecordCount() const;
    virtual void ResetSums();
    virtual void RecountAll();

    const TNotifyEvent& OnRecalcAll() const { return onRecalcAll_; }
    void SetOnRecalcAll(TNotifyEvent v) { onRecalcAll_ = std::move(v); }
    const TNotifyEvent& OnAfterRecalcAll() const { return onAfterRecalcAll_; }
    void SetOnAfterRecalcAll(TNotifyEvent v) { onAfterRecalcAll_ = std::move(v); }
    const TNotifyEvent& SumListChanged() const { return sumListChanged_; }
    void SetSumListChanged(TNotifyEvent v) { sumListChanged_ = std::move(v); }

protected:
    TPersistent* GetOwner() const override { return owner_; }
    bool MayWork() const;
    bool OwnerLoading() const;

    virtual void HandleAfterCancel(TDataSet* dataSet);
    virtual void HandleAfterClose(TDataSet* dataSet);
    virtual void HandleAfterEdit(TDataSet* dataSet);
    virtual void HandleAfterInsert(TDataSet* dataSet);
    virtual void HandleAfterOpen(TDataSet* dataSet);
    virtual void HandleAfterPost(TDataSet* dataSet);
    virtual void HandleAfterScroll(TDataSet* dataSet);
    virtual void HandleBeforeDelete(TDataSet* dataSet);
    // A delete that fails after BeforeDelete gives the record's share back.
    virtual void HandleDeleteError(TDataSet* dataSet, EDatabaseError* error, TDataAction& action);
    virtual void HandleMasterScroll(TDataSet* dataSet);
    virtual void UnhookDataSet();
    virtual void HookDataSet();

    void SetHooksInstalled(bool v) { hooksInstalled_ = v; }
    void NotifyChanged() { sumListChanged_(this); }

private:
    struct SavedHandlers {
        TDataSetNotifyEvent afterCancel, afterClose, afterEdit, afterInsert, afterOpen, afterPost, afterScroll,
            beforeDelete, masterAfterScroll;
        TDataSetErrorEvent onDeleteError;
    };
    // Adds (sign 1) or takes away (sign -1) the current record's share of
    // every item, as BeforeDelete takes it away.
    void ApplyRecordShare(int sign);
    void InsertVirtualBookmark(const TBookmarkStr& bookmark);
    bool VirtualNumbering() const;
    static void RecomputeAverage(TDBSum* sum);

    TComponent* owner_;
    std::unique_ptr<TDBSumCollection> items_;
    std::unique_ptr<TStringList> virtualRecordList_;
    SavedHandlers saved_;
    bool active_ = true;
    bool externalRecalc_ = false;
    bool virtualRecords_ = false;
    bool worksAtDesignTime_ = false;
    bool hooksInstalled_ = false;
    bool recounting_ = false;
    bool insertWithoutBookmark_ = false;
    AnsiString lastFilter_;
    bool lastFiltered_ = false;
    int lastVirtualIndex_ = -1;
    TDataSet* dataSet_ = nullptr;
    TDataSet* masterDataSet_ = nullptr;
    TNotifyEvent onRecalcAll_;
    TNotifyEvent onAfterRecalcAll_;
    TNotifyEvent sumListChanged_;
};

// A grid's sum list, inactive until switched on. While its grid is being
// designed it installs no handlers.
class TDBGridVynSumList : public TDBSumListProducer {
    SERVIORA_CLASS(TDBGridVynSumList, TDBSumListProducer)
    SERVIORA_PUBLISHED
public:
    explicit TDBGridVynSumList(TComponent* owner);

protected:
    void HookDataSet() override;
    void UnhookDataSet() override;
};
