#include "sorting.h"

#include <algorithm>
#include <vector>

namespace skelvora {

void SortRecords(RecordTable& table, int rowCount, SortKey key)
{
    const int n = rowCount - 1;
    if (n < 2)
        return;
    std::vector<std::unique_ptr<TCD>> rows;
    rows.reserve(size_t(n));
    for (int k = 1; k <= n; ++k) {
        table.ensure(k);
        rows.push_back(table.take(k));
    }
    // std::string compares through char_traits<char>, which orders bytes as
    // unsigned values: the order of the single-byte code page.
    auto less = [key](const std::unique_ptr<TCD>& a, const std::unique_ptr<TCD>& b) {
        switch (key) {
        case SortKey::PrimaryName: return a->PrimaryName < b->PrimaryName;
        case SortKey::SecondaryName: return a->SecondaryName < b->SecondaryName;
        default: return a->ID < b->ID;
        }
    };
    std::stable_sort(rows.begin(), rows.end(), less);
    for (int k = 1; k <= n; ++k)
        table.put(k, std::move(rows[size_t(k - 1)]));
}

} // namespace skelvora
