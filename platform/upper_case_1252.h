// Windows-1252 upper-casing as CharUpperBuffA does it for that code page; the native
// build's stand-in for the Win32 call.
#pragma once

namespace kelotarhu::platform {

// a-z, the accented small letters 0xE0-0xFE except the division sign 0xF7, and
// š, œ, ž, ÿ map to their capitals; every other byte, ß and µ included, stays.
constexpr unsigned char UpperCase1252(unsigned char c) noexcept {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  switch (c) {
    case 0x9A:
      return 0x8A;  // š -> Š
    case 0x9C:
      return 0x8C;  // œ -> Œ
    case 0x9E:
      return 0x8E;  // ž -> Ž
    case 0xFF:
      return 0x9F;  // ÿ -> Ÿ
    default:
      return c;
  }
}

}  // namespace kelotarhu::platform
