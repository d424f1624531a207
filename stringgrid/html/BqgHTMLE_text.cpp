// The text operations of the markup: plain text, highlighting, tag removal,
// the in-text form controls, entities and colours.
#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/rtl/sysutils.h"
#include "stringgrid/html/BqgHTMLE.h"
#include "stringgrid/html/HTMLTags.h"

namespace {

AnsiString ReplaceAllIgnoringCase(const AnsiString& s, const AnsiString& from, const AnsiString& to) {
    return StringReplace(s, from, to, rfReplaceAll | rfIgnoreCase);
}

// Calls `visit(tagText, start)` for every "<CONTROL " tag, in order.
template <typename Visit>
bool ForEachControlTag(const AnsiString& markup, Visit visit) {
    const AnsiString upper = UpperCase(markup);
    for (std::size_t at = upper.find("<CONTROL "); at != AnsiString::npos; at = upper.find("<CONTROL ", at + 1)) {
        std::size_t end = markup.find('>', at);
        if (end == AnsiString::npos) return false;
        if (visit(markup.substr(at, end - at + 1), at)) return true;
    }
    return false;
}

bool IsEditControl(const THTMLControl& control) {
    return control.Type != "BUTTON" && control.Type != "CHECK" && control.Type != "RADIO";
}

}  // namespace

AnsiString StripTags(const AnsiString& text) {
    AnsiString out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t open = text.find('<', i);
        if (open == AnsiString::npos) break;
        std::size_t close = text.find('>', open);
        if (close == AnsiString::npos) break;
        out.append(text, i, open - i);
        i = close + 1;
    }
    return out + text.substr(std::min(i, text.size()));
}

AnsiString StripHTMLTags(const AnsiString& text) {
    return StripTags(ReplaceAllIgnoringCase(ReplaceAllIgnoringCase(text, "<BR>", "\r\n"), "<HR>", "\r\n"));
}

AnsiString HighlightHTMLText(const AnsiString& markup, const AnsiString& search, const AnsiString& tag,
                             bool matchCase) {
    if (search.empty()) return markup;
    const AnsiString visible = matchCase ? StripTags(markup) : AnsiUpperCase(StripTags(markup));
    const AnsiString wanted = matchCase ? search : AnsiUpperCase(search);
    // The markup offset of every visible byte, and one past the last.
    std::vector<std::size_t> offsets;
    bool inTag = false;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] == '<' && markup.find('>', i) != AnsiString::npos) inTag = true;
        if (!inTag) offsets.push_back(i);
        if (markup[i] == '>') inTag = false;
    }
    offsets.push_back(markup.size());
    std::vector<std::pair<std::size_t, AnsiString>> inserts;
    for (std::size_t from = 0;;) {
        int p = Pos(wanted, visible.substr(from));
        if (p == 0) break;
        const std::size_t start = from + std::size_t(p) - 1, last = start + wanted.size() - 1;
        inserts.emplace_back(offsets[start], "<" + tag + ">");
        inserts.emplace_back(offsets[last] + 1, "</" + tag + ">");
        from = last + 1;
    }
    AnsiString out = markup;
    for (auto it = inserts.rbegin(); it != inserts.rend(); ++it) out.insert(it->first, it->second);
    return out;
}

AnsiString RemoveHTMLTag(const AnsiString& markup, const AnsiString& tag) {
    const AnsiString name = UpperCase(tag);
    return ReplaceAllIgnoringCase(ReplaceAllIgnoringCase(markup, "<" + name + ">", ""), "</" + name + ">", "");
}

bool HasHTMLControls(const AnsiString& markup) { return Pos("<CONTROL", UpperCase(markup)) > 0; }

THTMLControl ParseControlTag(const AnsiString& tag) {
    THTMLControl control;
    control.Type = UpperCase(htmltags::Attribute(tag, "TYPE"));
    control.ID = htmltags::Attribute(tag, "ID");
    control.Value = DecodeHTMLEntities(htmltags::Attribute(tag, "VALUE"));
    control.Width = htmltags::Attribute(tag, "WIDTH");
    control.Prop = htmltags::Attribute(tag, "PROP");
    return control;
}

AnsiString GetNextEditControlID(const AnsiString& markup, const AnsiString& id) {
    AnsiString found;
    bool passed = id.empty();
    ForEachControlTag(markup, [&](const AnsiString& tag, std::size_t) {
        THTMLControl control = ParseControlTag(tag);
        if (passed && IsEditControl(control)) {
            found = control.ID;
            return true;
        }
        if (control.ID == id) passed = true;
        return false;
    });
    return found;
}

