// The printer list and its entries' papers and bins, read through the
// platform's spooler calls and normalised for the engine.
#include "report/core/qm_printer.h"

#include <algorithm>
#include <cstring>

#include "platform/print/winspool.h"
#include "platform/rtl/kernel.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

const std::array<TPaperInfo, 67> QmBuiltinPapers = {{
    {1, 2159, 2794},  {2, 2159, 2794},  {3, 2794, 4318},  {4, 4318, 2794},  {5, 2159, 3556},  {6, 1397, 2159},
    {7, 1842, 2667},  {8, 2970, 4200},  {9, 2100, 2970},  {10, 2100, 2970}, {11, 1480, 2100}, {12, 2500, 3540},
    {13, 1820, 2570}, {14, 2159, 3302}, {15, 2150, 2750}, {16, 2540, 3556}, {17, 2794, 4318}, {18, 2159, 2794},
    {19, 984, 2254},  {20, 1048, 2413}, {21, 1143, 2635}, {22, 1207, 2794}, {23, 1270, 2921}, {24, 4318, 5588},
    {25, 5588, 8636}, {26, 8636, 11176}, {27, 1100, 2200}, {28, 1620, 2290}, {29, 3240, 4580}, {30, 2290, 3240},
    {31, 1140, 1620}, {32, 1140, 2290}, {33, 2500, 3530}, {34, 1760, 2500}, {35, 1760, 1250}, {36, 1100, 2300},
    {37, 984, 1905},  {38, 920, 1651},  {39, 3778, 2794}, {40, 2159, 3048}, {41, 2159, 3302}, {42, 2500, 3530},
    {43, 1000, 1480}, {44, 2286, 2794}, {45, 2540, 2794}, {46, 3810, 2794}, {47, 2200, 2200}, {50, 2355, 3048},
    {51, 2355, 3810}, {52, 2969, 4572}, {53, 2354, 3223}, {54, 2101, 2794}, {55, 2100, 2970}, {56, 2355, 3048},
    {57, 2270, 3560}, {58, 3050, 4870}, {59, 2159, 3223}, {60, 2100, 3300}, {61, 1480, 2100}, {62, 1820, 2570},
    {63, 3220, 4450}, {64, 1740, 2350}, {65, 2010, 2760}, {66, 4200, 5940}, {67, 2970, 4200}, {68, 3220, 4450},
    {256, 0, 0},
}};

const std::array<TPaperInfo, 5> QmExtraPapers = {{
    {800, 1840, 2600}, {801, 1300, 1840}, {802, 1400, 2030}, {803, 3778, 2794}, {804, 2159, 2794}}};

const TPaperInfo* FindBuiltinPaper(int code) {
    const auto found = std::find_if(QmBuiltinPapers.begin(), QmBuiltinPapers.end(),
                                    [code](const TPaperInfo& p) { return p.Code == code; });
    return found == QmBuiltinPapers.end() ? nullptr : &*found;
}

namespace {

AnsiString BuiltinPaperName(int code) {
    if (code == QmCustomPaperCode) return LoadReportString(qmsCustomPaperSize);
    const TPaperInfo* paper = FindBuiltinPaper(code);
    return paper ? LoadReportString(qmsPaperNames + static_cast<int>(paper - QmBuiltinPapers.data())) : AnsiString();
}

// A capability's elements: asks for the count (a failure counts as none),
// then for that many.
template <class Element>
std::vector<Element> Capability(const AnsiString& device, const AnsiString& port, WORD capability,
                                std::size_t elementSize = sizeof(Element)) {
    const int count = DeviceCapabilities(device.c_str(), port.c_str(), capability, nullptr, nullptr);
    if (count <= 0) return {};
    std::vector<char> bytes(static_cast<std::size_t>(count) * elementSize);
    DeviceCapabilities(device.c_str(), port.c_str(), capability, bytes.data(), nullptr);
    std::vector<Element> elements(static_cast<std::size_t>(count));
    if constexpr (std::is_same_v<Element, AnsiString>) {
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const char* text = bytes.data() + i * elementSize;
            elements[i] = AnsiString(text, strnlen(text, elementSize));
        }
    } else {
        std::memcpy(elements.data(), bytes.data(), bytes.size());
    }
    return elements;
}

}  // namespace

template <class Action>
auto TQmPrinterInfo::Locked(Action action) {
    CriticalSectionScope scope(lock_);
    if (!filled_) Fill();
    return action();
}

int TQmPrinterInfo::CustomIndex() {
    return Locked([&] { return customIndex_; });
}

int TQmPrinterInfo::GetPaperCount() {
    return Locked([&] { return static_cast<int>(papers_.size()); });
}

int TQmPrinterInfo::GetPaperWidth(int index) {
    return Locked([&] { return papers_.at(static_cast<std::size_t>(index)).width; });
}

