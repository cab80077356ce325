#include "AllocationCounter.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace
{

std::atomic<std::size_t> g_allocations{0};
std::atomic<std::size_t> g_peak{0};

void Count(std::size_t size) noexcept
{
    ++g_allocations;
    std::size_t peak = g_peak.load();
    while (size > peak && !g_peak.compare_exchange_weak(peak, size))
    {
    }
}

void* Allocate(std::size_t size) noexcept
{
    Count(size);
    return std::malloc(size == 0 ? 1 : size);
}

// Aligned blocks come from malloc as well (not every C library has
// aligned_alloc): room for the alignment and for the pointer malloc gave,
// which is kept just before the block.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) noexcept
{
    Count(size);
    const std::size_t align = static_cast<std::size_t>(alignment);
    void* raw = std::malloc(size + align + sizeof(void*));
    if (!raw)
        return nullptr;
    const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(raw) + sizeof(void*);
    void** block = reinterpret_cast<void**>((first + align - 1) / align * align);
    block[-1] = raw;
    return block;
}

void FreeAligned(void* block) noexcept
{
    if (block)
        std::free(static_cast<void**>(block)[-1]);
}

template <typename P> P OrThrow(P p)
{
    if (!p)
        throw std::bad_alloc();
    return p;
}

} // namespace

std::size_t test::AllocationCount()
{
    return g_allocations.load();
}

std::size_t test::AllocationPeak()
{
    return g_peak.load();
}

void test::ResetAllocationPeak()
{
    g_peak = 0;
}

// clang-format off
void* operator new(std::size_t size) { return OrThrow(Allocate(size)); }
void* operator new[](std::size_t size) { return OrThrow(Allocate(size)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) { return OrThrow(AllocateAligned(size, a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return OrThrow(AllocateAligned(size, a)); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept { return AllocateAligned(size, a); }
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept { return AllocateAligned(size, a); }

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(p); }
// clang-format on
