// The formula compiler: one pass from left to right with an operator stack
// (every operator left-associative), functions looked up in the built-in
// table, references in A1 notation with their relative flags.
#include "report/ui/qm_buzformula.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "report/ui/qm_buzexcel.h"
#include "report/ui/qm_buzformula_iftab.h"

namespace {

enum OperatorRow {
    opOpen, opClose, opGreaterEqual, opLessEqual, opNotEqual, opEqual, opGreater, opLess, opConcat, opAdd,
    opSubtract, opMultiply, opDivide, opPower, opPercent, opUnaryPlus, opUnaryMinus, opFunction
};

constexpr TbuzFormulaOperator kOperators[] = {
    {"(", 0, 0},     {")", 1, 0},     {">=", 2, 0x0C}, {"<=", 2, 0x0A}, {"<>", 2, 0x0E}, {"=", 2, 0x0B},
    {">", 2, 0x0D},  {"<", 2, 0x09},  {"&", 3, 0x08},  {"+", 4, 0x03},  {"-", 4, 0x04},  {"*", 5, 0x05},
    {"/", 5, 0x06},  {"^", 6, 0x07},  {"%", 7, 0x14},  {"+", 8, 0x12},  {"-", 8, 0x13},  {"", 9, 0x42},
};

constexpr Byte tMissArg = 0x16, tParen = 0x15, tStr = 0x17, tInt = 0x1E, tNum = 0x1F, tRef = 0x44, tArea = 0x25,
               tRef3d = 0x5A, tArea3d = 0x3B;
constexpr Word kRelativeColumn = 0x4000, kRelativeRow = 0x8000;
constexpr int kMaxRow = 65536, kMaxColumn = 256;

bool IsNameStart(char c) { return c == '$' || c == '\'' || (c >= 'A' && c <= '[') || (c >= 'a' && c <= 'z'); }
bool IsNamePart(char c) {
    return c == '!' || c == '$' || c == '\'' || c == '.' || (c >= '0' && c <= ':') || (c >= 0x40 && c <= 0x5B) ||
           c == ']' || c == '_' || (c >= 'a' && c <= 'z');
}
bool IsOperatorChar(char c) { return std::strchr("%&*+-/<=>^", c) && c; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsNumberChar(char c) { return c == '.' || (c >= '0' && c <= '9'); }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

[[noreturn]] void Fail(const char* message) { throw Exception(message); }
[[noreturn]] void Fail(const char* format, const AnsiString& argument) { throw Exception(format, {argument}); }

struct CellRef {
    Word row = 0;
    Word column = 0;  // with the relative flags
};

// An optional "$", one or two letters, an optional "$" and the row's
// digits, within A1:IV65536.
bool ParseCell(const AnsiString& text, CellRef& cell) {
    const AnsiString s = UpperCase(text);
    std::size_t at = 0;
    const bool absoluteColumn = at < s.size() && s[at] == '$';
    at += absoluteColumn;
    int column = -1, letters = 0;
    while (at < s.size() && s[at] >= 'A' && s[at] <= 'Z' && letters < 2) {
        column = letters == 0 ? s[at] - 'A' : (column + 1) * 26 + (s[at] - 'A');
        ++at;
        ++letters;
    }
    if (letters == 0) return false;
    const bool absoluteRow = at < s.size() && s[at] == '$';
    at += absoluteRow;
    if (at == s.size() || s.size() - at > 5) return false;
    int row = 0;
    for (; at < s.size(); ++at) {
        if (s[at] < '0' || s[at] > '9') return false;
        row = row * 10 + (s[at] - '0');
    }
    if (row < 1 || row > kMaxRow || column >= kMaxColumn) return false;
    cell.row = Word(row - 1);
    cell.column = Word(column | (absoluteColumn ? 0 : kRelativeColumn) | (absoluteRow ? 0 : kRelativeRow));
    return true;
}

class FormulaScanner {
public:
    FormulaScanner(const AnsiString& text, std::vector<Byte>& tokens, TbuzCompileOpStack& stack, TbuzExtRefs& refs)
        : text_(text), tokens_(tokens), stack_(stack), refs_(refs) {}

    void Run() {
        stack_.Reset();
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (IsNameStart(c)) {
                Name();
            } else if (c == ';') {
                ++at_;
                Separator();
            } else if (c == '%') {
                ++at_;
                PushOperator(opPercent);
            } else if (IsOperatorChar(c)) {
                OperatorRun();
            } else if (c == '(') {
                ++at_;
                PushOperator(opOpen);
            } else if (c == ')') {
                ++at_;
                PushOperator(opClose);
            } else if (c == '"') {
                String();
            } else if (IsNumberChar(c)) {
                Number();
            } else if (IsBlank(c)) {
                ++at_;
            } else {
                Fail("Invalid symbol [%s]", AnsiString(1, c));
            }
        }
        while (TbuzCompileOpStack::Entry* top = stack_.Top()) {
            if (top->Op == &kOperators[opOpen]) Fail("Invalid brackets");
            Emit(*top);
            stack_.Pop();
        }
    }

private:
    void Byte1(unsigned value) { tokens_.push_back(Byte(value)); }
    void Word2(unsigned value) {
        Byte1(value & 0xFF);
        Byte1((value >> 8) & 0xFF);
    }

    void MarkOperand() {
        if (TbuzCompileOpStack::Entry* f = stack_.CurFunc()) f->HasArg = true;
    }

    void Emit(const TbuzCompileOpStack::Entry& entry) {
        Byte1(entry.Op->Token);
        if (entry.Op == &kOperators[opFunction]) {
            Byte1(unsigned(entry.ArgCount));
            Word2(entry.FuncId);
        }
    }

    // Emits and pops the top entries of at least that precedence.
    void Unwind(int precedence) {
        while (TbuzCompileOpStack::Entry* top = stack_.Top()) {
            if (top->Op->Precedence < precedence) break;
            Emit(*top);
            stack_.Pop();
        }
    }

    void PushOperator(OperatorRow row) {
        const TbuzFormulaOperator& op = kOperators[row];
        if (op.Precedence > 0) Unwind(op.Precedence);
        if (row != opClose) {
            stack_.Push(&op);
            return;
        }
        TbuzCompileOpStack::Entry* top = stack_.Top();
        if (!top || top->Op != &kOperators[opOpen]) Fail("Invalid brackets");
        top = stack_.Pop();
        if (top && top->Op == &kOperators[opFunction]) {
            // An empty last argument, as in SUM(A1;), is a missing one.
            if (!top->HasArg && top->ArgCount > 0) Byte1(tMissArg);
            if (top->HasArg || top->ArgCount > 0) ++top->ArgCount;
        } else {
            Byte1(tParen);
        }
    }

    // Entries above the call's "(" (a completed inner call among them) go
    // first, so the separator speaks of the call it stands in.
    void Separator() {
        Unwind(1);
        TbuzCompileOpStack::Entry* f = stack_.CurFunc();
        if (!f) Fail("Parameter without function");
        if (!f->HasArg) Byte1(tMissArg);
        f->HasArg = false;
        ++f->ArgCount;
    }

    // The last non-blank character before `from`, or 0.
    char PreviousNonBlank(std::size_t from) const {
        while (from > 0)
            if (!IsBlank(text_[--from])) return text_[from];
        return 0;
    }

    void OperatorRun() {
        const std::size_t start = at_;
        while (at_ < text_.size() && IsOperatorChar(text_[at_])) ++at_;
        const AnsiString run = text_.substr(start, at_ - start);
        if (run.size() > 1 && IsSign(run.back())) {
            PushOperator(Lookup(run.substr(0, run.size() - 1)));
            PushOperator(run.back() == '+' ? opUnaryPlus : opUnaryMinus);
        } else if (run.size() == 1 && IsSign(run[0])) {
            const char before = PreviousNonBlank(start);
            const bool unary = before == 0 || before == '(' || before == ';';
            PushOperator(run[0] == '+' ? (unary ? opUnaryPlus : opAdd) : (unary ? opUnaryMinus : opSubtract));
        } else {
            PushOperator(Lookup(run));
        }
    }

    OperatorRow Lookup(const AnsiString& text) const {
        for (int row = 0; row < opFunction; ++row)
            if (text == kOperators[row].Text) return OperatorRow(row);
        Fail("Unknown operator [%s]", text);
    }

    void Name() {
        MarkOperand();
        const std::size_t start = at_;
        while (at_ < text_.size() && IsNamePart(text_[at_])) ++at_;
        const AnsiString name = text_.substr(start, at_ - start);
        while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
        if (at_ < text_.size() && text_[at_] == '(') {
            const rbuzExcelFunctionInfo* function = FindExcelFunction(name);
            if (!function) Fail("Unknown function [%s]", name);
            PushOperator(opFunction);
            stack_.MakeTopCurFunc();
            stack_.Top()->FuncId = function->Id;
            return;
        }
        Reference(name);
    }

    void Area(const AnsiString& text, const AnsiString& whole) {
        const std::size_t colon = text.find(':');
        CellRef first, last;
        if (!ParseCell(text.substr(0, colon), first) || !ParseCell(text.substr(colon + 1), last))
            Fail("Invalid range reference [%s]", whole);
        Word2(first.row);
        Word2(last.row);
        Word2(first.column);
        Word2(last.column);
    }

    void Cell(const AnsiString& text) {
        CellRef cell;
        if (!ParseCell(text, cell)) Fail("Invalid cell reference [%s]", text);
        Word2(cell.row);
        Word2(cell.column);
    }

    void Reference(const AnsiString& name) {
        const std::size_t bang = name.find('!');
        if (bang == AnsiString::npos) {
            const bool area = name.find(':') != AnsiString::npos;
            Byte1(area ? tArea : tRef);
            area ? Area(name, name) : Cell(name);
            return;
        }
        AnsiString sheet, cell;
        if (name[0] == '\'') {
            const std::size_t close = name.find('\'', 1);
            if (close == AnsiString::npos || close + 1 >= name.size() || name[close + 1] != '!')
                Fail("Invalid range reference [%s]", name);
            sheet = Trim(name.substr(1, close - 1));
            cell = Trim(name.substr(close + 2));
        } else {
            sheet = Trim(name.substr(0, bang));
            cell = Trim(name.substr(bang + 1));
        }
        if (sheet.empty()) Fail("Invalid range reference [%s]", name);
        AnsiString book;
        if (sheet[0] == '[') {
            const std::size_t close = sheet.find(']');
            if (close == AnsiString::npos) Fail("Invalid range reference [%s]", name);
            book = sheet.substr(1, close - 1);
            sheet = sheet.substr(close + 1);
        }
        const Integer index = refs_.AddRef(book, sheet);
        const bool area = cell.find(':') != AnsiString::npos;
        Byte1(area ? tArea3d : tRef3d);
        Word2(unsigned(index));
        area ? Area(cell, name) : Cell(cell);
    }

    void String() {
        MarkOperand();
        const std::size_t close = text_.find('"', at_ + 1);
        if (close == AnsiString::npos) Fail("Invalid string");
        const WideString characters = StringToUTF16(text_.substr(at_ + 1, close - at_ - 1));
        if (characters.size() > 255) Fail("Invalid string");
        at_ = close + 1;
        Byte1(tStr);
        Byte1(unsigned(characters.size()));
        Byte1(1);  // UTF-16
        for (char16_t c : characters) Word2(c);
    }

    void Number() {
        MarkOperand();
        const std::size_t start = at_;
        while (at_ < text_.size() && IsNumberChar(text_[at_])) ++at_;
        const AnsiString run = text_.substr(start, at_ - start);
        if (run.find('.') == AnsiString::npos && run.size() <= 5 && std::stoi(run) < 65535) {
            Byte1(tInt);
            Word2(unsigned(std::stoi(run)));
            return;
        }
        double number = 0;
        if (!TryStrToFloat(run, number)) Fail("Invalid number [%s]", run);
        Byte1(tNum);
        const auto* bytes = reinterpret_cast<const Byte*>(&number);
        tokens_.insert(tokens_.end(), bytes, bytes + sizeof number);
    }

    const AnsiString& text_;
    std::vector<Byte>& tokens_;
    TbuzCompileOpStack& stack_;
    TbuzExtRefs& refs_;
    std::size_t at_ = 0;
};

}  // namespace

