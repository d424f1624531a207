// The standard function library of report expressions (text, number,
// date, Chinese-number and interactive functions), the engine's texts
// loaded at start, and the engine's application object with the global
// variables every report consults.
#pragma once

#include <array>

#include "platform/rtl/types.h"
#include "report/core/qm_common.h"

class TQmStdFunctionLibrary : public TQmFunctionLibrary {
    SERVIORA_CLASS(TQmStdFunctionLibrary, TQmFunctionLibrary)
public:
    // FunctionNames in their fixed order (the position is the function
    // number) and the descriptions designers show.
    TQmStdFunctionLibrary();

    // Every call answers the text "0" unless the function sets a value.
    // Arguments are texts, evaluated with the parser's Calc only when the
    // function needs them, so IIF evaluates the chosen branch alone.
    void DoFunction(TQmParser* parser, int functionNumber, const std::vector<Variant>& arguments,
                    Variant& value) override;
};

// 2016-10-05 -> 二０一六年十月五日.
AnsiString ChinaDate(TDateTime date);

// The engine's texts, loaded by LoadEngineTexts.
extern Byte QmDefaultCharset;                        // 134
extern std::array<AnsiString, 7> QmCategoryNames;    // function categories
extern std::array<AnsiString, 18> QmBandNames;       // "标题" .. "无", in band-type order
// Loads the texts above and the display-format tables, then creates every
// registered function library again, in order, so that each takes them.
void LoadEngineTexts();

// The engine's application object: each property reads or writes a
// process-wide setting.
class TQmApplication : public TComponent {
    SERVIORA_CLASS(TQmApplication, TComponent)
    SERVIORA_PUBLISHED
public:
    using TComponent::TComponent;

    // Where the script engine looks for extra units and forms: the
    // program's folder with a trailing "/".
    AnsiString QmExtendFormPath() const;
    void SetQmExtendFormPath(const AnsiString& v);
    bool QmLocalizedPropertyNames() const;
    void SetQmLocalizedPropertyNames(bool v);
    // The global variables themselves; the setter copies into them.
    TQmVariables* QmVariables() const;
    void SetQmVariables(TQmVariables* v);
};

// The program's folder with a trailing "/", where script units and forms
// are looked for; the application object can change it.
AnsiString& QmApplicationPath();

// The variables every report of the program shares.
TQmVariables* GlobalVariables();
