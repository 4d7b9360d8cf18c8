#pragma once
// A clock that shows whatever time the test sets.

#include "core/platform/Clock.h"

namespace zelkor::test {

class FixedClock : public Clock {
public:
    QDateTime Now() const override { return now; }

    QDateTime now;
};

}  // namespace zelkor::test
