#pragma once
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace skelvora {

// The ANSI code page of the record texts. Texts stay bytes everywhere; they
// are converted only where they meet a widget, a window title or the printer.
class CodePage {
public:
    // "windows-1252" and the like, as iconv names them.
    explicit CodePage(std::string name);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    // $SKELVORA_CODEPAGE, else the code page Windows uses for the user's language.
    static std::string ForUserLocale();

    const std::string& name() const { return name_; }
    QString toUnicode(std::string_view bytes) const;
    // nullopt when a character cannot be held by the code page.
    std::optional<std::string> fromUnicode(const QString& text) const;
    // The first character of text the code page cannot hold, or an empty text.
    QString firstUnrepresentable(const QString& text) const;

private:
    std::string name_;
    void* toUtf8_ = nullptr;    // iconv_t
    void* fromUtf8_ = nullptr;  // iconv_t
};

} // namespace skelvora
