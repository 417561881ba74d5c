#pragma once
#include "packed_time.h"

#include <QString>

namespace skelvora {

// The current local date and time; tests fix the moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Moment now() const = 0;
};

class SystemClock : public Clock {
public:
    Moment now() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(Moment m) : moment(m) {}
    Moment now() const override { return moment; }
    Moment moment;
};

class CodePage;
// The user's long weekday and month names, in the code page of the texts.
LocaleNames SystemLocaleNames(const CodePage& codePage);
// A time of day in the user's long time format, without a time zone.
QString LongTimeText(const Moment& m);

} // namespace skelvora
