// The ini classes over one in-memory model of the file, IniDocument, which
// keeps every line as it was read so that a write changes only its own line.
#include "platform/rtl/inifiles.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"

class IniDocument {
public:
    void Parse(std::string_view bytes);
    std::string Serialize() const;

    // Calls `visit` with each key and value of the sections named `section`,
    // in file order, until it answers false.
    void ForEachEntry(const AnsiString& section,
                      const std::function<bool(const AnsiString& key, const AnsiString& value)>& visit) const;
    std::optional<AnsiString> Read(const AnsiString& section, const AnsiString& key) const;
    // Each section name once, in the spelling of its first header.
    std::vector<AnsiString> SectionNames() const;

    void Write(const AnsiString& section, const AnsiString& key, const AnsiString& value);
    void DeleteKey(const AnsiString& section, const AnsiString& key);
    void EraseSection(const AnsiString& section);

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        Kind kind = Kind::Other;
        AnsiString text;
        AnsiString name;   // section or key
        AnsiString value;  // as read: trimmed and unquoted
    };
    // A section's lines: its header and the lines up to the next header.
    struct Range {
        std::size_t header, end;
    };

    static Line ParseLine(AnsiString text);
    std::vector<Range> SectionRanges(const AnsiString& section) const;

    std::vector<Line> lines_;
    std::string lineBreak_ = "\r\n";
};

namespace {

// One pair of matching quotes around a value is not part of it.
AnsiString Unquote(const AnsiString& value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

// A value ends at its first line break. CR and LF never occur inside a
// GB18030 character, so a byte search is safe.
AnsiString FirstLine(const AnsiString& value) { return value.substr(0, value.find_first_of("\r\n")); }

// Keeps a list's change notifications back while it is refilled.
class UpdateScope {
public:
    explicit UpdateScope(TStrings* strings) : strings_(strings) {
        strings_->BeginUpdate();
        strings_->Clear();
    }
    ~UpdateScope() { strings_->EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TStrings* strings_;
};

}  // namespace

IniDocument::Line IniDocument::ParseLine(AnsiString text) {
    Line line;
    const AnsiString trimmed = Trim(text);
    line.text = std::move(text);
    if (trimmed.empty() || trimmed[0] == ';') return line;
    if (trimmed[0] == '[') {
        const AnsiString rest = trimmed.substr(1);
        const int close = AnsiPos("]", rest);
        line.kind = Kind::Section;
        line.name = Trim(close > 0 ? rest.substr(0, std::size_t(close) - 1) : rest);
        return line;
    }
    // "=" is below the range of trail bytes and no digit of a four-byte
    // character, so the first "=" byte is the first "=" character.
    const std::size_t equals = trimmed.find('=');
    if (equals == AnsiString::npos || equals == 0) return line;
    line.kind = Kind::Entry;
    line.name = Trim(trimmed.substr(0, equals));
    line.value = Unquote(Trim(trimmed.substr(equals + 1)));
    return line;
}

void IniDocument::Parse(std::string_view bytes) {
    lines_.clear();
    const std::size_t firstBreak = bytes.find_first_of("\r\n");
    if (firstBreak != std::string_view::npos) {
        const bool crlf = bytes[firstBreak] == '\r' && firstBreak + 1 < bytes.size() && bytes[firstBreak + 1] == '\n';
        lineBreak_ = crlf ? "\r\n" : std::string(1, bytes[firstBreak]);
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        lines_.push_back(ParseLine(AnsiString(bytes.substr(start, end - start))));
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') ++start;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
}

std::string IniDocument::Serialize() const {
    std::string bytes;
    for (const Line& line : lines_) bytes += line.text + lineBreak_;
    return bytes;
}

std::vector<IniDocument::Range> IniDocument::SectionRanges(const AnsiString& section) const {
    std::vector<Range> ranges;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section) continue;
        if (!ranges.empty() && ranges.back().end == lines_.size()) ranges.back().end = i;
        if (SameText(lines_[i].name, section)) ranges.push_back({i, lines_.size()});
    }
    return ranges;
}

void IniDocument::ForEachEntry(const AnsiString& section,
                               const std::function<bool(const AnsiString&, const AnsiString&)>& visit) const {
    for (const Range& range : SectionRanges(section))
        for (std::size_t i = range.header + 1; i < range.end; ++i)
            if (lines_[i].kind == Kind::Entry && !visit(lines_[i].name, lines_[i].value)) return;
}

std::optional<AnsiString> IniDocument::Read(const AnsiString& section, const AnsiString& key) const {
    std::optional<AnsiString> found;
    ForEachEntry(section, [&](const AnsiString& name, const AnsiString& value) {
        if (SameText(name, key)) found = value;
        return !found;
    });
    return found;
}

std::vector<AnsiString> IniDocument::SectionNames() const {
    std::vector<AnsiString> names;
    for (const Line& line : lines_) {
        if (line.kind != Kind::Section) continue;
        if (std::none_of(names.begin(), names.end(), [&](const AnsiString& n) { return SameText(n, line.name); }))
            names.push_back(line.name);
    }
    return names;
}

void IniDocument::Write(const AnsiString& section, const AnsiString& key, const AnsiString& value) {
    const std::vector<Range> ranges = SectionRanges(section);
    for (const Range& range : ranges) {
        for (std::size_t i = range.header + 1; i < range.end; ++i) {
            if (lines_[i].kind == Kind::Entry && SameText(lines_[i].name, key)) {
                lines_[i] = ParseLine(lines_[i].name + "=" + FirstLine(value));
                return;
            }
        }
    }
    Line entry = ParseLine(key + "=" + FirstLine(value));
    if (ranges.empty()) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back(ParseLine(""));
        lines_.push_back(ParseLine("[" + section + "]"));
        lines_.push_back(std::move(entry));
        return;
    }
    // After the section's last key, so blank lines and comments that lead
    // into the next section stay where they are.
    std::size_t at = ranges.front().header + 1;
    for (std::size_t i = at; i < ranges.front().end; ++i)
        if (lines_[i].kind == Kind::Entry) at = i + 1;
    lines_.insert(lines_.begin() + std::ptrdiff_t(at), std::move(entry));
}

