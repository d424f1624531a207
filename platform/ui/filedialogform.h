// The window of the file dialogs: the classic "#32770" open and save
// dialog, with the folder and its parents in a drop-down, an up-one-level
// button, the folder's sub-folders and the files the chosen type lets
// through (each with its icon), the file-name edit and the type list.
#pragma once

#include <vector>

#include "platform/ui/filedialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"

class TButton;
class TComboBox;
class TEdit;
class TListBox;
class TSpeedButton;

// One entry of a folder's listing.
struct TFolderEntry {
    AnsiString name;
    bool folder = false;
};

// The folder's sub-folders (by name), then the files matching one of the
// masks ("*.txt;*.csv"; empty: all); hidden entries (".name") are left out.
std::vector<TFolderEntry> ListFolder(const AnsiString& folder, const AnsiString& masks);

class TFileDialogForm : public TForm {
    SERVIORA_CLASS(TFileDialogForm, TForm)
public:
    // `filterIndex` counts from 1; `fileName` fills the name edit.
    TFileDialogForm(TComponent* owner, bool saving, const AnsiString& folder, const std::vector<TFileFilter>& filters,
                    Integer filterIndex, const AnsiString& fileName);

    // After ShowModal answered mrOk: the folder shown and the name typed or chosen.
    const AnsiString& Folder() const { return folder_; }
    AnsiString ChosenName() const;
    Integer ChosenFilterIndex() const;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void Build(bool saving);
    void ShowFolder(const AnsiString& folder);
    void FillFolderList();
    const TFolderEntry* SelectedEntry() const;
    // A double click or Enter on the selected entry: a folder is entered, a file chosen.
    void OpenSelected();
    void GoUp();
    void Accept();
    void DrawEntry(TWinControl* control, int index, TRect rect, TOwnerDrawState state);

    AnsiString folder_;
    std::vector<TFileFilter> filters_;
    std::vector<TFolderEntry> entries_;
    std::vector<AnsiString> folderChain_;  // the drop-down's folders, root first
    TComboBox* folders_ = nullptr;
    TSpeedButton* up_ = nullptr;
    TListBox* list_ = nullptr;
    TEdit* name_ = nullptr;
    TComboBox* types_ = nullptr;
    TButton* ok_ = nullptr;
};
