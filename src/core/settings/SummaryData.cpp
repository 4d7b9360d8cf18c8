#include "core/settings/SummaryData.h"

#include "core/settings/SettingKeys.h"
#include "core/text/Cp1252.h"

#include <utility>

namespace zelkor {
namespace {

// The eleven values in the order the store reads and writes them.
std::pair<SettingKey, std::string SummaryData::*> const kFields[] = {
    {keys::kCallsign, &SummaryData::callsign},   {keys::kProvince, &SummaryData::province},
    {keys::kSection, &SummaryData::section},     {keys::kName, &SummaryData::name},
    {keys::kOperators, &SummaryData::operators}, {keys::kCategory, &SummaryData::category},
    {keys::kAddress1, &SummaryData::address1},   {keys::kAddress2, &SummaryData::address2},
    {keys::kAddress3, &SummaryData::address3},   {keys::kComment1, &SummaryData::comment1},
    {keys::kComment2, &SummaryData::comment2},
};

}  // namespace

bool IsSwlCategory(const std::string& category)
{
    return category == "SWL";
}

SummaryData ReadSummaryData(const SettingsStore& store)
{
    SummaryData data;
    for (const auto& [key, field] : kFields) {
        const QString defaultValue = ToQString(data.*field);
        data.*field = FromQString(store.ReadSetting(key, defaultValue));
    }
    return data;
}

bool WriteSummaryData(SettingsStore& store, const SummaryData& data)
{
    for (const auto& [key, field] : kFields) {
        store.ChangeSetting(key, ToQString(data.*field));
    }
    return store.Flush();
}

}  // namespace zelkor
