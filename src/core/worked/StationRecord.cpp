#include "core/worked/StationRecord.h"

namespace zelkor {

namespace {

bool IsInside(int bandIndex, int modeRow)
{
    return bandIndex >= 0 && bandIndex < kBandCount && modeRow >= 0 && modeRow < kModeRowCount;
}

int CounterShift(int modeRow)
{
    return 2 * modeRow;
}

}  // namespace

bool StationRecord::IsCaller(int bandIndex, int modeRow) const
{
    return IsInside(bandIndex, modeRow) && (callerBits[modeRow] & BandBit(bandIndex)) != 0;
}

void StationRecord::MarkCaller(int bandIndex, int modeRow)
{
    if (IsInside(bandIndex, modeRow)) {
        callerBits[modeRow] |= BandBit(bandIndex);
    }
}

int StationRecord::AnswerCount(int bandIndex, int modeRow) const
{
    if (!IsInside(bandIndex, modeRow)) {
        return 0;
    }
    return (answerCounts[bandIndex] >> CounterShift(modeRow)) & 0x03;
}

void StationRecord::RaiseAnswerCount(int bandIndex, int modeRow)
{
    const int count = AnswerCount(bandIndex, modeRow);
    if (!IsInside(bandIndex, modeRow) || count >= kMaxAnswerCount) {
        return;
    }
    const int shift = CounterShift(modeRow);
    const int others = answerCounts[bandIndex] & ~(0x03 << shift);
    answerCounts[bandIndex] = static_cast<std::uint8_t>(others | ((count + 1) << shift));
}

}  // namespace zelkor
