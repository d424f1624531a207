// The engine's string table: every message, caption and name text of the
// report engine and its preview, dialogs and export filters, by numeric id.
// TQmResourceManager reads it; LoadReportString (qm_utils.h) is the way the
// engine's code asks for a text. An id without a text reads as empty text.
#pragma once

#include "platform/rtl/metaclass.h"
#include "platform/rtl/types.h"

// Ids the engine itself names. The preview and dialog captions use the ids
// of their own descriptions directly.
constexpr int qmsPaperNames = 46100;        // the 67 built-in papers, in table order
constexpr int qmsExtraPaperNames = 46167;   // the 5 extra papers 800..804
constexpr int qmsCustomPaperSize = 46172;   // "自定义大小"
constexpr int qmsDefaultBin = 46173;        // "缺省"
constexpr int qmsDefaultPrinter = 46174;    // "默认打印机"
constexpr int qmsVirtualPrinter = 46175;    // "虚拟打印机"
constexpr int qmsPrinterWaiting = 46854;    // a printer's "waiting" status
constexpr int qmsBandNames = 46200;         // the 18 band display names, in band-type order
constexpr int qmsCategoryNames = 46220;     // the 7 function categories (empty here)
constexpr int qmsBooleanFormats = 46230;    // 4 texts
constexpr int qmsDateFormats = 46234;       // 7 texts
constexpr int qmsTimeFormats = 46241;       // 4 texts
constexpr int qmsChineseTexts = 46250;      // "1": the table is the Chinese one
constexpr int qmsErrorCaption = 47206;      // "错误"
constexpr int qmsPrepareReport = 47203;     // "正在准备报表"
constexpr int qmsFirstPass = 47204;         // "进行第一次处理:"
constexpr int qmsProcessingPage = 47205;    // "正在处理页:"
constexpr int qmsPreview = 47207;           // "预览"
constexpr int qmsPrintingPage = 47208;      // "正在打印页:"
constexpr int qmsUntitled = 47209;          // "Untitled"
constexpr int qmsPrinterError = 47210;      // "所选打印机错误"
constexpr int qmsPageOf = 47212;            // "从"
constexpr int qmsCalcError = 47213;         // "计算时发生错误"
constexpr int qmsReportLabel = 47214;       // "报表:"
constexpr int qmsObjectLabel = 47215;       // "对象:"
constexpr int qmsNotReportFile = 47216;     // the template's wrong signature
constexpr int qmsNotDictionaryFile = 47217;
constexpr int qmsNotPreparedFile = 47218;   // the prepared-report file's wrong signature
constexpr int qmsNotReportFileError = 47220;  // the report's ErrorText for a wrong signature
constexpr int qmsNonPluggedComponents = 47221;
constexpr int qmsUseAppropriateComponent = 47222;
constexpr int qmsUnableToOpenDataset = 47223;
constexpr int qmsTextTooLong = 47224;
constexpr int qmsExpressionTooComplex = 47225;
constexpr int qmsTooManyArguments = 47226;
constexpr int qmsMissingOperand = 47227;
constexpr int qmsDamagedTemplate = 47228;   // an object record's end lies outside the template
constexpr int qmsCharset = 47337;           // "134"
constexpr int qmsFontName = 47444;          // "宋体"
constexpr int qmsFontSize = 47445;          // "9"

// The number of built-in and extra papers whose names the table holds.
constexpr int qmBuiltinPaperCount = 67;
constexpr int qmExtraPaperCount = 5;
constexpr int qmBandNameCount = 18;

// The text of an id in the engine's table; "" when it has none.
AnsiString QmEngineString(int id);

// Texts by id for the engine: one shared instance, made on first use by
// GetResourceManager.
class TQmResourceManager : public TObject {
    SERVIORA_CLASS(TQmResourceManager, TObject)
public:
    AnsiString LoadStr(int id) const { return QmEngineString(id); }
};

TQmResourceManager* GetResourceManager();
