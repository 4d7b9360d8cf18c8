#include "core/log/LogRowStore.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace zelkor {
namespace {

// Blocks are not zeroed: every byte handed out is written before it is read.
// Large enough that a million rows take a few hundred blocks, small enough that a short log
// holds little it does not use.
constexpr std::size_t kBlockSize = std::size_t{256} * 1024;
// A row this big gets a block of its own, so that it does not waste the rest of a shared one.
constexpr std::size_t kOwnBlockSize = kBlockSize / 8;
// Dropped bytes below this are never worth a copy of the log.
constexpr std::size_t kWasteWorthCompacting = std::size_t{1024} * 1024;

std::uint8_t OffsetWidthFor(std::size_t textSize)
{
    if (textSize <= std::numeric_limits<std::uint8_t>::max()) {
        return 1;
    }
    if (textSize <= std::numeric_limits<std::uint16_t>::max()) {
        return 2;
    }
    return 4;
}

void WriteOffset(char* at, std::uint8_t width, std::uint32_t value)
{
    switch (width) {
        case 1:
            *at = static_cast<char>(value);
            break;
        case 2: {
            const auto narrow = static_cast<std::uint16_t>(value);
            std::memcpy(at, &narrow, sizeof narrow);
            break;
        }
        default:
            std::memcpy(at, &value, sizeof value);
            break;
    }
}

}  // namespace

LogRowStore::LogRowStore(int columnCount) : m_columnCount(std::max(0, columnCount)) {}

void LogRowStore::Reset(int columnCount)
{
    m_columnCount = std::max(0, columnCount);
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_blocks.clear();
    m_free = nullptr;
    m_freeSize = 0;
    m_blockBytes = 0;
    m_liveBytes = 0;
    m_wastedBytes = 0;
}

std::size_t LogRowStore::SizeOf(const Row& row) const
{
    return static_cast<std::size_t>(m_columnCount) * row.offsetWidth + row.textSize;
}

char* LogRowStore::Allocate(std::size_t size)
{
    if (size > kOwnBlockSize) {
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
        m_blockBytes += size;
        return m_blocks.back().get();
    }
    if (size > m_freeSize) {
        // What is left of the old block stays unused.
        m_wastedBytes += m_freeSize;
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        m_blockBytes += kBlockSize;
        m_free = m_blocks.back().get();
        m_freeSize = kBlockSize;
    }
    char* at = m_free;
    m_free += size;
    m_freeSize -= size;
    return at;
}

LogRowStore::Row LogRowStore::Pack(std::span<const std::string_view> cells)
{
    std::size_t textSize = 0;
    for (std::string_view cell : cells) {
        textSize += cell.size();
    }
    Row row;
    row.textSize = static_cast<std::uint32_t>(textSize);
    row.offsetWidth = OffsetWidthFor(textSize);
    const std::size_t size = SizeOf(row);
    row.bytes = Allocate(size);
    char* offsets = row.bytes;
    char* text = row.bytes + static_cast<std::size_t>(m_columnCount) * row.offsetWidth;
    std::uint32_t end = 0;
    for (std::string_view cell : cells) {
        // The cells may lie in this store's blocks; a new row never overlaps an old one.
        if (!cell.empty()) {
            std::memcpy(text + end, cell.data(), cell.size());
        }
        end += static_cast<std::uint32_t>(cell.size());
        WriteOffset(offsets, row.offsetWidth, end);
        offsets += row.offsetWidth;
    }
    m_liveBytes += size;
    return row;
}

void LogRowStore::Release(const Row& row)
{
    const std::size_t size = SizeOf(row);
    m_liveBytes -= size;
    m_wastedBytes += size;
}

void LogRowStore::Insert(int index, std::span<const std::string_view> cells)
{
    const Row row = Pack(cells);
    m_rows.insert(m_rows.begin() + index, row);
}

void LogRowStore::Append(std::span<const std::string_view> cells)
{
    m_rows.push_back(Pack(cells));
}

void LogRowStore::SetCell(int row, int column, std::string_view text)
{
    Row& r = m_rows[static_cast<std::size_t>(row)];
    const std::string_view old = Cell(row, column);
    if (old.size() == text.size()) {
        if (!text.empty()) {
            // The cell's bytes, reached through the row's own writable pointer.
            char* const at = r.bytes + (old.data() - r.bytes);
            std::memmove(at, text.data(), text.size());
        }
        return;
    }
    m_cells.resize(static_cast<std::size_t>(m_columnCount));
    for (int c = 0; c < m_columnCount; ++c) {
        m_cells[static_cast<std::size_t>(c)] = c == column ? text : Cell(row, c);
    }
    const Row replaced = r;
    r = Pack(m_cells);
    Release(replaced);
    CompactIfWasteful();
}

void LogRowStore::EraseSorted(std::span<const int> rows)
{
    if (rows.empty()) {
        return;
    }
    auto next = rows.begin();
    auto kept = static_cast<std::size_t>(rows.front());
    for (std::size_t index = kept; index < m_rows.size(); ++index) {
        if (next != rows.end() && static_cast<std::size_t>(*next) == index) {
            Release(m_rows[index]);
            ++next;
        } else {
            m_rows[kept++] = m_rows[index];
        }
    }
    m_rows.resize(kept);
    CompactIfWasteful();
}

void LogRowStore::EraseRange(int first, int last)
{
    for (int index = first; index <= last; ++index) {
        Release(m_rows[static_cast<std::size_t>(index)]);
    }
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
    CompactIfWasteful();
}

void LogRowStore::Permute(std::span<const int> newOrder)
{
    std::vector<Row> reordered;
    reordered.reserve(m_rows.size());
    for (int oldIndex : newOrder) {
        reordered.push_back(m_rows[static_cast<std::size_t>(oldIndex)]);
    }
    m_rows = std::move(reordered);
}

void LogRowStore::CompactIfWasteful()
{
    if (m_wastedBytes < kWasteWorthCompacting || m_wastedBytes < m_liveBytes) {
        return;
    }
    std::vector<std::unique_ptr<char[]>> oldBlocks = std::move(m_blocks);
    m_blocks.clear();
    m_free = nullptr;
    m_freeSize = 0;
    m_blockBytes = 0;
    m_wastedBytes = 0;
    for (Row& row : m_rows) {
        const std::size_t size = SizeOf(row);
        char* copy = Allocate(size);
        std::memcpy(copy, row.bytes, size);
        row.bytes = copy;
    }
    // The old blocks go only now: the rows were copied out of them.
}

}  // namespace zelkor
