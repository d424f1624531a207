// Registered test classes that publish a property of every kind, for the
// RTTI and form-description tests.
#pragma once

#include <string>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/datamodule.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/typinfo.h"
#include "platform/rtl/writer.h"

SERVIORA_ENUM(TTestAlign, taNone, taTop, taBottom, taClient)
SERVIORA_ENUM(TTestStyle, tsBold, tsItalic, tsUnderline)
using TTestStyles = TSet<TTestStyle>;
SERVIORA_EVENT_TYPE(TTestCountEvent, void(TObject* Sender, int& Count));

// An owned sub-object, written as "Font.Name = ...".
class TTestFont : public TPersistent {
    SERVIORA_CLASS(TTestFont, TPersistent)
    SERVIORA_PUBLISHED
public:
    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& v) { name_ = v; }
    Integer Size() const { return size_; }
    void SetSize(Integer v) { size_ = v; }
    TTestStyles Style() const { return style_; }
    void SetStyle(TTestStyles v) { style_ = v; }

    void Assign(TPersistent* source) override {
        if (auto* font = dynamic_cast<TTestFont*>(source)) {
            name_ = font->name_;
            size_ = font->size_;
            style_ = font->style_;
            return;
        }
        TPersistent::Assign(source);
    }

private:
    AnsiString name_;
    Integer size_ = 9;
    TTestStyles style_;
};
inline void TTestFont::Published(TPublished<TTestFont>& p) {
    p.Property("Name", &TTestFont::Name, &TTestFont::SetName);
    p.Property("Size", &TTestFont::Size, &TTestFont::SetSize).Default(9);
    p.Property("Style", &TTestFont::Style, &TTestFont::SetStyle).Default(0);
}

class TTestItem : public TCollectionItem {
    SERVIORA_CLASS(TTestItem, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    using TCollectionItem::TCollectionItem;
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v) {
        caption_ = v;
        Changed(false);
    }
    Integer Width() const { return width_; }
    void SetWidth(Integer v) { width_ = v; }
    void Assign(TPersistent* source) override {
        if (auto* item = dynamic_cast<TTestItem*>(source)) {
            caption_ = item->caption_;
            width_ = item->width_;
            return;
        }
        TCollectionItem::Assign(source);
    }

protected:
    AnsiString GetDisplayName() const override { return caption_.empty() ? TCollectionItem::GetDisplayName() : caption_; }

private:
    AnsiString caption_;
    Integer width_ = 64;
};
inline void TTestItem::Published(TPublished<TTestItem>& p) {
    p.Property("Caption", &TTestItem::Caption, &TTestItem::SetCaption);
    p.Property("Width", &TTestItem::Width, &TTestItem::SetWidth).Default(64);
}

// A component publishing every kind of property, a binary and a list-valued
// defined property, and recording the notifications it hears.
class TTestWidget : public TComponent {
    SERVIORA_CLASS(TTestWidget, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TTestWidget(TComponent* owner)
        : TComponent(owner), items_(std::make_unique<TOwnedCollection>(this, TTestItem::StaticClass())) {}

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v) { caption_ = v; }
    const WideString& Hint() const { return hint_; }
    void SetHint(const WideString& v) { hint_ = v; }
    Integer Count() const { return count_; }
    void SetCount(Integer v) { count_ = v; }
    Int64 Big() const { return big_; }
    void SetBig(Int64 v) { big_ = v; }
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    TTestAlign Align() const { return align_; }
    void SetAlign(TTestAlign v) { align_ = v; }
    TTestStyles Styles() const { return styles_; }
    void SetStyles(TTestStyles v) { styles_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    char Accel() const { return accel_; }
    void SetAccel(char v) { accel_ = v; }
    char16_t WideAccel() const { return wideAccel_; }
    void SetWideAccel(char16_t v) { wideAccel_ = v; }
    Integer Color() const { return color_; }
    void SetColor(Integer v) { color_ = v; }
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& v) { value_ = v; }
    TTestFont* Font() const { return font_.get(); }
    void SetFont(TTestFont* v) { font_->Assign(v); }
    TStringList* SQL() const { return sql_.get(); }
    void SetSQL(TStringList* v) { sql_->Assign(v); }
    TOwnedCollection* Items() const { return items_.get(); }
    void SetItems(TOwnedCollection* v) { items_->Assign(v); }
    TComponent* Source() const { return source_; }
    void SetSource(TComponent* v) {
        if (source_)
            source_->RemoveFreeNotification(this);
        source_ = v;
        if (source_)
            source_->FreeNotification(this);
    }
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent v) { onClick_ = std::move(v); }
    const TTestCountEvent& OnCount() const { return onCount_; }
    void SetOnCount(TTestCountEvent v) { onCount_ = std::move(v); }

    std::string data;                // the binary defined property "Data"
    std::vector<AnsiString> lines;   // the list-valued defined property "Lines"
    std::vector<std::string> heard;  // "insert:Name" / "remove:Name"
    int loadedCalls = 0;

    void Loaded() override {
        TComponent::Loaded();
        ++loadedCalls;
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        heard.push_back((operation == opInsert ? "insert:" : "remove:") + component->Name());
        if (operation == opRemove && component == source_)
            source_ = nullptr;
    }

    void DefineProperties(TFiler* filer) override {
        TComponent::DefineProperties(filer);
        filer->DefineBinaryProperty(
            "Data",
            [this](TStream* s) {
                data.assign(static_cast<std::size_t>(s->Size()), '\0');
                s->ReadBuffer(data.data(), static_cast<Integer>(data.size()));
            },
            [this](TStream* s) { s->WriteBuffer(data.data(), static_cast<Integer>(data.size())); }, !data.empty());
        filer->DefineProperty(
            "Lines",
            [this](TReader* r) {
                lines.clear();
                r->ReadListBegin();
                while (!r->EndOfList())
                    lines.push_back(r->ReadString());
                r->ReadListEnd();
            },
            [this](TWriter* w) {
                w->WriteListBegin();
                for (const AnsiString& line : lines)
                    w->WriteString(line);
                w->WriteListEnd();
            },
            !lines.empty());
    }

