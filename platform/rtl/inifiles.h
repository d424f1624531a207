// TIniFile and TMemIniFile: settings files with the platform's profile
// semantics.
//
// - A missing file, section or key gives the caller's default.
// - Section and key names compare with ASCII case ignored (by character).
// - A value is the text after the first "=" up to the end of its line, with
//   blanks around it and one pair of enclosing quotes removed.
// - Bytes are stored as they are (GB18030); nothing is re-encoded. Lines,
//   comments and line breaks the writer did not touch stay as they were;
//   new files get CR LF.
// - A value written with a line break in it is stored up to that break: it
//   reads back as its first line, as on the platform, and the rest can never
//   turn into keys of its own.
//
// TIniFile reads the file at every call and writes through at once; each
// write replaces the file atomically. TMemIniFile reads the file once and
// writes it only in UpdateFile.
#pragma once

#include <functional>
#include <memory>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/object.h"
#include "platform/rtl/types.h"

class TStrings;
class IniDocument;

// Raised when the file cannot be written: "Unable to write to <name>".
SERVIORA_EXCEPTION(EIniFileException, Exception);

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(AnsiString fileName);
    ~TCustomIniFile() override;

    const AnsiString& FileName() const { return fileName_; }

    AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback) const;
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);
    // Decimal, or hexadecimal after "0x" or "$"; other text gives `fallback`.
    Integer ReadInteger(const AnsiString& section, const AnsiString& ident, Integer fallback) const;
    void WriteInteger(const AnsiString& section, const AnsiString& ident, Integer value);
    // An integer, true when not 0; written as 1 or 0.
    bool ReadBool(const AnsiString& section, const AnsiString& ident, bool fallback) const;
    void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);
    // Numbers, dates and times in the locale's text forms; unreadable text
    // gives `fallback`.
    double ReadFloat(const AnsiString& section, const AnsiString& ident, double fallback) const;
    void WriteFloat(const AnsiString& section, const AnsiString& ident, double value);
    TDateTime ReadDate(const AnsiString& section, const AnsiString& ident, TDateTime fallback) const;
    void WriteDate(const AnsiString& section, const AnsiString& ident, TDateTime value);
    TDateTime ReadDateTime(const AnsiString& section, const AnsiString& ident, TDateTime fallback) const;
    void WriteDateTime(const AnsiString& section, const AnsiString& ident, TDateTime value);
    TDateTime ReadTime(const AnsiString& section, const AnsiString& ident, TDateTime fallback) const;
    void WriteTime(const AnsiString& section, const AnsiString& ident, TDateTime value);

    // These clear `strings` and fill it: the keys of a section, the section
    // names, or the section's lines as "key=value".
    void ReadSection(const AnsiString& section, TStrings* strings) const;
    void ReadSections(TStrings* strings) const;
    void ReadSectionValues(const AnsiString& section, TStrings* strings) const;
    void EraseSection(const AnsiString& section);
    void DeleteKey(const AnsiString& section, const AnsiString& ident);
    // A section exists when it holds at least one key.
    bool SectionExists(const AnsiString& section) const;
    bool ValueExists(const AnsiString& section, const AnsiString& ident) const;

    // Writes what is held in memory to the file (TMemIniFile).
    virtual void UpdateFile() = 0;

protected:
    // The contents as the reads should see them.
    virtual const IniDocument& Document() const = 0;
    // Applies a change: TIniFile to the file at once, TMemIniFile in memory.
    virtual void Change(const std::function<void(IniDocument&)>& change) = 0;

    // Loads the file into `document` (empty when the file is missing), and
    // writes `document` to the file, raising EIniFileException on failure.
    void Load(IniDocument& document) const;
    void Save(const IniDocument& document) const;

private:
    AnsiString fileName_;
};

class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(AnsiString fileName);
    ~TIniFile() override;
    // Every write has already reached the file.
    void UpdateFile() override {}

protected:
    const IniDocument& Document() const override;
    void Change(const std::function<void(IniDocument&)>& change) override;

private:
    mutable std::unique_ptr<IniDocument> lastRead_;
};

class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(AnsiString fileName);
    ~TMemIniFile() override;
    void UpdateFile() override;

protected:
    const IniDocument& Document() const override;
    void Change(const std::function<void(IniDocument&)>& change) override;

private:
    std::unique_ptr<IniDocument> document_;
};
