// The sum list behind a grid's footers: which dataset it watches and its
// switches. The grid's footers read their sums and counts from it.
#pragma once

#include "platform/data/dataset.h"
#include "platform/rtl/events.h"
#include "platform/rtl/persistent.h"

class TDBSumListProducer : public TPersistent {
    SERVIORA_CLASS(TDBSumListProducer, TPersistent)
public:
    explicit TDBSumListProducer(TComponent* owner) : owner_(owner) {}
    void Assign(TPersistent* source) override;

    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    bool ExternalRecalc() const { return externalRecalc_; }
    void SetExternalRecalc(bool v) { externalRecalc_ = v; }
    bool VirtualRecords() const { return virtualRecords_; }
    void SetVirtualRecords(bool v) { virtualRecords_ = v; }
    bool WorksAtDesignTime() const { return worksAtDesignTime_; }
    void SetWorksAtDesignTime(bool v) { worksAtDesignTime_ = v; }
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* v) { dataSet_ = v; }

    // Whether the watched dataset numbers its records, and the current
    // record's number.
    virtual bool RecordsSequenced() const { return dataSet_ && dataSet_->IsSequenced(); }
    virtual int VirtualRecNo() const { return dataSet_ ? dataSet_->RecNo() : 0; }

    const TNotifyEvent& OnRecalcAll() const { return onRecalcAll_; }
    void SetOnRecalcAll(TNotifyEvent v) { onRecalcAll_ = std::move(v); }
    const TNotifyEvent& OnAfterRecalcAll() const { return onAfterRecalcAll_; }
    void SetOnAfterRecalcAll(TNotifyEvent v) { onAfterRecalcAll_ = std::move(v); }
    const TNotifyEvent& SumListChanged() const { return sumListChanged_; }
    void SetSumListChanged(TNotifyEvent v) { sumListChanged_ = std::move(v); }

protected:
    TPersistent* GetOwner() const override { return owner_; }

private:
    TComponent* owner_;
    bool active_ = true;
    bool externalRecalc_ = false;
    bool virtualRecords_ = false;
    bool worksAtDesignTime_ = false;
    TDataSet* dataSet_ = nullptr;
    TNotifyEvent onRecalcAll_;
    TNotifyEvent onAfterRecalcAll_;
    TNotifyEvent sumListChanged_;
};

// A grid's sum list, inactive until switched on.
class TDBGridVynSumList : public TDBSumListProducer {
    SERVIORA_CLASS(TDBGridVynSumList, TDBSumListProducer)
    SERVIORA_PUBLISHED
public:
    explicit TDBGridVynSumList(TComponent* owner);
};
