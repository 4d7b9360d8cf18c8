#include "core/stats/ProgressTexts.h"

#include "core/scoring/ScoreReport.h"
#include "core/stats/ContactTime.h"
#include "core/stats/LogTimeline.h"
#include "core/text/Cp1252.h"

#include <array>

namespace zelkor {
namespace {

constexpr int kIgnoredRowsShown = 10;

QString Text(const std::string& text)
{
    return ToQString(text);
}

QString Thousands(std::int64_t n)
{
    return Text(FormatThousands(n));
}

QString SignedThousands(std::int64_t n)
{
    if (n > 0) {
        return QStringLiteral("+") + Thousands(n);
    }
    if (n < 0) {
        return QStringLiteral("-") + Thousands(-n);
    }
    return QStringLiteral("0");
}

// The year goes without saying during a contest.
QString Moment(std::int64_t minute)
{
    return Text(ClockText(minute)) + QStringLiteral(" del ") + Text(DateText(minute).substr(0, 5));
}

QString RateText(const std::optional<RecentRate>& rate, int wanted, const QString& word)
{
    if (!rate) {
        return QStringLiteral("-");
    }
    QString text = QStringLiteral("%1 %2/ora").arg(rate->perHour).arg(word);
    if (rate->contacts < wanted) {
        text += QStringLiteral(" (su %1 %2)").arg(rate->contacts).arg(word);
    }
    return text;
}

}  // namespace

QString ContactWord(LogLayout layout)
{
    return layout == LogLayout::Swl ? QStringLiteral("Hrd") : QStringLiteral("QSO");
}

QString GroupLabel(int group)
{
    static const std::array<const char*, kBandModeGroupCount> kLabels = {
        "80m ssb", "80m cw", "80m rtty/psk", "40m ssb", "40m cw", "40m rtty/psk"};
    if (group < 0 || group >= kBandModeGroupCount) {
        return QStringLiteral("altro");
    }
    return QString::fromLatin1(kLabels[static_cast<std::size_t>(group)]);
}

std::vector<FigureLine> RateLines(const RateFigures& rates, int untimedRows, LogLayout layout)
{
    const QString word = ContactWord(layout);
    const auto count = [&word](int n) { return QStringLiteral("%1 %2").arg(n).arg(word); };
    std::vector<FigureLine> lines;
    lines.push_back({QStringLiteral("latest"), QStringLiteral("Ultimo %1").arg(word),
                     rates.latest ? Moment(*rates.latest) : QStringLiteral("-")});
    lines.push_back({QStringLiteral("lastTenMinutes"), QStringLiteral("Ultimi 10 minuti"),
                     count(rates.lastTenMinutes)});
    lines.push_back({QStringLiteral("lastSixtyMinutes"), QStringLiteral("Ultimi 60 minuti"),
                     count(rates.lastSixtyMinutes)});
    lines.push_back({QStringLiteral("lastTenContacts"),
                     QStringLiteral("Ritmo ultimi 10 %1").arg(word),
                     RateText(rates.lastTenContacts, 10, word)});
    lines.push_back({QStringLiteral("lastHundredContacts"),
                     QStringLiteral("Ritmo ultimi 100 %1").arg(word),
                     RateText(rates.lastHundredContacts, 100, word)});
    lines.push_back({QStringLiteral("currentHour"),
                     rates.latest ? QStringLiteral("Ora in corso (%1-%2)")
                                        .arg(Text(ClockText(rates.currentHourStart)),
                                             Text(ClockText(rates.currentHourStart + 59)))
                                  : QStringLiteral("Ora in corso"),
                     count(rates.currentHour)});
    QString best = QStringLiteral("Migliori 60 minuti");
    if (rates.bestSixtyMinutes > 0) {
        best += QStringLiteral(" (dalle ") + Moment(rates.bestSixtyStart) + QStringLiteral(")");
    }
    lines.push_back({QStringLiteral("bestSixtyMinutes"), best, count(rates.bestSixtyMinutes)});
    lines.push_back({QStringLiteral("onTime"), QStringLiteral("Tempo in aria"),
                     Text(DurationText(rates.onMinutes))});
    lines.push_back({QStringLiteral("offTime"),
                     QStringLiteral("Pause di %1 minuti o più").arg(kOffTimePause),
                     Text(DurationText(rates.offMinutes))});
    if (untimedRows > 0) {
        lines.push_back({QStringLiteral("untimedRows"),
                         QStringLiteral("Righe senza data o ora valide"),
                         QString::number(untimedRows)});
    }
    return lines;
}

QString ScoreTotalText(int score)
{
    return QStringLiteral("PUNTEGGIO TOTALE = ") + Thousands(score);
}

QString IgnoredRowsText(const std::vector<IgnoredRow>& ignored)
{
    if (ignored.empty()) {
        return QString();
    }
    QStringList rows;
    for (std::size_t i = 0; i < ignored.size() && i < kIgnoredRowsShown; ++i) {
        rows << QStringLiteral("n. %1 (%2)")
                    .arg(ignored[i].position)
                    .arg(ignored[i].reason == IgnoredReason::WrongBand
                             ? QStringLiteral("banda errata")
                             : QStringLiteral("modo errato"));
    }
    QString text =
        QStringLiteral("Righe escluse dal punteggio: ") + rows.join(QStringLiteral(", "));
    if (ignored.size() > kIgnoredRowsShown) {
        text += QStringLiteral(" e altre %1").arg(ignored.size() - kIgnoredRowsShown);
    }
    return text;
}

QString RaceText(const std::optional<RaceStanding>& standing, const QString& targetName,
                 LogLayout layout)
{
    const QString word = ContactWord(layout);
    QString text = QStringLiteral("Confronto con ") + targetName + QLatin1Char('\n');
    if (!standing) {
        return text + QStringLiteral("Il confronto parte con il primo %1 del log.").arg(word);
    }
    text += QStringLiteral("Alla stessa ora di gara (%1 dall'inizio): %2 %3 e %4 punti\n")
                .arg(Text(DurationText(standing->elapsedMinutes)))
                .arg(standing->theirs.contacts)
                .arg(word, Thousands(standing->theirs.score));
    text += QStringLiteral("Differenza: %1 %2, %3 punti")
                .arg(SignedThousands(standing->ContactLead()), word,
                     SignedThousands(standing->ScoreLead()));
    return text;
}

QString MapSummaryText(const ProvinceMapData& map, int group)
{
    const int total = static_cast<int>(map.provinces.size());
    QString text;
    if (group < 0) {
        text = QStringLiteral("Province collegate: %1 su %2, moltiplicatori: %3 su %4")
                   .arg(map.WorkedAtAll())
                   .arg(total)
                   .arg(map.GroupsWorked())
                   .arg(total * kBandModeGroupCount);
    } else {
        text = QStringLiteral("%1: %2 province collegate, %3 mancanti")
                   .arg(GroupLabel(group))
                   .arg(map.WorkedIn(group))
                   .arg(map.MissingIn(group));
    }
    if (!map.workedWithoutPosition.empty()) {
        QStringList codes;
        for (const std::string& code : map.workedWithoutPosition) {
            codes << (code == "AA" ? QStringLiteral("sigla vuota o non valida") : Text(code));
        }
        text +=
            QStringLiteral("\nCollegate ma non sulla mappa: ") + codes.join(QStringLiteral(", "));
    }
    return text;
}

}  // namespace zelkor