int TQmPrinterInfo::GetPaperHeight(int index) {
    return Locked([&] { return papers_.at(static_cast<std::size_t>(index)).height; });
}

int TQmPrinterInfo::GetPaperSize(int index) {
    return Locked([&] { return papers_.at(static_cast<std::size_t>(index)).code; });
}

void TQmPrinterInfo::SetPaperWidth(int index, int value) {
    Locked([&] { papers_.at(static_cast<std::size_t>(index)).width = value; });
}

void TQmPrinterInfo::SetPaperHeight(int index, int value) {
    Locked([&] { papers_.at(static_cast<std::size_t>(index)).height = value; });
}

int TQmPrinterInfo::GetBin(int index) {
    return Locked([&] {
        return index >= 0 && index < static_cast<int>(binCodes_.size()) ? binCodes_[static_cast<std::size_t>(index)] : 0;
    });
}

int TQmPrinterInfo::PaperSizeToIndex(int code) {
    return Locked([&] {
        for (std::size_t i = 0; i < papers_.size(); ++i)
            if (papers_[i].code == code) return static_cast<int>(i);
        return static_cast<int>(papers_.size()) - 1;
    });
}

int TQmPrinterInfo::BinToIndex(int code) {
    return Locked([&] {
        const auto found = std::find(binCodes_.begin(), binCodes_.end(), code);
        return found == binCodes_.end() ? 0 : static_cast<int>(found - binCodes_.begin());
    });
}

const TStrings* TQmPrinterInfo::PaperNames() {
    return Locked([&] { return paperNameList_.get(); });
}

const TStrings* TQmPrinterInfo::BinNames() {
    return Locked([&] { return binNameList_.get(); });
}

void TQmPrinterInfo::Fill() {
    std::vector<AnsiString> names;
    std::vector<int> codes, widths, heights;
    if (isVirtual_) {
        for (const TPaperInfo& paper : QmBuiltinPapers) {
            names.push_back(BuiltinPaperName(paper.Code));
            codes.push_back(paper.Code);
            widths.push_back(paper.Width);
            heights.push_back(paper.Height);
        }
    } else {
        FillFromDriver(names, codes, widths, heights);
    }
    NormalizePapers(std::move(names), std::move(codes), std::move(widths), std::move(heights));
    NormalizeBins();
    paperNameList_->Clear();
    for (const Paper& paper : papers_) paperNameList_->Add(paper.name);
    binNameList_->Clear();
    for (const AnsiString& name : binNames_) binNameList_->Add(name);
    filled_ = true;
}

void TQmPrinterInfo::FillFromDriver(std::vector<AnsiString>& names, std::vector<int>& codes, std::vector<int>& widths,
                                    std::vector<int>& heights) {
    names = Capability<AnsiString>(Device, Port, DC_PAPERNAMES, CCHPAPERNAME);
    for (WORD code : Capability<WORD>(Device, Port, DC_PAPERS)) codes.push_back(code);
    for (const POINT& size : Capability<POINT>(Device, Port, DC_PAPERSIZE)) {
        widths.push_back(size.x);
        heights.push_back(size.y);
    }
    binNames_ = Capability<AnsiString>(Device, Port, DC_BINNAMES, CCHBINNAME);
    for (WORD code : Capability<WORD>(Device, Port, DC_BINS)) binCodes_.push_back(code);
}

void TQmPrinterInfo::NormalizePapers(std::vector<AnsiString> names, std::vector<int> codes, std::vector<int> widths,
                                     std::vector<int> heights) {
    // 1. One name per code.
    if (names.size() > codes.size()) names.resize(codes.size());
    if (names.size() < codes.size()) {
        names.clear();
        for (std::size_t i = 0; i < codes.size(); ++i) {
            AnsiString name = BuiltinPaperName(codes[i]);
            if (name.empty()) {
                const bool sized = i < widths.size() && i < heights.size() && widths[i] > 0 && heights[i] > 0;
                name = sized ? IntToStr(widths[i] / 10) + " x " + IntToStr(heights[i] / 10) + " mm"
                             : "Unknown: " + IntToStr(codes[i]);
            }
            names.push_back(name);
        }
    }
    // 2, 3. The custom paper: code 256, else a name saying so.
    auto custom = std::find(codes.begin(), codes.end(), QmCustomPaperCode) - codes.begin();
    if (custom == static_cast<long>(codes.size())) {
        custom = std::find_if(names.begin(), names.end(),
                              [](const AnsiString& n) {
                                  const AnsiString upper = AnsiUpperCase(n);
                                  return Pos("CUSTOM", upper) > 0 || Pos("USER", upper) > 0;
                              }) -
                 names.begin();
    }
    if (custom == static_cast<long>(names.size())) names.emplace_back();
    names[static_cast<std::size_t>(custom)] = LoadReportString(qmsCustomPaperSize);
    if (custom >= static_cast<long>(codes.size())) codes.push_back(QmCustomPaperCode);
    // 4. Sizes the driver did not give come from the built-in table.
    widths.resize(codes.size(), -1);
    heights.resize(codes.size(), -1);
    papers_.clear();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        Paper paper{names[i], codes[i], widths[i], heights[i]};
        if (static_cast<long>(i) == custom && paper.width < 0) paper.width = paper.height = 0;
        if (paper.width < 0 || paper.height < 0) {
            const TPaperInfo* builtin = FindBuiltinPaper(paper.code);
            paper.width = builtin ? builtin->Width : 0;
            paper.height = builtin ? builtin->Height : 0;
        }
        papers_.push_back(paper);
    }
    // 5, 6, 7. No paper without a size but the custom one, which goes last.
    Paper customPaper = papers_[static_cast<std::size_t>(custom)];
    papers_.erase(papers_.begin() + custom);
    std::erase_if(papers_, [](const Paper& p) { return p.width == 0 || p.height == 0; });
    customIndex_ = static_cast<int>(papers_.size());
    // 8. The extra papers between the driver's and the custom one.
    for (std::size_t i = 0; i < QmExtraPapers.size(); ++i) {
        const TPaperInfo& extra = QmExtraPapers[i];
        papers_.push_back({LoadReportString(qmsExtraPaperNames + static_cast<int>(i)), extra.Code, extra.Width,
                           extra.Height});
    }
    papers_.push_back(customPaper);
}

