// The skin description reader.
#include "skin/QuickIni.h"

#include "platform/rtl/sysutils.h"

namespace {

bool IsSectionHeader(const AnsiString& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

}  // namespace

void TQuickIni::LoadFromStream(TStream* stream) {
    lines_.clear();
    sections_.clear();
    AnsiString text(static_cast<std::size_t>(stream->Size() - stream->Position()), '\0');
    text.resize(stream->Read(text.data(), static_cast<Integer>(text.size())));
    text.resize(std::min(text.size(), text.find('\0')));
    TStringList split;
    split.SetText(text);
    for (int i = 0; i < split.Count(); ++i) {
        const AnsiString line = Trim(split[i]);
        if (line.empty() || line.front() == ';') continue;
        if (IsSectionHeader(line)) sections_.push_back({line, static_cast<int>(lines_.size())});
        lines_.push_back(line);
    }
}

void TQuickIni::ReadSections(TStrings* list) const {
    list->Clear();
    for (const TSectionHeader& section : sections_) {
        const AnsiString header = Trim(section.header);
        list->Add(Trim(header.substr(1, header.size() - 2)));
    }
}

int TQuickIni::SectionIndex(const AnsiString& name) const {
    const AnsiString header = "[" + name + "]";
    for (const TSectionHeader& section : sections_) {
        if (AnsiSameText(section.header, header)) return section.line;
    }
    return -1;
}

void TQuickIni::ReadString(const AnsiString& section, const AnsiString& key, AnsiString& value,
                           const AnsiString& defaultValue) const {
    value = defaultValue;
    const AnsiString wanted = LowerCase(key);
    const int header = lines_.empty() ? -1 : SectionIndex(section);
    if (header < 0) return;
    for (std::size_t i = header + 1; i < lines_.size() && !IsSectionHeader(lines_[i]); ++i) {
        const AnsiString& line = lines_[i];
        const std::size_t equals = line.find('=');
        const AnsiString lineKey = equals == AnsiString::npos ? AnsiString() : LowerCase(Trim(line.substr(0, equals)));
        if (lineKey != wanted) continue;
        const AnsiString lineValue = Trim(line.substr(equals + 1));
        if (!lineValue.empty()) value = lineValue;
        return;
    }
}

Integer TQuickIni::ReadInteger(const AnsiString& section, const AnsiString& key, Integer defaultValue) const {
    AnsiString text;
    ReadString(section, key, text, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
    return StrToIntDef(text, defaultValue);
}
