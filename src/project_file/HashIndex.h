#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Numbers (places in a list) found by a 64-bit hash of what they stand for:
// one flat table for all of a file's records, where a node apiece would cost
// more than the records themselves. The hashes must be well mixed; equal
// hashes are taken for the same thing.
class HashIndex {
public:
    // The number kept under `hash`, and true when there was none and it is
    // now `number`.
    std::pair<uint32_t&, bool> Insert(uint64_t hash, uint32_t number);
    bool Contains(uint64_t hash) const;

private:
    struct Slot {
        uint64_t hash = 0;
        uint32_t number = 0;
        bool used = false;
    };

    // The slot that holds `hash`, or the free one where it goes.
    size_t SlotOf(uint64_t hash) const;
    void Grow();

    std::vector<Slot> slots_; // a power of two of them, or none
    size_t used_ = 0;
};
