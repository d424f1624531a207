// The file dialogs' window: layout, navigation and the entries' icons.
#include "platform/ui/filedialogform.h"

#include <algorithm>
#include <set>

#include "platform/rtl/codepage.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_listbox.h"

std::vector<TFolderEntry> ListFolder(const AnsiString& folder, const AnsiString& masks) {
    const AnsiString base = IncludeTrailingPathDelimiter(folder);
    std::set<AnsiString> folders, files;
    TSearchRec rec;
    if (FindFirst(base + "*", faDirectory, rec) == 0) {
        do {
            if ((rec.Attr & faDirectory) && !rec.Name.empty() && rec.Name[0] != '.') folders.insert(rec.Name);
        } while (FindNext(rec) == 0);
        FindClose(rec);
    }
    for (const AnsiString& mask : SplitFileMasks(masks.empty() ? AnsiString("*") : masks)) {
        if (mask.empty() || FindFirst(base + mask, 0, rec) != 0) continue;
        do {
            if (!(rec.Attr & faDirectory) && !rec.Name.empty() && rec.Name[0] != '.') files.insert(rec.Name);
        } while (FindNext(rec) == 0);
        FindClose(rec);
    }
    std::vector<TFolderEntry> entries;
    for (const AnsiString& name : folders) entries.push_back({name, true});
    for (const AnsiString& name : files) entries.push_back({name, false});
    return entries;
}

namespace {

constexpr int labelWidth = 78, fieldLeft = 90, fieldWidth = 240, buttonLeft = 340, buttonWidth = 80;
constexpr int iconSize = 16;

TLabel* AddLabel(TForm* form, const char* caption, int top, TWinControl* focus) {
    TLabel* label = TLabel::Create(form);
    label->SetParent(form);
    label->SetCaption(caption);
    label->SetBounds(8, top + 4, labelWidth, 13);
    label->SetFocusControl(focus);
    return label;
}

// The up-one-level glyph: a folder with an arrow pointing up.
void DrawUpGlyph(TBitmap& glyph) {
    glyph.SetSize(iconSize, iconSize);
    TCanvas* c = glyph.Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect(Rect(0, 0, iconSize, iconSize));
    c->Brush()->SetColor(clYellow);
    c->Pen()->SetColor(clOlive);
    c->Rectangle(1, 6, 13, 15);
    c->Pen()->SetColor(clGreen);
    c->Brush()->SetColor(clGreen);
    const TPoint arrow[] = {{10, 0}, {14, 4}, {6, 4}};
    c->Polygon(arrow, 3);
    c->FillRect(Rect(9, 4, 12, 11));
}

// The entries' icons: a yellow folder, or a white page with a folded corner.
void DrawEntryIcon(TCanvas* c, int left, int top, bool folder) {
    c->Pen()->SetColor(folder ? clOlive : clGray);
    if (folder) {
        c->Brush()->SetColor(clYellow);
        c->Rectangle(left + 1, top + 2, left + 7, top + 5);
        c->Rectangle(left + 1, top + 4, left + 15, top + 14);
        return;
    }
    c->Brush()->SetColor(clWhite);
    const TPoint page[] = {{left + 3, top + 1},  {left + 10, top + 1}, {left + 13, top + 4},
                           {left + 13, top + 15}, {left + 3, top + 15}};
    c->Polygon(page, 5);
    c->MoveTo(left + 10, top + 1);
    c->LineTo(left + 10, top + 4);
    c->LineTo(left + 13, top + 4);
}

// The folders from the root down to `folder`.
std::vector<AnsiString> FolderChain(const AnsiString& folder) {
    std::vector<AnsiString> chain;
    for (AnsiString f = ExcludeTrailingPathDelimiter(ExpandFileName(folder));;) {
        chain.push_back(f.empty() ? AnsiString("/") : f);
        const AnsiString parent = ExcludeTrailingPathDelimiter(ExtractFilePath(f));
        if (f.empty() || f == "/" || parent == f) break;
        f = parent;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

}  // namespace

TFileDialogForm::TFileDialogForm(TComponent* owner, bool saving, const AnsiString& folder,
                                 const std::vector<TFileFilter>& filters, Integer filterIndex,
                                 const AnsiString& fileName)
    : TForm(owner, 0), filters_(filters) {
    Build(saving);
    for (const TFileFilter& f : filters_) types_->Items()->Add(f.description);
    types_->SetItemIndex(std::clamp<Integer>(filterIndex, 1, std::max<Integer>(1, Integer(filters_.size()))) - 1);
    name_->SetText(ExtractFileName(fileName));
    ShowFolder(folder);
    SetActiveControl(name_);
}

void TFileDialogForm::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.WinClassName = "#32770";
}

void TFileDialogForm::Build(bool saving) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    // The client size needs the frame the window gets.
    HandleNeeded();
    SetClientWidth(430);
    SetClientHeight(262);

    folders_ = TComboBox::Create(this);
    folders_->SetParent(this);
    folders_->SetStyle(csDropDownList);
    folders_->SetBounds(fieldLeft, 8, fieldWidth, 21);
    folders_->SetOnSelect([this](TObject*) {
        const Integer index = folders_->ItemIndex();
        if (index >= 0 && index < Integer(folderChain_.size())) ShowFolder(folderChain_[std::size_t(index)]);
    });
    AddLabel(this, saving ? "保存在(&I):" : "查找范围(&I):", 8, folders_);
    up_ = TSpeedButton::Create(this);
    up_->SetParent(this);
    up_->SetBounds(fieldLeft + fieldWidth + 6, 7, 23, 22);
    up_->SetHint("向上一级");
    up_->SetShowHint(true);
    TBitmap glyph;
    DrawUpGlyph(glyph);
    up_->SetGlyph(&glyph);
    up_->SetOnClick([this](TObject*) { GoUp(); });

