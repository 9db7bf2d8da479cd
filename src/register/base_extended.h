// The 10-byte extended reals of the base file (x87 80-bit format,
// little-endian: 64-bit significand with an explicit integer bit, then sign
// and a 15-bit exponent biased by 16383).
//
// Encoded and decoded arithmetically, never by copying a long double's bytes,
// so it works the same whatever `long double` is on the machine (80-bit on
// x86, 64 or 128-bit elsewhere). Where long double has fewer significant bits
// than 64, decoding rounds to the nearest value it holds.
#pragma once

#include <cstdint>

namespace zefir::base {

void encodeExtended(long double value, unsigned char* out10);
long double decodeExtended(const unsigned char* in10);

}  // namespace zefir::base
