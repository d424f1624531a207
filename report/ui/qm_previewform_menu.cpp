// The preview window's popup menu on the pages: the zooms (radio items by
// their Tag), print and print the current page, and the page-editing items
// that only a designer would offer.
#include <cmath>

#include "platform/ui/buttons.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls_combo.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_ctrls.h"
#include "report/ui/qm_preview.h"
#include "report/ui/qm_previewform.h"

namespace {

TMenuItem* AddMenuItem(TMenuItem* parent, TComponent* owner, const AnsiString& caption, int textId = 0) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    // The engine's text when it has one, else the resource's English one.
    if (textId && !LoadReportString(textId).empty()) item->SetCaption(LoadReportString(textId));
    parent->Add(item);
    return item;
}

}  // namespace

void TQmPreviewForm::CreateProcMenu() {
    ProcMenu = new TPopupMenu(this);
    TMenuItem* root = ProcMenu->Items();
    const struct {
        TMenuItem** field;
        const char* caption;
        int textId, tag;
    } zooms[] = {{&itmScale200, "200%", 0, 200},         {&itmScale150, "150%", 0, 150},
                 {&itmScale100, "100%", 0, 100},         {&itmScaale75, "75%", 0, 75},
                 {&itmScale50, "50%", 0, 50},            {&itmScale25, "25%", 0, 25},
                 {&itmScale10, "10%", 0, 10},            {&itmPageWidth, "Page width", 45020, 1},
                 {&itmOnePage, "Whole Page", 45021, 2}, {&itmDoublePage, "Double Page", 45022, 3}};
    for (const auto& zoom : zooms) {
        TMenuItem* item = *zoom.field = AddMenuItem(root, this, zoom.caption, zoom.textId);
        item->SetTag(zoom.tag);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        item->SetOnClick([this, item](TObject*) { itmScale10Click(item); });
    }
    itmScale100->SetChecked(true);
    N1 = AddMenuItem(root, this, "-");
    itmPrint = AddMenuItem(root, this, "Print...", 46866);
    itmPrint->SetOnClick([this](TObject*) {
        if (report_ && PrintButton()->Visible()) preview_->Print();
    });
    itmPrintCurrentPage = AddMenuItem(root, this, "Print Current Page", 45376);
    itmPrintCurrentPage->SetOnClick([this](TObject*) { preview_->PrintCurrentPage(); });
    N4 = AddMenuItem(root, this, "-");
    itmNewPage = AddMenuItem(root, this, "Add Page", 45030);
    InsertBefore1 = AddMenuItem(itmNewPage, this, "Insert Before", 46867);
    InsertBefore1->SetOnClick([this](TObject*) { preview_->InsertPageBefore(); });
    InsertAfter1 = AddMenuItem(itmNewPage, this, "Insert After", 46868);
    InsertAfter1->SetOnClick([this](TObject*) {
        preview_->InsertPageAfter();
        preview_->SetCurrentPage(preview_->CurrentPage() + 1);
    });
    N2 = AddMenuItem(itmNewPage, this, "-");
    Append1 = AddMenuItem(itmNewPage, this, "Append", 46869);
    Append1->SetOnClick([this](TObject*) {
        preview_->AppendPage();
        preview_->Last();
    });
    itmDeletePage = AddMenuItem(root, this, "Remove Page...", 45031);
    itmDeletePage->SetOnClick([this](TObject*) { preview_->DeletePage(preview_->CurrentPage() - 1); });
    itmEditPage = AddMenuItem(root, this, "Edit Page...", 45029);
    itmEditPage->SetOnClick([this](TObject*) { preview_->EditPage(preview_->CurrentPage() - 1); });
    ProcMenu->SetOnPopup([this](TObject*) { ProcMenuPopup(); });
    preview_->SetPopupMenu(ProcMenu);
    preview_->DrawPanel()->SetPopupMenu(ProcMenu);
}

void TQmPreviewForm::ProcMenuPopup() {
    const int selected = ZoomCombo()->ItemIndex();
    ProcMenu->Items()->Items(selected >= 0 && selected < 10 ? selected : 2)->SetChecked(true);
    const bool editable = preview_->CanModifyPages();
    for (TMenuItem* item : {N4, itmNewPage, itmDeletePage, itmEditPage}) item->SetVisible(editable);
    for (TMenuItem* item : {itmPrint, itmPrintCurrentPage}) item->SetEnabled(PrintButton()->Enabled());
}

void TQmPreviewForm::itmScale10Click(TMenuItem* item) {
    switch (item->Tag()) {
        case 1: preview_->ZoomPageWidth(); break;
        case 2: preview_->ZoomOnePage(); break;
        case 3: preview_->ZoomTwoPages(); break;
        default: preview_->SetZoom(item->Tag());
    }
    item->SetChecked(true);
    SelectZoomItem();
    RememberZoom();
}