void TQmPrinterInfo::NormalizeBins() {
    const std::size_t count = std::min(binNames_.size(), binCodes_.size());
    binNames_.resize(count);
    binCodes_.resize(count);
    const AnsiString defaultBin = LoadReportString(qmsDefaultBin);
    if (std::find(binNames_.begin(), binNames_.end(), defaultBin) == binNames_.end()) {
        binNames_.insert(binNames_.begin(), defaultBin);
        binCodes_.insert(binCodes_.begin(), QmDefaultBinCode);
    }
}

TQmPrinterList::TQmPrinterList() {
    FillPrinters();
    FindDefault();
}

TQmPrinterList::~TQmPrinterList() {
    for (int i = 0; i < entries_->Count(); ++i) delete Entry(i);
}

TQmPrinterInfo* TQmPrinterList::Entry(int index) const { return static_cast<TQmPrinterInfo*>(entries_->Objects(index)); }

void TQmPrinterList::FillPrinters() {
    CriticalSectionScope scope(lock_);
    for (int i = 0; i < entries_->Count(); ++i) delete Entry(i);
    entries_->Clear();
    DWORD needed = 0, returned = 0;
    EnumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed);
    if (needed > 0 &&
        EnumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(), needed, &needed, &returned)) {
        const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
        for (DWORD i = 0; i < returned; ++i)
            entries_->AddObject(printers[i].pPrinterName, TQmPrinterInfo::Create(printers[i].pPrinterName, false));
    }
    for (auto [index, id] : {std::pair{0, qmsDefaultPrinter}, std::pair{1, qmsVirtualPrinter}}) {
        const AnsiString text = LoadReportString(id);
        entries_->InsertObject(index, text, TQmPrinterInfo::Create(text, index == 1));
    }
}

void TQmPrinterList::FindDefault() {
    CriticalSectionScope scope(lock_);
    defaultIndex_ = 1;
    AnsiString name;
    DWORD needed = 0, returned = 0;
    if (!EnumPrinters(PRINTER_ENUM_DEFAULT, nullptr, 5, nullptr, 0, &needed, &returned) &&
        GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return;
    std::vector<BYTE> buffer(needed);
    if (needed > 0 && EnumPrinters(PRINTER_ENUM_DEFAULT, nullptr, 5, buffer.data(), needed, &needed, &returned) &&
        returned > 0) {
        name = reinterpret_cast<const PRINTER_INFO_5A*>(buffer.data())->pPrinterName;
    } else {
        char device[79] = {};
        GetProfileString("windows", "device", "", device, sizeof device);
        name = device;
        name = name.substr(0, name.find(','));
    }
    for (int i = 0; i < entries_->Count(); ++i) {
        if (Entry(i)->Device == name) {
            defaultIndex_ = i;
            return;
        }
    }
}

int TQmPrinterList::GetCount() {
    CriticalSectionScope scope(lock_);
    return entries_->Count();
}

TQmPrinterInfo* TQmPrinterList::GetPrinterInfo(int index) {
    CriticalSectionScope scope(lock_);
    const int entry = index == 0 ? defaultIndex_ : index;
    if (entry < 0 || entry >= entries_->Count()) throw EListError(Format("List index out of bounds (%d)", {entry}));
    return Entry(entry);
}

TQmPrinterList* GlobalPrinterList() {
    static const std::unique_ptr<TQmPrinterList> list(TQmPrinterList::Create());
    return list.get();
}
