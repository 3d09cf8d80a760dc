#pragma once
// Zeroed memory for a search's table, aligned to 2 MiB so that the system
// can back it with large pages: look-ups land all over a table, and with
// small pages most of them would miss the address cache as well as the data
// cache. On Linux the pages are anonymous, arrive zeroed and are mapped when
// first touched, so a game that never searches deep never pays for them.

#include <cstddef>

namespace velmora {

class TableMemory {
 public:
  explicit TableMemory(std::size_t bytes);
  ~TableMemory();
  TableMemory(const TableMemory&) = delete;
  TableMemory& operator=(const TableMemory&) = delete;

  void* data() const { return data_; }
  std::size_t bytes() const { return bytes_; }

 private:
  void* data_ = nullptr;
  void* mapped_ = nullptr;
  std::size_t bytes_ = 0;
  std::size_t mappedBytes_ = 0;
};

}  // namespace velmora
