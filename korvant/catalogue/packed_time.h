#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace skelvora {

// A local date and time of day.
struct Moment {
    int Year = 1980;
    int Month = 1;   // 1..12
    int Day = 1;     // 1..31
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    bool operator==(const Moment&) const = default;
};

// Long weekday and month names, in the code page of the record texts.
// The GUI fills them from the user's locale; English is the default.
struct LocaleNames {
    std::array<std::string, 7> Weekdays;   // Sunday first
    std::array<std::string, 12> Months;    // January first
    static const LocaleNames& English();
};

// DOS time-stamp layout; years outside 1980..2099 give 0.
int32_t PackMoment(const Moment& m);
// Throws InvalidMoment when the fields form no valid date or time.
Moment UnpackMoment(int32_t packed);

bool IsValidMoment(const Moment& m);
int DayOfWeek(int year, int month, int day);  // 0 = Sunday

constexpr std::string_view kLongMomentPattern = "dddd, d. mmmm yyyy, h:mm:ss";
constexpr std::string_view kShortMomentPattern = "d. mmmm yyyy, h:mm:ss";

// dddd weekday, d day, mmmm month, yyyy year, h hour, mm minutes, ss seconds;
// everything else stands for itself.
std::string FormatMoment(const Moment& m, std::string_view pattern,
                         const LocaleNames& names = LocaleNames::English());

// "" for 0, else the moment in the long pattern. Throws InvalidMoment.
std::string RentTimeText(int32_t packed, const LocaleNames& names = LocaleNames::English());
// The same, but a damaged stored date shows as nothing instead of failing.
std::string RentTimeTextOrEmpty(int32_t packed, const LocaleNames& names = LocaleNames::English());

} // namespace skelvora
