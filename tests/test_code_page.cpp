#include "code_page.h"
#include "error_text.h"

#include <gtest/gtest.h>

using namespace skelvora;

TEST(CodePage, ConvertsAtTheWidgetBoundaryBothWays)
{
    CodePage western("WINDOWS-1252");
    EXPECT_EQ(western.toUnicode("Am\xE9lie \xA4 \x80"), QString::fromUtf8("Amélie ¤ €"));
    EXPECT_EQ(western.fromUnicode(QString::fromUtf8("Amélie ¤ €")), std::string("Am\xE9lie \xA4 \x80"));
    // Every byte survives the way to a widget and back, undefined ones too.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(western.fromUnicode(western.toUnicode(all)), all);

    CodePage central("WINDOWS-1250");
    EXPECT_EQ(central.toUnicode("\xF8\xED\xE8"), QString::fromUtf8("říč"));
    EXPECT_EQ(central.fromUnicode(QString::fromUtf8("Jiří")), std::string("Ji\xF8\xED"));
}

TEST(CodePage, RefusesCharactersItCannotHold)
{
    CodePage western("WINDOWS-1252");
    EXPECT_EQ(western.fromUnicode(QString::fromUtf8("Jiří")), std::nullopt);
    EXPECT_EQ(western.firstUnrepresentable(QString::fromUtf8("Jiří")), QString::fromUtf8("ř"));
    EXPECT_EQ(western.fromUnicode(QString::fromUtf8("日本")), std::nullopt);
    EXPECT_EQ(western.fromUnicode(QString::fromUtf8("😀")), std::nullopt);
    CodePage cyrillic("WINDOWS-1251");
    EXPECT_EQ(cyrillic.fromUnicode(QString::fromUtf8("é")), std::nullopt);
    EXPECT_EQ(cyrillic.fromUnicode(QString::fromUtf8("Жук")), std::string("\xC6\xF3\xEA"));
}

TEST(CodePage, FollowsTheEnvironmentOverride)
{
    setenv("SKELVORA_CODEPAGE", "WINDOWS-1251", 1);
    EXPECT_EQ(CodePage::ForUserLocale(), "WINDOWS-1251");
    unsetenv("SKELVORA_CODEPAGE");
    CodePage unknown("NO-SUCH-PAGE");
    EXPECT_EQ(unknown.name(), "WINDOWS-1252");
}

TEST(ErrorReport, FullStopRule)
{
    EXPECT_EQ(WithFullStop("Cannot open file x"), "Cannot open file x.");
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("Wrong (x)"), "Wrong (x)");  // ")" sorts below "."
    EXPECT_EQ(WithFullStop("Size 12"), "Size 12.");
    EXPECT_EQ(WithFullStop(""), "");
}
