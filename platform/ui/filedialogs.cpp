// TOpenDialog and TSaveDialog: asking the responder or showing the dialog
// window (filedialogform.h), then the checks on the names chosen.
#include "platform/ui/filedialogs.h"

#include <algorithm>

#include "platform/rtl/codepage.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/filedialogform.h"
#include "platform/ui/modalresponder.h"

namespace {

// Parts of `text` between `separator` characters, stepping by character so
// a trail byte equal to the separator never splits.
std::vector<AnsiString> SplitByCharacter(const AnsiString& text, char separator) {
    std::vector<AnsiString> parts(1);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t size = AnsiCharSize(text, i);
        if (size == 1 && text[i] == separator)
            parts.emplace_back();
        else
            parts.back().append(text, i, size);
        i += size;
    }
    return parts;
}

}  // namespace

std::vector<AnsiString> SplitFileMasks(const AnsiString& masks) { return SplitByCharacter(masks, ';'); }

std::vector<TFileFilter> SplitFileFilter(const AnsiString& filter) {
    std::vector<TFileFilter> filters;
    if (filter.empty()) return filters;
    const auto parts = SplitByCharacter(filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2)
        filters.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : AnsiString()});
    return filters;
}

void TOpenDialog::Published(TPublished<TOpenDialog>& p) {
    p.Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    p.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    p.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    p.Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    p.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    p.Property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions);
    p.Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

TOpenDialog::TOpenDialog(TComponent* owner)
    : TCommonDialog(owner), files_(TStringList::Create()), historyList_(TStringList::Create()) {}
TOpenDialog::~TOpenDialog() = default;

// A name as the dialog hands it out: in the folder, with DefaultExt when it has no extension.
AnsiString TOpenDialog::Completed(AnsiString name, const AnsiString& folder) const {
    if (!defaultExt_.empty() && ExtractFileExt(name).empty()) name += "." + defaultExt_;
    if (!name.empty() && name[0] != '/' && !folder.empty()) name = IncludeTrailingPathDelimiter(folder) + name;
    return name;
}

TOpenDialog::Choice TOpenDialog::Ask() {
    ModalQuestion question;
    question.kind = Kind();
    question.caption = title_.empty() ? DefaultTitle() : title_;
    question.text = filter_;
    question.className = "#32770";
    ModalAnswer answer;
    if (!TakeModalAnswer(question, &answer)) return RunDialog();
    Choice choice;
    choice.chosen = answer.result > 0;
    choice.filterIndex = answer.result;
    const AnsiString folder = initialDir_.empty() ? GetCurrentDir() : initialDir_;
    for (const AnsiString& name : SplitByCharacter(answer.text, '\n'))
        if (!name.empty()) choice.names.push_back(Completed(name, folder));
    return choice;
}

TOpenDialog::Choice TOpenDialog::RunDialog() {
    auto form = std::unique_ptr<TFileDialogForm>(
        TFileDialogForm::Create(Application, Saving(), initialDir_.empty() ? GetCurrentDir() : initialDir_,
                                SplitFileFilter(filter_), filterIndex_, fileName_));
    form->SetCaption(title_.empty() ? DefaultTitle() : title_);
    Choice choice;
    choice.chosen = ShowDialogForm(form.get()) == mrOk;
    choice.filterIndex = form->ChosenFilterIndex();
    if (choice.chosen) choice.names.push_back(Completed(form->ChosenName(), form->Folder()));
    return choice;
}

bool TOpenDialog::Acceptable(const std::vector<AnsiString>& names) {
    if (names.empty()) return false;
    for (const AnsiString& name : names) {
        const AnsiString folder = ExtractFilePath(name);
        if ((options_.Contains(ofPathMustExist) || options_.Contains(ofFileMustExist)) && !folder.empty() &&
            !DirectoryExists(folder)) {
            MessageBox(0, (name + "\n路径不存在。\n请检查路径是否正确。").c_str(), Title().c_str(), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        if (options_.Contains(ofFileMustExist) && !FileExists(name)) {
            MessageBox(0, (name + "\n文件不存在。\n请检查文件名是否正确。").c_str(), Title().c_str(),
                       MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        if (Saving() && options_.Contains(ofOverwritePrompt) && FileExists(name) &&
            MessageBox(0, (name + " 已存在。\n要替换它吗？").c_str(), (title_.empty() ? DefaultTitle() : title_).c_str(),
                       MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return false;
    }
    return true;
}

bool TOpenDialog::Execute() {
    for (;;) {
        Choice choice = Ask();
        if (!choice.chosen) return false;
        if (!options_.Contains(ofAllowMultiSelect) && choice.names.size() > 1) choice.names.resize(1);
        if (!Acceptable(choice.names)) continue;
        filterIndex_ = choice.filterIndex;
        fileName_ = choice.names.front();
        files_->Clear();
        for (const AnsiString& name : choice.names) files_->Add(name);
        return true;
    }
}
