// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>

namespace orva {

// The most items one screening row draws on, all its categories together.
inline constexpr int kMaxRowItems = 24;

// Item numbers in the order added, held in place: a screening result is made for every row
// and reporter, and must not allocate.
class ItemList {
public:
    using value_type = int;
    using const_iterator = const int*;
    using iterator = const_iterator;

    ItemList() = default;
    ItemList(std::initializer_list<int> items) {
        for (int item : items) Add(item);
    }

    // Beyond kMaxRowItems, which no row reaches, items are left out.
    void Add(int item) {
        if (size_ < kMaxRowItems) items_[size_++] = item;
    }
    void Clear() { size_ = 0; }
    bool Empty() const { return size_ == 0; }
    int Size() const { return size_; }
    const int* begin() const { return items_.data(); }
    const int* end() const { return items_.data() + size_; }

    bool operator==(const ItemList& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }

private:
    std::array<int, kMaxRowItems> items_{};
    int size_ = 0;
};

}  // namespace orva
