// Grid tests: the library started once for the test program, a small
// in-memory dataset of phones behind a data source, and a grid that counts
// its layout passes and records which of its operations the data link reached.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/data/field.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "platform/ui/imagelist.h"
#include "support/memory_dataset.h"

class TProbeGrid : public TDBGridVyn {
    SERVIORA_CLASS(TProbeGrid, TDBGridVyn)
public:
    using TDBGridVyn::TDBGridVyn;
    using TDBGridVyn::ChangeScale;
    int layoutPasses = 0;
    std::vector<AnsiString> calls;
    bool recording = false;

    void LinkActiveChanged(bool active) override {
        Record(active ? "LinkActiveChanged(on)" : "LinkActiveChanged(off)");
        TDBGridVyn::LinkActiveChanged(active);
    }
    void RebuildLayout() override {
        Record("RebuildLayout");
        TDBGridVyn::RebuildLayout();
    }
    void DataScrolled(int distance) override {
        Record("DataScrolled(" + std::to_string(distance) + ")");
        TDBGridVyn::DataScrolled(distance);
    }
    void RecordChanged(TField* field) override {
        Record(field ? "RecordChanged(" + field->FieldName() + ")" : AnsiString("RecordChanged"));
        TDBGridVyn::RecordChanged(field);
    }
    void InvalidateIndicator() override {
        Record("InvalidateIndicator");
        TDBGridVyn::InvalidateIndicator();
    }
    void RequestLayout() override {
        if (InLinkLayout()) Record("RequestLayout(in link layout)");
        TDBGridVyn::RequestLayout();
    }
    // Runs inside ApplyEditText, as a field's validation would.
    std::function<void()> whileApplying;
    void ApplyEditText() override {
        Record("ApplyEditText");
        if (whileApplying) whileApplying();
    }
    // Takes the recorded calls, starting a new record.
    std::vector<AnsiString> Take() {
        std::vector<AnsiString> taken;
        taken.swap(calls);
        return taken;
    }

protected:
    void LayoutPass() override {
        ++layoutPasses;
        TDBGridVyn::LayoutPass();
    }

private:
    void Record(const AnsiString& call) {
        if (recording) calls.push_back(call);
    }
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Phones numbered 1..count: 编号 (text), 价格 (float), 已返厂 (yes/no).
    void FillPhones(int count);
    TProbeGrid* NewGrid();
    // A grid of `width` by `height` on a shown form that lives as long as
    // the test; `prepare` runs before the form shows (the data source is
    // not set: a test sets it where it matters).
    TProbeGrid* NewShownGrid(int width, int height, const std::function<void(TProbeGrid*)>& prepare = nullptr);

    std::unique_ptr<TMemoryDataSet> phones_;
    std::unique_ptr<TDataSource> source_;
    std::vector<std::unique_ptr<TProbeGrid>> grids_;
    std::vector<std::unique_ptr<TForm>> forms_;
};

// Types `text` key by key into the focused window; a character other than
// a letter, digit or blank comes on a key that means nothing by itself.
inline void TypeChars(const AnsiString& text) {
    for (char c : text) {
        const unsigned char code = static_cast<unsigned char>(c);
        const int vk = c == ' ' ? VK_SPACE : std::isalnum(code) ? std::toupper(code) : 0xDE;
        SimulateKey(vk, true, AnsiString(1, c));
        SimulateKey(vk, false);
        ProcessMessages();
    }
}

// An image list of `size`-pixel squares, one per colour.
inline void FillWithSquares(TImageList& images, int size, std::initializer_list<TColor> colours) {
    images.SetWidth(size);
    images.SetHeight(size);
    for (TColor colour : colours) {
        TBitmap square;
        square.SetWidth(size);
        square.SetHeight(size);
        square.Canvas()->Brush()->SetColor(colour);
        square.Canvas()->FillRect(TRect{0, 0, size, size});
        images.Add(&square, nullptr);
    }
}

// A persistent field of `fieldClass` on a closed dataset.
inline TField* AddPersistentField(TDataSet* dataSet, const char* name, TFieldClass fieldClass) {
    auto* field = static_cast<TField*>(fieldClass->Create(dataSet));
    field->SetFieldName(name);
    field->SetDataSet(dataSet);
    return field;
}

// A lookup field on a closed dataset: the `result` of the `list` record
// whose `listKeys` equal the dataset's `keys`.
inline TField* AddLookupField(TDataSet* dataSet, const char* name, TDataSet* list, const char* keys,
                              const char* listKeys, const char* result) {
    TField* field = AddPersistentField(dataSet, name, TStringField::StaticClass());
    field->SetFieldKind(fkLookup);
    field->SetLookupDataSet(list);
    field->SetKeyFields(keys);
    field->SetLookupKeyFields(listKeys);
    field->SetLookupResultField(result);
    return field;
}

// A picture of `window` with its open `dropDown` drawn where it shows on
// the screen (the drop-down is a window of its own): the two captured and
// joined, the picture grown to hold both.
std::unique_ptr<TBitmap> PictureWithDropDown(TWinControl* window, TWinControl* dropDown);
// Pictures placed one below the other, saved as a PNG in the screenshot
// folder; answers whether it was written.
bool SaveStackedPictures(const std::vector<TBitmap*>& pictures, const std::string& name);

