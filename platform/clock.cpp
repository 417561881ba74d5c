#include "clock.h"
#include "code_page.h"

#include <QLocale>
#include <QTime>
#include <ctime>

namespace skelvora {

Moment SystemClock::now() const
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return Moment{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

LocaleNames SystemLocaleNames(const CodePage& codePage)
{
    const QLocale locale = QLocale::system();
    LocaleNames names = LocaleNames::English();
    for (int d = 0; d < 7; ++d) {
        // Qt counts weekdays from Monday = 1, ours start on Sunday.
        QString n = locale.dayName(d == 0 ? 7 : d, QLocale::LongFormat);
        if (auto bytes = codePage.fromUnicode(n))
            names.Weekdays[size_t(d)] = *bytes;
    }
    for (int m = 0; m < 12; ++m) {
        QString n = locale.standaloneMonthName(m + 1, QLocale::LongFormat);
        if (auto bytes = codePage.fromUnicode(n))
            names.Months[size_t(m)] = *bytes;
    }
    return names;
}

QString LongTimeText(const Moment& m)
{
    // Asked ten times a second by the status bar: the locale and its format
    // are looked up once.
    static const QLocale locale = QLocale::system();
    static const QString format = [] {
        QString f = locale.timeFormat(QLocale::LongFormat);
        // Qt's long format names the time zone; the status bar has no room for it.
        f.remove(QLatin1Char('t'));
        return f.trimmed();
    }();
    return locale.toString(QTime(m.Hour, m.Minute, m.Second), format);
}

} // namespace skelvora
