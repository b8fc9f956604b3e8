// Work tables of the conversions.  They are had without exceptions (the library's exports must not
// throw), so every conversion checks ok() and fails cleanly when memory runs out.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace quill::tiff {

// n zero-initialised elements, or none when memory cannot be had.
template <class T>
class WorkBuffer {
 public:
  explicit WorkBuffer(size_t n) : data_(new (std::nothrow) T[n == 0 ? 1 : n]()) {}

  bool ok() const { return data_ != nullptr; }
  T* get() { return data_.get(); }
  const T* get() const { return data_.get(); }
  T* operator->() { return data_.get(); }
  T& operator[](size_t i) { return data_[i]; }
  const T& operator[](size_t i) const { return data_[i]; }

 private:
  std::unique_ptr<T[]> data_;
};

}  // namespace quill::tiff
