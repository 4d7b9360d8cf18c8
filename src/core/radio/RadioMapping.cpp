#include "core/radio/RadioMapping.h"

#include "core/scoring/ScoreReport.h"

#include <algorithm>
#include <cmath>

namespace zelkor {

std::optional<std::string> BandForFrequency(double hertz)
{
    if (!std::isfinite(hertz)) {
        return std::nullopt;
    }
    const long long hz = std::llround(hertz);
    if (hz >= 3'500'000 && hz <= 3'800'000) {
        return "3,5";
    }
    if (hz >= 7'000'000 && hz <= 7'200'000) {
        return "7";
    }
    return std::nullopt;
}

RadioModeKind RadioModeKindOf(std::string_view mode)
{
    if (mode == "USB" || mode == "LSB") {
        return RadioModeKind::Ssb;
    }
    if (mode == "CW" || mode == "CWR") {
        return RadioModeKind::Cw;
    }
    if (mode == "RTTY" || mode == "RTTYR") {
        return RadioModeKind::Rtty;
    }
    // The radios' data modes: packet (sound card) modes on any sideband, and PSK.
    if (mode.starts_with("PKT") || mode == "PSK" || mode == "PSKR") {
        return RadioModeKind::Data;
    }
    return RadioModeKind::Other;
}

std::optional<std::string> EntryModeFor(RadioModeKind kind, std::string_view shownMode)
{
    switch (kind) {
        case RadioModeKind::Ssb:
            return "SSB";
        case RadioModeKind::Cw:
            return "CW";
        case RadioModeKind::Rtty:
            return "RTTY";
        case RadioModeKind::Data:
            if (shownMode == "RTTY" || shownMode == "PSK31") {
                return std::string(shownMode);
            }
            return "RTTY";
        case RadioModeKind::Other:
            break;
    }
    return std::nullopt;
}

QString FrequencyText(double hertz)
{
    // A radio never reports a negative frequency; such a reading shows as 0.
    const long long tenths = std::isfinite(hertz) ? std::max(0LL, std::llround(hertz / 100.0)) : 0;
    return QStringLiteral("%1,%2 kHz")
        .arg(QString::fromStdString(FormatThousands(tenths / 10)))
        .arg(tenths % 10);
}

QString RadioReadingText(const RadioReading& reading)
{
    QString text = FrequencyText(reading.frequencyHz);
    if (!reading.mode.empty()) {
        text += QLatin1Char(' ') + QString::fromLatin1(reading.mode);
    }
    return text;
}

QString RadioLabelText(const RadioReading& reading)
{
    return QStringLiteral("Radio: ") + RadioReadingText(reading);
}

QString RadioNotConnectedText()
{
    return QStringLiteral("Radio non collegata");
}

QString RadioProbeText(const RadioReading& reading)
{
    return QStringLiteral("Radio collegata: ") + RadioReadingText(reading);
}

QString RadioProbeFailureText(const QString& reason, bool lost)
{
    return (lost ? QStringLiteral("Lettura non riuscita: ")
                 : QStringLiteral("Collegamento non riuscito: ")) +
           reason + QLatin1Char('.');
}

}  // namespace zelkor
