// Live heap bytes of this program, counted by its own operator new and
// delete while a count is open, with the highest level they reached.
#pragma once

#include <cstddef>

namespace tessary::bench {

// Counts from construction to destruction (or stop); counts do not nest.
class HeapCount {
public:
    HeapCount();
    ~HeapCount();
    HeapCount(const HeapCount&) = delete;
    HeapCount& operator=(const HeapCount&) = delete;

    void stop();
    // The highest number of bytes that were live at once beyond those live when
    // the count began (blocks as the allocator hands them out, so rounding
    // included).
    size_t peakBytes() const;
    // Bytes still live beyond those live when the count began.
    long long liveBytes() const;
};

}  // namespace tessary::bench