void IniDocument::DeleteKey(const AnsiString& section, const AnsiString& key) {
    const std::vector<Range> ranges = SectionRanges(section);
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range)
        for (std::size_t i = range->end; i-- > range->header + 1;)
            if (lines_[i].kind == Kind::Entry && SameText(lines_[i].name, key))
                lines_.erase(lines_.begin() + std::ptrdiff_t(i));
}

void IniDocument::EraseSection(const AnsiString& section) {
    const std::vector<Range> ranges = SectionRanges(section);
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range)
        lines_.erase(lines_.begin() + std::ptrdiff_t(range->header), lines_.begin() + std::ptrdiff_t(range->end));
}

// TCustomIniFile

TCustomIniFile::TCustomIniFile(AnsiString fileName) : fileName_(std::move(fileName)) {}

TCustomIniFile::~TCustomIniFile() = default;

void TCustomIniFile::Load(IniDocument& document) const {
    std::string bytes;
    if (!ReadFileBytes(fileName_, bytes)) bytes.clear();
    document.Parse(bytes);
}

void TCustomIniFile::Save(const IniDocument& document) const {
    if (!WriteFileAtomically(fileName_, document.Serialize()))
        throw EIniFileException("Unable to write to " + fileName_);
}

AnsiString TCustomIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                      const AnsiString& fallback) const {
    return Document().Read(section, ident).value_or(fallback);
}

void TCustomIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
    Change([&](IniDocument& document) { document.Write(section, ident, value); });
}

Integer TCustomIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, Integer fallback) const {
    return StrToIntDef(ReadString(section, ident, ""), fallback);
}

void TCustomIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, Integer value) {
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool fallback) const {
    return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

namespace {

// The value converted by `tryConvert`, or `fallback` for missing or bad text.
template <class T>
T ReadConverted(const AnsiString& text, T fallback, bool (*tryConvert)(const AnsiString&, T&)) {
    T value = fallback;
    return !text.empty() && tryConvert(text, value) ? value : fallback;
}

}  // namespace

double TCustomIniFile::ReadFloat(const AnsiString& section, const AnsiString& ident, double fallback) const {
    return ReadConverted(ReadString(section, ident, ""), fallback, TryStrToFloat);
}

void TCustomIniFile::WriteFloat(const AnsiString& section, const AnsiString& ident, double value) {
    WriteString(section, ident, FloatToStr(value));
}

TDateTime TCustomIniFile::ReadDate(const AnsiString& section, const AnsiString& ident, TDateTime fallback) const {
    return ReadConverted(ReadString(section, ident, ""), fallback, TryStrToDate);
}

void TCustomIniFile::WriteDate(const AnsiString& section, const AnsiString& ident, TDateTime value) {
    WriteString(section, ident, DateToStr(value));
}

TDateTime TCustomIniFile::ReadDateTime(const AnsiString& section, const AnsiString& ident,
                                       TDateTime fallback) const {
    return ReadConverted(ReadString(section, ident, ""), fallback, TryStrToDateTime);
}

void TCustomIniFile::WriteDateTime(const AnsiString& section, const AnsiString& ident, TDateTime value) {
    WriteString(section, ident, DateTimeToStr(value));
}

TDateTime TCustomIniFile::ReadTime(const AnsiString& section, const AnsiString& ident, TDateTime fallback) const {
    return ReadConverted(ReadString(section, ident, ""), fallback, TryStrToTime);
}

void TCustomIniFile::WriteTime(const AnsiString& section, const AnsiString& ident, TDateTime value) {
    WriteString(section, ident, TimeToStr(value));
}

void TCustomIniFile::ReadSection(const AnsiString& section, TStrings* strings) const {
    UpdateScope scope(strings);
    Document().ForEachEntry(section, [&](const AnsiString& key, const AnsiString&) {
        strings->Add(key);
        return true;
    });
}

void TCustomIniFile::ReadSections(TStrings* strings) const {
    UpdateScope scope(strings);
    for (const AnsiString& name : Document().SectionNames()) strings->Add(name);
}

void TCustomIniFile::ReadSectionValues(const AnsiString& section, TStrings* strings) const {
    UpdateScope scope(strings);
    Document().ForEachEntry(section, [&](const AnsiString& key, const AnsiString& value) {
        strings->Add(key + "=" + value);
        return true;
    });
}

void TCustomIniFile::EraseSection(const AnsiString& section) {
    Change([&](IniDocument& document) { document.EraseSection(section); });
}

void TCustomIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
    Change([&](IniDocument& document) { document.DeleteKey(section, ident); });
}

bool TCustomIniFile::SectionExists(const AnsiString& section) const {
    bool any = false;
    Document().ForEachEntry(section, [&](const AnsiString&, const AnsiString&) {
        any = true;
        return false;
    });
    return any;
}

bool TCustomIniFile::ValueExists(const AnsiString& section, const AnsiString& ident) const {
    return Document().Read(section, ident).has_value();
}

// TIniFile

TIniFile::TIniFile(AnsiString fileName) : TCustomIniFile(std::move(fileName)) {}

TIniFile::~TIniFile() = default;

const IniDocument& TIniFile::Document() const {
    lastRead_ = std::make_unique<IniDocument>();
    Load(*lastRead_);
    return *lastRead_;
}

void TIniFile::Change(const std::function<void(IniDocument&)>& change) {
    IniDocument document;
    Load(document);
    change(document);
    Save(document);
}

// TMemIniFile

TMemIniFile::TMemIniFile(AnsiString fileName)
    : TCustomIniFile(std::move(fileName)), document_(std::make_unique<IniDocument>()) {
    Load(*document_);
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::UpdateFile() { Save(*document_); }

const IniDocument& TMemIniFile::Document() const { return *document_; }

void TMemIniFile::Change(const std::function<void(IniDocument&)>& change) { change(*document_); }
