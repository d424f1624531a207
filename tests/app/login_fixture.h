// The application started with the login driven by synthetic input: the
// main window is created as the program creates it, and the steps given run
// once from the message loop while the login is shown modally.
#pragma once

#include <functional>
#include <memory>

#include "app_fixture.h"

class LoginTest : public AppTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds an operator, and a grant of `permission` to operator `id`.
    void AddOperator(const AnsiString& id, const AnsiString& name, const AnsiString& password);
    void Grant(const AnsiString& id, const AnsiString& permission);
    AnsiString StoredPassword(const AnsiString& id);

    // Creates MAIN (which runs the login); `atLogin` runs while it shows.
    void StartWithLogin(std::function<void()> atLogin);
    // Logs in as `id` with `password` on the shown login.
    void LogIn(const AnsiString& id, const AnsiString& password);
    // Runs `steps` once from the message loop as soon as `form()` is visible.
    void RunWhenShown(std::function<TCustomForm*()> form, std::function<void()> steps);

    // Synthetic input: a click in the middle of a control, typing into a
    // control after clicking it, a press of Enter.
    static void Click(TWinControl* control);
    static void Type(TWinControl* control, const AnsiString& text);
    static void PressKey(int key);

    // Whether question `index` showed `text` with `caption` and `icon`.
    static ::testing::AssertionResult AskedAt(std::size_t index, const AnsiString& text, const AnsiString& caption,
                                            unsigned icon);

private:
    void Execute(const AnsiString& statement);

    std::unique_ptr<TTimer> driver_;
};
