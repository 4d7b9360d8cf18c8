#pragma once
// The list of radio models the operator chooses from: Hamlib's models sorted by maker and model,
// and the search that narrows it.

#include <QString>

#include <vector>

namespace zelkor {

struct RadioModel {
    int id = 0;
    QString maker;
    QString name;

    bool operator==(const RadioModel&) const = default;
};

// "Yaesu FT-991"
QString RadioModelText(const RadioModel& model);

// By maker, then model, ignoring case, with numbers in their numeric order (FT-450 before
// FT-1000); equal names by model number.
void SortRadioModels(std::vector<RadioModel>& models);

// Every word of the search, ignoring case, is part of the maker and model or is the model's
// number; an empty search matches every model.
bool RadioModelMatches(const RadioModel& model, const QString& search);

}  // namespace zelkor
