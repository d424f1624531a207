// The page-title macros and the check-box picture size.
#include "datagrid/PrnDbgvyn.h"

#include <memory>

#include "datagrid/ToolCtrlsVynFaces.h"

namespace {

struct PrintTexts {
    std::unique_ptr<TStringList> macros;
    std::unique_ptr<TStringList> values;
    SIZE checkBoxCell{};
};

PrintTexts& TheTexts() {
    static PrintTexts texts;
    return texts;
}

}  // namespace

TStrings* PageTitleMacros() { return TheTexts().macros.get(); }
TStrings* PageTitleMacroValues() { return TheTexts().values.get(); }
SIZE CheckBoxCellSize() { return TheTexts().checkBoxCell; }

void InitializePrnDbgvyn() {
    PrintTexts& texts = TheTexts();
    texts.macros = std::make_unique<TStringList>();
    texts.values = std::make_unique<TStringList>();
    for (const char* macro : {"&[Page]", "&[ShortDate]", "&[Date]", "&[LongDate]", "&[Time]", "&[Pages]"}) {
        texts.macros->Add(macro);
        texts.values->Add("");
    }
    // The edit buttons measure the same picture once.
    texts.checkBoxCell = {CheckGlyphWidth(), CheckGlyphHeight()};
}

void FinalizePrnDbgvyn() {
    TheTexts().macros.reset();
    TheTexts().values.reset();
}
