#include "common/values/sorted_values.h"

#include <bit>

namespace values {

void sortByValue(std::vector<PairValue>& items)
{
    constexpr int kDigitBits = 11;
    constexpr std::size_t kBuckets = std::size_t {1} << kDigitBits;
    const auto digit = [](const PairValue& item, int shift) {
        return static_cast<std::size_t>((std::bit_cast<std::uint64_t>(item.value) >> shift) & (kBuckets - 1));
    };
    std::vector<PairValue> sorted(items.size());
    for (int shift = 0; shift < 64; shift += kDigitBits) {
        std::vector<std::size_t> counts(kBuckets + 1, 0);
        for (const PairValue& item : items)
            ++counts[digit(item, shift) + 1];
        if (std::count(counts.begin(), counts.end(), items.size()) == 1)
            continue;  // one digit for all: nothing to reorder
        for (std::size_t b = 1; b <= kBuckets; ++b)
            counts[b] += counts[b - 1];
        for (const PairValue& item : items)
            sorted[counts[digit(item, shift)]++] = item;
        items.swap(sorted);
    }
}

}  // namespace values
