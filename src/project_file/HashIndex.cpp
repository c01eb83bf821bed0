#include "project_file/HashIndex.h"

size_t HashIndex::SlotOf(uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    size_t slot = static_cast<size_t>(hash) & mask;
    while (slots_[slot].used && slots_[slot].hash != hash) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

std::pair<uint32_t&, bool> HashIndex::Insert(uint64_t hash, uint32_t number) {
    // At most three slots in four used, so that a search ends soon.
    if (4 * (used_ + 1) > 3 * slots_.size()) {
        Grow();
    }
    Slot& slot = slots_[SlotOf(hash)];
    if (slot.used) {
        return {slot.number, false};
    }
    slot = {hash, number, true};
    ++used_;
    return {slot.number, true};
}

bool HashIndex::Contains(uint64_t hash) const {
    return !slots_.empty() && slots_[SlotOf(hash)].used;
}

void HashIndex::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : 2 * old.size(), Slot());
    for (const Slot& slot : old) {
        if (slot.used) {
            slots_[SlotOf(slot.hash)] = slot;
        }
    }
}
