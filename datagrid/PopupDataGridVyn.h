// TPopupDataGridVyn: the lookup grid a column drops down. Here it carries
// the settings its column hands it: the list field and the special row.
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

private:
    AnsiString listField_;
    std::unique_ptr<TSpecRowVyn> specRow_;
};
