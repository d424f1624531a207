// The engine's process-wide texts and settings: what LoadEngineTexts reads
// from the engine's table, and the application object over the settings.
#include <memory>

#include "platform/rtl/filepaths.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_displayformat.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_stdfunctions.h"
#include "report/core/qm_utils.h"

Byte QmDefaultCharset = 0;
std::array<AnsiString, 7> QmCategoryNames;
std::array<AnsiString, 18> QmBandNames;

TQmVariables* GlobalVariables() {
    static const std::unique_ptr<TQmVariables> variables(TQmVariables::Create());
    return variables.get();
}

AnsiString& QmApplicationPath() {
    static AnsiString path = ExtractFilePath(ParamStr(0));
    return path;
}

namespace {

bool localizedPropertyNames = false;

template <std::size_t N>
void LoadTexts(std::array<AnsiString, N>& texts, int firstId) {
    for (std::size_t i = 0; i < N; ++i) texts[i] = LoadReportString(firstId + static_cast<int>(i));
}

}  // namespace

void LoadEngineTexts() {
    QmDefaultCharset = static_cast<Byte>(StrToIntDef(LoadReportString(qmsCharset), 0));
    LoadTexts(QmCategoryNames, qmsCategoryNames);
    LoadTexts(QmBandNames, qmsBandNames);
    LoadTexts(QmBooleanFormats, qmsBooleanFormats);
    LoadTexts(QmDateFormats, qmsDateFormats);
    LoadTexts(QmTimeFormats, qmsTimeFormats);
    // Libraries made before the texts were loaded describe themselves anew.
    for (int i = GetFunctionLibraryCount(); i > 0; --i) {
        TQmFunctionLibraryClass first = GetFunctionLibrary(0)->ClassType();
        UnregisterFunctionLibrary(first);
        RegisterFunctionLibrary(first);
    }
}

AnsiString TQmApplication::QmExtendFormPath() const { return QmApplicationPath(); }
void TQmApplication::SetQmExtendFormPath(const AnsiString& v) { QmApplicationPath() = v; }
bool TQmApplication::QmLocalizedPropertyNames() const { return localizedPropertyNames; }
void TQmApplication::SetQmLocalizedPropertyNames(bool v) { localizedPropertyNames = v; }
TQmVariables* TQmApplication::QmVariables() const { return GlobalVariables(); }
void TQmApplication::SetQmVariables(TQmVariables* v) { GlobalVariables()->Assign(v); }

void TQmApplication::Published(TPublished<TQmApplication>& p) {
    p.Property("QmExtendFormPath", &TQmApplication::QmExtendFormPath, &TQmApplication::SetQmExtendFormPath);
    p.Property("QmLocalizedPropertyNames", &TQmApplication::QmLocalizedPropertyNames,
               &TQmApplication::SetQmLocalizedPropertyNames);
    p.Property("QmVariables", &TQmApplication::QmVariables, &TQmApplication::SetQmVariables);
}
