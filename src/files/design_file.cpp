#include "files/design_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "files/atomic_write.h"
#include "files/regular_file.h"
#include "model/cp1252.h"
#include "model/design_parts.h"
#include "model/number_format.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

// The lines of one record: TABLE to TL, then MISCNUM and MISCSTR 1 to 10.
constexpr int kRecordLineCount = 30;
// How much of an offending line a message quotes.
constexpr std::size_t kQuotedLength = 40;

// How messages name a table's entries ("slot 3") and its count ("the number of slots").
struct TableNames {
    std::string_view entry;
    std::string_view entries;
};

constexpr std::array<TableNames, Design::kTableCount> kTableNames = {{
    {"slot", "slots"},
    {"Sensors entry", "Sensors entries"},
    {"Communicators entry", "Communicators entries"},
    {"Turrets entry", "Turrets entries"},
    {"Bays entry", "Bays entries"},
    {"Screens entry", "Screens entries"},
    {"Accommodations entry", "Accommodations entries"},
    {"Craft entry", "Craft entries"},
    {"Environment entry", "Environment entries"},
    {"AntiHijack entry", "AntiHijack entries"},
    {"CustomFeatures entry", "CustomFeatures entries"},
}};

constexpr std::array<std::string_view, 11> kMiscNumNames = {
    "MISCNUM0", "MISCNUM1", "MISCNUM2", "MISCNUM3", "MISCNUM4", "MISCNUM5",
    "MISCNUM6", "MISCNUM7", "MISCNUM8", "MISCNUM9", "MISCNUM10"};
constexpr std::array<std::string_view, 11> kMiscStrNames = {
    "MISCSTR0", "MISCSTR1", "MISCSTR2", "MISCSTR3", "MISCSTR4", "MISCSTR5",
    "MISCSTR6", "MISCSTR7", "MISCSTR8", "MISCSTR9", "MISCSTR10"};

// The file is built in memory and written in one piece, a record at a time
// into a buffer of its own: a stream insertion, or an append to the file's
// text, per value would cost more than everything else a save does.
//
// The 30 lines of a record are at most 17 numbers and 13 texts of at most 20
// characters, each with its CR LF.
constexpr std::size_t kLongestRecordText = 17 * (kLongestPrintedNumber + 2) + 13 * (20 + 2);

