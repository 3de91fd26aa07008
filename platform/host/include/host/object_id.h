#pragma once
// Identifies one object of the drawing database.  The null id names nothing.

#include <cstdint>
#include <functional>

class AcDbObjectId {
public:
    constexpr AcDbObjectId() = default;

    static AcDbObjectId fromOldId(std::int64_t value) {
        AcDbObjectId id;
        id.value_ = value;
        return id;
    }
    std::int64_t asOldId() const { return value_; }
    void setFromOldId(std::int64_t value) { value_ = value; }
    bool isNull() const { return value_ == 0; }
    void setNull() { value_ = 0; }

    friend bool operator==(AcDbObjectId a, AcDbObjectId b) { return a.value_ == b.value_; }
    friend bool operator!=(AcDbObjectId a, AcDbObjectId b) { return a.value_ != b.value_; }
    friend bool operator<(AcDbObjectId a, AcDbObjectId b) { return a.value_ < b.value_; }

    static const AcDbObjectId kNull;

private:
    std::int64_t value_ = 0;
};

inline constexpr AcDbObjectId AcDbObjectId::kNull{};

template <>
struct std::hash<AcDbObjectId> {
    std::size_t operator()(AcDbObjectId id) const noexcept { return std::hash<std::int64_t>()(id.asOldId()); }
};
