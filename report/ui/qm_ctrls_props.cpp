// The published properties of the report widgets: the flat combo box, the
// spin edit, the drop-down window and its buttons, and the scroll box with
// its two value-model bars.
#include "report/ui/qm_ctrls_popup.h"
#include "report/ui/qm_ctrls_scroll.h"
#include "report/ui/qm_ctrls_spinedit.h"

void TQmComboBoxQy::Published(TPublished<TQmComboBoxQy>& p) {
    p.Property("Flat", &TQmComboBoxQy::Flat, &TQmComboBoxQy::SetFlat).Default(true);
}

void TQmSpinEdit::Published(TPublished<TQmSpinEdit>& p) {
    using S = TQmSpinEdit;
    p.Property("Alignment", &S::Alignment, &S::SetAlignment).Default(taLeftJustify);
    p.Property("ArrowKeys", &S::ArrowKeys, &S::SetArrowKeys).Default(true);
    p.Property("Decimal", &S::Decimal, &S::SetDecimal).Default(2);
    p.Property("EditorEnabled", &S::EditorEnabled, &S::SetEditorEnabled).Default(true);
    p.Property("Increment", &S::Increment, &S::SetIncrement).Stored(&S::IncrementStored).TypeName("Extended");
    p.Property("MaxValue", &S::MaxValue, &S::SetMaxValue).TypeName("Extended");
    p.Property("MinValue", &S::MinValue, &S::SetMinValue).TypeName("Extended");
    p.Property("ValueType", &S::ValueType, &S::SetValueType).Default(qmvtInteger);
    p.Property("Value", &S::Value, &S::SetValue).Stored(&S::ValueStored).TypeName("Extended");
    p.Property("OnTopClick", &S::OnTopClick, FieldSetter(&S::OnTopClick));
    p.Property("OnBottomClick", &S::OnBottomClick, FieldSetter(&S::OnBottomClick));
}

void TQmPopupWindow::Published(TPublished<TQmPopupWindow>& p) {
    p.Property("OnClose", &TQmPopupWindow::OnClose, FieldSetter(&TQmPopupWindow::OnClose));
    p.Property("OnPopup", &TQmPopupWindow::OnPopup, FieldSetter(&TQmPopupWindow::OnPopup));
}

void TQmPopupWindowButton::Published(TPublished<TQmPopupWindowButton>& p) {
    p.Property("DropDownPanel", &TQmPopupWindowButton::DropDownPanel, &TQmPopupWindowButton::SetDropDownPanel);
}

void TQmColorSpeedButton::Published(TPublished<TQmColorSpeedButton>& p) {
    p.Property("CurColor", &TQmColorSpeedButton::CurColor, &TQmColorSpeedButton::SetCurColor).TypeName("TColor");
}

void TQmScrollBar::Published(TPublished<TQmScrollBar>& p) {
    using B = TQmScrollBar;
    p.Property("Min", &B::Min, &B::SetMin).Default(0);
    p.Property("Max", &B::Max, &B::SetMax).Default(100);
    p.Property("Position", &B::Position, &B::SetPosition).Default(0);
    p.Property("LargeChange", &B::LargeChange, &B::SetLargeChange).Default(10);
    p.Property("SmallChange", &B::SmallChange, &B::SetSmallChange).Default(1);
    p.Property("ThumbValue", &B::ThumbValue, &B::SetThumbValue).Default(1);
    p.Property("Visible", &B::Visible, &B::SetVisible).Default(true);
}

void TQmScrollBox::Published(TPublished<TQmScrollBox>& p) {
    using B = TQmScrollBox;
    p.Property("BorderStyle", &B::BorderStyle, &B::SetBorderStyle).Default(bsSingle);
    p.Property("HorzScrollBar", &B::HorzScrollBar, &B::SetHorzScrollBar);
    p.Property("VertScrollBar", &B::VertScrollBar, &B::SetVertScrollBar);
    p.Property("OnResize", &B::OnResize, FieldSetter(&B::OnResize));
    p.Property("OnChange", &B::OnChange, FieldSetter(&B::OnChange));
}
