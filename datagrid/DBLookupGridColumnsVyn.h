// The lookup grid's columns: each carries its cell of the special row,
// whose text, colour and font fall back to the special row's until set.
#pragma once

#include <memory>

#include "datagrid/DBGridVynColumns.h"

class TDBLookupGridColumnVyn;

class TGridColumnSpecCellVyn : public TPersistent {
    SERVIORA_CLASS(TGridColumnSpecCellVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TGridColumnSpecCellVyn(TDBLookupGridColumnVyn* column);
    ~TGridColumnSpecCellVyn() override;
    void Assign(TPersistent* source) override;

    AnsiString Text() const;
    void SetText(const AnsiString& v);
    TColor Color() const;
    void SetColor(TColor v);
    TFont* Font() const;
    void SetFont(TFont* v) { font_->Assign(v); }
    bool TextAssigned() const { return textAssigned_; }
    bool ColorAssigned() const { return colorAssigned_; }
    bool FontAssigned() const { return fontAssigned_; }

protected:
    TPersistent* GetOwner() const override;

private:
    // The special row of the column's lookup grid; none outside one.
    TSpecRowVyn* SpecRow() const;
    void FontChanged(TObject* sender);
    void Changed();

    TDBLookupGridColumnVyn* column_;
    AnsiString text_;
    TColor color_ = clWindow;
    std::unique_ptr<TFont> font_;
    bool textAssigned_ = false;
    bool colorAssigned_ = false;
    bool fontAssigned_ = false;
};

class TDBLookupGridColumnVyn : public TColumnVyn {
    SERVIORA_CLASS(TDBLookupGridColumnVyn, TColumnVyn)
    SERVIORA_PUBLISHED
public:
    explicit TDBLookupGridColumnVyn(TCollection* collection);
    ~TDBLookupGridColumnVyn() override;
    void Assign(TPersistent* source) override;

    TGridColumnSpecCellVyn* SpecCell() const { return specCell_.get(); }
    void SetSpecCell(TGridColumnSpecCellVyn* v) { specCell_->Assign(v); }

private:
    std::unique_ptr<TGridColumnSpecCellVyn> specCell_;
};
