// The records of a MenuTree, allocated in blocks that never move: a record's
// address holds for as long as its node lives, a freed record is reused by
// the next node, and a tree of thousands of nodes costs a few dozen
// allocations instead of one per node.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "model/menu_item_record.h"

namespace tessary {

class RecordPool {
public:
    // A record with undefined contents, or nullptr when no memory is left.
    MenuItemRecord* acquire() noexcept {
        if (!free_.empty()) {
            MenuItemRecord* record = free_.back();
            free_.pop_back();
            return record;
        }
        if (usedInLast_ == lastSize_ && !addBlock(nextBlockSize())) {
            return nullptr;
        }
        return &blocks_.back()[usedInLast_++];
    }

    // Takes back a record acquired from this pool.
    void release(MenuItemRecord* record) noexcept {
        try {
            free_.push_back(record);
        } catch (const std::bad_alloc&) {
            // Not reused then; its block still goes with the pool.
        }
    }

    // Makes room for `count` more records in one block, beyond the freed ones
    // and what the last block has left; false when no memory is left.
    bool reserve(size_t count) noexcept {
        const size_t ready = free_.size() + (lastSize_ - usedInLast_);
        return count <= ready || addBlock(count - ready);
    }

    // Gives every block back. Only while no record is in use.
    void clear() noexcept {
        blocks_.clear();
        free_.clear();
        free_.shrink_to_fit();
        usedInLast_ = lastSize_ = 0;
    }

private:
    // Blocks grow from 16 records to 256 (128 KB), so that a small tree stays
    // small and a growing one needs few blocks; a reserve makes one block of
    // the size asked for.
    static constexpr size_t kFirstBlock = 16;
    static constexpr size_t kLargestBlock = 256;

    size_t nextBlockSize() const {
        return lastSize_ == 0 ? kFirstBlock : (lastSize_ < kLargestBlock ? 2 * lastSize_ : kLargestBlock);
    }

    // The records the last block has left join the freed ones.
    bool addBlock(size_t size) noexcept {
        const size_t leftover = lastSize_ - usedInLast_;
        try {
            blocks_.reserve(blocks_.size() + 1);
            free_.reserve(free_.size() + leftover);
        } catch (const std::bad_alloc&) {
            return false;
        }
        std::unique_ptr<MenuItemRecord[]> block(new (std::nothrow) MenuItemRecord[size]);
        if (!block) {
            return false;
        }
        for (size_t i = usedInLast_; i < lastSize_; ++i) {
            free_.push_back(&blocks_.back()[i]);
        }
        blocks_.push_back(std::move(block));
        lastSize_ = size;
        usedInLast_ = 0;
        return true;
    }

    std::vector<std::unique_ptr<MenuItemRecord[]>> blocks_;
    size_t lastSize_ = 0;
    size_t usedInLast_ = 0;
    std::vector<MenuItemRecord*> free_;
};

}  // namespace tessary
