#pragma once
// The computer's clock, behind an interface so that timer ticks, midnight and the UTC/local
// choice are tested with a fixed time.

#include <QDateTime>

namespace zelkor {

class Clock {
public:
    virtual ~Clock() = default;
    // The current time in the computer's local time zone (with its offset from UTC).
    [[nodiscard]] virtual QDateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    [[nodiscard]] QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace zelkor
