// The replaceable global allocation functions of the benchmark program. They
// allocate with malloc and, while a HeapCount is open, add each block's usable
// size to the live count and take it off again when the block is freed. With
// no count open they cost one test of a flag.
#include "heap_counter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace tessary::bench {
namespace {

bool gCounting = false;
long long gLive = 0;
long long gPeak = 0;

void* allocate(std::size_t size) noexcept {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr && gCounting) {
        gLive += static_cast<long long>(malloc_usable_size(block));
        if (gLive > gPeak) {
            gPeak = gLive;
        }
    }
    return block;
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) noexcept {
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size == 0 ? align : (size + align - 1) / align * align);
    void* block = std::aligned_alloc(align, rounded);
    if (block != nullptr && gCounting) {
        gLive += static_cast<long long>(malloc_usable_size(block));
        if (gLive > gPeak) {
            gPeak = gLive;
        }
    }
    return block;
}

void release(void* block) noexcept {
    if (block == nullptr) {
        return;
    }
    if (gCounting) {
        gLive -= static_cast<long long>(malloc_usable_size(block));
    }
    std::free(block);
}

}  // namespace

HeapCount::HeapCount() {
    gLive = 0;
    gPeak = 0;
    gCounting = true;
}

HeapCount::~HeapCount() {
    stop();
}

void HeapCount::stop() {
    gCounting = false;
}

size_t HeapCount::peakBytes() const {
    return static_cast<size_t>(gPeak);
}

long long HeapCount::liveBytes() const {
    return gLive;
}

}  // namespace tessary::bench

using tessary::bench::allocate;
using tessary::bench::allocateAligned;
using tessary::bench::release;

void* operator new(std::size_t size) {
    if (void* block = allocate(size)) {
        return block;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    if (void* block = allocate(size)) {
        return block;
    }
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocate(size);
}

void* operator new(std::size_t size, std::align_val_t alignment) {
    if (void* block = allocateAligned(size, alignment)) {
        return block;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size, std::align_val_t alignment) {
    if (void* block = allocateAligned(size, alignment)) {
        return block;
    }
    throw std::bad_alloc();
}

void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}

void operator delete(void* block) noexcept {
    release(block);
}

void operator delete[](void* block) noexcept {
    release(block);
}

void operator delete(void* block, std::size_t) noexcept {
    release(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    release(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    release(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    release(block);
}

void operator delete(void* block, std::align_val_t) noexcept {
    release(block);
}

void operator delete[](void* block, std::align_val_t) noexcept {
    release(block);
}

void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    release(block);
}

void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    release(block);
}

void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    release(block);
}

void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    release(block);
}
