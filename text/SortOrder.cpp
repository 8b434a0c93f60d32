#include "text/SortOrder.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sortorder {

namespace {
std::vector<int> Rows(std::size_t n)
{
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    return order;
}
} // namespace

std::vector<int> ByNumbers(const std::vector<double>& keys, bool descending)
{
    std::vector<int> order = Rows(keys.size());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double ka = keys[static_cast<std::size_t>(a)], kb = keys[static_cast<std::size_t>(b)];
        if (std::isnan(ka) || std::isnan(kb))
            return !std::isnan(ka) && std::isnan(kb);
        return descending ? ka > kb : ka < kb;
    });
    return order;
}

std::vector<int> ByTexts(const std::vector<std::string>& sortKeys, bool descending)
{
    std::vector<int> order = Rows(sortKeys.size());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const std::string& ka = sortKeys[static_cast<std::size_t>(a)];
        const std::string& kb = sortKeys[static_cast<std::size_t>(b)];
        return descending ? kb < ka : ka < kb;
    });
    return order;
}

} // namespace sortorder
