// Saved print settings: a report's print offsets, options and page margins
// kept per report in a registry key or an ini file section.
#include <memory>

#include "platform/rtl/filepaths.h"
#include "platform/rtl/inifiles.h"
#include "platform/rtl/registry.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_class.h"
#include "report/core/qm_pages.h"

namespace {

// The two stores behind one set of calls; values are text in both.
class SettingStore {
public:
    explicit SettingStore(const TQmSaveReportOptions& options) {
        if (options.UseRegistry()) registry_ = std::make_unique<TRegIniFile>(options.RegistryPath());
        else ini_ = std::make_unique<TIniFile>(options.IniFileName());
    }
    bool SectionExists(const AnsiString& section) const {
        return registry_ ? registry_->KeyExists(section) : ini_->SectionExists(section);
    }
    bool ReadBool(const AnsiString& section, const AnsiString& key, bool fallback) {
        return registry_ ? registry_->ReadBool(section, key, fallback) : ini_->ReadBool(section, key, fallback);
    }
    Integer ReadInteger(const AnsiString& section, const AnsiString& key, Integer fallback) {
        return registry_ ? registry_->ReadInteger(section, key, fallback) : ini_->ReadInteger(section, key, fallback);
    }
    void WriteBool(const AnsiString& section, const AnsiString& key, bool value) {
        if (registry_) registry_->WriteBool(section, key, value);
        else ini_->WriteBool(section, key, value);
    }
    void WriteInteger(const AnsiString& section, const AnsiString& key, Integer value) {
        if (registry_) registry_->WriteInteger(section, key, value);
        else ini_->WriteInteger(section, key, value);
    }

private:
    std::unique_ptr<TRegIniFile> registry_;
    std::unique_ptr<TIniFile> ini_;
};

AnsiString SectionName(const TQmReport* report, const AnsiString& given) {
    if (!given.empty()) return given;
    if (!report->ReportInfo[0].empty()) return report->ReportInfo[0];
    return ExtractFileName(report->FileName);
}

AnsiString MarginKey(int page, const char* side) { return "Page_" + IntToStr(page) + "_" + side + "Margin"; }

constexpr const char* kSides[] = {"Left", "Top", "Right", "Bottom"};

}  // namespace

void TQmSaveReportOptions::LoadReportSetting(TQmReport* report, const AnsiString& section) {
    if (report->OnLoadReportSetting) {
        report->OnLoadReportSetting(report);
        return;
    }
    if (!autoLoadSaveSetting_) return;
    const AnsiString name = SectionName(report, section);
    if (name.empty()) return;
    SettingStore store(*this);
    if (!store.SectionExists(name)) return;
    report->Taoda = store.ReadBool(name, "taoda", report->Taoda);
    report->PrintOffsetTop = store.ReadInteger(name, "mmPrintOffsetTop", 0);
    report->PrintOffsetLeft = store.ReadInteger(name, "mmPrintOffsetLeft", 0);
    report->ColorPrint = store.ReadBool(name, "ColorPrint", report->ColorPrint);
    report->DoublePass = store.ReadBool(name, "DoublePass", report->DoublePass);
    const Integer stored = store.ReadInteger(name, "PageCount", -1);
    for (int n = 0; n < stored && n < report->Pages()->GetCount(); ++n) {
        auto* page = dynamic_cast<TQmReportPage*>(report->Pages()->GetPage(n));
        if (!page) continue;
        page->SetLeftMargin(store.ReadInteger(name, MarginKey(n, kSides[0]), 0));
        page->SetTopMargin(store.ReadInteger(name, MarginKey(n, kSides[1]), 0));
        page->Margins[2] = store.ReadInteger(name, MarginKey(n, kSides[2]), 0);
        page->Margins[3] = store.ReadInteger(name, MarginKey(n, kSides[3]), 0);
    }
}

void TQmSaveReportOptions::SaveReportSetting(TQmReport* report, const AnsiString& section) {
    if (report->OnSaveReportSetting) {
        report->OnSaveReportSetting(report);
        return;
    }
    if (!autoLoadSaveSetting_) return;
    const AnsiString name = SectionName(report, section);
    if (name.empty()) return;
    SettingStore store(*this);
    store.WriteBool(name, "taoda", report->Taoda);
    store.WriteInteger(name, "mmPrintOffsetTop", report->PrintOffsetTop);
    store.WriteInteger(name, "mmPrintOffsetLeft", report->PrintOffsetLeft);
    store.WriteBool(name, "ColorPrint", report->ColorPrint);
    store.WriteBool(name, "DoublePass", report->DoublePass);
    store.WriteBool(name, "NewFlag", true);
    store.WriteInteger(name, "PageCount", report->Pages()->GetCount());
    for (int n = 0; n < report->Pages()->GetCount(); ++n)
        if (auto* page = dynamic_cast<TQmReportPage*>(report->Pages()->GetPage(n)))
            for (int side = 0; side < 4; ++side)
                store.WriteInteger(name, MarginKey(n, kSides[side]), page->Margins[static_cast<std::size_t>(side)]);
}
