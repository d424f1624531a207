// Fixtures of the build tests: a report on an owner component, a template
// page filled in code with bands and text objects (sizes in millimetres),
// data sources that serve rows from a table, and the prepared pages read
// back as (text, top) pairs.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/rtl/sysutils.h"
#include "report/core/qm_band.h"
#include "report/core/qm_dataset.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"

inline Integer Mm(double mm) { return ToInternalUnits(qmutMillimeters, mm); }

// Rows of named values served through the user data source's events.
class TableSource {
public:
    TableSource(TComponent* owner, const AnsiString& name, std::vector<std::map<AnsiString, Variant>> rows)
        : rows_(std::move(rows)), source_(TQmUserDataset::Create(owner)) {
        source_->SetName(name);
        source_->SetRangeEnd(qmreCount);
        source_->SetRangeEndCount(static_cast<Integer>(rows_.size()));
        source_->SetOnGetFieldValue(
            TQmUserDatasetOnGetFieldValue([this](TQmDataset* dataset, const AnsiString& field, Variant& value) {
                // Past the end the cursor stays on the last row, as a
                // dataset's does.
                if (rows_.empty()) return;
                const auto index = std::min(static_cast<std::size_t>(dataset->RecordNo()), rows_.size() - 1);
                const auto found = rows_[index].find(field);
                if (found != rows_[index].end()) value = found->second;
            }));
        source_->SetOnGetFieldsList(TQmUserDatasetOnGetFieldsList([this](TQmDataset*, TStrings* names) {
            if (rows_.empty()) return;
            for (const auto& [field, value] : rows_.front()) names->Add(field);
        }));
    }
    TQmUserDataset* Source() const { return source_; }
    std::vector<std::map<AnsiString, Variant>>& Rows() { return rows_; }

private:
    std::vector<std::map<AnsiString, Variant>> rows_;
    TQmUserDataset* source_;
};

struct PreparedText {
    AnsiString text;
    Integer top;  // millimetres, rounded
    Integer left;
    bool operator==(const PreparedText&) const = default;
};

class BuildFixture {
public:
    BuildFixture() {
        report->ShowErrorBox = false;
        page->SetName("Page1");
    }

    template <class Band>
    Band* AddBand(double top, double height, const AnsiString& name = {}) {
        auto* band = Band::Create();
        band->SetParentPage(page);
        if (!name.empty()) band->SetName(name);
        band->Top = Mm(top);
        band->Height = Mm(height);
        band->Width = Mm(180);
        return band;
    }
    TQmMemoView* AddText(double top, const AnsiString& text, double left = 0, double height = 5,
                         TQmCustomPage* on = nullptr) {
        auto* memo = TQmMemoView::Create();
        memo->SetParentPage(on ? on : page);
        memo->Top = Mm(top);
        memo->Left = Mm(left);
        memo->Height = Mm(height);
        memo->Width = Mm(40);
        memo->Memo->SetText(text);
        return memo;
    }
    TableSource& AddSource(const AnsiString& name, std::vector<std::map<AnsiString, Variant>> rows) {
        sources.push_back(std::make_unique<TableSource>(owner.get(), name, std::move(rows)));
        return *sources.back();
    }
    // Every build reloads the template: objects are found again by name.
    template <class T>
    T* Object(const AnsiString& name) const {
        return dynamic_cast<T*>(report->FindObject(name));
    }
    TQmReportPage* Page(int index = 0) const {
        return dynamic_cast<TQmReportPage*>(report->Pages()->GetPage(index));
    }
    int PageCount() const { return report->EndPages()->GetCount(); }
    // The texts of a prepared page in the order written.
    std::vector<PreparedText> Texts(int index) const {
        std::vector<PreparedText> texts;
        TQmEndPage* prepared = report->EndPages()->GetPage(index);
        if (!prepared) return texts;
        prepared->CreateObjects(report, false);
        for (TQmView* view : prepared->Page()->GetObjects()) {
            AnsiString text = view->Memo->Text();
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '\x01'))
                text.pop_back();
            texts.push_back({text, static_cast<Integer>(Round(FromInternalUnits(view->Top, qmutMillimeters))),
                             static_cast<Integer>(Round(FromInternalUnits(view->Left, qmutMillimeters)))});
        }
        prepared->FreeObjects();
        return texts;
    }
    // Only the texts of a prepared page.
    std::vector<AnsiString> Lines(int index) const {
        std::vector<AnsiString> lines;
        for (const PreparedText& t : Texts(index)) lines.push_back(t.text);
        return lines;
    }

    std::unique_ptr<TComponent> owner{TComponent::Create(nullptr)};
    TQmReport* report = TQmReport::Create(owner.get());
    TQmReportPage* page = report->Pages()->AddReportPage();
    std::vector<std::unique_ptr<TableSource>> sources;
};

inline std::vector<std::map<AnsiString, Variant>> Numbered(int count) {
    std::vector<std::map<AnsiString, Variant>> rows;
    for (int i = 1; i <= count; ++i) rows.push_back({{"N", i}, {"G", (i - 1) / 3 + 1}});
    return rows;
}
