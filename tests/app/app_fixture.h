// A program folder of the application in a temporary folder (database,
// backup/), the data module and the main window over it, with the login
// answered with 登陆. The tests queue the answers of the message boxes.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/dm1frm.h"
#include "app/login.h"
#include "app/mainfrm.h"
#include "platform/ui/modalresponder.h"
#include "support/temp_dir.h"

// Every row of the application's tables in `databaseFile`, as text: two
// files with the same rows answer the same, whatever their page bytes.
AnsiString DatabaseRows(const AnsiString& databaseFile);

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes myini.ini (ANSI bytes) into the program folder.
    void WriteSettings(const AnsiString& text);
    // Creates DM1 and MAIN as the program does; the login is answered with 登陆.
    void StartMainWindow();
    // Ends the run StartMainWindow began: its windows, the login and DM1 go,
    // as when the program exits; the program folder stays for a next start.
    void StopMainWindow();
    // Creates MAIN owned by the test: MAIN holds it before its description
    // is read and its creation runs the login, as Application->CreateForm
    // does (which would make the application own it and take it as MainForm).
    void CreateMainWindow();
    // Handles messages for `milliseconds` of real time.
    void RunFor(int milliseconds);
    // The questions asked so far with this text.
    int Asked(const AnsiString& text) const;

    TempDir dir_;
    std::unique_ptr<TDM1> dm_;
    std::unique_ptr<TMAIN> main_;
    std::unique_ptr<TTimer> loginAnswer_;
};
