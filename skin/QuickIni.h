// TQuickIni: the skin description, an ini-style text held in memory and
// answered by a linear scan of each section.
#pragma once

#include <vector>

#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"

class TQuickIni : public TObject {
    SERVIORA_CLASS(TQuickIni, TObject)
public:
    // Replaces the content with the text from the stream's position on.
    void LoadFromStream(TStream* stream);
    // The section names, without their brackets.
    void ReadSections(TStrings* list) const;
    // The line of the header "[Name]" (any case), or -1.
    int SectionIndex(const AnsiString& name) const;
    // The first line of the section with that key decides; an empty value
    // or no such line leaves Default.
    void ReadString(const AnsiString& section, const AnsiString& key, AnsiString& value,
                    const AnsiString& defaultValue) const;
    // Decimal, "$hex" or "0xhex"; Default when empty or not a number.
    Integer ReadInteger(const AnsiString& section, const AnsiString& key, Integer defaultValue) const;

private:
    struct TSectionHeader {
        AnsiString header;  // "[Name]" as written
        int line;
    };

    std::vector<AnsiString> lines_;
    std::vector<TSectionHeader> sections_;
};
