// The preview library's windows as the engine finds them by class name:
// recording stand-ins a test registers while it needs them.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/forms.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_reportwindows.h"

// The preview library's window, as the engine finds it by class name.
class TQmPreviewForm : public TForm, public IQmPreviewForm {
    SERVIORA_CLASS(TQmPreviewForm, TForm)
public:
    explicit TQmPreviewForm(TComponent* owner) : TForm(owner, 0) {}
    void AssignPreviewOptions(TQmPreviewOptions* options) override { rulerVisible = options->RulerVisible(); }
    void SetInitialDir(const AnsiString& dir) override { initialDir = dir; }
    void Execute(TQmReport* report) override {
        shownCaption = Caption();
        shownPages = report->EndPages()->GetCount();
    }
    static inline AnsiString shownCaption, initialDir;
    static inline int shownPages = 0;
    static inline bool rulerVisible = false;
};

// The preview library's progress window, found the same way.
class TQmProgressForm : public TForm, public IQmProgressForm {
    SERVIORA_CLASS(TQmProgressForm, TForm)
public:
    explicit TQmProgressForm(TComponent* owner) : TForm(owner, 0) {}
    ~TQmProgressForm() override { log.push_back("closed"); }
    void SetReport(TQmReport*) override { log.push_back("bound: " + Caption()); }
    void SetStepText(const AnsiString& text) override { step = text; }
    AnsiString StepText() const override { return step; }
    void SetFirstLabel(const AnsiString& text) override { log.push_back(text); }
    void SetSecondLabel(const AnsiString& text) override {
        if (!text.empty()) log.push_back("second: " + text);
    }
    AnsiString step;
    static inline std::vector<std::string> log;
};

// The recorded state starts empty in every test.
inline void ResetReportWindowFakes() {
    TQmPreviewForm::shownCaption.clear();
    TQmPreviewForm::initialDir.clear();
    TQmPreviewForm::shownPages = 0;
    TQmPreviewForm::rulerVisible = false;
    TQmProgressForm::log.clear();
}
