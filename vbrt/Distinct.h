// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <iterator>

namespace vbrt {

// Whether no two rows of a table have the same key: for static_assert on the lists that
// must hold each number or word once (error numbers, keywords, built-in names).
template <typename Table, typename Key>
constexpr bool AllDistinct(const Table& table, Key key) {
    const std::size_t n = std::size(table);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (key(table[i]) == key(table[j])) return false;
        }
    }
    return true;
}

}  // namespace vbrt
