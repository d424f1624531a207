// The engine's base classes: event bindings and property paths of report
// objects, the components' script access, the preview options and the
// abstract preview panel.
#include "report/core/qm_common.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/typinfo.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_unit.h"

TQmPersistent::~TQmPersistent() = default;

bool TQmPersistent::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                 const std::vector<Variant>& /*arguments*/) {
    AnsiString name = path;
    return ResolvePropPath(object, name) && ReadPublishedProp(object, name, value);
}

bool TQmPersistent::SetPropValue(TObject* /*object*/, const AnsiString& /*name*/, const Variant& /*value*/) {
    return false;
}

TQmVariables* TQmPersistent::GetEventBindings() {
    if (!eventBindings_) eventBindings_.reset(TQmVariables::Create());
    return eventBindings_.get();
}

void TQmPersistent::LoadEventBindings(TStream* stream) {
    const Word count = ReadWord(stream);
    for (Word i = 0; i < count; ++i) {
        AnsiString name, value;
        ReadString(stream, name);
        ReadString(stream, value);
        GetEventBindings()->SetVariable(name, value);
    }
}

void TQmPersistent::SaveEventBindings(TStream* stream) {
    const int count = eventBindings_ ? eventBindings_->Count() : 0;
    WriteWord(stream, static_cast<Word>(count));
    try {
        for (int i = 0; i < count; ++i) {
            WriteString(stream, eventBindings_->GetName(i));
            WriteString(stream, VarToStr(eventBindings_->GetValue(i)));
        }
    } catch (EQmTextTooLong& e) {
        e.SetOwner(name_);
        throw;
    }
}

void TQmPersistent::InstallEventHandlers(TQmEventHandlers& handlers, TKpInterpreterUnit* interpreter) {
    if (!eventBindings_) return;
    static const AnsiString scriptUnit = "Report";
    for (int i = 0; i < eventBindings_->Count(); ++i) {
        const AnsiString procedure = VarToStr(eventBindings_->GetValue(i));
        if (procedure.empty() || !interpreter->FunctionExists(scriptUnit, procedure)) continue;
        try {
            PPropInfo prop = GetPropInfo(this, eventBindings_->GetName(i));
            if (!prop || prop->Kind() != tkMethod) continue;
            TKpEventHandler handler =
                interpreter->CreateEventHandler(scriptUnit, procedure, prop->PropType()->Name, this);
            prop->Access().SetMethod(this, handler.Method);
            handlers.push_back(std::move(handler.Handler));
        } catch (const std::exception&) {
        }
    }
}

void TQmCustomView::GetDefaultSize(int& width, int& height) const {
    width = 96;
    height = 18;
}

bool TQmComponent::GetPropValue(TObject* /*object*/, const AnsiString& /*name*/, Variant& /*value*/,
                                const std::vector<Variant>& /*arguments*/) {
    return false;
}

bool TQmComponent::SetPropValue(TObject* /*object*/, const AnsiString& /*name*/, const Variant& /*value*/) {
    return false;
}

TQmPreviewOptions::TQmPreviewOptions() : borderPen_(TPen::Create()) {
    borderPen_->SetColor(clBlue);
    borderPen_->SetStyle(psDash);
    borderPen_->SetWidth(1);
}

TQmPreviewOptions::~TQmPreviewOptions() = default;

void TQmPreviewOptions::Assign(TPersistent* source) {
    if (auto* options = dynamic_cast<TQmPreviewOptions*>(source)) {
        rulerUnit_ = options->rulerUnit_;
        rulerVisible_ = options->rulerVisible_;
        drawBorder_ = options->drawBorder_;
        borderPen_->Assign(options->borderPen_.get());
        return;
    }
    TPersistent::Assign(source);
}

void TQmPreviewOptions::Published(TPublished<TQmPreviewOptions>& p) {
    p.Property("RulerUnit", &TQmPreviewOptions::RulerUnit, &TQmPreviewOptions::SetRulerUnit);
    p.Property("RulerVisible", &TQmPreviewOptions::RulerVisible, &TQmPreviewOptions::SetRulerVisible);
    p.Property("DrawBorder", &TQmPreviewOptions::DrawBorder, &TQmPreviewOptions::SetDrawBorder);
    p.Property("BorderPen", &TQmPreviewOptions::BorderPen, &TQmPreviewOptions::SetBorderPen);
}

TQmCustomPreview::TQmCustomPreview(TComponent* owner) : TPanel(owner), options_(TQmPreviewOptions::Create()) {}

TQmCustomPreview::~TQmCustomPreview() = default;

void TQmCustomPreview::Published(TPublished<TQmCustomPreview>& p) {
    p.Property("Options", &TQmCustomPreview::Options, &TQmCustomPreview::SetOptions);
}
