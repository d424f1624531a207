// Qm_buzFormula: compiles a range's formula text (the spreadsheet's A1
// notation with ";" between arguments) into the parsed-expression tokens
// of the BIFF8 FORMULA record, and collects the references to other sheets
// and workbooks for the writer's SUPBOOK and EXTERNSHEET records.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/types.h"

// A row of the operator table: its text, precedence and token (0: none).
struct TbuzFormulaOperator {
    const char* Text;
    int Precedence;
    Byte Token;
};

// The operator stack; its entries are reused from formula to formula.
class TbuzCompileOpStack {
public:
    struct Entry {
        const TbuzFormulaOperator* Op = nullptr;
        Word FuncId = 0;
        Integer ArgCount = 0;
        bool HasArg = false;  // the current argument has an operand
    };

    Entry& Push(const TbuzFormulaOperator* op);
    // Drops the top and answers the new one (nullptr when empty).
    Entry* Pop();
    Entry* Top() { return topIndex_ >= 0 ? &items_[std::size_t(topIndex_)] : nullptr; }
    // The innermost function on the stack, or nullptr.
    Entry* CurFunc() { return curFunc_ >= 0 ? &items_[std::size_t(curFunc_)] : nullptr; }
    void MakeTopCurFunc() { curFunc_ = topIndex_; }
    void Reset();
    void Clear();

private:
    std::vector<Entry> items_;
    int topIndex_ = -1;
    int curFunc_ = -1;
};

struct TbuzExtSheet {
    AnsiString Name;
    Integer BookIndex = 0;
    Integer SheetIndex = 0;  // always 0
};

struct TbuzExtWorkbook {
    AnsiString Name;  // empty: this workbook
    std::vector<TbuzExtSheet*> Sheets;
};

// The other sheets formulas refer to, in order of first use; a reference's
// index in Refs is its index in the EXTERNSHEET table.
class TbuzExtRefs {
public:
    Integer AddRef(const AnsiString& bookName, const AnsiString& sheetName);
    void Clear();

    const std::vector<std::unique_ptr<TbuzExtWorkbook>>& Workbooks() const { return workbooks_; }
    const std::vector<std::unique_ptr<TbuzExtSheet>>& Refs() const { return refs_; }

private:
    std::vector<std::unique_ptr<TbuzExtWorkbook>> workbooks_;
    std::vector<std::unique_ptr<TbuzExtSheet>> refs_;
};

class TbuzExcelFormulaCompiler {
public:
    // Appends the formula's tokens to `tokens`. Raises Exception with the
    // compiler's message on a malformed formula; the tokens appended up to
    // then stay.
    void Compile(const AnsiString& formula, std::vector<Byte>& tokens);
    // Forgets the references and the stack's entries (after a save).
    void Clear();

    TbuzCompileOpStack& OpStack() { return opStack_; }
    TbuzExtRefs& ExtRefs() { return extRefs_; }

private:
    TbuzCompileOpStack opStack_;
    TbuzExtRefs extRefs_;
};
