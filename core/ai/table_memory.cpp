#include "core/ai/table_memory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace velmora {

namespace {
constexpr std::size_t kAlignment = std::size_t{1} << 21;
}

TableMemory::TableMemory(std::size_t bytes) : bytes_(bytes) {
#if defined(__linux__)
  // Large pages are asked for before any page is touched; a refusal leaves
  // the small ones.
  mappedBytes_ = bytes + kAlignment;
  mapped_ = mmap(nullptr, mappedBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped_ == MAP_FAILED) throw std::bad_alloc();
  const auto address = (reinterpret_cast<std::uintptr_t>(mapped_) + kAlignment - 1) & ~(kAlignment - 1);
  data_ = reinterpret_cast<void*>(address);
  madvise(data_, bytes, MADV_HUGEPAGE);
#else
  mapped_ = std::aligned_alloc(kAlignment, (bytes + kAlignment - 1) / kAlignment * kAlignment);
  if (mapped_ == nullptr) throw std::bad_alloc();
  std::memset(mapped_, 0, bytes);
  data_ = mapped_;
#endif
}

TableMemory::~TableMemory() {
#if defined(__linux__)
  munmap(mapped_, mappedBytes_);
#else
  std::free(mapped_);
#endif
}

}  // namespace velmora