    list_ = TListBox::Create(this);
    list_->SetParent(this);
    list_->SetStyle(lbOwnerDrawFixed);
    list_->SetItemHeight(18);
    list_->SetBounds(8, 38, 414, 156);
    list_->SetOnDrawItem([this](TWinControl* c, int i, TRect r, TOwnerDrawState s) { DrawEntry(c, i, r, s); });
    list_->SetOnClick([this](TObject*) {
        if (const TFolderEntry* entry = SelectedEntry(); entry && !entry->folder) name_->SetText(entry->name);
    });
    list_->SetOnDblClick([this](TObject*) { OpenSelected(); });
    list_->SetOnKeyDown([this](TObject*, Word& key, TShiftState) {
        if (key == VK_RETURN) OpenSelected();
        else if (key == VK_BACK) GoUp();
        else return;
        key = 0;
    });

    name_ = TEdit::Create(this);
    name_->SetParent(this);
    name_->SetBounds(fieldLeft, 204, fieldWidth, 21);
    AddLabel(this, "文件名(&N):", 204, name_);
    types_ = TComboBox::Create(this);
    types_->SetParent(this);
    types_->SetStyle(csDropDownList);
    types_->SetBounds(fieldLeft, 232, fieldWidth, 21);
    types_->SetOnChange([this](TObject*) { FillFolderList(); });
    AddLabel(this, saving ? "保存类型(&T):" : "文件类型(&T):", 232, types_);

    ok_ = TButton::Create(this);
    ok_->SetParent(this);
    ok_->SetCaption(saving ? "保存(&S)" : "打开(&O)");
    ok_->SetBounds(buttonLeft, 203, buttonWidth, 23);
    ok_->SetDefault(true);
    ok_->SetOnClick([this](TObject*) { Accept(); });
    TButton* cancel = TButton::Create(this);
    cancel->SetParent(this);
    cancel->SetCaption("取消");
    cancel->SetBounds(buttonLeft, 231, buttonWidth, 23);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
}

void TFileDialogForm::ShowFolder(const AnsiString& folder) {
    folderChain_ = FolderChain(folder);
    folder_ = folderChain_.back();
    folders_->Items()->Clear();
    // Each folder indented under its parent, as a tree reads.
    for (std::size_t depth = 0; depth < folderChain_.size(); ++depth) {
        const AnsiString& f = folderChain_[depth];
        const AnsiString shown = depth == 0 ? f : ExtractFileName(f);
        folders_->Items()->Add(AnsiString(depth * 2, ' ') + shown);
    }
    folders_->SetItemIndex(Integer(folderChain_.size()) - 1);
    up_->SetEnabled(folderChain_.size() > 1);
    FillFolderList();
}

void TFileDialogForm::FillFolderList() {
    const Integer index = types_->ItemIndex();
    const AnsiString masks = index >= 0 && index < Integer(filters_.size()) ? filters_[std::size_t(index)].masks : "";
    entries_ = ListFolder(folder_, masks);
    list_->Items()->Clear();
    for (const TFolderEntry& entry : entries_) list_->Items()->Add(entry.name);
}

const TFolderEntry* TFileDialogForm::SelectedEntry() const {
    const Integer index = list_->ItemIndex();
    return index >= 0 && index < Integer(entries_.size()) ? &entries_[std::size_t(index)] : nullptr;
}

void TFileDialogForm::OpenSelected() {
    const TFolderEntry* entry = SelectedEntry();
    if (!entry) return;
    if (entry->folder) {
        ShowFolder(IncludeTrailingPathDelimiter(folder_) + entry->name);
        return;
    }
    name_->SetText(entry->name);
    Accept();
}

void TFileDialogForm::GoUp() {
    if (folderChain_.size() > 1) ShowFolder(folderChain_[folderChain_.size() - 2]);
}

void TFileDialogForm::Accept() {
    const AnsiString typed = name_->Text();
    if (typed.empty()) {
        // 打开 on a selected folder enters it, as a double click does.
        if (const TFolderEntry* entry = SelectedEntry(); entry && entry->folder) OpenSelected();
        return;
    }
    const AnsiString full = typed[0] == '/' ? typed : IncludeTrailingPathDelimiter(folder_) + typed;
    if (DirectoryExists(full)) {
        name_->SetText("");
        ShowFolder(full);
        return;
    }
    SetModalResult(mrOk);
}

AnsiString TFileDialogForm::ChosenName() const { return name_->Text(); }

Integer TFileDialogForm::ChosenFilterIndex() const { return types_->ItemIndex() + 1; }

void TFileDialogForm::DrawEntry(TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    TCanvas* c = list_->Canvas();
    const bool selected = state.Contains(odSelected);
    c->Brush()->SetColor(selected ? clHighlight : clWindow);
    c->FillRect(rect);
    if (index < 0 || index >= int(entries_.size())) return;
    const TFolderEntry& entry = entries_[std::size_t(index)];
    DrawEntryIcon(c, rect.left + 2, rect.top + (rect.bottom - rect.top - iconSize) / 2, entry.folder);
    c->Brush()->SetColor(selected ? clHighlight : clWindow);
    c->Font()->SetColor(selected ? clHighlightText : clWindowText);
    c->TextOut(rect.left + iconSize + 6, rect.top + (rect.bottom - rect.top - c->TextHeight(entry.name)) / 2,
               entry.name);
    if (state.Contains(odFocused)) DrawFocusRect(c->Handle(), &rect);
}
