// Texts that only some cells have (typed texts that differ from their value, tags), kept out
// of the cell so that a cell stays small.  Ids are 1-based so that 0 means "none".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

class StringPool {
public:
    uint32_t add(std::string_view text) {
        if (!free_.empty()) {
            uint32_t id = free_.back();
            free_.pop_back();
            texts_[id - 1].assign(text);
            return id;
        }
        texts_.emplace_back(text);
        return static_cast<uint32_t>(texts_.size());
    }
    const std::string& get(uint32_t id) const { return id ? texts_[id - 1] : empty_; }
    void release(uint32_t id) {
        if (!id) return;
        texts_[id - 1].clear();
        texts_[id - 1].shrink_to_fit();
        free_.push_back(id);
    }
    // Replaces the text behind `id` (0: adds one); an empty text releases it.  Returns the id.
    uint32_t replace(uint32_t id, std::string_view text) {
        if (text.empty()) {
            release(id);
            return 0;
        }
        if (id) {
            texts_[id - 1].assign(text);
            return id;
        }
        return add(text);
    }
    void clear() {
        texts_.clear();
        free_.clear();
    }

private:
    std::vector<std::string> texts_;
    std::vector<uint32_t> free_;
    std::string empty_;
};

}  // namespace sheet
