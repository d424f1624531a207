// The preview window: a preview panel under a toolbar of zoom, paging,
// print and close commands, with the window's keys. The report component
// finds it by its class name.
#pragma once

#include "platform/ui/forms.h"
#include "report/core/qm_reportwindows.h"

class TOpenDialog;
class TSaveDialog;
class TImageList;
class TMenuItem;
class TPopupMenu;
class TToolbarQy;
class TQmColorPickerButton;
class TQmComboBoxQy;
class TQmEdit;
class TQmPreview;
class TQmToolbarButton;

class TQmPreviewForm : public TForm, public IQmPreviewForm {
    SERVIORA_CLASS(TQmPreviewForm, TForm)
public:
    explicit TQmPreviewForm(TComponent* owner);

    void AssignPreviewOptions(TQmPreviewOptions* options) override;
    void SetInitialDir(const AnsiString& dir) override;
    void Execute(TQmReport* report) override;

    TQmPreview* Preview() const { return preview_; }
    TQmComboBoxQy* ZoomCombo() const { return cmbZoom_; }
    TQmEdit* PageEdit() const { return edtPageNo_; }
    TQmToolbarButton* PrintButton() const { return btnPrint_; }
    TQmToolbarButton* OnePageButton() const { return btnOnePage_; }
    TQmToolbarButton* SaveToXLSButton() const { return btnSaveToXLS_; }
    // The open and save commands: the dialogs, then the panel's
    // LoadFromFiles or SaveToFile.
    void btnOpenClick();
    void btnSaveClick();
    // The find button and F3: F3 restarts at the current page when the
    // view has moved off the page of the last hit.
    void btnFindClick();
    void FindNextKey();
    TQmToolbarButton* OutlineButton() const { return btnShowOutline_; }
    TQmToolbarButton* PageSetupButton() const { return btnPageSetup_; }
    // The toolbar's glyphs, at the indexes its items name.
    TImageList* ImageList1 = nullptr;
    // The popup menu on the pages and its handlers.
    TPopupMenu* ProcMenu = nullptr;
    TMenuItem *itmScale200 = nullptr, *itmScale150 = nullptr, *itmScale100 = nullptr, *itmScaale75 = nullptr,
              *itmScale50 = nullptr, *itmScale25 = nullptr, *itmScale10 = nullptr, *itmPageWidth = nullptr,
              *itmOnePage = nullptr, *itmDoublePage = nullptr, *N1 = nullptr, *itmNewPage = nullptr,
              *itmDeletePage = nullptr, *itmEditPage = nullptr, *N4 = nullptr, *itmPrint = nullptr,
              *itmPrintCurrentPage = nullptr, *InsertBefore1 = nullptr, *InsertAfter1 = nullptr, *N2 = nullptr,
              *Append1 = nullptr;
    void ProcMenuPopup();
    void itmScale10Click(TMenuItem* item);
    // Handles a key as the window's key table says; Key becomes 0 when
    // the key was used.
    void FormKeyDown(Word& key, TShiftState shift);

protected:
    // Maximised, the window covers the whole screen from its corner.
    void WMGetMinMaxInfo(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_GETMINMAXINFO, WMGetMinMaxInfo)
    SERVIORA_MESSAGES_END(TForm)

private:
    void CreateToolbar();
    void CreateProcMenu();
    // Lays the toolbar out again, a separator showing only after a shown
    // item of its group.
    void ArrangeToolbar();
    void AddItem(TControl* item, int width);
    // A glyph button of ImageList1 with its hint; a group makes it a toggle.
    TQmToolbarButton* AddButton(int image, const AnsiString& hint, int group, TNotifyEvent onClick);
    // The border-frame button and its colour: the preview's border option.
    void BorderButtonClick();
    void BorderColorChange();
    void PreviewStatusChange();
    void ShowOutlineButton();
    void CmbZoomClick();
    void CmbZoomKeyPress(char& key);
    void EdtPageNoKeyPress(char& key);
    void SelectZoomItem();
    void RememberZoom();
    void Exit();
    bool Modal() const;
    // The border option, its colour and the outline width in the
    // "DefaultPreviewForm" section below the engine's registry root.
    void ReadSettings();
    void SaveSettings();

    TQmReport* report_ = nullptr;
    TQmPreview* preview_ = nullptr;
    TToolbarQy* toolbar_ = nullptr;
    bool separatorPending_ = false;
    TQmComboBoxQy* cmbZoom_ = nullptr;
    TQmEdit* edtPageNo_ = nullptr;
    TQmToolbarButton* btnOnePage_ = nullptr;
    TQmToolbarButton* btn100_ = nullptr;
    TQmToolbarButton* btnPageWidth_ = nullptr;
    TQmToolbarButton* btnPrint_ = nullptr;
    TQmToolbarButton* btnOpen_ = nullptr;
    TQmToolbarButton* btnSave_ = nullptr;
    TQmToolbarButton* btnSaveToXLS_ = nullptr;
    TOpenDialog* openDialog_ = nullptr;
    TSaveDialog* saveDialog_ = nullptr;
    TQmToolbarButton* btnExit_ = nullptr;
    TQmToolbarButton* btnFind_ = nullptr;
    TQmToolbarButton* btnPageSetup_ = nullptr;
    TQmToolbarButton* btnShowOutline_ = nullptr;
    TQmToolbarButton* btnDesign_ = nullptr;
    TQmToolbarButton* btnBorder_ = nullptr;
    TQmColorPickerButton* btnBorderColor_ = nullptr;
};

// The zoom every new preview window starts from with pzDefault or
// pzTwoPages: the last zoom a window's zoom buttons or menu chose.
struct TQmLastZoom {
    double Scale = 1.0;
    TQmPreviewZoom Mode = pzDefault;
};
TQmLastZoom& LastPreviewZoom();

// Makes the preview and progress windows known to the report engine.
void RegisterReportWindows();