private:
    AnsiString caption_;
    WideString hint_;
    Integer count_ = 0;
    Int64 big_ = 0;
    double ratio_ = 0;
    TTestAlign align_ = taNone;
    TTestStyles styles_;
    bool enabled_ = true;
    char accel_ = 0;
    char16_t wideAccel_ = 0;
    Integer color_ = 0;
    Variant value_;
    std::unique_ptr<TTestFont> font_ = std::make_unique<TTestFont>();
    std::unique_ptr<TStringList> sql_ = std::make_unique<TStringList>();
    std::unique_ptr<TOwnedCollection> items_;
    TComponent* source_ = nullptr;
    TNotifyEvent onClick_;
    TTestCountEvent onCount_;
};
inline void TTestWidget::Published(TPublished<TTestWidget>& p) {
    p.Property("Caption", &TTestWidget::Caption, &TTestWidget::SetCaption);
    p.Property("Hint", &TTestWidget::Hint, &TTestWidget::SetHint);
    p.Property("Count", &TTestWidget::Count, &TTestWidget::SetCount).Default(0);
    p.Property("Big", &TTestWidget::Big, &TTestWidget::SetBig).Default(0);
    p.Property("Ratio", &TTestWidget::Ratio, &TTestWidget::SetRatio);
    p.Property("Align", &TTestWidget::Align, &TTestWidget::SetAlign).Default(taNone);
    p.Property("Styles", &TTestWidget::Styles, &TTestWidget::SetStyles).Default(0);
    p.Property("Enabled", &TTestWidget::Enabled, &TTestWidget::SetEnabled).Default(true);
    p.Property("Accel", &TTestWidget::Accel, &TTestWidget::SetAccel).Default(0);
    p.Property("WideAccel", &TTestWidget::WideAccel, &TTestWidget::SetWideAccel).Default(0);
    p.Property("Color", &TTestWidget::Color, &TTestWidget::SetColor).TypeName("TTestColor").Default(0);
    p.Property("Value", &TTestWidget::Value, &TTestWidget::SetValue);
    p.Property("Font", &TTestWidget::Font, &TTestWidget::SetFont);
    p.Property("SQL", &TTestWidget::SQL, &TTestWidget::SetSQL);
    p.Property("Items", &TTestWidget::Items, &TTestWidget::SetItems);
    p.Property("Source", &TTestWidget::Source, &TTestWidget::SetSource);
    p.Property("OnClick", &TTestWidget::OnClick, &TTestWidget::SetOnClick);
    p.Property("OnCount", &TTestWidget::OnCount, &TTestWidget::SetOnCount);
}

// A module whose description is embedded (test_module.dfm) and whose
// handlers are bound by name.
class TTestModule : public TDataModule {
    SERVIORA_CLASS(TTestModule, TDataModule)
    SERVIORA_PUBLISHED
public:
    using TDataModule::TDataModule;
    TTestWidget* Widget1 = nullptr;
    int clicks = 0;
    TObject* lastSender = nullptr;
    void Widget1Click(TObject* Sender) {
        ++clicks;
        lastSender = Sender;
    }
    void Widget1Count(TObject*, int& count) { count *= 2; }
};
inline void TTestModule::Published(TPublished<TTestModule>& p) {
    p.Field("Widget1", &TTestModule::Widget1);
    p.Method("Widget1Click", &TTestModule::Widget1Click);
    p.Method("Widget1Count", &TTestModule::Widget1Count);
}

// A plain module read from strings in the tests.
class TTestDataModule : public TDataModule {
    SERVIORA_CLASS(TTestDataModule, TDataModule)
public:
    using TDataModule::TDataModule;
};

// A module and its descendant, each with an embedded description.
class TTestBaseModule : public TDataModule {
    SERVIORA_CLASS(TTestBaseModule, TDataModule)
public:
    using TDataModule::TDataModule;
};
class TTestDerivedModule : public TTestBaseModule {
    SERVIORA_CLASS(TTestDerivedModule, TTestBaseModule)
public:
    using TTestBaseModule::TTestBaseModule;
};

inline void RegisterStreamingFixtures() {
    RegisterClasses({TTestWidget::StaticClass(), TTestModule::StaticClass(), TTestDataModule::StaticClass(),
                     TDataModule::StaticClass()});
    RegisterIntegerConsts("TTestColor", {{0xFF, "tcRed"}, {0xFF00, "tcGreen"}});
}
