// Delimited text files loaded into the grid: the delimiter guessed from the
// first two lines, quoted fields, encoded line breaks, and rows grown in
// steps so that large files do not resize the grid per line.
#include <cmath>

#include "platform/rtl/codepage.h"
#include "platform/rtl/textfile.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

namespace {

constexpr char kDelimiterCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
constexpr int kRowGrowth = 1000;

// The delimiter both lines agree on, by runs of odd length, then by plain
// counts; else the candidate most frequent in either line; '\0' for none.
char GuessDelimiter(const AnsiString& line1, const AnsiString& line2) {
    char delimiter = '\0';
    int best = 0;
    for (auto count : {CountClosingQuotes, +[](char c, const AnsiString& s) { return CountCharOccurrences(c, s); }}) {
        for (char candidate : kDelimiterCandidates) {
            const int a = count(candidate, line1), b = count(candidate, line2);
            if (a == b && a > best) {
                delimiter = candidate;
                best = a;
            }
        }
        if (best > 0) return delimiter;
    }
    for (char candidate : kDelimiterCandidates) {
        const int a = CountCharOccurrences(candidate, line1), b = CountCharOccurrences(candidate, line2);
        if (a > best || b > best) {
            delimiter = candidate;
            best = std::max(a, b);
        }
    }
    return delimiter;
}

// Offset of the character `ch` at or after `from`, stepping by whole
// characters so that trail bytes never match.
std::size_t FindChar(const AnsiString& s, char ch, std::size_t from) {
    for (std::size_t i = from; i < s.size(); i += AnsiCharSize(s, i))
        if (s[i] == ch) return i;
    return AnsiString::npos;
}

AnsiString TildesToLineBreaks(const AnsiString& s) {
    AnsiString out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t size = AnsiCharSize(s, i);
        if (size == 1 && s[i] == '~')
            out += "\r\n";
        else
            out.append(s, i, size);
        i += size;
    }
    return out;
}

int CountLines(TextFile& file) {
    int lines = 0;
    AnsiString line;
    while (!Eof(file)) {
        ReadLn(file, line);
        ++lines;
    }
    return lines;
}

}  // namespace

void TBavStringGrid::LoadCSVFile(const AnsiString& fileName) {
    const int firstCol = saveFixedCells_ ? 0 : FixedCols();
    const int firstRow = saveFixedCells_ ? 0 : FixedRows();
    TextFile file;
    AssignFile(file, fileName);
    Reset(file);
    if (IOResult() != 0) throw EBavGridError("Cannot open file " + fileName);

    const char givenDelimiter = csvDelimiter_;
    char delimiter = givenDelimiter;
    AnsiString line;
    if (delimiter == '\0') {
        AnsiString line1, line2;
        if (!Eof(file)) ReadLn(file, line1);
        if (!Eof(file)) ReadLn(file, line2);
        delimiter = GuessDelimiter(line1, line2);
    }
    int lineCount = 0;
    if (onFileProgress_) {
        Reset(file);
        lineCount = CountLines(file) - (loadFirstLine_ ? 0 : 1);
        SetRowCount(firstRow + lineCount + FixedFooters());
    }
    Reset(file);
    if (!loadFirstLine_ && !Eof(file)) ReadLn(file, line);

    auto store = [&](int col, int row, AnsiString field) {
        if (tildeLineBreaks_)
            field = TildesToLineBreaks(field);
        else
            RestoreLineBreaks(field);
        LoadCellText(col, row, field);
        if (ColCount() < col + 1) SetColCount(col + 1);
    };
    int row = firstRow, linesDone = 0, lastProgress = -1;
    while (!Eof(file)) {
        ReadLn(file, line);
        if (oemConvert_) OemToAnsiString(line);
        if (row >= RowCount() - FixedFooters()) SetRowCount(row + kRowGrowth);
        int col = firstCol;
        std::size_t pos = 0;
        for (std::size_t next; delimiter != '\0' && (next = FindChar(line, delimiter, pos)) != AnsiString::npos;
             ++col) {
            AnsiString field;
            if (line[pos] == '"') {
                const AnsiString quoted = line.substr(pos + 1);
                int closing = 0;
                FindClosingQuote('"', quoted, closing);
                if (closing > 0) {
                    field = RemoveDoubledChar('"', quoted.substr(0, std::size_t(closing) - 1));
                    pos += 1 + std::size_t(closing);
                } else {
                    ++pos;
                }
                next = FindChar(line, delimiter, pos);
                pos = next == AnsiString::npos ? pos : next + 1;
            } else {
                field = RemoveDoubledChar('"', line.substr(pos, next - pos));
                pos = next + 1;
            }
            store(col, row, field);
        }
        AnsiString rest = line.substr(std::min(pos, line.size()));
        if (!rest.empty()) {
            if (rest.front() == '"') rest.erase(0, 1);
            if (!rest.empty() && rest.back() == '"') rest.pop_back();
            store(col, row, RemoveDoubledChar('"', rest));
        }
        ++row;
        ++linesDone;
        if (onFileProgress_) {
            const int progress = int(std::lround(double(linesDone) / std::max(1, lineCount) * 100));
            if (progress != lastProgress) onFileProgress_(this, progress);
            lastProgress = progress;
        }
    }
    CloseFile(file);
    SetRowCount(row + FixedFooters());
    if (floatingFooter_->Visible()) ClearRow(RowCount() - 1);
    csvDelimiter_ = givenDelimiter;
    CellsChanged(TRect(0, 0, ColCount(), RowCount()));
    AllCellsChanged();
}
