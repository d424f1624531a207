// What each cell-object record publishes.
#include "stringgrid/BavGridIO.h"

void TGridPropIO::Published(TPublished<TGridPropIO>& p) {
    p.Property("ColCount", &TGridPropIO::ColCount, &TGridPropIO::SetColCount);
    p.Property("RowCount", &TGridPropIO::RowCount, &TGridPropIO::SetRowCount);
    p.Property("ColWidths", &TGridPropIO::ColWidths, &TGridPropIO::SetColWidths);
    p.Property("RowHeights", &TGridPropIO::RowHeights, &TGridPropIO::SetRowHeights);
    p.Property("FullGrid", &TGridPropIO::FullGrid, &TGridPropIO::SetFullGrid);
    p.Property("ID", &TGridPropIO::ID, &TGridPropIO::SetID);
}

void TGridCellIO::Published(TPublished<TGridCellIO>& p) {
    p.Property("Col", &TGridCellIO::Col, &TGridCellIO::SetCol);
    p.Property("Row", &TGridCellIO::Row, &TGridCellIO::SetRow);
    p.Property("Cell", &TGridCellIO::Cell, &TGridCellIO::SetCell);
    p.Property("HasProp", &TGridCellIO::HasProp, &TGridCellIO::SetHasProp);
}

TGridCellPropIO::TGridCellPropIO(TBaseGrid* grid)
    : TComponent(grid), properties_(std::make_unique<TCellProperties>(grid, 0, 0)) {}

void TGridCellPropIO::Published(TPublished<TGridCellPropIO>& p) {
    p.Property("CellProperties", &TGridCellPropIO::CellProperties, &TGridCellPropIO::SetCellProperties);
    p.Property("HasGraphic", &TGridCellPropIO::HasGraphic, &TGridCellPropIO::SetHasGraphic);
}

void TGridGraphicIO::Published(TPublished<TGridGraphicIO>& p) {
    p.Property("CellGraphic", &TGridGraphicIO::CellGraphic, &TGridGraphicIO::SetCellGraphic);
}

void TGridBMPIO::Published(TPublished<TGridBMPIO>& p) { p.Property("Bitmap", &TGridBMPIO::Get, &TGridBMPIO::Set); }
void TGridIconIO::Published(TPublished<TGridIconIO>& p) { p.Property("Icon", &TGridIconIO::Get, &TGridIconIO::Set); }
void TGridPicIO::Published(TPublished<TGridPicIO>& p) { p.Property("Picture", &TGridPicIO::Get, &TGridPicIO::Set); }
void TGridFilePicIO::Published(TPublished<TGridFilePicIO>& p) {
    p.Property("Picture", &TGridFilePicIO::Get, &TGridFilePicIO::Set);
}
void TGridSLIO::Published(TPublished<TGridSLIO>& p) { p.Property("Strings", &TGridSLIO::Get, &TGridSLIO::Set); }
