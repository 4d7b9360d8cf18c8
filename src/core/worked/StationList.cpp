#include "core/worked/StationList.h"

#include "core/text/Text.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace zelkor {
namespace {

// A block splits in two when it grows past twice this; a few hundred records keep both the
// moves inside a block and the table of block starts short.
constexpr std::size_t kBlockSize = 512;

bool Before(const StationRecord& record, std::string_view callsign)
{
    return CompareBytes(record.callsign, callsign) < 0;
}

}  // namespace

StationLookup StationList::FindStation(std::string_view callsign) const
{
    // The first block whose last record is not before the callsign holds it, if any does.
    const auto block =
        std::lower_bound(m_blocks.begin(), m_blocks.end(), callsign,
                         [](const std::vector<StationRecord>& records, std::string_view key) {
                             return Before(records.back(), key);
                         });
    if (block == m_blocks.end()) {
        return {false, m_size};
    }
    const auto first = std::lower_bound(block->begin(), block->end(), callsign, Before);
    const int position = m_blockStarts[static_cast<std::size_t>(block - m_blocks.begin())] +
                         static_cast<int>(first - block->begin());
    return {first != block->end() && first->callsign == callsign, position};
}

StationList::Place StationList::PlaceOf(int position) const
{
    const auto after = std::upper_bound(m_blockStarts.begin(), m_blockStarts.end(), position);
    const auto block = static_cast<std::size_t>(after - m_blockStarts.begin()) - 1;
    return {block, static_cast<std::size_t>(position - m_blockStarts[block])};
}

const StationRecord& StationList::At(int position) const
{
    static const StationRecord kNoRecord;
    if (position < 0 || position >= Size()) {
        return kNoRecord;
    }
    const Place place = PlaceOf(position);
    return m_blocks[place.block][place.offset];
}

StationRecord& StationList::RecordAt(int position)
{
    const Place place = PlaceOf(position);
    return m_blocks[place.block][place.offset];
}

std::vector<StationRecord> StationList::Records() const
{
    std::vector<StationRecord> records;
    records.reserve(static_cast<std::size_t>(m_size));
    for (const std::vector<StationRecord>& block : m_blocks) {
        records.insert(records.end(), block.begin(), block.end());
    }
    return records;
}

bool StationList::BelongsAt(int position, std::string_view callsign) const
{
    if (position < 0 || position > Size()) {
        return false;
    }
    const bool afterPrevious =
        position == 0 || CompareBytes(At(position - 1).callsign, callsign) < 0;
    const bool beforeNext = position == Size() || CompareBytes(callsign, At(position).callsign) < 0;
    return afterPrevious && beforeNext;
}

void StationList::InsertAt(int position, StationRecord record)
{
    if (m_blocks.empty()) {
        m_blocks.emplace_back();
        m_blockStarts.push_back(0);
    }
    // The end of the list belongs to the last block.
    const Place place =
        position == m_size ? Place{m_blocks.size() - 1, m_blocks.back().size()} : PlaceOf(position);
    std::vector<StationRecord>& block = m_blocks[place.block];
    block.insert(block.begin() + static_cast<std::ptrdiff_t>(place.offset), std::move(record));
    ++m_size;
    if (block.size() > 2 * kBlockSize) {
        std::vector<StationRecord> upper(std::make_move_iterator(block.begin() + kBlockSize),
                                         std::make_move_iterator(block.end()));
        block.resize(kBlockSize);
        m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(place.block) + 1,
                        std::move(upper));
        m_blockStarts.insert(m_blockStarts.begin() + static_cast<std::ptrdiff_t>(place.block) + 1,
                             0);
    }
    RenumberBlocksFrom(place.block + 1);
}

void StationList::RenumberBlocksFrom(std::size_t block)
{
    for (; block < m_blocks.size(); ++block) {
        m_blockStarts[block] =
            m_blockStarts[block - 1] + static_cast<int>(m_blocks[block - 1].size());
    }
}

void StationList::InsertStation(int position, StationRecord record)
{
    if (!BelongsAt(position, record.callsign)) {
        StoreStation(std::move(record));
        return;
    }
    InsertAt(position, std::move(record));
}

void StationList::ReplaceStation(int position, StationRecord record)
{
    if (position < 0 || position >= Size() || At(position).callsign != record.callsign) {
        StoreStation(std::move(record));
        return;
    }
    RecordAt(position) = std::move(record);
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
    RecordAt(lookup.position) = std::move(record);
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
    if (!std::is_sorted(order.begin(), order.end(), before)) {
        std::sort(order.begin(), order.end(), before);
    }
    Clear();
    for (std::size_t first = 0; first < order.size(); first += kBlockSize) {
        std::vector<StationRecord> block;
        block.reserve(std::min(kBlockSize, order.size() - first));
        for (std::size_t i = first; i < order.size() && i < first + kBlockSize; ++i) {
            block.push_back(std::move(*order[i]));
        }
        m_blockStarts.push_back(m_size);
        m_size += static_cast<int>(block.size());
        m_blocks.push_back(std::move(block));
    }
}

void StationList::StoreStation(StationRecord record)
{
    const StationLookup lookup = FindStation(record.callsign);
    if (lookup.found) {
        RecordAt(lookup.position) = std::move(record);
    } else {
        InsertAt(lookup.position, std::move(record));
    }
}

void StationList::Clear()
{
    m_blocks.clear();
    m_blockStarts.clear();
    m_size = 0;
}

}  // namespace zelkor