AnsiString GetControlProp(const AnsiString& markup, const AnsiString& id) {
    AnsiString prop;
    ForEachControlTag(markup, [&](const AnsiString& tag, std::size_t) {
        THTMLControl control = ParseControlTag(tag);
        if (control.ID != id) return false;
        prop = control.Prop;
        return true;
    });
    return prop;
}

int SetControlValue(AnsiString& markup, const AnsiString& id, const AnsiString& value) {
    return ForEachControlTag(markup, [&](const AnsiString& tag, std::size_t at) {
        THTMLControl control = ParseControlTag(tag);
        if (control.ID != id) return false;
        AnsiString rewritten = "<CONTROL ID=\"" + id + "\" VALUE=\"" + EncodeHTMLEntities(value) + "\" WIDTH=\"" +
                               control.Width + "\" TYPE=\"" + control.Type + "\"";
        if (htmltags::HasAttribute(tag, "PROP")) rewritten += " PROP=\"" + control.Prop + "\"";
        markup.replace(at, tag.size(), rewritten + ">");
        return true;
    }) ? 1 : 0;
}

AnsiString DecodeHTMLEntities(const AnsiString& text) {
    AnsiString out = StringReplace(text, "&lt;", "<", rfReplaceAll);
    out = StringReplace(out, "&gt;", ">", rfReplaceAll);
    out = StringReplace(out, "&quot;", "\"", rfReplaceAll);
    return StringReplace(out, "&amp;", "&", rfReplaceAll);
}

AnsiString EncodeHTMLEntities(const AnsiString& text) {
    AnsiString out = StringReplace(text, "&", "&amp;", rfReplaceAll);
    out = StringReplace(out, "<", "&lt;", rfReplaceAll);
    out = StringReplace(out, ">", "&gt;", rfReplaceAll);
    return StringReplace(out, "\"", "&quot;", rfReplaceAll);
}

TColor ColorFromName(const AnsiString& name) {
    struct Named {
        const char* name;
        TColor color;
    };
    static const Named table[] = {
        {"clred", 0x0000FF},      {"clblack", 0x000000},   {"clblue", 0xFF0000},      {"clgreen", 0x008000},
        {"claqua", 0xFFFF00},     {"clyellow", 0x00FFFF},  {"clfuchsia", 0xFF00FF},   {"clwhite", 0xFFFFFF},
        {"cllime", 0x00FF00},     {"clsilver", 0xC0C0C0},  {"clgray", 0x808080},      {"clolive", 0x008080},
        {"clnavy", 0x800000},     {"clpurple", 0x800080},  {"clteal", 0x808000},      {"clmaroon", 0x000080},
        {"clbackground", SystemColor(1)},          {"clactivecaption", SystemColor(2)},
        {"clinactivecaption", SystemColor(3)},     {"clmenu", SystemColor(4)},
        {"clwindow", SystemColor(5)},              {"clwindowframe", SystemColor(6)},
        {"clmenutext", SystemColor(7)},            {"clwindowtext", SystemColor(8)},
        {"clcaptiontext", SystemColor(9)},         {"clactiveborder", SystemColor(10)},
        {"clinactiveborder", SystemColor(11)},     {"clappworkspace", SystemColor(12)},
        {"clhighlight", SystemColor(13)},          {"clhighlighttext", SystemColor(14)},
        {"clbtnface", SystemColor(15)},            {"clbtnshadow", SystemColor(16)},
        {"clgraytext", SystemColor(17)},           {"clbtntext", SystemColor(18)},
        {"clinactivecaptiontext", SystemColor(19)}, {"clbtnhighlight", SystemColor(20)},
        {"cl3ddkshadow", SystemColor(21)},         {"cl3dlight", SystemColor(22)},
        {"clinfotext", SystemColor(23)},           {"clinfobk", SystemColor(24)},
    };
    const AnsiString lower = LowerCase(name);
    for (const Named& n : table)
        if (lower == n.name) return n.color;
    return 0;
}

TColor ColorFromHex(const AnsiString& text) {
    auto digit = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        c = char(std::toupper(static_cast<unsigned char>(c)));
        return c >= 'A' && c <= 'F' ? c - 'A' + 10 : 0;
    };
    auto byteAt = [&](std::size_t at) { return at + 1 < text.size() ? digit(text[at]) * 16 + digit(text[at + 1]) : 0; };
    return TColor(byteAt(1) + byteAt(3) * 256 + byteAt(5) * 65536);
}
