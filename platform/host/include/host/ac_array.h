#pragma once
// The host's growable array.  The physical length (room reserved) grows in steps of the
// grow length, so code that sizes arrays for the host keeps its expected growth.  Indexes
// outside the array make insertAt/removeAt do nothing; element access expects a valid index.

#include <algorithm>
#include <cassert>
#include <vector>

template <typename T>
class AcArray {
public:
    explicit AcArray(int physicalLength = 0, int growLength = 8) : growLength_(growLength > 0 ? growLength : 1) {
        setPhysicalLength(physicalLength);
    }

    int length() const { return static_cast<int>(items_.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return physical_; }
    int growLength() const { return growLength_; }
    bool isEmpty() const { return items_.empty(); }

    AcArray& setGrowLength(int growLength) {
        growLength_ = growLength > 0 ? growLength : 1;
        return *this;
    }
    AcArray& setPhysicalLength(int n) {
        if (n < 0) n = 0;
        if (n < length()) items_.resize(n);
        physical_ = n;
        items_.reserve(n);
        return *this;
    }
    AcArray& setLogicalLength(int n) {
        if (n < 0) n = 0;
        if (n > physical_) growTo(n);
        items_.resize(n);
        return *this;
    }

    int append(const T& value) {
        growTo(length() + 1);
        items_.push_back(value);
        return length() - 1;
    }
    AcArray& append(const AcArray& other) {
        growTo(length() + other.length());
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
        return *this;
    }
    // index may equal length() (appends).
    AcArray& insertAt(int index, const T& value) {
        if (index < 0 || index > length()) return *this;
        growTo(length() + 1);
        items_.insert(items_.begin() + index, value);
        return *this;
    }
    AcArray& removeAt(int index) {
        if (index < 0 || index >= length()) return *this;
        items_.erase(items_.begin() + index);
        return *this;
    }
    bool remove(const T& value, int start = 0) {
        int index = find(value, start);
        if (index < 0) return false;
        removeAt(index);
        return true;
    }
    AcArray& removeFirst() { return removeAt(0); }
    AcArray& removeLast() { return removeAt(length() - 1); }
    AcArray& removeAll() {
        items_.clear();
        return *this;
    }

    // -1 when the value is not found at or after start.
    int find(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i)
            if (items_[i] == value) return i;
        return -1;
    }
    bool find(const T& value, int& foundAt, int start) const {
        int index = find(value, start);
        if (index < 0) return false;
        foundAt = index;
        return true;
    }
    bool contains(const T& value, int start = 0) const { return find(value, start) >= 0; }

    // decltype(auto): an array of bool is a packed vector, whose elements are proxies and
    // values, never references.
    decltype(auto) at(int index) {
        assert(index >= 0 && index < length());
        return items_[index];
    }
    decltype(auto) at(int index) const {
        assert(index >= 0 && index < length());
        return items_[index];
    }
    decltype(auto) operator[](int index) { return at(index); }
    decltype(auto) operator[](int index) const { return at(index); }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(length() - 1); }
    const T& last() const { return at(length() - 1); }
    AcArray& setAt(int index, const T& value) {
        at(index) = value;
        return *this;
    }
    AcArray& reverse() {
        std::reverse(items_.begin(), items_.end());
        return *this;
    }

    T* asArrayPtr() { return items_.data(); }
    const T* asArrayPtr() const { return items_.data(); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const AcArray& other) const { return items_ == other.items_; }

private:
    void growTo(int needed) {
        if (needed <= physical_) return;
        int grown = physical_;
        while (grown < needed) grown += growLength_;
        physical_ = grown;
        items_.reserve(grown);
    }

    std::vector<T> items_;
    int physical_ = 0;
    int growLength_ = 8;
};