// A line feed inside a text would split its line and shift every later value,
// so it is written as a blank. NULs and all other bytes are written as they are.
char* PutTextLine(std::string_view text, char* out) {
    for (const char c : text) {
        *out++ = c == '\n' ? ' ' : c;
    }
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

char* PutNumberLine(double value, char* out) {
    out = WritePrintedNumber(value, out);
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

void WriteRecord(std::string& text, const ComponentRecord& record) {
    char lines[kLongestRecordText];
    char* out = PutTextLine(record.TABLE.view(), lines);
    out = PutNumberLine(record.IDNUM, out);
    out = PutTextLine(TrimmedEnd(record.LABEL.view()), out);
    for (double value : {record.NUMBER, record.KL, record.TONS, record.CR, record.MW}) {
        out = PutNumberLine(value, out);
    }
    out = PutTextLine(record.USP.view(), out);
    out = PutNumberLine(record.TL, out);
    for (std::size_t k = 1; k <= 10; ++k) {
        out = PutNumberLine(record.MISCNUM[k], out);
        out = PutTextLine(TrimmedEnd(record.MISCSTR[k].view()), out);
    }
    text.append(lines, out);
}

// The fields a design file holds, from one record into another; the others
// (MISCNUM0, MISCSTR0, custom) stay as they are.
void CopyStoredFields(const ComponentRecord& from, ComponentRecord& to) {
    to.TABLE = from.TABLE;
    to.IDNUM = from.IDNUM;
    to.LABEL = from.LABEL;
    to.NUMBER = from.NUMBER;
    to.KL = from.KL;
    to.TONS = from.TONS;
    to.CR = from.CR;
    to.MW = from.MW;
    to.USP = from.USP;
    to.TL = from.TL;
    for (std::size_t k = 1; k <= 10; ++k) {
        to.MISCNUM[k] = from.MISCNUM[k];
        to.MISCSTR[k] = from.MISCSTR[k];
    }
}

// Whether the record's file lines are the blank record's: its stored numbers
// are 0 and its stored texts never assigned. Most records in use differ at
// their first field already.
bool StoresBlankRecord(const ComponentRecord& record) {
    // An unused entry is mostly a copy of the blank record, byte for byte.
    if (std::memcmp(&record, &BlankRecord, sizeof record) == 0) {
        return true;
    }
    const auto zero = [](double value) { return value == 0; };
    const auto unset = [](const auto& text) { return text.never_assigned(); };
    return unset(record.TABLE) && record.IDNUM == 0 && unset(record.LABEL) && zero(record.NUMBER) &&
           zero(record.KL) && zero(record.TONS) && zero(record.CR) && zero(record.MW) &&
           unset(record.USP) && record.TL == 0 &&
           std::all_of(record.MISCNUM.begin() + 1, record.MISCNUM.end(), zero) &&
           std::all_of(record.MISCSTR.begin() + 1, record.MISCSTR.end(), unset);
}

// Most entries of a design are unused, so their 30 lines, all alike, are
// made once and then copied when written and compared when read.
const std::string& BlankRecordText() {
    static const std::string text = [] {
        std::string written;
        WriteRecord(written, BlankRecord);
        return written;
    }();
    return text;
}

// Files from other writers may carry a "+" before a value; this program writes
// a blank there. from_chars itself takes no "+".
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}

// The whole line, blanks aside (a tab counts as one around a number), must be
// the value: "12abc" is not 12. A design file holds nothing else on a number
// line, so junk there means a damaged file.
std::optional<std::int16_t> ParseInteger(std::string_view line) {
    const std::string_view text = WithoutPlus(Trimmed(line, kSpacesAndTabs));
    std::int16_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// As ParseInteger, and "inf", "nan" or a magnitude beyond a double are refused too.
constexpr long long kExactWhole = 1LL << 53;  // whole numbers a double holds exactly

// A line that holds a whole number of up to 15 digits between blanks, the
// most common number line by far, read in one go; any other line is left to
// the general reading.
std::optional<double> PlainWholeNumber(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && IsAmong(line[at], kSpacesAndTabs)) {
        ++at;
    }
    const bool negative = at < line.size() && line[at] == '-';
    at += negative ? 1 : 0;
    const std::size_t first_digit = at;
    long long whole = 0;
    while (at < line.size() && at - first_digit < 15 && line[at] >= '0' && line[at] <= '9') {
        whole = whole * 10 + (line[at++] - '0');
    }
    if (at == first_digit) {
        return std::nullopt;
    }
    while (at < line.size() && IsAmong(line[at], kSpacesAndTabs)) {
        ++at;
    }
    if (at != line.size()) {
        return std::nullopt;
    }
    return static_cast<double>(negative ? -whole : whole);  // "-0" reads as 0
}

std::optional<double> ParseNumber(std::string_view line) {
    if (const std::optional<double> whole = PlainWholeNumber(line)) {
        return whole;
    }
    const std::string_view text = WithoutPlus(Trimmed(line, kSpacesAndTabs));
    // Most figures are whole numbers: read those as integers, which is exact and quick.
    long long whole = 0;
    const auto integer = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (integer.ec == std::errc() && integer.ptr == text.data() + text.size() &&
        whole > -kExactWhole && whole < kExactWhole) {
        return static_cast<double>(whole);
    }
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value + 0.0;  // "-0" reads as 0
}

// A control character, or one of the five bytes the code page leaves
// without a character.
constexpr bool IsUnprintable(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
           byte == 0x90 || byte == 0x9D;
}

// An offending line as a message shows it: quoted, unprintable bytes as "?", cut short.
std::string Quoted(std::string_view line) {
    std::string shown(line.substr(0, kQuotedLength));
    for (char& c : shown) {
        if (IsUnprintable(static_cast<unsigned char>(c))) {
            c = '?';
        }
    }
    std::string quoted = "\"";
    quoted += Utf8FromCp1252(shown);
    quoted += line.size() > kQuotedLength ? "...\"" : "\"";
    return quoted;
}

// What a line should hold, for the message when it does not.
enum class Expected { Text, Integer, Number, Count };

// Hands out the lines of a design file one value at a time. The first failure
// is kept; after it every read gives a default value and reads nothing.
class LineReader {
public:
    LineReader(std::string_view content, std::string_view source)
        : rest_(content), source_(source) {}

    // What the following values belong to: "the design record", "slot 3" …
    void SetPlace(std::string_view place, int index = 0) {
        place_ = place;
        place_index_ = index;
    }

    // TABLE and USP: leading blanks skipped, the value ends at the first comma.
    std::string_view Code(std::string_view field) {
        if (!Next(Expected::Text, field)) {
            return {};
        }
        std::string_view value = line_;
        value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
        return value.substr(0, value.find(','));
    }

    // LABEL and MISCSTR: the whole line.
    std::string_view Text(std::string_view field) {
        return Next(Expected::Text, field) ? std::string_view(line_) : std::string_view();
    }

    std::int16_t Integer(std::string_view field) {
        if (!Next(Expected::Integer, field)) {
            return 0;
        }
        const auto value = ParseInteger(line_);
        if (!value) {
            Fail(Expected::Integer, field, Quoted(line_));
            return 0;
        }
        return *value;
    }

    double Number(std::string_view field) {
        if (!Next(Expected::Number, field)) {
            return 0;
        }
        const auto value = ParseNumber(line_);
        if (!value) {
            Fail(Expected::Number, field, Quoted(line_));
            return 0;
        }
        return *value;
    }

    // A table's count line: how many entries follow, 0 up to the table's size.
    int Count(std::string_view entries, int max) {
        count_max_ = max;
        if (!Next(Expected::Count, entries)) {
            return 0;
        }
        const auto value = ParseInteger(line_);
        if (!value || *value < 0 || *value > max) {
            Fail(Expected::Count, entries, Quoted(line_));
            return 0;
        }
        return *value;
    }

    // Passes over the next `count` lines when they are exactly `text`.
    bool SkipLines(std::string_view text, int count) {
        if (failed() || !rest_.starts_with(text)) {
            return false;
        }
        rest_.remove_prefix(text.size());
        line_number_ += count;
        return true;
    }

    bool failed() const { return error_.has_value(); }
    Status status() const { return error_ ? Status(*error_) : Status(); }

private:
    std::string Describe(Expected expected, std::string_view field) const {
        std::string place(place_);
        if (place_index_ > 0) {
            place += ' ';
            place += std::to_string(place_index_);
        }
        switch (expected) {
            case Expected::Text:
                return std::string(field) + " of " + place;
            case Expected::Integer:
                return "a whole number from -32768 to 32767 for " + std::string(field) + " of " +
                       place;
            case Expected::Number:
                return "a number for " + std::string(field) + " of " + place;
            case Expected::Count:
                return "the number of " + std::string(field) + " (0 to " +
                       std::to_string(count_max_) + ")";
        }
        return {};
    }

    // Reads the next line without its line end (LF, or CR LF) into line_.
    bool Next(Expected expected, std::string_view field) {
        if (failed()) {
            return false;
        }
        ++line_number_;
        if (rest_.empty()) [[unlikely]] {
            Fail(expected, field, "the end of the file");
            return false;
        }
        const std::size_t end = std::min(rest_.find('\n'), rest_.size());
        line_ = std::string_view(rest_.data(), end);
        rest_.remove_prefix(std::min(end + 1, rest_.size()));
        if (!line_.empty() && line_.back() == '\r') {
            line_.remove_suffix(1);
        }
        if (line_.size() > kLongestDesignFileLine) [[unlikely]] {
            FailOnLongLine(expected, field);
            return false;
        }
        return true;
    }

    void Fail(Expected expected, std::string_view field, std::string_view found) {
        error_ = Error{std::string(source_) + ", line " + std::to_string(line_number_) +
                       ": expected " + Describe(expected, field) + ", found " + std::string(found)};
    }

    void FailOnLongLine(Expected expected, std::string_view field) {
        Fail(expected, field,
             "a line of more than " + std::to_string(kLongestDesignFileLine) +
                 " characters (is this a design file?)");
    }

    std::string_view rest_;  // the content after the current line
    std::string_view source_;
    std::string_view place_;
    int place_index_ = 0;
    int count_max_ = 0;
    int line_number_ = 0;
    std::string_view line_;
    std::optional<Error> error_;
};

// The records of a file, kept aside until the whole file has read well, so
// that a file that fails part way leaves the design as it was without a copy
// of the whole design to read into. Most records are blank and kept as such.
class ReadRecords {
public:
    ReadRecords() {
        entries_.reserve(design_parts::kRecordCount);
        records_.reserve(design_parts::kRecordCount);
    }

    void Blank(ComponentRecord& place) { entries_.push_back({&place, kBlank}); }
    // The record to read into, which later goes to `place`.
    ComponentRecord& Read(ComponentRecord& place) {
        entries_.push_back({&place, records_.size()});
        return records_.emplace_back();
    }
    void PutInPlace() const {
        for (const Entry& entry : entries_) {
            // An unused entry is mostly blank already, byte for byte.
            if (entry.read == kBlank &&
                std::memcmp(entry.place, &BlankRecord, sizeof BlankRecord) == 0) {
                continue;
            }
            CopyStoredFields(entry.read == kBlank ? BlankRecord : records_[entry.read],
                             *entry.place);
        }
    }

private:
    static constexpr std::size_t kBlank = static_cast<std::size_t>(-1);
    struct Entry {
        ComponentRecord* place;
        std::size_t read;  // in records_, or kBlank
    };
    std::vector<Entry> entries_;
    std::vector<ComponentRecord> records_;
};

void ReadRecord(LineReader& lines, ReadRecords& read, ComponentRecord& place) {
    if (lines.SkipLines(BlankRecordText(), kRecordLineCount)) {
        read.Blank(place);
        return;
    }
    ComponentRecord& record = read.Read(place);
    record.TABLE = lines.Code("TABLE");
    record.IDNUM = lines.Integer("IDNUM");
    record.LABEL = lines.Text("LABEL");
    record.NUMBER = lines.Number("NUMBER");
    record.KL = lines.Number("KL");
    record.TONS = lines.Number("TONS");
    record.CR = lines.Number("CR");
    record.MW = lines.Number("MW");
    record.USP = lines.Code("USP");
    record.TL = lines.Integer("TL");
    for (std::size_t k = 1; k <= 10; ++k) {
        record.MISCNUM[k] = lines.Number(kMiscNumNames[k]);
        record.MISCSTR[k] = lines.Text(kMiscStrNames[k]);
    }
}

std::string DesignFileText(const Design& design) {
    std::string text;
    text.reserve(64 * 1024);
    WriteRecord(text, design.DesignRecord);
    WriteRecord(text, design.CapacityRecord);
    for (std::size_t t = 0; t < Design::kTableCount; ++t) {
        const auto table = design.Table(t);
        char count[kLongestPrintedNumber + 2];
        text.append(count, PutNumberLine(static_cast<double>(table.size() - 1), count));
        for (std::size_t i = 1; i < table.size(); ++i) {
            if (StoresBlankRecord(table[i])) {
                text += BlankRecordText();
            } else {
                WriteRecord(text, table[i]);
            }
        }
    }
    return text;
}

}  // namespace

