// The report windows' font from the engine strings.
#include "report/ui/qm_formfont.h"

#include "platform/ui/graphics.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

void ApplyReportFont(TFont* font) {
    font->SetName(LoadReportString(qmsFontName));
    font->SetSize(StrToIntDef(LoadReportString(qmsFontSize), 9));
    font->SetCharset(static_cast<TFontCharset>(StrToIntDef(LoadReportString(qmsCharset), 134)));
}
