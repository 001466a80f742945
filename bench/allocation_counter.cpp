#include "allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <new>

// glibc's own entry points: the replacements below count and hand the work on to them.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* p);
}

namespace tessaly::bench {
namespace {

std::atomic<std::uint64_t> allocations{0};

void count() {
  allocations.fetch_add(1, std::memory_order_relaxed);
}

void* new_block(std::size_t size) {
  count();
  if (void* p = __libc_malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void* new_aligned_block(std::size_t size, std::align_val_t alignment) {
  count();
  if (void* p = __libc_memalign(static_cast<std::size_t>(alignment), size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}

}  // namespace

std::uint64_t allocation_count() {
  return allocations.load(std::memory_order_relaxed);
}

}  // namespace tessaly::bench

using tessaly::bench::new_aligned_block;
using tessaly::bench::new_block;

extern "C" {

void* malloc(std::size_t size) noexcept {
  tessaly::bench::count();
  return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
  tessaly::bench::count();
  return __libc_calloc(count, size);
}

// Growing a block in place still asks the allocator for memory: it counts like a new block.
void* realloc(void* p, std::size_t size) noexcept {
  tessaly::bench::count();
  return __libc_realloc(p, size);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
  tessaly::bench::count();
  return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  return memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size) noexcept {
  void* p = memalign(alignment, size);
  if (!p) return 12;  // ENOMEM
  *out = p;
  return 0;
}

void free(void* p) noexcept {
  __libc_free(p);
}

}  // extern "C"

void* operator new(std::size_t size) {
  return new_block(size);
}
void* operator new[](std::size_t size) {
  return new_block(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  tessaly::bench::count();
  return __libc_malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  tessaly::bench::count();
  return __libc_malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return new_aligned_block(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return new_aligned_block(size, alignment);
}

void operator delete(void* p) noexcept {
  __libc_free(p);
}
void operator delete[](void* p) noexcept {
  __libc_free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  __libc_free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  __libc_free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  __libc_free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  __libc_free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  __libc_free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  __libc_free(p);
}
