// The preview window's toolbar, zoom and paging commands, keys and start.
#include "report/ui/qm_previewform.h"

#include <cmath>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/registry.h"
#include "platform/ui/buttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "report/core/qm_class.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_ctrls.h"
#include "report/ui/qm_ctrls_popup.h"
#include "report/ui/qm_formfont.h"
#include "report/ui/qm_preview.h"
#include "report/ui/qm_previewglyphs.h"
#include "report/ui/qm_progr.h"
#include "report/ui/qm_tbqytlbr.h"

namespace {

constexpr const char* ZoomPercents[] = {"200%", "150%", "100%", "75%", "50%", "25%", "10%"};
constexpr int ZoomValues[] = {200, 150, 100, 75, 50, 25, 10};
constexpr const char* SettingsSection = "DefaultPreviewForm";

// The save dialog's filter chosen last, shared by the process's windows.
int LastSaveFilterIndex = 1;

bool HasSpreadsheetFilter() {
    for (int i = 0; i < GetExportFilterCount(); ++i) {
        auto* filter = dynamic_cast<TQmExportFilter*>(GetExportFilterInfo(i)->Filter);
        if (filter && filter->IsXLSFilter()) return true;
    }
    return false;
}

}  // namespace

TQmLastZoom& LastPreviewZoom() {
    static TQmLastZoom zoom;
    return zoom;
}

void RegisterReportWindows() {
    RegisterClass(TQmPreviewForm::StaticClass());
    RegisterClass(TQmProgressForm::StaticClass());
}

TQmPreviewForm::TQmPreviewForm(TComponent* owner) : TForm(owner, 0) {
    SetKeyPreview(true);
    SetWindowState(wsMaximized);
    SetShowHint(true);
    SetClientWidth(569);
    SetClientHeight(295);
    SetCaption("Print Preview");
    ApplyReportFont(Font());
    preview_ = new TQmPreview(this);
    preview_->SetParent(this);
    preview_->SetAlign(alClient);
    // The panel may still lay out while the window's other controls go.
    preview_->OnStatusChange = [this](TObject*) {
        if (!ComponentState().Contains(csDestroying)) PreviewStatusChange();
    };
    preview_->OnPageChanged = [this](TObject*) {
        if (!ComponentState().Contains(csDestroying)) edtPageNo_->SetText(IntToStr(preview_->CurrentPage()));
    };
    ImageList1 = new TImageList(this);
    FillPreviewGlyphs(ImageList1);
    CreateToolbar();
    CreateProcMenu();
    openDialog_ = new TOpenDialog(this);
    openDialog_->SetOptions(TOpenOptions{ofOverwritePrompt, ofHideReadOnly, ofAllowMultiSelect, ofFileMustExist});
    saveDialog_ = new TSaveDialog(this);
    saveDialog_->SetOptions(TOpenOptions{ofOverwritePrompt, ofHideReadOnly, ofEnableSizing});
    SetOnKeyDown([this](TObject*, Word& key, TShiftState shift) { FormKeyDown(key, shift); });
    SetOnShow([this](TObject*) {
        ReadSettings();
        if (FormStyle() != fsMDIChild) RestoreFormPlacement("", this);
        btnBorder_->SetDown(preview_->Options()->DrawBorder());
        btnBorderColor_->SetCurrentColor(preview_->Options()->BorderPen()->Color());
    });
    SetOnClose([this](TObject*, TCloseAction& action) {
        SaveSettings();
        if (FormStyle() != fsMDIChild) SaveFormPlacement("", this);
        action = caFree;
    });
}

void TQmPreviewForm::ReadSettings() {
    TRegIniFile settings(QmRegRootKey);
    TQmPreviewOptions* options = preview_->Options();
    options->SetDrawBorder(settings.ReadBool(SettingsSection, "DrawBorder", options->DrawBorder()));
    options->BorderPen()->SetColor(
        static_cast<TColor>(settings.ReadInteger(SettingsSection, "DrawPenColor", options->BorderPen()->Color())));
    preview_->Outline()->SetWidth(settings.ReadInteger(SettingsSection, "OutlineWidth", 200));
}

