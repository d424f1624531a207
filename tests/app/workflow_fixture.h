// The main window started and logged in as the administrator 0001 over a
// temporary program folder, for the windows of the service workflow: orders
// are added through the reception's own statement, the child windows and
// the order-deletion dialog are freed after each test, and a test that
// needs a fixed day freezes the clock on 2026-12-10.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/serviceorders.h"
#include "login_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/ui/stdctrls_buttons.h"

class WorkflowWindowTest : public LoginTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Stops the clock at noon on 2026-12-10 (timers wait for it then).
    void FreezeToday();
    // Adds an order with the required fields, received on `date`.
    void AddOrder(const AnsiString& number, const AnsiString& imei, const AnsiString& date = "2026-12-10");
    // `column` of every row of a list, in its order; the cursor goes back
    // to the first row.
    static std::vector<AnsiString> ListedValues(TDataSet* list, const char* column = "编号");
    // Runs a statement straight on the connection.
    void Run(const AnsiString& sql) { DM1->ADOConnection1->Execute(sql); }
    // The first column of the first row of a statement.
    AnsiString Scalar(const AnsiString& sql);
    // The one open child window of the main window, as T (nullptr when
    // there is none or another).
    template <class T>
    T* OnlyChild() const {
        return main_->MDIChildCount() == 1 ? dynamic_cast<T*>(main_->MDIChildren(0)) : nullptr;
    }
    // Chooses item `index` of a radio group by clicking its button.
    static void Choose(TRadioGroup* group, int index);
    // Runs `steps` once `dialog` is shown modally by what follows; the
    // modal loop's idle time runs them, which a frozen clock does not stop.
    static void WhenShown(TCustomForm* dialog, std::function<void()> steps);
    // The same for the form `find` answers once it is visible (a window
    // the steps before create).
    static void WhenShown(std::function<TCustomForm*()> find, std::function<void()> steps);
    // Where a child window stands in the main window's client area.
    POINT ChildPosition(TCustomForm* child) const;

private:
    std::optional<FrozenClockScope> clock_;
};
