// Qm_Printer: the engine's printer list. Entry 0 stands for the default
// printer, entry 1 is the virtual printer (the built-in papers, no device),
// then the installed printers. Each entry lists its papers and bins once,
// normalised so that the driver's papers come first, then the five extra
// papers, and last the custom size. Sizes are in tenths of a millimetre.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/rtl/stringlist.h"
#include "platform/rtl/syncobjs.h"

struct TPaperInfo {
    int Code;
    int Width;
    int Height;
};

// The 67 papers every system knows (codes 1..47, 50..68 and 256) and the
// five extra papers 800..804; their names are engine texts.
extern const std::array<TPaperInfo, 67> QmBuiltinPapers;
extern const std::array<TPaperInfo, 5> QmExtraPapers;
constexpr int QmCustomPaperCode = 256;
// The built-in paper of the code, or nullptr.
const TPaperInfo* FindBuiltinPaper(int code);
constexpr int QmDefaultBinCode = 65535;

// One printer entry. Every operation takes the entry's lock.
class TQmPrinterInfo : public TObject {
    SERVIORA_CLASS(TQmPrinterInfo, TObject)
public:
    TQmPrinterInfo(AnsiString device, bool isVirtual) : Device(std::move(device)), isVirtual_(isVirtual) {}

    AnsiString Driver, Device, Port;
    // False once making a device context for the printer failed.
    bool Usable = true;
    bool Filled() const { return filled_; }
    // The first paper the driver does not know: the extras, then the custom size.
    int CustomIndex();

    int GetPaperCount();
    int GetPaperWidth(int index);
    int GetPaperHeight(int index);
    int GetPaperSize(int index);
    void SetPaperWidth(int index, int value);
    void SetPaperHeight(int index, int value);
    // The bin code; 0 past the end.
    int GetBin(int index);
    // The paper of the code; the custom paper (last) when there is none.
    int PaperSizeToIndex(int code);
    // The bin of the code; 0 when there is none.
    int BinToIndex(int code);
    // The names, for the dialogs' lists.
    const TStrings* PaperNames();
    const TStrings* BinNames();

private:
    struct Paper {
        AnsiString name;
        int code, width, height;
    };
    // Lists papers and bins on first use.
    void Fill();
    void FillFromDriver(std::vector<AnsiString>& names, std::vector<int>& codes, std::vector<int>& widths,
                        std::vector<int>& heights);
    void NormalizePapers(std::vector<AnsiString> names, std::vector<int> codes, std::vector<int> widths,
                         std::vector<int> heights);
    void NormalizeBins();
    template <class Action>
    auto Locked(Action action);

    bool isVirtual_;
    bool filled_ = false;
    int customIndex_ = 0;
    std::vector<Paper> papers_;
    std::vector<AnsiString> binNames_;
    std::vector<int> binCodes_;
    std::unique_ptr<TStringList> paperNameList_{TStringList::Create()};
    std::unique_ptr<TStringList> binNameList_{TStringList::Create()};
    TCriticalSection lock_;
};

class TQmPrinterList : public TObject {
    SERVIORA_CLASS(TQmPrinterList, TObject)
public:
    // Lists the printers and finds the default.
    TQmPrinterList();
    ~TQmPrinterList() override;

    // The entry the index names; 0 stands for DefaultIndex. EListError
    // outside the list.
    TQmPrinterInfo* GetPrinterInfo(int index);
    int GetCount();
    // The entries' display texts.
    const TStrings* Printers() const { return entries_.get(); }
    // The entry of the default printer; 1 (the virtual printer) when the
    // system has none.
    int DefaultIndex() const { return defaultIndex_; }

private:
    void FillPrinters();
    void FindDefault();
    TQmPrinterInfo* Entry(int index) const;

    std::unique_ptr<TStringList> entries_{TStringList::Create()};
    int defaultIndex_ = 1;
    TCriticalSection lock_;
};

// The one printer list of the process, made on first use.
TQmPrinterList* GlobalPrinterList();
