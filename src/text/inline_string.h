// A text of at most N characters held in place: a length and N bytes, no heap.
// The register keeps every text field of its assets in these, so loading a
// base allocates nothing per text and copying an asset is one block copy.
//
// The maximum of each field is a limit of the data model; a longer value is
// cut to the first N characters, where the base record would cut it on
// saving. Code that must refuse a longer value asks fits() (or assign()'s
// answer) first.
#pragma once

#include <compare>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>

namespace zefir::text {

template <std::size_t N>
class InlineString {
  static_assert(N > 0 && N < 256, "the length must fit one byte, as in the base files");

 public:
  static constexpr std::size_t kCapacity = N;

  // Empty. Written out rather than defaulted so a const record can be
  // declared without an initializer although the characters stay unset.
  InlineString() {}
  // Any text: a std::string, a string_view, a literal, another InlineString.
  template <typename T>
  requires std::is_convertible_v<const T&, std::string_view> InlineString(
      const T& value) {  // NOLINT: implicit, so fields take texts as before
    (void)assign(value);
  }
  template <typename T>
  requires std::is_convertible_v<const T&, std::string_view> InlineString& operator=(
      const T& value) {
    (void)assign(value);
    return *this;
  }

  static constexpr bool fits(std::string_view value) { return value.size() <= N; }
  // Stores `value`, cut to N characters; false when it had to be cut.
  bool assign(std::string_view value) {
    const std::size_t n = value.size() < N ? value.size() : N;
    std::memmove(chars_, value.data(), n);
    size_ = static_cast<unsigned char>(n);
    return n == value.size();
  }
  // Appends `more`, cut like assign().
  InlineString& operator+=(std::string_view more) {
    const std::size_t n = more.size() < N - size_ ? more.size() : N - size_;
    std::memmove(chars_ + size_, more.data(), n);
    size_ = static_cast<unsigned char>(size_ + n);
    return *this;
  }
  void clear() { size_ = 0; }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const char* data() const { return reinterpret_cast<const char*>(chars_); }
  // For filling in place: the first `n` (at most N) characters are written
  // through data() after resize(n).
  char* data() { return reinterpret_cast<char*>(chars_); }
  void resize(std::size_t n) { size_ = static_cast<unsigned char>(n < N ? n : N); }
  char operator[](std::size_t i) const { return data()[i]; }

  std::string_view view() const { return {data(), size_}; }
  operator std::string_view() const { return view(); }  // NOLINT: read as a text anywhere
  std::string str() const { return std::string(view()); }
  operator std::string() const { return str(); }  // NOLINT: taken where a std::string is asked

  // Byte-wise order, like the register's symbols: a prefix sorts first. One
  // overload each, taking any text on the right (another InlineString too).
  friend bool operator==(const InlineString& a, std::string_view b) { return a.view() == b; }
  friend std::strong_ordering operator<=>(const InlineString& a, std::string_view b) {
    return a.view() <=> b;
  }
  friend std::ostream& operator<<(std::ostream& out, const InlineString& s) {
    return out << s.view();
  }

 private:
  // Only the first size_ characters are ever read; the others may hold
  // anything (unsigned char, so copying them is well defined).
  unsigned char size_ = 0;
  unsigned char chars_[N];
};

}  // namespace zefir::text
