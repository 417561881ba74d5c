#include "packed_time.h"
#include "errors.h"

namespace skelvora {

const LocaleNames& LocaleNames::English()
{
    static const LocaleNames names{
        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
        {"January", "February", "March", "April", "May", "June", "July", "August",
         "September", "October", "November", "December"},
    };
    return names;
}

static bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

static int DaysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

bool IsValidMoment(const Moment& m)
{
    if (m.Year < 1 || m.Year > 9999 || m.Month < 1 || m.Month > 12)
        return false;
    if (m.Day < 1 || m.Day > DaysInMonth(m.Year, m.Month))
        return false;
    return m.Hour >= 0 && m.Hour <= 23 && m.Minute >= 0 && m.Minute <= 59 && m.Second >= 0 &&
           m.Second <= 59;
}

int DayOfWeek(int y, int m, int d)
{
    // Sakamoto's method.
    static const int t[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3)
        y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

int32_t PackMoment(const Moment& m)
{
    if (m.Year < 1980 || m.Year > 2099)
        return 0;
    uint32_t low = uint32_t(m.Second / 2) + uint32_t(m.Minute) * 32u + uint32_t(m.Hour) * 2048u;
    uint32_t high = uint32_t(m.Day) + uint32_t(m.Month) * 32u + uint32_t(m.Year - 1980) * 512u;
    return int32_t((high << 16) | (low & 0xFFFFu));
}

Moment UnpackMoment(int32_t packed)
{
    uint32_t v = uint32_t(packed);
    uint32_t high = v >> 16, low = v & 0xFFFFu;
    Moment m;
    m.Year = 1980 + int(high >> 9);
    m.Month = int((high >> 5) & 15u);
    m.Day = int(high & 31u);
    m.Hour = int(low >> 11);
    m.Minute = int((low >> 5) & 63u);
    m.Second = int(low & 31u) * 2;
    if (!IsValidMoment(m))
        throw InvalidMoment("The stored date " + std::to_string(packed) + " is not a valid date and time");
    return m;
}

std::string FormatMoment(const Moment& m, std::string_view pattern, const LocaleNames& names)
{
    std::string out;
    auto two = [&](int v) {
        out += char('0' + v / 10 % 10);
        out += char('0' + v % 10);
    };
    size_t i = 0;
    auto run = [&](char c) {
        size_t n = 0;
        while (i + n < pattern.size() && (pattern[i + n] | 0x20) == c)
            ++n;
        return n;
    };
    while (i < pattern.size()) {
        char c = char(pattern[i] | 0x20);
        size_t n = (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 's') ? run(c) : 0;
        if (c == 'd' && n >= 4) {
            out += names.Weekdays[DayOfWeek(m.Year, m.Month, m.Day)];
            i += 4;
        } else if (c == 'd') {
            out += std::to_string(m.Day);
            i += 1;
        } else if (c == 'm' && n >= 4) {
            out += names.Months[m.Month - 1];
            i += 4;
        } else if (c == 'm') {
            two(m.Minute);
            i += n >= 2 ? 2 : 1;
        } else if (c == 'y' && n >= 4) {
            out += std::to_string(m.Year);
            i += 4;
        } else if (c == 'h') {
            out += std::to_string(m.Hour);
            i += 1;
        } else if (c == 's') {
            two(m.Second);
            i += n >= 2 ? 2 : 1;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

std::string RentTimeText(int32_t packed, const LocaleNames& names)
{
    if (packed == 0)
        return std::string();
    return FormatMoment(UnpackMoment(packed), kLongMomentPattern, names);
}

std::string RentTimeTextOrEmpty(int32_t packed, const LocaleNames& names)
{
    try {
        return RentTimeText(packed, names);
    } catch (const InvalidMoment&) {
        return std::string();
    }
}

} // namespace skelvora
