// Qm_Dataset: the report's data sources. TQmDataset gives bands one walk
// (Init, First, Next until Eof, Exit) over a record range and one way to
// read fields; TQmUserDataset is driven by the application's handlers (and
// by the engine for a fixed number of records); TQmDBDataSet reads a
// platform dataset and leaves it where it stood when the range starts or
// ends at the current record.
#pragma once

#include <optional>

#include "platform/data/dataset.h"
#include "report/core/qm_common.h"

SERVIORA_ENUM(TQmRangeBegin, qmrbFirst, qmrbCurrent, qmrbDefault)
SERVIORA_ENUM(TQmRangeEnd, qmreLast, qmreCurrent, qmreCount, qmreDefault)

SERVIORA_EVENT_TYPE(TQmCheckEOFEvent, void(TObject* Sender, bool& Eof));

// A data source that cannot reach its data set: "Unable to open dataset "
// followed by the source's name.
SERVIORA_EXCEPTION(EDSError, Exception);

class TQmDataset : public TQmComponent {
    SERVIORA_CLASS(TQmDataset, TQmComponent)
    SERVIORA_PUBLISHED
public:
    using TQmComponent::TQmComponent;

    // Key under which the source is known in the report dictionary.
    const AnsiString& DictionaryKey() const { return dictionaryKey_; }
    void SetDictionaryKey(const AnsiString& v) { dictionaryKey_ = v; }
    TQmRangeBegin RangeBegin() const { return rangeBegin_; }
    void SetRangeBegin(TQmRangeBegin v) { rangeBegin_ = v; }
    TQmRangeEnd RangeEnd() const { return rangeEnd_; }
    void SetRangeEnd(TQmRangeEnd v) { rangeEnd_ = v; }
    // Number of records when RangeEnd is qmreCount.
    Integer RangeEndCount() const { return rangeEndCount_; }
    void SetRangeEndCount(Integer v) { rangeEndCount_ = v; }
    // Records stepped over since First.
    Integer RecordNo() const { return recordNo_; }

    virtual void Open() {}
    virtual void Init();
    virtual void Exit() {}
    virtual void First();
    virtual void Last() {}
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();
    virtual bool Active() = 0;
    // Leaves `value` alone when the source has no such field.
    virtual void GetFieldValue(const AnsiString& fieldName, bool convertNulls, Variant& value) = 0;
    virtual bool FieldIsNull(const AnsiString& /*fieldName*/) { return true; }
    virtual int FieldWidth(const AnsiString& /*fieldName*/) { return 0; }
    virtual void GetFieldsList(TStrings* list) = 0;
    virtual bool IsBlobField(const AnsiString& /*fieldName*/) { return false; }
    // Puts a blob field's content into a picture, string list or stream.
    virtual void AssignBlobTo(const AnsiString& /*fieldName*/, TObject* /*target*/) {}

    const TNotifyEvent& OnInit() const { return onInit_; }
    void SetOnInit(TNotifyEvent v) { onInit_ = std::move(v); }
    const TNotifyEvent& OnFirst() const { return onFirst_; }
    void SetOnFirst(TNotifyEvent v) { onFirst_ = std::move(v); }
    const TNotifyEvent& OnNext() const { return onNext_; }
    void SetOnNext(TNotifyEvent v) { onNext_ = std::move(v); }
    const TNotifyEvent& OnPrior() const { return onPrior_; }
    void SetOnPrior(TNotifyEvent v) { onPrior_ = std::move(v); }
    const TQmCheckEOFEvent& OnCheckEOF() const { return onCheckEOF_; }
    void SetOnCheckEOF(TQmCheckEOFEvent v) { onCheckEOF_ = std::move(v); }

protected:
    // The walk's events, published by the descendants.
    template <class T>
    static void PublishWalkEvents(TPublished<T>& p) {
        p.Property("OnCheckEOF", &T::OnCheckEOF, &T::SetOnCheckEOF);
        p.Property("OnFirst", &T::OnFirst, &T::SetOnFirst);
        p.Property("OnNext", &T::OnNext, &T::SetOnNext);
        p.Property("OnPrior", &T::OnPrior, &T::SetOnPrior);
        p.Property("OnInit", &T::OnInit, &T::SetOnInit);
    }
    bool CountReached() const { return rangeEnd_ == qmreCount && recordNo_ >= rangeEndCount_; }

private:
    AnsiString dictionaryKey_;
    TQmRangeBegin rangeBegin_ = qmrbFirst;
    TQmRangeEnd rangeEnd_ = qmreLast;
    Integer rangeEndCount_ = 0;
    TNotifyEvent onInit_, onFirst_, onNext_, onPrior_;
    TQmCheckEOFEvent onCheckEOF_;
    Integer recordNo_ = 0;
};

