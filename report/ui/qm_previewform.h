// The preview window: a preview panel under a toolbar of zoom, paging,
// print and close commands, with the window's keys. The report component
// finds it by its class name.
#pragma once

#include "platform/ui/forms.h"
#include "report/core/qm_reportwindows.h"

class TComboBox;
class TOpenDialog;
class TSaveDialog;
class TEdit;
class TImageList;
class TMenuItem;
class TPopupMenu;
class TToolbarQy;
class TSpeedButton;
class TQmPreview;

class TQmPreviewForm : public TForm, public IQmPreviewForm {
    SERVIORA_CLASS(TQmPreviewForm, TForm)
public:
    explicit TQmPreviewForm(TComponent* owner);

    void AssignPreviewOptions(TQmPreviewOptions* options) override;
    void SetInitialDir(const AnsiString& dir) override;
    void Execute(TQmReport* report) override;

    TQmPreview* Preview() const { return preview_; }
    TComboBox* ZoomCombo() const { return cmbZoom_; }
    TEdit* PageEdit() const { return edtPageNo_; }
    TSpeedButton* PrintButton() const { return btnPrint_; }
    TSpeedButton* OnePageButton() const { return btnOnePage_; }
    TSpeedButton* SaveToXLSButton() const { return btnSaveToXLS_; }
    // The open and save commands: the dialogs, then the panel's
    // LoadFromFiles or SaveToFile.
    void btnOpenClick();
    void btnSaveClick();
    // The find button and F3: F3 restarts at the current page when the
    // view has moved off the page of the last hit.
    void btnFindClick();
    void FindNextKey();
    TSpeedButton* OutlineButton() const { return btnShowOutline_; }
    TSpeedButton* PageSetupButton() const { return btnPageSetup_; }
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
    TSpeedButton* AddButton(const AnsiString& caption, const AnsiString& hint, int width, int group,
                            TNotifyEvent onClick);
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
    TComboBox* cmbZoom_ = nullptr;
    TEdit* edtPageNo_ = nullptr;
    TSpeedButton* btnOnePage_ = nullptr;
    TSpeedButton* btn100_ = nullptr;
    TSpeedButton* btnPageWidth_ = nullptr;
    TSpeedButton* btnPrint_ = nullptr;
    TSpeedButton* btnOpen_ = nullptr;
    TSpeedButton* btnSave_ = nullptr;
    TSpeedButton* btnSaveToXLS_ = nullptr;
    TOpenDialog* openDialog_ = nullptr;
    TSaveDialog* saveDialog_ = nullptr;
    TSpeedButton* btnExit_ = nullptr;
    TSpeedButton* btnFind_ = nullptr;
    TSpeedButton* btnPageSetup_ = nullptr;
    TSpeedButton* btnShowOutline_ = nullptr;
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
