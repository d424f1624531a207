// A list window for benchmarks: a form with the data-aware grid configured
// as the application's list windows place it, over the filled service-order
// table (see service_orders_db.h).
#pragma once

#include <memory>

#include "bench/service_orders_db.h"
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"

namespace service_orders {

// A form with the list grid: read-only row selection, the yellow footer
// counting the records under 品牌 and the static text under 串码.
struct ListWindow {
    ListWindow() {
        if (!Application) Application = TApplication::Create(nullptr);
        InitializeDataGridLibrary();
        connection = Connect(kRows);
        source = std::make_unique<TDataSource>(nullptr);
        form = TForm::Create(Application, 0);
        form->SetBounds(0, 0, 1000, 600);
        grid = TDBGridVyn::Create(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 990, 560);
        grid->SetReadOnly(true);
        grid->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect,
                          dgConfirmDelete, dgCancelOnExit});
        grid->SetFooterColor(clYellow);
        grid->SetFooterRowCount(1);
        const char* const fields[] = {"串码", "品牌", "型号", "配件", "颜色", "厂家", "价格", "顾客姓名",
                                      "电话", "故障现象", "接待日期", "已返厂", "已返回"};
        for (const char* name : fields) {
            TColumnVyn* column = grid->Columns()->Add();
            column->SetFieldName(name);
            column->SetWidth(70);
        }
        grid->Columns()->Items(0)->Footer()->SetValueType(fvtStaticText);
        grid->Columns()->Items(0)->Footer()->SetValue("合计数量");
        grid->Columns()->Items(1)->Footer()->SetValueType(fvtCount);
        grid->SumList()->SetActive(true);
        grid->SetDataSource(source.get());
        form->Show();
        ProcessMessages();
    }
    std::unique_ptr<TADOQuery> NewQuery() {
        auto query = std::make_unique<TADOQuery>(nullptr);
        query->SetConnection(connection.get());
        query->SQL()->Add("select * from 流水记录");
        return query;
    }
    void Paint() {
        grid->Invalidate();
        ProcessMessages();
    }

    std::unique_ptr<TADOConnection> connection;
    std::unique_ptr<TDataSource> source;
    TForm* form = nullptr;
    TDBGridVyn* grid = nullptr;
};

}  // namespace service_orders
