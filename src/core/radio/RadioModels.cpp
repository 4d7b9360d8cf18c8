#include "core/radio/RadioModels.h"

#include <QStringList>

#include <algorithm>

namespace zelkor {
namespace {

// Compares two texts ignoring case, a run of digits against a run of digits by its value.
int CompareNatural(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype iEnd = i;
            qsizetype jEnd = j;
            while (iEnd < a.size() && a[iEnd].isDigit()) {
                ++iEnd;
            }
            while (jEnd < b.size() && b[jEnd].isDigit()) {
                ++jEnd;
            }
            // Leading zeros don't change a value; after them the longer run is the larger one.
            QStringView left = QStringView(a).mid(i, iEnd - i);
            QStringView right = QStringView(b).mid(j, jEnd - j);
            while (left.size() > 1 && left.front() == QLatin1Char('0')) {
                left = left.mid(1);
            }
            while (right.size() > 1 && right.front() == QLatin1Char('0')) {
                right = right.mid(1);
            }
            if (left.size() != right.size()) {
                return left.size() < right.size() ? -1 : 1;
            }
            if (const int order = left.compare(right); order != 0) {
                return order;
            }
            i = iEnd;
            j = jEnd;
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
