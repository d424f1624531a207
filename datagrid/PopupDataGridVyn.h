// TPopupDataGridVyn: the lookup grid a column drops down. Here it carries
// the settings its column and the column's drop-down box hand it: the list
// field, the special row and the lookup options, which map onto the
// grid's own option sets.
#pragma once

#include <memory>

#include "datagrid/DBGridVyn.h"

class TPopupDataGridVyn : public TCustomDBGridVyn {
    SERVIORA_CLASS(TPopupDataGridVyn, TCustomDBGridVyn)
public:
    explicit TPopupDataGridVyn(TComponent* owner);
    ~TPopupDataGridVyn() override;

    const AnsiString& ListField() const { return listField_; }
    void SetListField(const AnsiString& v) { listField_ = v; }
    TSpecRowVyn* SpecRow() const { return specRow_.get(); }
    void SetSpecRow(TSpecRowVyn* v) { specRow_->Assign(v); }
    TDBLookupGridVynOptions LookupOptions() const { return lookupOptions_; }
    void SetLookupOptions(TDBLookupGridVynOptions v);

private:
    AnsiString listField_;
    std::unique_ptr<TSpecRowVyn> specRow_;
    TDBLookupGridVynOptions lookupOptions_{dlgColLinesVyn};
};
