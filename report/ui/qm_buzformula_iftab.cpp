// The function table, in ascending order of number; numbers without a
// function have no row.
#include "report/ui/qm_buzformula_iftab.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"

const std::array<rbuzExcelFunctionInfo, 340> buzExcelFunctions = {{
    {"Count", 0}, {"If", 1}, {"Isna", 2}, {"Iserror", 3}, {"Sum", 4}, {"Average", 5}, {"Min", 6}, {"Max", 7},
    {"Row", 8}, {"Column", 9}, {"Na", 10}, {"Npv", 11}, {"Stdev", 12}, {"Dollar", 13}, {"Fixed", 14}, {"Sin", 15},
    {"Cos", 16}, {"Tan", 17}, {"Atan", 18}, {"Pi", 19}, {"Sqrt", 20}, {"Exp", 21}, {"Ln", 22}, {"Log10", 23},
    {"Abs", 24}, {"Int", 25}, {"Sign", 26}, {"Round", 27}, {"Lookup", 28}, {"Index", 29}, {"Rept", 30}, {"Mid", 31},
    {"Len", 32}, {"Value", 33}, {"True", 34}, {"False", 35}, {"And", 36}, {"Or", 37}, {"Not", 38}, {"Mod", 39},
    {"Dcount", 40}, {"Dsum", 41}, {"Daverage", 42}, {"Dmin", 43}, {"Dmax", 44}, {"Dstdev", 45}, {"Var", 46},
    {"Dvar", 47}, {"Text", 48}, {"Linest", 49}, {"Trend", 50}, {"Logest", 51}, {"Growth", 52}, {"Goto", 53},
    {"Halt", 54}, {"Pv", 56}, {"Fv", 57}, {"Nper", 58}, {"Pmt", 59}, {"Rate", 60}, {"Mirr", 61}, {"Irr", 62},
    {"Rand", 63}, {"Match", 64}, {"Date", 65}, {"Time", 66}, {"Day", 67}, {"Month", 68}, {"Year", 69},
    {"Weekday", 70}, {"Hour", 71}, {"Minute", 72}, {"Second", 73}, {"Now", 74}, {"Areas", 75}, {"Rows", 76},
    {"Columns", 77}, {"Offset", 78}, {"Absref", 79}, {"Relref", 80}, {"Argument", 81}, {"Search", 82},
    {"Transpose", 83}, {"Error", 84}, {"Step", 85}, {"Type", 86}, {"Echo", 87}, {"SetName", 88}, {"Caller", 89},
    {"Deref", 90}, {"Windows", 91}, {"Series", 92}, {"Documents", 93}, {"ActiveCell", 94}, {"Selection", 95},
    {"Result", 96}, {"Atan2", 97}, {"Asin", 98}, {"Acos", 99}, {"Choose", 100}, {"Hlookup", 101}, {"Vlookup", 102},
    {"Links", 103}, {"Input", 104}, {"Isref", 105}, {"GetFormula", 106}, {"GetName", 107}, {"SetValue", 108},
    {"Log", 109}, {"Exec", 110}, {"Char", 111}, {"Lower", 112}, {"Upper", 113}, {"Proper", 114}, {"Left", 115},
    {"Right", 116}, {"Exact", 117}, {"Trim", 118}, {"Replace", 119}, {"Substitute", 120}, {"Code", 121},
    {"Names", 122}, {"Directory", 123}, {"Find", 124}, {"Cell", 125}, {"Iserr", 126}, {"Istext", 127},
    {"Isnumber", 128}, {"Isblank", 129}, {"T", 130}, {"N", 131}, {"Fopen", 132}, {"Fclose", 133}, {"Fsize", 134},
    {"Freadln", 135}, {"Fread", 136}, {"Fwriteln", 137}, {"Fwrite", 138}, {"Fpos", 139}, {"Datevalue", 140},
    {"Timevalue", 141}, {"Sln", 142}, {"Syd", 143}, {"Ddb", 144}, {"GetDef", 145}, {"Reftext", 146}, {"Textref", 147},
    {"Indirect", 148}, {"Register", 149}, {"Call", 150}, {"AddBar", 151}, {"AddMenu", 152}, {"AddCommand", 153},
    {"EnableCommand", 154}, {"CheckCommand", 155}, {"RenameCommand", 156}, {"ShowBar", 157}, {"DeleteMenu", 158},
    {"DeleteCommand", 159}, {"GetChartItem", 160}, {"DialogBox", 161}, {"Clean", 162}, {"Mdeterm", 163},
    {"Minverse", 164}, {"Mmult", 165}, {"Files", 166}, {"Ipmt", 167}, {"Ppmt", 168}, {"Counta", 169},
    {"CancelKey", 170}, {"Initiate", 175}, {"Request", 176}, {"Poke", 177}, {"Execute", 178}, {"Terminate", 179},
    {"Restart", 180}, {"Help", 181}, {"GetBar", 182}, {"Product", 183}, {"Fact", 184}, {"GetCell", 185},
    {"GetWorkspace", 186}, {"GetWindow", 187}, {"GetDocument", 188}, {"Dproduct", 189}, {"Isnontext", 190},
    {"GetNote", 191}, {"Note", 192}, {"Stdevp", 193}, {"Varp", 194}, {"Dstdevp", 195}, {"Dvarp", 196}, {"Trunc", 197},
    {"Islogical", 198}, {"Dcounta", 199}, {"DeleteBar", 200}, {"Unregister", 201}, {"Usdollar", 204}, {"Findb", 205},
    {"Searchb", 206}, {"Replaceb", 207}, {"Leftb", 208}, {"Rightb", 209}, {"Midb", 210}, {"Lenb", 211},
    {"Roundup", 212}, {"Rounddown", 213}, {"Asc", 214}, {"Dbcs", 215}, {"Rank", 216}, {"Address", 219},
    {"Days360", 220}, {"Today", 221}, {"Vdb", 222}, {"Median", 227}, {"Sumproduct", 228}, {"Sinh", 229},
    {"Cosh", 230}, {"Tanh", 231}, {"Asinh", 232}, {"Acosh", 233}, {"Atanh", 234}, {"Dget", 235},
    {"CreateObject", 236}, {"Volatile", 237}, {"LastError", 238}, {"CustomUndo", 239}, {"CustomRepeat", 240},
    {"FormulaConvert", 241}, {"GetLinkInfo", 242}, {"TextBox", 243}, {"Info", 244}, {"Group", 245},
    {"GetObject", 246}, {"Db", 247}, {"Pause", 248}, {"Resume", 251}, {"Frequency", 252}, {"AddToolbar", 253},
    {"DeleteToolbar", 254}, {"ResetToolbar", 256}, {"Evaluate", 257}, {"GetToolbar", 258}, {"GetTool", 259},
    {"SpellingCheck", 260}, {"ErrorType", 261}, {"AppTitle", 262}, {"WindowTitle", 263}, {"SaveToolbar", 264},
    {"EnableTool", 265}, {"PressTool", 266}, {"RegisterId", 267}, {"GetWorkbook", 268}, {"Avedev", 269},
    {"Betadist", 270}, {"Gammaln", 271}, {"Betainv", 272}, {"Binomdist", 273}, {"Chidist", 274}, {"Chiinv", 275},
    {"Combin", 276}, {"Confidence", 277}, {"Critbinom", 278}, {"Even", 279}, {"Expondist", 280}, {"Fdist", 281},
    {"Finv", 282}, {"Fisher", 283}, {"Fisherinv", 284}, {"Floor", 285}, {"Gammadist", 286}, {"Gammainv", 287},
    {"Ceiling", 288}, {"Hypgeomdist", 289}, {"Lognormdist", 290}, {"Loginv", 291}, {"Negbinomdist", 292},
    {"Normdist", 293}, {"Normsdist", 294}, {"Norminv", 295}, {"Normsinv", 296}, {"Standardize", 297}, {"Odd", 298},
    {"Permut", 299}, {"Poisson", 300}, {"Tdist", 301}, {"Weibull", 302}, {"Sumxmy2", 303}, {"Sumx2my2", 304},
    {"Sumx2py2", 305}, {"Chitest", 306}, {"Correl", 307}, {"Covar", 308}, {"Forecast", 309}, {"Ftest", 310},
    {"Intercept", 311}, {"Pearson", 312}, {"Rsq", 313}, {"Steyx", 314}, {"Slope", 315}, {"Ttest", 316}, {"Prob", 317},
    {"Devsq", 318}, {"Geomean", 319}, {"Harmean", 320}, {"Sumsq", 321}, {"Kurt", 322}, {"Skew", 323}, {"Ztest", 324},
    {"Large", 325}, {"Small", 326}, {"Quartile", 327}, {"Percentile", 328}, {"Percentrank", 329}, {"Mode", 330},
    {"Trimmean", 331}, {"Tinv", 332}, {"MovieCommand", 334}, {"GetMovie", 335}, {"Concatenate", 336}, {"Power", 337},
    {"PivotAddData", 338}, {"GetPivotTable", 339}, {"GetPivotField", 340}, {"GetPivotItem", 341}, {"Radians", 342},
    {"Degrees", 343}, {"Subtotal", 344}, {"Sumif", 345}, {"Countif", 346}, {"Countblank", 347}, {"ScenarioGet", 348},
    {"OptionsListsGet", 349}, {"Ispmt", 350}, {"Datedif", 351}, {"Datestring", 352}, {"Numberstring", 353},
    {"Roman", 354}, {"OpenDialog", 355}, {"SaveDialog", 356},
}};

const rbuzExcelFunctionInfo* FindExcelFunction(const AnsiString& name) {
    const auto found = std::find_if(buzExcelFunctions.begin(), buzExcelFunctions.end(),
                                    [&](const rbuzExcelFunctionInfo& f) { return SameText(f.Name, name); });
    return found == buzExcelFunctions.end() ? nullptr : &*found;
}
