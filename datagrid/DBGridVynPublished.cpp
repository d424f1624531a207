// The published table of TDBGridVyn: the grid's own properties and events
// and the platform ones it republishes.
#include "datagrid/DBGridVyn.h"
#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TDBGridVyn);

void TDBGridVyn::Published(TPublished<TDBGridVyn>& p) {
    using C = TDBGridVyn;
    p.Property("AllowedOperations", &C::AllowedOperations, &C::SetAllowedOperations)
        .Default(TDBGridVynAllowedOperations{alopInsertVyn, alopUpdateVyn, alopDeleteVyn, alopAppendVyn}.Bits());
    p.Property("AllowedSelections", &C::AllowedSelections, &C::SetAllowedSelections)
        .Default(TDBGridVynAllowedSelections{gstRecordBookmarks, gstRectangle, gstColumns, gstAll}.Bits());
    p.Property("AutoFitColWidths", &C::AutoFitColWidths, &C::SetAutoFitColWidths).Default(false);
    p.Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle);
    p.Property("ColumnDefValues", &C::ColumnDefValues, &C::SetColumnDefValues);
    p.Property("Columns", &C::Columns, &C::SetColumns).Stored(false);
    p.Property("DataSource", &C::DataSource, &C::SetDataSource);
    p.Property("DefaultDrawing", &C::DefaultDrawing, &C::SetDefaultDrawing).Default(true);
    p.Property("DrawMemoText", &C::DrawMemoText, &C::SetDrawMemoText).Default(false);
    p.Property("EditActions", &C::EditActions, &C::SetEditActions).Default(0);
    p.Property("FixedColor", &C::FixedColor, &C::SetFixedColor).TypeName("TColor").Default(clBtnFace);
    p.Property("Flat", &C::Flat, &C::SetFlat).Default(false);
    p.Property("FooterColor", &C::FooterColor, &C::SetFooterColor).TypeName("TColor").Default(clWindow);
    p.Property("FooterFont", &C::FooterFont, &C::SetFooterFont);
    p.Property("FooterRowCount", &C::FooterRowCount, &C::SetFooterRowCount).Default(0);
    p.Property("FrozenCols", &C::FrozenCols, &C::SetFrozenCols).Default(0);
    p.Property("HorzScrollBar", &C::HorzScrollBar, &C::SetHorzScrollBar);
    p.Property("MinAutoFitWidth", &C::MinAutoFitWidth, &C::SetMinAutoFitWidth).Default(0);
    p.Property("Options", &C::Options, &C::SetOptions)
        .Default(TDBGridOptions{dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                                dgConfirmDelete, dgCancelOnExit}
                     .Bits());
    p.Property("OptionsVyn", &C::OptionsVyn, &C::SetOptionsVyn)
        .Default(TDBGridVynOptions{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind}.Bits());
    p.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    p.Property("RowHeight", &C::RowHeight, &C::SetRowHeight).Default(0);
    p.Property("RowLines", &C::RowLines, &C::SetRowLines).Default(0);
    p.Property("RowSizingAllowed", &C::RowSizingAllowed, &C::SetRowSizingAllowed).Default(false);
    p.Property("SortLocal", &C::SortLocal, &C::SetSortLocal).Default(false);
    p.Property("STFilter", &C::STFilter, &C::SetSTFilter);
    p.Property("SumList", &C::SumList, &C::SetSumList);
    p.Property("TitleFont", &C::TitleFont, &C::SetTitleFont);
    p.Property("TitleHeight", &C::TitleHeight, &C::SetTitleHeight).Default(0);
    p.Property("TitleImages", &C::TitleImages, &C::SetTitleImages);
    p.Property("TitleLines", &C::TitleLines, &C::SetTitleLines).Default(0);
    p.Property("UseMultiTitle", &C::UseMultiTitle, &C::SetUseMultiTitle).Default(false);
    p.Property("VertScrollBar", &C::VertScrollBar, &C::SetVertScrollBar);
    p.Property("VTitleMargin", &C::VTitleMargin, &C::SetVTitleMargin).Default(10);
    p.Property("ImeMode", &C::ImeMode, &C::SetImeMode).Default(imDontCare);
    p.Property("ImeName", &C::ImeName, &C::SetImeName);
    p.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    p.Property("OnApplyFilter", &C::OnApplyFilter, &C::SetOnApplyFilter);
    p.Property("OnCellClick", &C::OnCellClick, &C::SetOnCellClick);
    p.Property("OnCheckButton", &C::OnCheckButton, &C::SetOnCheckButton);
    p.Property("OnColEnter", &C::OnColEnter, &C::SetOnColEnter);
    p.Property("OnColExit", &C::OnColExit, &C::SetOnColExit);
    p.Property("OnColumnMoved", &C::OnColumnMoved, &C::SetOnColumnMoved);
    p.Property("OnColWidthsChanged", &C::OnColWidthsChanged, &C::SetOnColWidthsChanged);
    p.Property("OnDrawColumnCell", &C::OnDrawColumnCell, &C::SetOnDrawColumnCell);
    p.Property("OnDrawDataCell", &C::OnDrawDataCell, &C::SetOnDrawDataCell);
    p.Property("OnDrawFooterCell", &C::OnDrawFooterCell, &C::SetOnDrawFooterCell);
    p.Property("OnEditButtonClick", &C::OnEditButtonClick, &C::SetOnEditButtonClick);
    p.Property("OnGetBtnParams", &C::OnGetBtnParams, &C::SetOnGetBtnParams);
    p.Property("OnGetCellParams", &C::OnGetCellParams, &C::SetOnGetCellParams);
    p.Property("OnGetFooterParams", &C::OnGetFooterParams, &C::SetOnGetFooterParams);
    p.Property("OnSortMarkingChanged", &C::OnSortMarkingChanged, &C::SetOnSortMarkingChanged);
    p.Property("OnSumListAfterRecalcAll", &C::OnSumListAfterRecalcAll, &C::SetOnSumListAfterRecalcAll);
    p.Property("OnSumListRecalcAll", &C::OnSumListRecalcAll, &C::SetOnSumListRecalcAll);
    p.Property("OnTitleBtnClick", &C::OnTitleBtnClick, &C::SetOnTitleBtnClick);
    p.Property("OnTitleClick", &C::OnTitleClick, &C::SetOnTitleClick);
}
