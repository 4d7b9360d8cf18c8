#pragma once
// The order of "Riordina per data ed ora". The command's order is that of an in-place exchange
// sort, which does not keep the order of equal rows; these functions give exactly that order in
// O(n log n) for every input, instead of the exchange sort's quadratic time.

#include <span>
#include <vector>

namespace zelkor {

class LogList;

// The positions the exchange sort leaves the keys in: for i from the first position to the
// next-to-last, for j after i, the two are exchanged when key i is greater than key j. Element p
// of the result is the original index of the key that ends at position p.
std::vector<int> ExchangeSortOrder(std::span<const int> keys);

// The same order over the log's rows, compared by "Data" text and then "Utc" text, byte by byte;
// ready for LogList::ReorderRows.
std::vector<int> DateTimeSortOrder(const LogList& log);

}  // namespace zelkor
