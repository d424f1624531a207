// The skipper: steps over statements, blocks and expressions without
// running them, leaving the first token after them current.
#include "script/qm_kpinterpreter_function.h"

void TKpInterpreterFunction::SkipStatement() {
    switch (TokenKind) {
        case ttEnd:
        case ttProcedure:
        case ttFunction: RaiseExpected("'end'");
        case ttSemicolon:
        case ttEndKeyword:
        case ttBreak:
        case ttContinue:
        case ttExit: NextToken(); return;
        case ttBegin:
        case ttTry:
        case ttCase: SkipBlock(); return;
        case ttIf:
            SkipUntilToken(ttThen);
            NextToken();
            SkipStatement();
            if (TokenKind == ttElse) {
                NextToken();
                SkipStatement();
            }
            return;
        case ttWhile:
        case ttFor:
            SkipUntilToken(ttDo);
            NextToken();
            SkipStatement();
            return;
        case ttRepeat:
            SkipRepeatBody();
            SkipSimple();
            return;
        case ttRaise:
            NextToken();
            SkipSimple();
            return;
        case ttIdentifier: SkipSimple(); return;
        default: return;
    }
}

void TKpInterpreterFunction::SkipBlock() {
    for (;;) {
        NextToken();
        switch (TokenKind) {
            case ttEndKeyword: NextToken(); return;
            case ttBegin:
            case ttTry:
            case ttCase: SkipBlock(); break;
            case ttEnd: RaiseExpected("'end'");
            case ttDoubleQuote: NextToken(); break;
            default: SkipStatement(); break;
        }
        if (TokenKind == ttEndKeyword) {
            NextToken();
            return;
        }
    }
}

void TKpInterpreterFunction::SkipUntilToken(int tokenKind) {
    while (TokenKind != tokenKind) {
        if (TokenKind == ttEnd) RaiseExpected("'end'");
        NextToken();
    }
}

void TKpInterpreterFunction::SkipRepeatBody() {
    for (;;) {
        NextToken();
        if (TokenKind == ttUntil) break;
        if (TokenKind == ttEnd) RaiseExpected("'until'");
        SkipStatement();
        if (TokenKind == ttUntil) break;
    }
    NextToken();
}

void TKpInterpreterFunction::SkipSimple() {
    for (;;) {
        const int kind = TokenKind;
        if (kind == ttEnd) RaiseExpected("'end'");
        const bool passes = kind == ttIdentifier || kind == ttInteger || kind == ttReal || kind == ttString ||
                            (kind >= ttNot && kind <= ttLessEqual) || kind == ttOpenParen || kind == ttCloseParen ||
                            kind == ttComma || kind == ttDot || kind == ttOpenBracket || kind == ttCloseBracket ||
                            kind == ttDoubleQuote || kind == ttFalse || kind == ttTrue;
        if (passes) {
            NextToken();
            continue;
        }
        if (kind == ttColon) {
            NextToken();
            if (TokenKind == ttEqual) continue;
            PushBackToken();
            return;
        }
        switch (kind) {
            case ttSemicolon:
            case ttEndKeyword:
            case ttElse:
            case ttDo:
            case ttUntil:
            case ttFinally:
            case ttExcept:
            case ttOf: return;
            default: RaiseExpected(ErrorText(301));
        }
    }
}
