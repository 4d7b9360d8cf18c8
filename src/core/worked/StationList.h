#pragma once
// The stations heard in an SWL log, one record per callsign, kept in ascending byte order of
// callsign so that a station is found by binary search while the operator types.

#include "core/worked/StationRecord.h"

#include <string_view>
#include <vector>

namespace zelkor {

// Where a callsign is: its record's position, or the position where its record belongs.
struct StationLookup {
    bool found = false;
    int position = 0;

    bool operator==(const StationLookup& other) const = default;
};

// Kept as a row of sorted blocks of a few hundred records, so that a new station moves the
// records of one block and a table of block starts, not every record after it: logging an
// exchange costs the same in a log of a thousand stations and in one of millions.
class StationList {
public:
    [[nodiscard]] StationLookup FindStation(std::string_view callsign) const;

    [[nodiscard]] int Size() const { return m_size; }
    [[nodiscard]] bool IsEmpty() const { return m_size == 0; }
    // An empty record for a position outside the list.
    [[nodiscard]] const StationRecord& At(int position) const;
    // Every record, in order.
    [[nodiscard]] std::vector<StationRecord> Records() const;

    // Puts a new record at the position FindStation gave. A position that no longer fits (the
    // list has changed since, or the callsign has a record by now) is not trusted: the record is
    // then stored by its callsign, so the order and the one-record-per-callsign rule always hold.
    void InsertStation(int position, StationRecord record);
    // Replaces the record at a position FindStation gave, with the same caution as InsertStation.
    void ReplaceStation(int position, StationRecord record);
    // Replaces the record FindStation found, or inserts a new one where it said the callsign
    // belongs, with the same caution as InsertStation.
    void StoreStationAt(const StationLookup& where, StationRecord record);
    // Replaces the record with the same callsign; false, and nothing changes, if there is none.
    bool UpdateStation(StationRecord record);
    // Looks the callsign up again and replaces its record or inserts a new one. Entries that kept
    // a record since before the list changed store it this way, since their positions are stale.
    void StoreStation(StationRecord record);

    // Takes a whole list at once, as a rebuild makes it: one record per callsign, in any order;
    // they are put in order here. Cheaper than storing a station at a time, which moves every
    // record after it.
    void Assign(std::vector<StationRecord> records);

    void Clear();

private:
    struct Place {
        std::size_t block;
        std::size_t offset;
    };

    [[nodiscard]] bool BelongsAt(int position, std::string_view callsign) const;
    // The block and offset of a position inside the list.
    [[nodiscard]] Place PlaceOf(int position) const;
    StationRecord& RecordAt(int position);
    // Inserts without checks at a position where the record keeps the order.
    void InsertAt(int position, StationRecord record);
    void RenumberBlocksFrom(std::size_t block);

    // Each block sorted and never empty, the blocks in order.
    std::vector<std::vector<StationRecord>> m_blocks;
    // The position of each block's first record.
    std::vector<int> m_blockStarts;
    int m_size = 0;
};

}  // namespace zelkor
