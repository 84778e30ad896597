#include "quiz/QuestionOrder.h"

#include <algorithm>
#include <numeric>
#include <random>

std::vector<std::size_t> FileOrder(std::size_t count)
{
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    return order;
}

std::vector<std::size_t> ShuffledOrder(std::size_t count, std::uint32_t seed)
{
    std::vector<std::size_t> order = FileOrder(count);
    std::mt19937 random(seed);
    std::shuffle(order.begin(), order.end(), random);
    return order;
}

bool IsOrderOf(const std::vector<std::size_t>& order, std::size_t count)
{
    if (order.size() != count)
        return false;
    std::vector<bool> seen(count, false);
    for (std::size_t index : order) {
        if (index >= count || seen[index])
            return false;
        seen[index] = true;
    }
    return true;
}
