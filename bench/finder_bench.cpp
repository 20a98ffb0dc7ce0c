// Times the standard-value finder on E96 from 1 Ω to 10 MΩ (673 parts): combinations of up to 2, 3
// and 4 parts and dividers of one and of up to two parts per leg, the median of several runs of
// each, one line per case: "name: milliseconds".
#include "common/values/finder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace values;

constexpr int kRuns = 7;

double medianMilliseconds(const std::function<bool()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!run()) {
            std::fprintf(stderr, "finder_bench: the finder gave no answer\n");
            std::exit(1);
        }
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Decimal decimal(const char* text)
{
    return DecimalFromText(text).value();
}

}  // namespace

int main()
{
    const PartSource e96 {Series::E96, MakeDecimal(1), MakeDecimal(1, 7), {}};
    for (const char* wanted : {"3141.59", "47", "1234567"}) {
        for (const int parts : {2, 3, 4}) {
            const double ms = medianMilliseconds([&] {
                return FindCombinations({decimal(wanted), e96, parts}).error == FinderError::None;
            });
            std::printf("combinations of up to %d parts for %s ohms: %.2f ms\n", parts, wanted, ms);
        }
    }
    for (const auto& [vin, vout] : {std::pair {"5", "3.3"}, {"12", "1.25"}, {"1", "0.1234"}}) {
        for (const bool twoPerLeg : {false, true}) {
            const double ms = medianMilliseconds([&] {
                const DividerQuery query {
                    decimal(vin), decimal(vout), e96, MakeDecimal(1, 3), MakeDecimal(1, 6), twoPerLeg};
                return FindDivider(query).error == FinderError::None;
            });
            std::printf("divider %s V to %s V, %s: %.2f ms\n", vin, vout,
                twoPerLeg ? "up to two parts per leg" : "one part per leg", ms);
        }
    }
}
