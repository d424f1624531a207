// Qm_Dataset: the report's data sources. TQmDataset is the abstract source
// with its record range; TQmDBDataSet reads a platform dataset. The band
// engine's walk (Init, First, Next, Eof, Exit) arrives with the engine.
#pragma once

#include "platform/data/dataset.h"
#include "report/core/qm_common.h"

SERVIORA_ENUM(TQmRangeBegin, qmrbFirst, qmrbCurrent, qmrbDefault)
SERVIORA_ENUM(TQmRangeEnd, qmreLast, qmreCurrent, qmreCount, qmreDefault)

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

private:
    AnsiString dictionaryKey_;
    TQmRangeBegin rangeBegin_ = qmrbFirst;
    TQmRangeEnd rangeEnd_ = qmreLast;
    Integer rangeEndCount_ = 0;
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

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSet* dataSet_ = nullptr;
    bool openDataSet_ = true;
    bool closeDataSet_ = false;
};
