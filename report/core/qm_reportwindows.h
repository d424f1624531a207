// The preview and progress windows as the engine sees them. They belong to
// the preview library, which the engine does not link: it registers its
// classes "TQmPreviewForm" and "TQmProgressForm" with the class registry,
// and the engine makes them by name and talks to them through these
// interfaces. Without them nothing opens.
#pragma once

#include <memory>

#include "platform/ui/forms.h"
#include "report/core/qm_class.h"

class IQmPreviewForm {
public:
    virtual ~IQmPreviewForm() = default;
    // Copies the options into the window's preview panel.
    virtual void AssignPreviewOptions(TQmPreviewOptions* options) = 0;
    // The folder the panel offers for prepared-report files.
    virtual void SetInitialDir(const AnsiString& dir) = 0;
    // Connects the panel to the report, shows the buttons of its
    // PreviewButtons, applies InitialZoom and shows the window; returns when
    // a modal window closes, else at once.
    virtual void Execute(TQmReport* report) = 0;
};

class IQmProgressForm {
public:
    virtual ~IQmProgressForm() = default;
    // Binds the window (its Cancel stops the report) and clears the second
    // label.
    virtual void SetReport(TQmReport* report) = 0;
    // The text the first label starts with ("正在打印页:").
    virtual void SetStepText(const AnsiString& text) = 0;
    virtual AnsiString StepText() const = 0;
    virtual void SetFirstLabel(const AnsiString& text) = 0;
    virtual void SetSecondLabel(const AnsiString& text) = 0;
};

// A form of the registered class of that name, owned by `owner` (the caller
// owns it when `owner` is nullptr); nullptr when no form class of that name
// is registered.
TCustomForm* CreateReportWindow(const char* className, TComponent* owner);

// The progress window of one print run or export, shown when the report
// shows progress and has no OnProgress handler.
class TQmProgressWindow {
public:
    // The caption is "正在准备报表" and " - " with the title when there is
    // one; the first label the step text and "  1".
    TQmProgressWindow(TQmReport* report, int stepTextId);
    ~TQmProgressWindow();

    // Caption, step text and first label again, for the next pass of a
    // build.
    void Start(int stepTextId);

    // OnProgress(n), else the first label: the step text, "  " and n, with
    // " 从 " and the report's TotalPages when asked; then messages are
    // processed.
    void Step(int n, bool withTotal);
    // The second label (the script's "PROGRESS").
    void SetSecondLabel(const AnsiString& text);
    // The window, when one is shown (none with OnProgress or ShowProgress off).
    TCustomForm* Form() const { return form_.get(); }

private:
    TQmReport* report_;
    std::unique_ptr<TCustomForm> form_;
    IQmProgressForm* api_ = nullptr;
};

// The report's title, else its file name without the folder, else
// "Untitled".
AnsiString ReportDisplayTitle(const TQmReport* report);
