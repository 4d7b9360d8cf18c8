#include "entry/StationList.h"

#include "text/Text.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace zelkor {

StationLookup StationList::FindStation(std::string_view callsign) const
{
    const auto first = std::lower_bound(m_records.begin(), m_records.end(), callsign,
                                        [](const StationRecord& record, std::string_view key) {
                                            return CompareBytes(record.callsign, key) < 0;
                                        });
    const bool found = first != m_records.end() && first->callsign == callsign;
    return {found, static_cast<int>(first - m_records.begin())};
}

const StationRecord& StationList::At(int position) const
{
    static const StationRecord kNoRecord;
    if (position < 0 || position >= Size()) {
        return kNoRecord;
    }
    return m_records[position];
}

bool StationList::BelongsAt(int position, std::string_view callsign) const
{
    if (position < 0 || position > Size()) {
        return false;
    }
    const bool afterPrevious =
        position == 0 || CompareBytes(m_records[position - 1].callsign, callsign) < 0;
    const bool beforeNext =
        position == Size() || CompareBytes(callsign, m_records[position].callsign) < 0;
    return afterPrevious && beforeNext;
}

void StationList::InsertStation(int position, StationRecord record)
{
    if (!BelongsAt(position, record.callsign)) {
        StoreStation(std::move(record));
        return;
    }
    m_records.insert(m_records.begin() + position, std::move(record));
}

void StationList::ReplaceStation(int position, StationRecord record)
{
    if (position < 0 || position >= Size() || m_records[position].callsign != record.callsign) {
        StoreStation(std::move(record));
        return;
    }
    m_records[position] = std::move(record);
}

void StationList::StoreStationAt(const StationLookup& where, StationRecord record)
{
    if (where.found) {
        ReplaceStation(where.position, std::move(record));
    } else {
        InsertStation(where.position, std::move(record));
    }
}

bool StationList::UpdateStation(StationRecord record)
{
    const StationLookup lookup = FindStation(record.callsign);
    if (!lookup.found) {
        return false;
    }
    m_records[lookup.position] = std::move(record);
    return true;
}

void StationList::Assign(std::vector<StationRecord> records)
{
    // string_view's comparison is memcmp's, which compares unsigned bytes like CompareBytes.
    const auto before = [](const StationRecord* a, const StationRecord* b) {
        return std::string_view(a->callsign) < std::string_view(b->callsign);
    };
    // The records are big, so their addresses are sorted and each record moved once.
    std::vector<StationRecord*> order;
    order.reserve(records.size());
    for (StationRecord& record : records) {
        order.push_back(&record);
    }
    if (std::is_sorted(order.begin(), order.end(), before)) {
        m_records = std::move(records);
        return;
    }
    std::sort(order.begin(), order.end(), before);
    m_records.clear();
    m_records.reserve(records.size());
    for (StationRecord* record : order) {
        m_records.push_back(std::move(*record));
    }
}

void StationList::StoreStation(StationRecord record)
{
    const StationLookup lookup = FindStation(record.callsign);
    if (lookup.found) {
        m_records[lookup.position] = std::move(record);
    } else {
        m_records.insert(m_records.begin() + lookup.position, std::move(record));
    }
}

}  // namespace zelkor
