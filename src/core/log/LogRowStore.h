#pragma once
// The bytes behind the log's cells: rows of a fixed number of texts, packed one row after another
// into large shared blocks instead of one heap string per cell. A row is a small table of end
// offsets followed by its texts, so a cell is found in constant time, a million rows need no
// million allocations, and moving or sorting rows only moves 16-byte handles.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace zelkor {

class LogRowStore {
public:
    explicit LogRowStore(int columnCount = 0);

    // Drops every row and starts over with another number of columns.
    void Reset(int columnCount);

    [[nodiscard]] int RowCount() const { return static_cast<int>(m_rows.size()); }
    [[nodiscard]] int ColumnCount() const { return m_columnCount; }

    // Row and column must be inside the store. The view stays valid until the store changes.
    // Inline: every whole-log pass reads its cells through here.
    [[nodiscard]] std::string_view Cell(int row, int column) const
    {
        const Row& r = m_rows[static_cast<std::size_t>(row)];
        const std::uint32_t begin = column == 0 ? 0 : End(r, column - 1);
        const char* text = r.bytes + static_cast<std::size_t>(m_columnCount) * r.offsetWidth;
        return {text + begin, End(r, column) - begin};
    }

    // cells holds exactly ColumnCount() texts; they may point into the store itself.
    void Insert(int index, std::span<const std::string_view> cells);
    void Append(std::span<const std::string_view> cells);
    void Reserve(int rowCount) { m_rows.reserve(static_cast<std::size_t>(rowCount)); }

    // A text of the cell's length is written in place; any other makes a new copy of the row.
    void SetCell(int row, int column, std::string_view text);

    // rows: ascending, without repeats, inside the store.
    void EraseSorted(std::span<const int> rows);
    void EraseRange(int first, int last);
    // Row i takes old row newOrder[i]; newOrder must be a permutation of the rows.
    void Permute(std::span<const int> newOrder);

    // Bytes held in blocks, in use or not; for the benchmarks' memory figures.
    [[nodiscard]] std::size_t BlockBytes() const { return m_blockBytes; }

private:
    struct Row {
        char* bytes = nullptr;
        std::uint32_t textSize = 0;
        // Bytes per end offset: 1, 2 or 4, the least that holds textSize.
        std::uint8_t offsetWidth = 1;
    };

    [[nodiscard]] static std::uint32_t End(const Row& row, int column)
    {
        const char* at = row.bytes + static_cast<std::size_t>(column) * row.offsetWidth;
        if (row.offsetWidth == 1) {
            return static_cast<unsigned char>(*at);
        }
        if (row.offsetWidth == 2) {
            std::uint16_t value = 0;
            std::memcpy(&value, at, sizeof value);
            return value;
        }
        std::uint32_t value = 0;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
    [[nodiscard]] std::size_t SizeOf(const Row& row) const;
    Row Pack(std::span<const std::string_view> cells);
    char* Allocate(std::size_t size);
    void Release(const Row& row);
    // Copies the rows into fresh blocks once more than half of the bytes held are dropped rows.
    void CompactIfWasteful();

    int m_columnCount = 0;
    std::vector<Row> m_rows;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    std::size_t m_freeSize = 0;
    std::size_t m_blockBytes = 0;
    std::size_t m_liveBytes = 0;
    std::size_t m_wastedBytes = 0;
    // The cells of a row being copied, kept to spare an allocation per copy.
    std::vector<std::string_view> m_cells;
};

}  // namespace zelkor
