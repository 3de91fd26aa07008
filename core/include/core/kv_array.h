#pragma once
// Kv_Array<T>: a growable array of records held by value.
//
// insertAt and removeAt check the index.  A bad index prints
// "*Error* Invalid index passed to insert.\n" (or "...remove.\n") on the host's command line,
// leaves the array unchanged and returns false; callers rely on that instead of crashing.
// Element access ([] and at) expects a valid index; use isValidIndex first when unsure.

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <vector>

// Prints the index error line for insertAt (true) or removeAt (false).
void kvReportInvalidIndex(bool insert);

template <typename T>
class Kv_Array {
public:
    Kv_Array() = default;
    Kv_Array(std::initializer_list<T> items) : items_(items) {}
    virtual ~Kv_Array() = default;
    Kv_Array(const Kv_Array&) = default;
    Kv_Array& operator=(const Kv_Array&) = default;
    Kv_Array(Kv_Array&&) noexcept = default;
    Kv_Array& operator=(Kv_Array&&) noexcept = default;

    int length() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    bool isValidIndex(int index) const { return index >= 0 && index < length(); }

    int append(const T& value) {
        items_.push_back(value);
        return length() - 1;
    }
    int append(T&& value) {
        items_.push_back(std::move(value));
        return length() - 1;
    }
    void appendAll(const Kv_Array& other) { items_.insert(items_.end(), other.items_.begin(), other.items_.end()); }
    // index may equal length() (appends).
    bool insertAt(int index, const T& value) {
        if (index < 0 || index > length()) {
            kvReportInvalidIndex(true);
            return false;
        }
        items_.insert(items_.begin() + index, value);
        return true;
    }
    bool removeAt(int index) {
        if (!isValidIndex(index)) {
            kvReportInvalidIndex(false);
            return false;
        }
        items_.erase(items_.begin() + index);
        return true;
    }
    void removeLast() {
        if (!items_.empty()) items_.pop_back();
    }
    void removeAll() { items_.clear(); }
    // Grows with default values or cuts off the tail.
    void setLogicalLength(int n) { items_.resize(n > 0 ? n : 0); }

    T& operator[](int index) {
        assert(isValidIndex(index));
        return items_[index];
    }
    const T& operator[](int index) const {
        assert(isValidIndex(index));
        return items_[index];
    }
    T& at(int index) { return (*this)[index]; }
    const T& at(int index) const { return (*this)[index]; }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(length() - 1); }
    const T& last() const { return at(length() - 1); }

    // Needs T == T.  -1 when not found at or after start.
    int findValue(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i)
            if (items_[i] == value) return i;
        return -1;
    }
    bool containsValue(const T& value) const { return findValue(value) >= 0; }
    void reverse() { std::reverse(items_.begin(), items_.end()); }
    void swap(int a, int b) { std::swap(at(a), at(b)); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    std::vector<T>& items() { return items_; }
    const std::vector<T>& items() const { return items_; }

    friend bool operator==(const Kv_Array& a, const Kv_Array& b) { return a.items_ == b.items_; }

private:
    std::vector<T> items_;
};
