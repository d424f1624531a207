// The grid's reactions to its own and its parent's fonts and colours, and
// the flat border: a flat grid trades the platform's sunken client edge for
// a one-pixel border of its own in the non-client area.
#include "datagrid/DBGridVyn.h"
#include "datagrid/ToolCtrlsVynDropDown.h"

void TCustomDBGridVyn::CreateParams(TCreateParams& params) {
    TCustomGrid::CreateParams(params);
    flatBorderWidth_ = 0;
    if (flat_ && Ctl3D()) {
        params.Style &= ~DWORD(WS_BORDER);
        params.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
        if (BorderStyle() == bsSingle) flatBorderWidth_ = 1;
    }
}

void TCustomDBGridVyn::WMNCCalcSize(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (flatBorderWidth_ > 0) InsetClientForFrame(Message, flatBorderWidth_);
}

// Columns without a font of their own follow the grid's font as they are
// read, so the layout pass measures rows and titles in the new font.
void TCustomDBGridVyn::CMFontChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    BeginLayout();
    EndLayout();
}

void TCustomDBGridVyn::CMParentFontChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (!ParentFont()) return;
    selfChangingFromParent_ = true;
    try {
        titleFont_->Assign(Font());
        footerFont_->Assign(Font());
    } catch (...) {
        selfChangingFromParent_ = false;
        throw;
    }
    selfChangingFromParent_ = false;
    RequestLayout();
}

void TCustomDBGridVyn::CMParentColorChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (!ParentColor()) return;
    selfChangingFromParent_ = true;
    SetFooterColor(Color());
    selfChangingFromParent_ = false;
    Invalidate();
}
