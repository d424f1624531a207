// The restore and initialisation commands of the main window.
#include "app/databasecommands.h"

#include "app/databasefile.h"
#include "platform/ui/dialogs.h"

void RestoreDatabaseCommand(TADOConnection& connection, const std::function<AnsiString()>& chooseBackup) {
    if (Application->MessageBox("数据库恢复将要覆盖原来数据库中所有的数据，继续吗？", "数据恢复",
                                MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const AnsiString backup = chooseBackup();
    if (backup.empty()) return;
    bool restored = false;
    try {
        restored = RestoreDatabaseFile(connection, backup);
    } catch (const Exception&) {
        restored = false;  // reported below with the command's own failure message
    }
    if (!restored) {
        Application->MessageBox("恢复数据失败，请重试！!", "错误", MB_ICONERROR);
        return;
    }
    Application->MessageBox("恢复数据成功！请重新启动软件！", "提示", MB_ICONINFORMATION);
    Application->Terminate();
}

void InitialiseDatabaseCommand(TADOQuery& query) {
    if (Application->MessageBox("确实进行数据初始化？该操作将清空数据库的全部内容，该操作不可恢复！请谨慎操作！",
                                "数据初始化", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    InitialiseDatabase(query);
    Application->MessageBox("初始化成功！", "提示", MB_ICONINFORMATION);
}
