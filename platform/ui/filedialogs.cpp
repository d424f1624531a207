// TOpenDialog and TSaveDialog, with the "#32770" dialog they show.
#include "platform/ui/filedialogs.h"

#include <algorithm>
#include <set>

#include "platform/rtl/codepage.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls_combo.h"

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

// The entries of a folder the dialog lists: sub-folders as "[name]" first
// (with "[..]" above the root), then the files matching the masks.
std::vector<AnsiString> FolderEntries(const AnsiString& folder, const AnsiString& masks) {
    std::vector<AnsiString> entries;
    const AnsiString base = IncludeTrailingPathDelimiter(folder);
    TSearchRec rec;
    if (FindFirst(base + "*", faDirectory, rec) == 0) {
        do {
            if ((rec.Attr & faDirectory) && rec.Name != ".") entries.push_back("[" + rec.Name + "]");
        } while (FindNext(rec) == 0);
        FindClose(rec);
    }
    std::set<AnsiString> files;
    for (const AnsiString& mask : SplitByCharacter(masks.empty() ? AnsiString("*") : masks, ';')) {
        if (mask.empty() || FindFirst(base + mask, 0, rec) != 0) continue;
        do {
            if (!(rec.Attr & faDirectory)) files.insert(rec.Name);
        } while (FindNext(rec) == 0);
        FindClose(rec);
    }
    entries.insert(entries.end(), files.begin(), files.end());
    return entries;
}

// The dialog window: a form of the platform's dialog class.
class TFileDialogForm : public TForm {
    SERVIORA_CLASS(TFileDialogForm, TForm)
public:
    TFileDialogForm(TComponent* owner, int) : TForm(owner, 0) {}

protected:
    void CreateParams(TCreateParams& params) override {
        TForm::CreateParams(params);
        params.WinClassName = "#32770";
    }
};

}  // namespace

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

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner), files_(TStringList::Create()) {}
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
    auto form = std::unique_ptr<TFileDialogForm>(TFileDialogForm::Create(Application, 0));
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetCaption(title_.empty() ? DefaultTitle() : title_);
    form->SetClientWidth(420);
    form->SetClientHeight(300);
    AnsiString folder = initialDir_.empty() ? GetCurrentDir() : initialDir_;
    const auto filters = SplitFileFilter(filter_);

    TLabel* where = TLabel::Create(form.get());
    where->SetParent(form.get());
    where->SetBounds(8, 8, 400, 17);
    TComboBox* entries = TComboBox::Create(form.get());
    entries->SetStyle(csSimple);
    entries->SetParent(form.get());
    entries->SetBounds(8, 28, 404, 180);
    TEdit* name = TEdit::Create(form.get());
    name->SetParent(form.get());
    name->SetBounds(8, 216, 320, 21);
    name->SetText(ExtractFileName(fileName_));
    TComboBox* types = TComboBox::Create(form.get());
    types->SetStyle(csDropDownList);
    types->SetParent(form.get());
    types->SetBounds(8, 244, 320, 21);
    for (const TFileFilter& f : filters) types->Items()->Add(f.description);
    types->SetItemIndex(std::clamp<Integer>(filterIndex_, 1, std::max<Integer>(1, Integer(filters.size()))) - 1);
    TButton* ok = TButton::Create(form.get());
    ok->SetParent(form.get());
    ok->SetCaption(Saving() ? "保存(&S)" : "打开(&O)");
    ok->SetBounds(336, 216, 76, 23);
    ok->SetDefault(true);
    TButton* cancel = TButton::Create(form.get());
    cancel->SetParent(form.get());
    cancel->SetCaption("取消");
    cancel->SetBounds(336, 244, 76, 23);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);

    const auto refill = [&] {
        where->SetCaption(folder);
        entries->Items()->Clear();
        const Integer index = types->ItemIndex();
        const AnsiString masks = index >= 0 && index < Integer(filters.size()) ? filters[std::size_t(index)].masks : "";
        for (const AnsiString& entry : FolderEntries(folder, masks)) entries->Items()->Add(entry);
    };
    entries->SetOnChange([&](TObject*) {
        AnsiString entry = entries->Text();
        if (entry.size() > 2 && entry.front() == '[' && entry.back() == ']') entry = entry.substr(1, entry.size() - 2);
        name->SetText(entry);
    });
    types->SetOnChange([&](TObject*) { refill(); });
    ok->SetOnClick([&](TObject*) {
        const AnsiString typed = name->Text();
        if (typed.empty()) return;
        const AnsiString full = typed[0] == '/' ? typed : IncludeTrailingPathDelimiter(folder) + typed;
        if (DirectoryExists(full)) {
            folder = ExpandFileName(full);
            name->SetText("");
            refill();
            return;
        }
        form->SetModalResult(mrOk);
    });
    refill();

    Choice choice;
    choice.chosen = form->ShowModal() == mrOk;
    choice.filterIndex = types->ItemIndex() + 1;
    if (choice.chosen) choice.names.push_back(Completed(name->Text(), folder));
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