TbuzCompileOpStack::Entry& TbuzCompileOpStack::Push(const TbuzFormulaOperator* op) {
    ++topIndex_;
    if (std::size_t(topIndex_) == items_.size()) items_.emplace_back();
    Entry& entry = items_[std::size_t(topIndex_)];
    entry = Entry{op, 0, 0, false};
    return entry;
}

TbuzCompileOpStack::Entry* TbuzCompileOpStack::Pop() {
    if (topIndex_ >= 0) --topIndex_;
    curFunc_ = topIndex_;
    while (curFunc_ >= 0 && items_[std::size_t(curFunc_)].Op != &kOperators[opFunction]) --curFunc_;
    return Top();
}

void TbuzCompileOpStack::Reset() {
    topIndex_ = -1;
    curFunc_ = -1;
}

void TbuzCompileOpStack::Clear() {
    Reset();
    items_.clear();
}

Integer TbuzExtRefs::AddRef(const AnsiString& bookName, const AnsiString& sheetName) {
    auto book = std::find_if(workbooks_.begin(), workbooks_.end(), [&](const auto& b) { return b->Name == bookName; });
    if (book == workbooks_.end()) {
        workbooks_.push_back(std::make_unique<TbuzExtWorkbook>());
        workbooks_.back()->Name = bookName;
        book = workbooks_.end() - 1;
    }
    for (TbuzExtSheet* sheet : (*book)->Sheets)
        if (sheet->Name == sheetName)
            for (std::size_t i = 0; i < refs_.size(); ++i)
                if (refs_[i].get() == sheet) return Integer(i);
    auto sheet = std::make_unique<TbuzExtSheet>();
    sheet->Name = sheetName;
    sheet->BookIndex = Integer(book - workbooks_.begin());
    (*book)->Sheets.push_back(sheet.get());
    refs_.push_back(std::move(sheet));
    return Integer(refs_.size() - 1);
}

void TbuzExtRefs::Clear() {
    refs_.clear();
    workbooks_.clear();
}

void TbuzExcelFormulaCompiler::Compile(const AnsiString& formula, std::vector<Byte>& tokens) {
    FormulaScanner(formula, tokens, opStack_, extRefs_).Run();
}

void TbuzExcelFormulaCompiler::Clear() {
    extRefs_.Clear();
    opStack_.Clear();
}