void TQmPreviewForm::SaveSettings() {
    TRegIniFile settings(QmRegRootKey);
    TQmPreviewOptions* options = preview_->Options();
    settings.WriteBool(SettingsSection, "DrawBorder", options->DrawBorder());
    settings.WriteInteger(SettingsSection, "DrawPenColor", options->BorderPen()->Color());
    settings.WriteInteger(SettingsSection, "OutlineWidth", preview_->Outline()->Width());
}

TQmToolbarButton* TQmPreviewForm::AddButton(int image, const AnsiString& hint, int group, TNotifyEvent onClick) {
    auto* button = new TQmToolbarButton(toolbar_);
    button->SetImages(ImageList1);
    button->SetImageIndex(image);
    button->SetHint(hint);
    AddItem(button, button->Width());
    if (group) {
        button->SetGroupIndex(group);
        button->SetAllowAllUp(true);
    }
    button->SetOnClick(std::move(onClick));
    return button;
}

void TQmPreviewForm::AddItem(TControl* item, int width) {
    if (separatorPending_) (new TQmToolbarSep(toolbar_))->SetParent(toolbar_);
    separatorPending_ = false;
    item->SetWidth(width);
    item->SetParent(toolbar_);
}

void TQmPreviewForm::ArrangeToolbar() {
    // A separator shows only after a shown item of its own group.
    bool itemBefore = false;
    for (int i = 0; i < toolbar_->ControlCount(); ++i) {
        TControl* item = toolbar_->Controls(i);
        if (dynamic_cast<TToolbarSepQy*>(item)) {
            item->SetVisible(itemBefore);
            itemBefore = false;
        } else if (item->Visible()) {
            itemBefore = true;
        }
    }
    toolbar_->ArrangeContent();
}

