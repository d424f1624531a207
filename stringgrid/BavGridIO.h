// The records of the grid's cell-object clipboard format: small components
// whose published properties carry a copied range, a cell, its properties,
// its graphic and the graphic's object through the component streaming.
#pragma once

#include <memory>

#include "platform/rtl/component.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphic.h"
#include "stringgrid/BaseGrid.h"
#include "stringgrid/BavGridGraphic.h"
#include "stringgrid/BavObj.h"

class TGridPropIO : public TComponent {
    SERVIORA_CLASS(TGridPropIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TComponent::TComponent;
    Integer ColCount() const { return colCount_; }
    void SetColCount(Integer v) { colCount_ = v; }
    Integer RowCount() const { return rowCount_; }
    void SetRowCount(Integer v) { rowCount_ = v; }
    const AnsiString& ColWidths() const { return colWidths_; }
    void SetColWidths(const AnsiString& v) { colWidths_ = v; }
    const AnsiString& RowHeights() const { return rowHeights_; }
    void SetRowHeights(const AnsiString& v) { rowHeights_ = v; }
    bool FullGrid() const { return fullGrid_; }
    void SetFullGrid(bool v) { fullGrid_ = v; }
    Integer ID() const { return id_; }
    void SetID(Integer v) { id_ = v; }

private:
    Integer colCount_ = 0, rowCount_ = 0, id_ = 0;
    AnsiString colWidths_, rowHeights_;
    bool fullGrid_ = false;
};

// Col and Row are 32-bit, so cells past row 65,535 copy too.
class TGridCellIO : public TComponent {
    SERVIORA_CLASS(TGridCellIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TComponent::TComponent;
    Integer Col() const { return col_; }
    void SetCol(Integer v) { col_ = v; }
    Integer Row() const { return row_; }
    void SetRow(Integer v) { row_ = v; }
    const AnsiString& Cell() const { return cell_; }
    void SetCell(const AnsiString& v) { cell_ = v; }
    bool HasProp() const { return hasProp_; }
    void SetHasProp(bool v) { hasProp_ = v; }

private:
    Integer col_ = 0, row_ = 0;
    AnsiString cell_;
    bool hasProp_ = false;
};

class TGridCellPropIO : public TComponent {
    SERVIORA_CLASS(TGridCellPropIO, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TGridCellPropIO(TBaseGrid* grid);
    TCellProperties* CellProperties() const { return properties_.get(); }
    void SetCellProperties(TCellProperties* v) { properties_->Assign(v); }
    bool HasGraphic() const { return hasGraphic_; }
    void SetHasGraphic(bool v) { hasGraphic_ = v; }

private:
    std::unique_ptr<TCellProperties> properties_;
    bool hasGraphic_ = false;
};

class TGridGraphicIO : public TComponent {
    SERVIORA_CLASS(TGridGraphicIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TComponent::TComponent;
    TCellGraphic* CellGraphic() const { return graphic_.get(); }
    void SetCellGraphic(TCellGraphic* v) { graphic_->Assign(v); }

private:
    std::unique_ptr<TCellGraphic> graphic_ = std::make_unique<TCellGraphic>();
};

// The graphic's object records: each owns one object of its kind, which a
// reader may take over.
template <typename Object>
class TGridObjectIO : public TComponent {
public:
    using TComponent::TComponent;
    Object* Get() const { return object_.get(); }
    void Set(Object* v) { object_->Assign(v); }
    Object* Release() { return object_.release(); }

private:
    std::unique_ptr<Object> object_ = std::make_unique<Object>();
};

class TGridBMPIO : public TGridObjectIO<TBitmap> {
    SERVIORA_CLASS(TGridBMPIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TGridObjectIO::TGridObjectIO;
};

class TGridIconIO : public TGridObjectIO<TIcon> {
    SERVIORA_CLASS(TGridIconIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TGridObjectIO::TGridObjectIO;
};

class TGridPicIO : public TGridObjectIO<TPicture> {
    SERVIORA_CLASS(TGridPicIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TGridObjectIO::TGridObjectIO;
};

class TGridFilePicIO : public TGridObjectIO<TFilePicture> {
    SERVIORA_CLASS(TGridFilePicIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TGridObjectIO::TGridObjectIO;
};

class TGridSLIO : public TGridObjectIO<TStringList> {
    SERVIORA_CLASS(TGridSLIO, TComponent)
    SERVIORA_PUBLISHED
public:
    using TGridObjectIO::TGridObjectIO;
};