void WriteDesign(std::ostream& out, const Design& design) {
    const std::string text = DesignFileText(design);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

Status WriteDesignFile(const std::filesystem::path& path, const Design& design,
                       Durability durability) {
    return WriteFileAtomically(path, DesignFileText(design), durability);
}

Result<FileStamp> WriteDesignFile(const ReplaceableFile& found, const Design& design,
                                  Durability durability, const std::optional<FileStamp>& read) {
    return WriteReplaceableUnlessChanged(found, DesignFileText(design), durability, read);
}

namespace {

// Whatever follows the last table is ignored, as a trailing empty line or an
// end-of-file mark that an editor may add.
Status ParseDesign(std::string_view content, std::string_view source_name, const Design& start,
                   Design& design) {
    LineReader lines(content, source_name);
    ReadRecords read;
    lines.SetPlace("the design record");
    ReadRecord(lines, read, design.DesignRecord);
    lines.SetPlace("the capacity record");
    ReadRecord(lines, read, design.CapacityRecord);
    for (std::size_t t = 0; t < Design::kTableCount && !lines.failed(); ++t) {
        const auto table = design.Table(t);
        const int count = lines.Count(kTableNames[t].entries, static_cast<int>(table.size() - 1));
        for (int i = 1; i <= count && !lines.failed(); ++i) {
            lines.SetPlace(kTableNames[t].entry, i);
            ReadRecord(lines, read, table[i]);
        }
    }
    if (lines.failed()) {
        return lines.status();
    }
    if (&start != &design) {
        design = start;
    }
    read.PutInPlace();
    return {};
}

// The content of a design file as it was read, checked and put onto `start`.
Status ParseDesignFile(const Result<std::string>& content, const std::string& path,
                       const Design& start, Design& design, const FileStamp& read,
                       FileStamp* stamp) {
    if (!content) {
        return content.status();
    }
    const Status parsed = ParseDesign(content.value(), path, start, design);
    if (parsed && stamp != nullptr) {
        *stamp = read;
    }
    return parsed;
}

}  // namespace

Status ReadDesign(std::istream& in, std::string_view source_name, Design& design) {
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return ParseDesign(buffer.view(), source_name, design, design);
}

Status ReadDesignFile(const std::filesystem::path& path, Design& design, FileStamp* stamp) {
    return ReadDesignFileOnto(path, design, design, stamp);
}

Status ReadDesignFileOnto(const std::filesystem::path& path, const Design& start, Design& design,
                          FileStamp* stamp) {
    FileStamp read;
    const Result<std::string> content =
        ReadRegularFile(path, "design file", kLargestDesignFile, &read);
    return ParseDesignFile(content, path.string(), start, design, read, stamp);
}

Status ReadDesignFileOnto(const OpenedFolder& folder, std::string_view name, const Design& start,
                          Design& design, FileStamp* stamp) {
    FileStamp read;
    const Result<std::string> content =
        ReadRegularFileIn(folder, name, "design file", kLargestDesignFile, &read);
    return ParseDesignFile(content, folder.PathOf(name).string(), start, design, read, stamp);
}

}  // namespace korvane
