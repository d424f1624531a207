// The published properties of the docking-toolbar library's dock, toolbar,
// separator and flat edit: what form descriptions store and scripts reach.
#include "report/ui/qm_tbqyedit.h"
#include "report/ui/qm_tbqytlbr.h"

void TDockQy::Published(TPublished<TDockQy>& p) {
    using D = TDockQy;
    p.Property("AllowDrag", &D::AllowDrag, &D::SetAllowDrag).Default(true);
    p.Property("Background", &D::Background, &D::SetBackground);
    p.Property("BackgroundOnToolbars", &D::BackgroundOnToolbars, &D::SetBackgroundOnToolbars).Default(true);
    p.Property("BackgroundTransparent", &D::BackgroundTransparent, &D::SetBackgroundTransparent).Default(false);
    p.Property("BoundLines", &D::BoundLines, &D::SetBoundLines).Default(0);
    p.Property("FixAlign", &D::FixAlign, &D::SetFixAlign).Default(false);
    p.Property("LimitToOneRow", &D::LimitToOneRow, &D::SetLimitToOneRow).Default(false);
    p.Property("Position", &D::Position, &D::SetPosition).Default(dpTop);
    PublishVersion(p);
    p.Property("OnInsertRemoveBar", &D::OnInsertRemoveBar, FieldSetter(&D::OnInsertRemoveBar));
    p.Property("OnRequestDock", &D::OnRequestDock, FieldSetter(&D::OnRequestDock));
    p.Property("OnResize", &D::OnResize, FieldSetter(&D::OnResize));
}

void TToolbarQy::Published(TPublished<TToolbarQy>& p) {
    using T = TToolbarQy;
    p.Property("ActivateParent", &T::ActivateParent, &T::SetActivateParent).Default(true);
    p.Property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(bsSingle);
    p.Property("CloseButton", &T::CloseButton, &T::SetCloseButton).Default(true);
    p.Property("CloseButtonWhenDocked", &T::CloseButtonWhenDocked, &T::SetCloseButtonWhenDocked).Default(false);
    p.Property("DefaultDock", &T::DefaultDock, &T::SetDefaultDock);
    p.Property("DockableTo", &T::DockableTo, &T::SetDockableTo)
        .Default(Int64(TDockableTo{dpTop, dpBottom, dpLeft, dpRight}.Bits()));
    p.Property("DockedTo", &T::DockedTo, &T::SetDockedTo);
    p.Property("DockMode", &T::DockMode, &T::SetDockMode).Default(dmCanFloat);
    p.Property("DockPos", &T::DockPos, &T::SetDockPos).Default(-1);
    p.Property("DockRow", &T::DockRow, &T::SetDockRow).Default(0);
    p.Property("DragHandleStyle", &T::DragHandleStyle, &T::SetDragHandleStyle).Default(dhDouble);
    p.Property("FloatingMode", &T::FloatingMode, &T::SetFloatingMode).Default(fmOnTopOfParentForm);
    p.Property("FullSize", &T::FullSize, &T::SetFullSize).Default(false);
    p.Property("HideWhenInactive", &T::HideWhenInactive, &T::SetHideWhenInactive).Default(true);
    p.Property("LastDock", &T::LastDock, &T::SetLastDock).Stored(&T::LastDockStored);
    p.Property("ShowCaption", &T::ShowCaption, &T::SetShowCaption).Default(true);
    p.Property("UseLastDock", &T::UseLastDock, &T::SetUseLastDock).Default(true);
    PublishVersion(p);
    p.Property("OnClose", &T::OnClose, FieldSetter(&T::OnClose));
    p.Property("OnCloseQuery", &T::OnCloseQuery, FieldSetter(&T::OnCloseQuery)).TypeName("TCloseQueryEvent");
    p.Property("OnMove", &T::OnMove, FieldSetter(&T::OnMove));
    p.Property("OnRecreated", &T::OnRecreated, FieldSetter(&T::OnRecreated));
    p.Property("OnRecreating", &T::OnRecreating, FieldSetter(&T::OnRecreating));
    p.Property("OnDockChanged", &T::OnDockChanged, FieldSetter(&T::OnDockChanged));
    p.Property("OnDockChanging", &T::OnDockChanging, FieldSetter(&T::OnDockChanging));
    p.Property("OnDockChangingEx", &T::OnDockChangingEx, FieldSetter(&T::OnDockChangingEx));
    p.Property("OnDockChangingHidden", &T::OnDockChangingHidden, FieldSetter(&T::OnDockChangingHidden));
    p.Property("OnResize", &T::OnResize, FieldSetter(&T::OnResize));
    p.Property("OnVisibleChanged", &T::OnVisibleChanged, FieldSetter(&T::OnVisibleChanged));
}

void TToolbarSepQy::Published(TPublished<TToolbarSepQy>& p) {
    using S = TToolbarSepQy;
    p.Property("Blank", &S::Blank, &S::SetBlank).Default(false);
    p.Property("SizeHorz", &S::SizeHorz, &S::SetSizeHorz).Default(6).TypeName("TToolbarSepSize");
    p.Property("SizeVert", &S::SizeVert, &S::SetSizeVert).Default(6).TypeName("TToolbarSepSize");
    PublishVersion(p);
}

void TEditQy::Published(TPublished<TEditQy>& p) { PublishVersion(p); }
