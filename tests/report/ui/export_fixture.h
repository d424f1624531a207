// Prepared pages for the export filters: pages the engine's prepared-page
// list holds, their objects stored into the page streams as a build
// stores them.
#pragma once

#include <memory>
#include <vector>

#include "report/core/qm_class.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_shapeview.h"

class ExportPages {
public:
    ExportPages() {
        report->SetCompressLevel(qmzcNone);
        templatePage = report->Pages()->AddReportPage();
    }

    // A memo named `name` at (left, top) of width x height screen pixels.
    static std::unique_ptr<TQmView> Memo(const AnsiString& name, const AnsiString& text, int left, int top,
                                        int width, int height) {
        std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
        memo->SetName(name);
        memo->SetspBounds(left, top, width, height);
        memo->Memo->SetText(text);
        return memo;
    }
    static std::unique_ptr<TQmView> Shape(const AnsiString& name, int left, int top, int width, int height) {
        std::unique_ptr<TQmShapeView> shape(TQmShapeView::Create());
        shape->SetName(name);
        shape->SetspBounds(left, top, width, height);
        return shape;
    }

    // Appends a prepared page holding the objects, in order.
    TQmEndPage* AddPage(std::vector<std::unique_ptr<TQmView>> views) {
        report->EndPages()->AddBkPicture(0, 0, -1, -1, nullptr);
        TQmEndPage* page = report->EndPages()->AddPage(templatePage);
        page->CreateObjects(report.get(), false);
        for (auto& view : views) view.release()->SetParentPage(page->Page());
        page->StoreObjects(report.get());
        page->FreeObjects();
        return page;
    }

    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
    TQmReportPage* templatePage = nullptr;
};
