// The cell-check plug-in's published options and its base operations.
#include "stringgrid/editors/bqgcheck.h"


void TBavStringGridCheck::Published(TPublished<TBavStringGridCheck>& p) {
    p.Property("AutoCorrect", &TBavStringGridCheck::AutoCorrect, &TBavStringGridCheck::SetAutoCorrect).Default(false);
    p.Property("AutoMarkError", &TBavStringGridCheck::AutoMarkError, &TBavStringGridCheck::SetAutoMarkError)
        .Default(false);
    p.Property("GotoCell", &TBavStringGridCheck::GotoCell, &TBavStringGridCheck::SetGotoCell).Default(false);
    p.Property("UseCorrect", &TBavStringGridCheck::UseCorrect, &TBavStringGridCheck::SetUseCorrect).Default(false);
    p.Property("UseMarkError", &TBavStringGridCheck::UseMarkError, &TBavStringGridCheck::SetUseMarkError)
        .Default(false);
}

TBavStringGridCheck::TBavStringGridCheck(TComponent* owner) : TComponent(owner) {}

AnsiString TBavStringGridCheck::MarkError(int, int, const AnsiString& value) { return value; }
AnsiString TBavStringGridCheck::Correct(int, int, const AnsiString& value) { return value; }
