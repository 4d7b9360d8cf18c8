#include "core/radio/RadioModels.h"

#include <QStringList>

#include <algorithm>

namespace zelkor {
namespace {

// The run of digits at position, without its leading zeros (a lone zero stays); position moves
// past the run.
QStringView DigitRun(const QString& text, qsizetype& position)
{
    const qsizetype start = position;
    while (position < text.size() && text[position].isDigit()) {
        ++position;
    }
    QStringView run = QStringView(text).mid(start, position - start);
    while (run.size() > 1 && run.front() == QLatin1Char('0')) {
        run = run.mid(1);
    }
    return run;
}

// Two runs of digits by their value: the longer one is larger, equal lengths compare as text.
int CompareNumbers(QStringView left, QStringView right)
{
    if (left.size() != right.size()) {
        return left.size() < right.size() ? -1 : 1;
    }
    return left.compare(right);
}

// Compares two texts ignoring case, a run of digits against a run of digits by its value.
int CompareNatural(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView left = DigitRun(a, i);
            const QStringView right = DigitRun(b, j);
            if (const int order = CompareNumbers(left, right); order != 0) {
                return order;
            }
            continue;
        }
        const QChar x = a[i].toCaseFolded();
        const QChar y = b[j].toCaseFolded();
        if (x != y) {
            return x < y ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}

}  // namespace

QString RadioModelText(const RadioModel& model)
{
    return model.maker + QLatin1Char(' ') + model.name;
}

void SortRadioModels(std::vector<RadioModel>& models)
{
    std::stable_sort(models.begin(), models.end(), [](const RadioModel& a, const RadioModel& b) {
        if (const int maker = CompareNatural(a.maker, b.maker); maker != 0) {
            return maker < 0;
        }
        if (const int name = CompareNatural(a.name, b.name); name != 0) {
            return name < 0;
        }
        return a.id < b.id;
    });
}

bool RadioModelMatches(const RadioModel& model, const QString& search)
{
    const QString text = RadioModelText(model);
    const QString number = QString::number(model.id);
    const QStringList words = search.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [&](const QString& word) {
        return text.contains(word, Qt::CaseInsensitive) || word == number;
    });
}

}  // namespace zelkor
