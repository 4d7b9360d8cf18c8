#include "core/log/DateTimeSort.h"

#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/text/Text.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <string_view>
#include <utility>

namespace zelkor {
namespace {

// A set of positions 0..size-1 with counts over ranges and the n-th member, each in logarithmic
// time (a Fenwick tree of 0/1 counts).
class PositionSet {
public:
    enum class Start { Empty, Full };

    PositionSet(int size, Start start) : m_counts(static_cast<std::size_t>(size) + 1, 0)
    {
        if (start == Start::Full) {
            for (int node = 1; node <= size; ++node) {
                m_counts[node] = node & -node;
            }
        }
    }

    void Add(int position, int delta)
    {
        for (int node = position + 1; node < static_cast<int>(m_counts.size());
             node += node & -node) {
            m_counts[node] += delta;
        }
    }

    // Members in first..end-1.
    [[nodiscard]] int CountBetween(int first, int end) const
    {
        return CountBefore(end) - CountBefore(first);
    }

    // The member with nth members before it.
    [[nodiscard]] int Nth(int nth) const
    {
        const int size = static_cast<int>(m_counts.size()) - 1;
        int node = 0;
        for (int step = static_cast<int>(std::bit_floor(static_cast<unsigned>(size))); step > 0;
             step /= 2) {
            if (node + step <= size && m_counts[node + step] <= nth) {
                node += step;
                nth -= m_counts[node];
            }
        }
        return node;
    }

private:
    [[nodiscard]] int CountBefore(int end) const
    {
        int count = 0;
        for (int node = end; node > 0; node -= node & -node) {
            count += m_counts[node];
        }
        return count;
    }

    std::vector<int> m_counts;
};

// Appends the members of one key (original positions, ascending) in their queue order: each
// joins at the back, and each smaller key after it turns the queue once, front to back.
// smaller holds the positions of every smaller key.
void AppendInQueueOrder(std::span<const int> members, const PositionSet& smaller, int keyCount,
                        std::vector<int>& order)
{
    // The queue is a list read cyclically from front; joining at the back is inserting just
    // before the front. The insert indices depend only on the turn counts, so they come first,
    // and the list is then laid out by replaying the inserts backwards, each member taking the
    // free place that many free places in.
    const int size = static_cast<int>(members.size());
    std::vector<int> insertIndex(members.size());
    int front = 0;
    for (int j = 0; j < size; ++j) {
        insertIndex[j] = front;
        if (j > 0) {
            ++front;
        }
        const int next = j + 1 < size ? members[j + 1] : keyCount;
        front = (front + smaller.CountBetween(members[j] + 1, next)) % (j + 1);
    }
    PositionSet free(size, PositionSet::Start::Full);
    std::vector<int> list(members.size());
    for (int j = size - 1; j >= 0; --j) {
        const int place = free.Nth(insertIndex[j]);
        list[place] = members[j];
        free.Add(place, -1);
    }
    for (int k = 0; k < size; ++k) {
        order.push_back(list[(front + k) % size]);
    }
}

}  // namespace

// Each pass of the exchange sort leaves the smallest remaining key at its position, so the keys
// come out sorted; what takes thought is the order of equal keys. A pass exchanges along the
// chain of ever smaller keys that starts at its position; keys greater than k never change how
// the keys up to k move among themselves, so the order among those is the one the sort gives
// them alone. There, a key k (the greatest) moves only when it is first in the unsorted part,
// and then jumps to the place of the first smaller key, past the keys k right behind it, while
// the smaller key moves on. Read in the original order, the keys k thus form a queue: each joins
// at the back, and each smaller key that follows turns the queue once while it is not empty; the
// final queue is their order in the result. This costs O(n log n) for every input.
std::vector<int> ExchangeSortOrder(std::span<const int> keys)
{
    const int count = static_cast<int>(keys.size());
    std::vector<int> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(),
                     [keys](int a, int b) { return keys[a] < keys[b]; });

    std::vector<int> order;
    order.reserve(keys.size());
    PositionSet smaller(count, PositionSet::Start::Empty);
    for (int first = 0; first < count;) {
        int end = first + 1;
        while (end < count && keys[byKey[end]] == keys[byKey[first]]) {
            ++end;
        }
        const std::span<const int> members(byKey.data() + first, end - first);
        AppendInQueueOrder(members, smaller, count, order);
        for (const int position : members) {
            smaller.Add(position, 1);
        }
        first = end;
    }
    return order;
}

std::vector<int> DateTimeSortOrder(const LogList& log)
{
    // Both layouts keep the date and the time in the same columns.
    static_assert(int{QsoColumn::Date} == int{SwlColumn::Date} &&
                  int{QsoColumn::Time} == int{SwlColumn::Time});

    const int count = log.RowCount();
    std::vector<std::pair<std::string_view, std::string_view>> dateTimes;
    dateTimes.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        dateTimes.emplace_back(log.Cell(row, QsoColumn::Date), log.Cell(row, QsoColumn::Time));
    }
    const auto compare = [&dateTimes](int a, int b) {
        const int byDate = CompareBytes(dateTimes[a].first, dateTimes[b].first);
        return byDate != 0 ? byDate : CompareBytes(dateTimes[a].second, dateTimes[b].second);
    };

    // Equal date and time share a rank: the exchange sort only ever asks "strictly smaller".
    std::vector<int> byText(static_cast<std::size_t>(count));
    std::iota(byText.begin(), byText.end(), 0);
    std::sort(byText.begin(), byText.end(), [&compare](int a, int b) { return compare(a, b) < 0; });
    std::vector<int> ranks(static_cast<std::size_t>(count));
    int rank = 0;
    for (int k = 0; k < count; ++k) {
        if (k > 0 && compare(byText[k - 1], byText[k]) != 0) {
            ++rank;
        }
        ranks[byText[k]] = rank;
    }
    return ExchangeSortOrder(ranks);
}

}  // namespace zelkor
