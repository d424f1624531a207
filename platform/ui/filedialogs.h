// TOpenDialog and TSaveDialog: the file dialogs, our own "#32770" dialog
// with the folder's entries filtered by the chosen filter, the file-name
// edit and the filter list. Filter is "description|masks|..." pairs, split
// character by character (a trail byte 0x7C is not a separator);
// FilterIndex counts from 1 and Execute stores the one chosen.
//
// With the modal responder holding an answer, Execute takes it instead of
// showing the dialog: the answer's text is the file name (several names
// one per line with ofAllowMultiSelect), its result the FilterIndex chosen
// (0: cancelled). The checks that follow (ofFileMustExist,
// ofPathMustExist, the overwrite question of ofOverwritePrompt, itself a
// message box) run either way; a refusal shows the dialog (or asks the
// responder) again.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/set.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/commondialog.h"

SERVIORA_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
              ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
              ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
              ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing)
using TOpenOptions = TSet<TOpenOption>;
SERVIORA_ENUM(TFileEditStyle, fsEdit, fsComboBox)

// One filter of a Filter string: what the list shows and the masks
// ("*.txt;*.csv").
struct TFileFilter {
    AnsiString description;
    AnsiString masks;
};
// Splits a filter's masks ("*.txt;*.csv") at their ";" characters.
std::vector<AnsiString> SplitFileMasks(const AnsiString& masks);
// Splits a Filter string at its "|" characters, stepping by character.
std::vector<TFileFilter> SplitFileFilter(const AnsiString& filter);

class TOpenDialog : public TCommonDialog {
    SERVIORA_CLASS(TOpenDialog, TCommonDialog)
    SERVIORA_PUBLISHED
public:
    explicit TOpenDialog(TComponent* owner);
    ~TOpenDialog() override;

    // Answers whether a file was chosen (FileName, Files and FilterIndex set).
    bool Execute() override;

    const AnsiString& FileName() const { return fileName_; }
    void SetFileName(const AnsiString& v) { fileName_ = v; }
    const AnsiString& Filter() const { return filter_; }
    void SetFilter(const AnsiString& v) { filter_ = v; }
    Integer FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(Integer v) { filterIndex_ = v; }
    const AnsiString& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const AnsiString& v) { defaultExt_ = v; }
    const AnsiString& InitialDir() const { return initialDir_; }
    void SetInitialDir(const AnsiString& v) { initialDir_ = v; }
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& v) { title_ = v; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions v) { options_ = v; }
    TStrings* Files() const { return files_.get(); }
    // The names offered with the file-name edit; set, the list is copied.
    TStrings* HistoryList() const { return historyList_.get(); }
    void SetHistoryList(TStrings* v) { historyList_->Assign(v); }
    // The platform's dialog always has a plain edit for the name; kept.
    TFileEditStyle FileEditStyle() const { return fileEditStyle_; }
    void SetFileEditStyle(TFileEditStyle v) { fileEditStyle_ = v; }

protected:
    // "OpenDialog" or "SaveDialog", as the responder records it.
    virtual AnsiString Kind() const { return "OpenDialog"; }
    virtual AnsiString DefaultTitle() const { return "打开"; }
    virtual bool Saving() const { return false; }

private:
    struct Choice {
        bool chosen = false;
        std::vector<AnsiString> names;
        Integer filterIndex = 1;
    };
    Choice Ask();
    Choice RunDialog();
    bool Acceptable(const std::vector<AnsiString>& names);
    AnsiString Completed(AnsiString name, const AnsiString& folder) const;

    AnsiString fileName_, filter_, defaultExt_, initialDir_, title_;
    Integer filterIndex_ = 1;
    TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
    std::unique_ptr<TStringList> files_;
    std::unique_ptr<TStringList> historyList_;
    TFileEditStyle fileEditStyle_ = fsEdit;
};

class TSaveDialog : public TOpenDialog {
    SERVIORA_CLASS(TSaveDialog, TOpenDialog)
public:
    using TOpenDialog::TOpenDialog;

protected:
    AnsiString Kind() const override { return "SaveDialog"; }
    AnsiString DefaultTitle() const override { return "另存为"; }
    bool Saving() const override { return true; }
};
