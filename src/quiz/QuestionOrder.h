#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// 0, 1, ..., count - 1: the questions as the file lists them.
std::vector<std::size_t> FileOrder(std::size_t count);

// A random order of 0 .. count - 1; the same seed gives the same order.
std::vector<std::size_t> ShuffledOrder(std::size_t count, std::uint32_t seed);

// Whether order holds each of 0 .. count - 1 exactly once.
bool IsOrderOf(const std::vector<std::size_t>& order, std::size_t count);
