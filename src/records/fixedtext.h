// Fixed-length, blank-padded texts and arrays with the system's own index
// bases. Every record and routine holds its texts at their declared length,
// so these two helpers are the only way a text is cut, padded or trimmed.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>

namespace fixed {

// A text of exactly n characters: cut to its first n, or padded with blanks.
inline std::string fit(std::string_view s, std::size_t n) {
  std::string r(s.substr(0, n));
  r.resize(n, ' ');
  return r;
}

inline std::string blanks(std::size_t n) {
  return std::string(n, ' ');
}

// Array indexed from Lo to Hi inclusive (1-based by default).
template <class T, int Hi, int Lo = 1>
struct Array {
  std::array<T, Hi - Lo + 1> v{};
  T& operator()(int i) {
    assert(i >= Lo && i <= Hi);
    return v[static_cast<std::size_t>(i - Lo)];
  }
  const T& operator()(int i) const {
    assert(i >= Lo && i <= Hi);
    return v[static_cast<std::size_t>(i - Lo)];
  }
  // First element, for routines that take the array as a column-major block.
  T* data() { return v.data(); }
  const T* data() const { return v.data(); }
  static constexpr int size() { return Hi - Lo + 1; }
};

// Two-dimensional array, 1-based, stored column by column.
template <class T, int N1, int N2>
struct Array2 {
  std::array<T, N1 * N2> v{};
  T& operator()(int i, int j) {
    assert(i >= 1 && i <= N1 && j >= 1 && j <= N2);
    return v[static_cast<std::size_t>((j - 1) * N1 + (i - 1))];
  }
  const T& operator()(int i, int j) const {
    assert(i >= 1 && i <= N1 && j >= 1 && j <= N2);
    return v[static_cast<std::size_t>((j - 1) * N1 + (i - 1))];
  }
  T* data() { return v.data(); }
  const T* data() const { return v.data(); }
};

// Three-dimensional array, 1-based, first index fastest.
template <class T, int N1, int N2, int N3>
struct Array3 {
  std::array<T, N1 * N2 * N3> v{};
  T& operator()(int i, int j, int k) {
    assert(i >= 1 && i <= N1 && j >= 1 && j <= N2 && k >= 1 && k <= N3);
    return v[static_cast<std::size_t>(((k - 1) * N2 + (j - 1)) * N1 + (i - 1))];
  }
  const T& operator()(int i, int j, int k) const {
    assert(i >= 1 && i <= N1 && j >= 1 && j <= N2 && k >= 1 && k <= N3);
    return v[static_cast<std::size_t>(((k - 1) * N2 + (j - 1)) * N1 + (i - 1))];
  }
  // The 2 x 2 (or N1 x N2) block of layer k, column by column.
  T* layer(int k) { return &v[static_cast<std::size_t>((k - 1) * N1 * N2)]; }
};

}  // namespace fixed