void TQmPreviewForm::CreateToolbar() {
    auto* dock = new TQmDock(this);
    dock->SetName("DockQy1");
    dock->SetParent(this);
    dock->SetFixAlign(true);
    dock->BeginLayoutUpdate();
    toolbar_ = new TToolbarQy(this);
    toolbar_->SetName("ToolbarPreviewStand");
    toolbar_->SetCaption(LoadReportString(45011));
    toolbar_->SetCloseButton(false);
    toolbar_->SetParent(dock);
    toolbar_->SetDockRow(0);
    toolbar_->SetDockPos(0);
    toolbar_->BeginContentUpdate();

    cmbZoom_ = new TQmComboBoxQy(toolbar_);
    AddItem(cmbZoom_, 80);
    cmbZoom_->SetDropDownCount(12);
    cmbZoom_->SetHint(LoadReportString(45007));
    for (const char* item : ZoomPercents) cmbZoom_->Items()->Add(item);
    for (int id : {46857, 46858, 46859}) cmbZoom_->Items()->Add(LoadReportString(id));
    cmbZoom_->SetOnClick([this](TObject*) { CmbZoomClick(); });
    cmbZoom_->SetOnKeyPress([this](TObject*, char& key) { CmbZoomKeyPress(key); });
    separatorPending_ = true;

    btnOnePage_ = AddButton(1, LoadReportString(46858), 2, [this](TObject*) {
        preview_->ZoomOnePage();
        RememberZoom();
    });
    btn100_ = AddButton(2, "100%", 2, [this](TObject*) {
        preview_->SetZoom(100);
        RememberZoom();
    });
    btnPageWidth_ = AddButton(3, LoadReportString(46857), 2, [this](TObject*) {
        preview_->ZoomPageWidth();
        RememberZoom();
    });
    separatorPending_ = true;
    AddButton(4, LoadReportString(45032), 0, [this](TObject*) { preview_->First(); });
    AddButton(5, LoadReportString(45033), 0, [this](TObject*) { preview_->Prior(); });
    edtPageNo_ = new TQmEdit(toolbar_);
    AddItem(edtPageNo_, 34);
    edtPageNo_->SetOnKeyPress([this](TObject*, char& key) { EdtPageNoKeyPress(key); });
    AddButton(6, LoadReportString(45034), 0, [this](TObject*) { preview_->Next(); });
    AddButton(7, LoadReportString(45035), 0, [this](TObject*) { preview_->Last(); });
    separatorPending_ = true;
    btnFind_ = AddButton(8, LoadReportString(45028), 0, [this](TObject*) { btnFindClick(); });
    separatorPending_ = true;
    btnOpen_ = AddButton(9, LoadReportString(45025), 0, [this](TObject*) { btnOpenClick(); });
    btnSave_ = AddButton(10, LoadReportString(45026), 0, [this](TObject*) { btnSaveClick(); });
    btnSaveToXLS_ = AddButton(15, LoadReportString(45009), 0, [this](TObject*) {
        if (report_ && btnSaveToXLS_->Visible()) preview_->SaveToXLS();
    });
    btnPrint_ = AddButton(11, LoadReportString(45027), 0, [this](TObject*) {
        if (report_ && btnPrint_->Visible()) preview_->Print();
    });
    separatorPending_ = true;
    btnPageSetup_ = AddButton(12, LoadReportString(45024), 0, [this](TObject*) { preview_->PageSetup(); });
    btnShowOutline_ = AddButton(18, LoadReportString(46871), 10,
                                [this](TObject*) { preview_->ShowOutline(btnShowOutline_->Down()); });
    separatorPending_ = true;
    btnDesign_ = AddButton(13, LoadReportString(45010), 0, [this](TObject*) {
        if (report_ && btnDesign_->Visible()) preview_->DesignReport();
    });
    separatorPending_ = true;
    btnBorder_ = AddButton(16, "", 3, [this](TObject*) { BorderButtonClick(); });
    btnBorderColor_ = new TQmColorPickerButton(toolbar_);
    AddItem(btnBorderColor_, btnBorderColor_->Width());
    btnBorderColor_->SetColorType(qmptLine);
    btnBorderColor_->SetParentShowHint(true);
    btnBorderColor_->OnColorChange = [this](TObject*) { BorderColorChange(); };
    separatorPending_ = true;
    btnExit_ = AddButton(14, LoadReportString(45023), 0, [this](TObject*) { Exit(); });
    toolbar_->EndContentUpdate();
    dock->EndLayoutUpdate();
    ArrangeToolbar();
}

void TQmPreviewForm::BorderButtonClick() {
    preview_->Options()->SetDrawBorder(!preview_->Options()->DrawBorder());
    preview_->RefreshPages(false);
}

void TQmPreviewForm::BorderColorChange() {
    preview_->Options()->BorderPen()->SetColor(btnBorderColor_->CurrentColor());
    preview_->RefreshPages(false);
}

void TQmPreviewForm::AssignPreviewOptions(TQmPreviewOptions* options) { preview_->SetOptions(options); }

void TQmPreviewForm::SetInitialDir(const AnsiString& dir) { preview_->InitialDir = dir; }

bool TQmPreviewForm::Modal() const { return report_ && report_->ModalPreview() && !report_->MDIPreview(); }

