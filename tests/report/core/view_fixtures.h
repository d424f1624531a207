// Fixtures the report object tests share: the object record of a template
// object written by the test-side byte writer, a white bitmap to draw on,
// and a report whose expressions read their names from a table.
#pragma once

#include <array>
#include <map>
#include <memory>

#include "byte_writer.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_class.h"

// The object record (template form, version 7) of an object with invisible
// frames of 1 pixel and an empty template text; geometry in thousandths.
inline ByteWriter TemplateObjectRecord(const std::string& name, const std::array<std::int32_t, 6>& geometry,
                                       std::uint32_t flags) {
    ByteWriter w;
    w.Word(7).Str(name);
    for (std::int32_t v : geometry) w.Int(v);
    w.Int(static_cast<std::int32_t>(flags)).Int(0x1FFFFFFF).Byte(0).Byte(0);
    for (int side = 0; side < 4; ++side) w.Byte(0).Byte(0).Int(0).Int(265).Byte(0);
    w.Word(0).Byte(1);
    w.Word(0).Str("").List("").Str("").Str("").Byte(0).Byte(0).Byte(2).Byte('.');
    w.Word(0).Byte(1).Byte(0).Int(0).Str("").Str("").Str("").Str("").Int(0).Str("[;]");
    return w;
}

inline std::unique_ptr<TBitmap> WhiteBitmap(int width, int height) {
    std::unique_ptr<TBitmap> bitmap(TBitmap::Create());
    bitmap->SetSize(width, height);
    bitmap->Canvas()->FillRect(TRect(0, 0, width, height));
    return bitmap;
}

// A report whose expressions find bare names (upper-cased) in `values`.
struct ReportWithValues {
    ReportWithValues() {
        report->Parser()->SetOnGetValue(TQmGetValueEvent([this](const AnsiString& name, Variant& value) {
            const auto found = values.find(UpperCase(name));
            if (found != values.end()) value = found->second;
        }));
    }
    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
    std::map<AnsiString, Variant> values;
};
