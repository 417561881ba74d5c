#include "code_page.h"

#include <QLocale>
#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <stdexcept>

namespace skelvora {

namespace {
iconv_t Handle(void* p) { return static_cast<iconv_t>(p); }
const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);
} // namespace

CodePage::CodePage(std::string name) : name_(std::move(name))
{
    iconv_t to = iconv_open("UTF-8", name_.c_str());
    iconv_t from = iconv_open(name_.c_str(), "UTF-8");
    if (to == kInvalid || from == kInvalid) {
        if (to != kInvalid)
            iconv_close(to);
        if (from != kInvalid)
            iconv_close(from);
        // An unknown name falls back to the Western code page.
        name_ = "WINDOWS-1252";
        to = iconv_open("UTF-8", name_.c_str());
        from = iconv_open(name_.c_str(), "UTF-8");
    }
    toUtf8_ = to;
    fromUtf8_ = from;
}

CodePage::~CodePage()
{
    if (Handle(toUtf8_) != kInvalid)
        iconv_close(Handle(toUtf8_));
    if (Handle(fromUtf8_) != kInvalid)
        iconv_close(Handle(fromUtf8_));
}

std::string CodePage::ForUserLocale()
{
    if (const char* env = std::getenv("SKELVORA_CODEPAGE"); env && *env)
        return env;
    switch (QLocale::system().language()) {
    case QLocale::Czech: case QLocale::Slovak: case QLocale::Polish: case QLocale::Hungarian:
    case QLocale::Slovenian: case QLocale::Croatian: case QLocale::Romanian:
    case QLocale::Albanian: case QLocale::Bosnian:
        return "WINDOWS-1250";
    case QLocale::Russian: case QLocale::Ukrainian: case QLocale::Belarusian:
    case QLocale::Bulgarian: case QLocale::Serbian: case QLocale::Macedonian:
        return "WINDOWS-1251";
    case QLocale::Greek:
        return "WINDOWS-1253";
    case QLocale::Turkish:
        return "WINDOWS-1254";
    case QLocale::Estonian: case QLocale::Latvian: case QLocale::Lithuanian:
        return "WINDOWS-1257";
    default:
        return "WINDOWS-1252";
    }
}

QString CodePage::toUnicode(std::string_view bytes) const
{
    // Plain ASCII needs no conversion, and most texts are.
    bool ascii = true;
    for (unsigned char c : bytes)
        if (c >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));

    iconv_t cd = Handle(toUtf8_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.resize(bytes.size() * 4 + 4);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* o = out.data();
    size_t oLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &o, &oLeft) == size_t(-1)) {
            if (errno == EILSEQ || errno == EINVAL) {
                // A byte the code page leaves undefined maps to the same code
                // point, as Windows does, so it survives the way back.
                unsigned char c = (unsigned char)*in;
                QByteArray u = QString(QChar(c)).toUtf8();
                if (oLeft < size_t(u.size()))
                    break;
                std::copy(u.begin(), u.end(), o);
                o += u.size();
                oLeft -= size_t(u.size());
                ++in;
                --inLeft;
                continue;
            }
            break;
        }
    }
    out.resize(out.size() - oLeft);
    return QString::fromUtf8(out.data(), qsizetype(out.size()));
}

std::optional<std::string> CodePage::fromUnicode(const QString& text) const
{
    std::string out;
    out.reserve(size_t(text.size()));
    iconv_t cd = Handle(fromUtf8_);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text[i].unicode();
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text[i], text[i + 1]);
            len = 2;
        }
        if (cp < 0x80) {
            out += char(cp);
            continue;
        }
        QByteArray u = text.mid(i, len).toUtf8();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char buf[8];
        char* in = u.data();
        size_t inLeft = size_t(u.size());
        char* o = buf;
        size_t oLeft = sizeof buf;
        if (iconv(cd, &in, &inLeft, &o, &oLeft) == size_t(-1) || inLeft != 0) {
            // The way back for the undefined bytes of toUnicode.
            if (cp >= 0x80 && cp <= 0xFF && toUnicode(std::string(1, char(cp))) == QString(QChar(cp)))
                out += char(cp);
            else
                return std::nullopt;
        } else {
            out.append(buf, size_t(o - buf));
        }
        i += len - 1;
    }
    return out;
}

QString CodePage::firstUnrepresentable(const QString& text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QString ch = text.mid(i, len);
        if (!fromUnicode(ch))
            return ch;
        i += len - 1;
    }
    return QString();
}

} // namespace skelvora