SERVIORA_EVENT_TYPE(TQmUserDatasetOnGetFieldValue,
                    void(TQmDataset* Dataset, const AnsiString& FieldName, Variant& FieldValue));
SERVIORA_EVENT_TYPE(TQmUserDatasetOnGetFieldsList, void(TQmDataset* Dataset, TStrings* FieldNames));

class TQmUserDataset : public TQmDataset {
    SERVIORA_CLASS(TQmUserDataset, TQmDataset)
    SERVIORA_PUBLISHED
public:
    using TQmDataset::TQmDataset;

    bool Active() override { return true; }
    // Unassigned unless OnGetFieldValue says otherwise.
    void GetFieldValue(const AnsiString& fieldName, bool convertNulls, Variant& value) override;
    void GetFieldsList(TStrings* list) override;

    const TQmUserDatasetOnGetFieldValue& OnGetFieldValue() const { return onGetFieldValue_; }
    void SetOnGetFieldValue(TQmUserDatasetOnGetFieldValue v) { onGetFieldValue_ = std::move(v); }
    const TQmUserDatasetOnGetFieldsList& OnGetFieldsList() const { return onGetFieldsList_; }
    void SetOnGetFieldsList(TQmUserDatasetOnGetFieldsList v) { onGetFieldsList_ = std::move(v); }

private:
    TQmUserDatasetOnGetFieldValue onGetFieldValue_;
    TQmUserDatasetOnGetFieldsList onGetFieldsList_;
};

class TQmDBDataSet : public TQmDataset {
    SERVIORA_CLASS(TQmDBDataSet, TQmDataset)
    SERVIORA_PUBLISHED
public:
    using TQmDataset::TQmDataset;
    ~TQmDBDataSet() override;

    // The platform dataset read (not owned; cleared when it goes away).
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* v);
    // Whether opening the source opens the dataset.
    bool OpenDataSet() const { return openDataSet_; }
    void SetOpenDataSet(bool v) { openDataSet_ = v; }
    // Whether the end of a walk closes the dataset.
    bool CloseDataSet() const { return closeDataSet_; }
    void SetCloseDataSet(bool v) { closeDataSet_ = v; }
    const TNotifyEvent& OnOpen() const { return onOpen_; }
    void SetOnOpen(TNotifyEvent v) { onOpen_ = std::move(v); }
    const TNotifyEvent& OnClose() const { return onClose_; }
    void SetOnClose(TNotifyEvent v) { onClose_ = std::move(v); }

    void Open() override;
    // Remembers the current record; does not raise OnInit (OnOpen tells
    // the walk's start).
    void Init() override;
    void Exit() override;
    void First() override;
    void Last() override;
    void Next() override;
    void Prior() override;
    bool Eof() override;
    bool Active() override { return dataSet_ && dataSet_->Active(); }
    // Display text for fields with an OnGetText handler and for 64-bit
    // integers; with convertNulls a Null becomes "", False or 0 by the
    // field's type.
    void GetFieldValue(const AnsiString& fieldName, bool convertNulls, Variant& value) override;
    bool FieldIsNull(const AnsiString& fieldName) override;
    int FieldWidth(const AnsiString& fieldName) override;
    // Empty without a dataset.
    void GetFieldsList(TStrings* list) override;
    bool IsBlobField(const AnsiString& fieldName) override;
    // A persistent target takes the field by assignment, or else, when it
    // loads from streams, the blob's bytes after a picture-blob header; a
    // stream gets the bytes and is left at its start.
    void AssignBlobTo(const AnsiString& fieldName, TObject* target) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The dataset, or EDSError when none is set.
    TDataSet* Checked() const;

    TDataSet* dataSet_ = nullptr;
    bool openDataSet_ = true;
    bool closeDataSet_ = false;
    TNotifyEvent onOpen_, onClose_;
    std::optional<TBookmarkStr> startBookmark_;
    bool pastEnd_ = false;
};