void TQmPreviewForm::Execute(TQmReport* report) {
    report_ = report;
    preview_->Connect(report);
    openDialog_->SetInitialDir(preview_->InitialDir);
    saveDialog_->SetInitialDir(preview_->InitialDir);
    const TQmPreviewButtons buttons = report->PreviewButtons();
    cmbZoom_->SetVisible(buttons.Contains(pbZoom));
    btnPrint_->SetVisible(buttons.Contains(pbPrint));
    btnOpen_->SetVisible(buttons.Contains(pbLoad));
    btnSave_->SetVisible(buttons.Contains(pbSave));
    btnSaveToXLS_->SetVisible(buttons.Contains(pbSaveToXLS) && HasSpreadsheetFilter());
    btnExit_->SetVisible(buttons.Contains(pbExit));
    btnFind_->SetVisible(buttons.Contains(pbFind));
    btnPageSetup_->SetVisible(buttons.Contains(pbPageSetup));
    btnDesign_->SetVisible(buttons.Contains(pbDesign));
    for (TMenuItem* item : {itmPrint, itmPrintCurrentPage}) item->SetVisible(btnPrint_->Visible());
    for (TMenuItem* item : {N4, itmNewPage, itmDeletePage, itmEditPage}) item->SetVisible(preview_->CanModifyPages());
    ShowOutlineButton();
    ArrangeToolbar();
    switch (report->InitialZoom()) {
        case pzPageWidth: btnPageWidth_->SetDown(true); break;
        case pzOnePage: btnOnePage_->SetDown(true); break;
        default: preview_->SetSavedZoom(LastPreviewZoom().Scale, LastPreviewZoom().Mode);
    }
    btnPrint_->SetEnabled(preview_->CanPrint());
    SelectZoomItem();
    if (Modal()) {
        ShowModal();
    } else {
        Show();
    }
}

void TQmPreviewForm::SelectZoomItem() {
    if (btnPageWidth_->Down()) {
        cmbZoom_->SetItemIndex(7);
    } else if (btnOnePage_->Down()) {
        cmbZoom_->SetItemIndex(8);
    } else if (btn100_->Down()) {
        cmbZoom_->SetItemIndex(2);
    } else if (preview_->ZoomMode() == pzTwoPages) {
        cmbZoom_->SetItemIndex(9);
    } else {
        cmbZoom_->SetItemIndex(cmbZoom_->Items()->IndexOf(IntToStr(static_cast<int>(std::nearbyint(preview_->GetZoom()))) + "%"));
    }
}

void TQmPreviewForm::PreviewStatusChange() {
    const TQmPreviewZoom mode = preview_->ZoomMode();
    btnPageWidth_->SetDown(mode == pzPageWidth);
    btnOnePage_->SetDown(mode == pzOnePage);
    btn100_->SetDown(mode != pzPageWidth && mode != pzOnePage && std::nearbyint(preview_->GetZoom()) == 100);
    SelectZoomItem();
}

void TQmPreviewForm::RememberZoom() {
    LastPreviewZoom() = TQmLastZoom{preview_->SavedScale(), preview_->ZoomMode()};
}

void TQmPreviewForm::CmbZoomClick() {
    const int index = cmbZoom_->ItemIndex();
    if (index >= 0 && index < 7) preview_->SetZoom(ZoomValues[index]);
    if (index == 7) preview_->ZoomPageWidth();
    if (index == 8) preview_->ZoomOnePage();
    if (index == 9) preview_->ZoomTwoPages();
}

void TQmPreviewForm::CmbZoomKeyPress(char& key) {
    if (key == '\r') preview_->SetZoom(StrToIntDef(cmbZoom_->Text(), 100));
}

void TQmPreviewForm::EdtPageNoKeyPress(char& key) {
    if (key != '\r') return;
    try {
        preview_->SetCurrentPage(StrToInt(edtPageNo_->Text()));
    } catch (const EConvertError&) {
        edtPageNo_->SetText(IntToStr(preview_->CurrentPage()));
    }
}

void TQmPreviewForm::btnOpenClick() {
    if (!report_ || !btnOpen_->Visible()) return;
    openDialog_->SetFilter(LoadReportString(47211) + " (*.qmp)|*.qmp");
    if (!openDialog_->Execute()) return;
    preview_->LoadFromFiles(openDialog_->Files());
    AnsiString title = report_->ReportInfo[0];
    if (title.empty()) title = ExtractFileName(openDialog_->FileName());
    if (title.empty()) title = LoadReportString(qmsUntitled);
    SetCaption(LoadReportString(qmsPreview) + " - " + title);
    ShowOutlineButton();
    ArrangeToolbar();
}

