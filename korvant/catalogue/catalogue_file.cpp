#include "catalogue_file.h"
#include "errors.h"
#include "safe_file.h"

#include <charconv>

namespace skelvora {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

class WordReader {
public:
    explicit WordReader(std::string_view bytes) : s_(bytes) {}

    // Next maximal run of non-blank bytes; empty at the end of the file.
    std::string_view next()
    {
        while (pos_ < s_.size() && IsBlank(s_[pos_]))
            ++pos_;
        size_t start = pos_;
        while (pos_ < s_.size() && !IsBlank(s_[pos_]))
            ++pos_;
        return s_.substr(start, pos_ - start);
    }

private:
    std::string_view s_;
    size_t pos_ = 0;
};

class Parser {
public:
    Parser(std::string_view bytes, const std::string& name) : words_(bytes), name_(name) {}

    [[noreturn]] void fail(const std::string& what) const
    {
        throw CatalogueError("Cannot read the catalogue " + name_ + ": " + what);
    }

    // A missing number at the end of the file reads as 0.
    int32_t number(const char* what)
    {
        std::string_view w = words_.next();
        if (w.empty())
            return 0;
        int32_t v = 0;
        const char* first = w.data();
        const char* last = w.data() + w.size();
        auto [ptr, ec] = std::from_chars(first, last, v);
        if (ec != std::errc() || ptr != last)
            fail(std::string("the ") + what + " \"" + std::string(w.substr(0, 40)) +
                 "\" is not a whole number in range");
        return v;
    }

    WordReader& words() { return words_; }

private:
    WordReader words_;
    std::string name_;
};

std::string* Field(TCD& r, int f)
{
    switch (f) {
    case 0: return &r.PrimaryName;
    case 1: return &r.SecondaryName;
    case 2: return &r.Occupier;
    default: return &r.LastOccupier;
    }
}

void AppendNumber(std::string& out, int32_t v)
{
    char buf[16];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    out.append(buf, ptr);
    out += ' ';
}

void AppendText(std::string& out, std::string_view text)
{
    out += text;
    out += ' ';
    out += kFieldMark;
    out += ' ';
}

} // namespace

CatalogueImage ParseCatalogue(std::string_view bytes, const std::string& fileName)
{
    Parser p(bytes, fileName);
    CatalogueImage img;
    CatalogueHeader& h = img.Header;
    h.RowCount = p.number("row count");
    if (h.RowCount < 2 || h.RowCount > kMaxRowCount)
        p.fail("its row count " + std::to_string(h.RowCount) + " is outside 2 to 2000");
    h.CreatedTime = p.number("creation time");
    h.LastID = p.number("last ID");
    h.GridColor = p.number("background colour");
    h.FontColor = p.number("text colour");

    for (int k = 0; k <= h.RowCount; ++k)
        img.Table.reset(k);
    for (int k = 1; k < h.RowCount; ++k) {
        TCD& r = *img.Table.at(k);
        r.ID = p.number("record ID");
        r.MediaType = p.number("media type");
        r.RentTime = p.number("rent time");
        r.RentCount = p.number("rent count");
    }

    // The text blocks: every word followed by one blank, fields ended by a
    // lone FieldMark word, four fields a record, starting with the header.
    const long maxMarks = 4L * h.RowCount;
    long marks = 0;
    int f = 0, r = 0;
    std::string* field = Field(*img.Table.at(0), 0);
    for (std::string_view w = p.words().next(); !w.empty(); w = p.words().next()) {
        if (w.size() == 1 && w[0] == kFieldMark) {
            if (++marks > maxMarks)
                p.fail("it holds more field marks than its " + std::to_string(h.RowCount) +
                       " rows allow");
            if (++f == 4) {
                f = 0;
                ++r;
            }
            field = Field(*img.Table.at(r), f);
            field->clear();
            continue;
        }
        field->append(w);
        field->push_back(' ');
    }
    return img;
}

CatalogueImage ReadCatalogueFile(const std::string& path)
{
    return ParseCatalogue(ReadWholeFile(path), path);
}

std::string EncodeCatalogue(const CatalogueHeader& h, std::string_view primaryTitle,
                            std::string_view secondaryTitle, RecordTable& table)
{
    std::string out;
    out.reserve(64 + size_t(h.RowCount) * 96);
    AppendNumber(out, h.RowCount);
    AppendNumber(out, h.CreatedTime);
    AppendNumber(out, h.LastID);
    AppendNumber(out, h.GridColor);
    AppendNumber(out, h.FontColor);
    for (int k = 1; k < h.RowCount; ++k) {
        TCD& r = table.ensure(k);
        for (int f = 0; f < 4; ++f)
            if (Field(r, f)->empty())
                Field(r, f)->push_back(' ');
        AppendNumber(out, r.ID);
        AppendNumber(out, r.MediaType);
        AppendNumber(out, r.RentTime);
        AppendNumber(out, r.RentCount);
    }
    AppendText(out, primaryTitle);
    AppendText(out, secondaryTitle);
    AppendText(out, "RentTime");
    AppendText(out, "Last_occupier");
    for (int k = 1; k < h.RowCount; ++k) {
        const TCD& r = *table.at(k);
        AppendText(out, r.PrimaryName);
        AppendText(out, r.SecondaryName);
        AppendText(out, r.Occupier);
        AppendText(out, r.LastOccupier);
    }
    return out;
}

void WriteCatalogueFile(const std::string& path, const CatalogueHeader& header,
                        std::string_view primaryTitle, std::string_view secondaryTitle,
                        RecordTable& table)
{
    WriteFileAtomically(path, EncodeCatalogue(header, primaryTitle, secondaryTitle, table));
}

bool CanStoreText(std::string_view text)
{
    WordReader words(text);
    for (std::string_view w = words.next(); !w.empty(); w = words.next())
        if (w.size() == 1 && w[0] == kFieldMark)
            return false;
    return true;
}

std::string NormaliseText(std::string_view text)
{
    std::string out;
    WordReader words(text);
    for (std::string_view w = words.next(); !w.empty(); w = words.next()) {
        out.append(w);
        out.push_back(' ');
    }
    return out;
}

} // namespace skelvora