void TQmPreviewForm::btnSaveClick() {
    if (!report_ || !btnSave_->Visible()) return;
    AnsiString filter = LoadReportString(47211) + " (*.qmp)|*.qmp";
    for (int i = 0; i < GetExportFilterCount(); ++i) {
        TQmExportFilterInfo* info = GetExportFilterInfo(i);
        filter += "|" + info->FilterDesc + "|" + info->FilterExt;
    }
    saveDialog_->SetFilter(filter);
    saveDialog_->SetFilterIndex(LastSaveFilterIndex);
    if (!saveDialog_->Execute()) return;
    LastSaveFilterIndex = saveDialog_->FilterIndex();
    preview_->Update();
    preview_->SaveToFile(saveDialog_->FileName(), saveDialog_->FilterIndex());
}

void TQmPreviewForm::Exit() {
    if (Modal())
        SetModalResult(mrOk);
    else
        Close();
}

void TQmPreviewForm::FormKeyDown(Word& key, TShiftState shift) {
    if (!report_) return;
    const bool ctrl = shift.Contains(ssCtrl);
    TQmScrollBar* v = preview_->VertBar();
    TQmScrollBar* h = preview_->HorzBar();
    bool handled = true;
    switch (key) {
        case VK_UP: preview_->SetVertPosition(v->Position() - v->SmallChange() * TQmPreview::ScrollStep); break;
        case VK_DOWN: preview_->SetVertPosition(v->Position() + v->SmallChange() * TQmPreview::ScrollStep); break;
        case VK_LEFT: preview_->SetHorzPosition(h->Position() - h->SmallChange() * TQmPreview::ScrollStep); break;
        case VK_RIGHT: preview_->SetHorzPosition(h->Position() + h->SmallChange() * TQmPreview::ScrollStep); break;
        case VK_PRIOR:
            if (ctrl)
                preview_->Prior();
            else
                preview_->SetVertPosition(v->Position() - v->LargeChange());
            break;
        case VK_NEXT:
            if (ctrl)
                preview_->Next();
            else
                preview_->SetVertPosition(v->Position() + v->LargeChange());
            break;
        case VK_ESCAPE: btnExit_->Click(); break;
        case VK_HOME:
            handled = ctrl;
            if (ctrl) preview_->SetVertPosition(0);
            break;
        case VK_END:
            handled = ctrl;
            if (ctrl) preview_->Last();
            break;
        case 'O':
            handled = ctrl;
            if (ctrl) btnOpenClick();
            break;
        case 'S':
            handled = ctrl;
            if (ctrl) btnSaveClick();
            break;
        case VK_F3:
            handled = !ctrl;
            if (!ctrl) FindNextKey();
            break;
        case 'F':
            handled = ctrl;
            if (ctrl) btnFind_->Click();
            break;
        case 'P':
            handled = ctrl;
            if (!ctrl || !btnPrint_->Enabled()) break;
            if (shift.Contains(ssAlt))
                preview_->PrintCurrentPage();
            else
                btnPrint_->Click();
            break;
        default: handled = false;
    }
    if (handled || ctrl) key = 0;
}

void TQmPreviewForm::btnFindClick() {
    if (report_ && btnFind_->Visible()) preview_->Find();
}

void TQmPreviewForm::FindNextKey() {
    if (preview_->SearchText().empty()) return;
    if (preview_->CurrentPage() != preview_->SearchPage() + 1) preview_->SetSearchStart(preview_->CurrentPage() - 1);
    preview_->FindNext();
}

// The outline button shows whether the outline is open, and only when
// the report has one.
void TQmPreviewForm::ShowOutlineButton() {
    btnShowOutline_->SetDown(preview_->Outline()->Visible());
    btnShowOutline_->SetVisible(preview_->Outline()->Items()->Count() > 0);
}

void TQmPreviewForm::WMGetMinMaxInfo(TMessage& Message) {
    DefaultHandler(Message);
    auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
    info->ptMaxSize = POINT{Screen->Width(), Screen->Height()};
    info->ptMaxPosition = POINT{0, 0};
}
