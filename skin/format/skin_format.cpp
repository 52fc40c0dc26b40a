#include "skin_format.h"

#include <cstring>

namespace twostar::skin {

namespace {

void put16(std::vector<unsigned char>& out, std::uint16_t v) {
  out.push_back(static_cast<unsigned char>(v & 0xFF));
  out.push_back(static_cast<unsigned char>(v >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
}

std::uint32_t get(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

}  // namespace

std::vector<unsigned char> encodeSkinBlock(const SkinLook& look) {
  std::vector<unsigned char> out = {'.', 'S', 'H', 'E'};
  put16(out, kFormatVersion);
  put16(out, static_cast<std::uint16_t>(look.palette.size()));
  put32(out, static_cast<std::uint32_t>(look.styleSheet.size()));
  for (const PaletteEntry& e : look.palette) out.insert(out.end(), {e.role, e.red, e.green, e.blue});
  out.insert(out.end(), look.styleSheet.begin(), look.styleSheet.end());
  return out;
}

std::optional<SkinLook> decodeSkinBlock(const unsigned char* data, std::size_t length) {
  if (!data || length < kHeaderSize || length > kMaxBlockSize) return std::nullopt;
  if (std::memcmp(data, ".SHE", 4) != 0 || get(data + 4, 2) != kFormatVersion) return std::nullopt;
  const std::size_t entries = get(data + 6, 2);
  const std::size_t sheetBytes = get(data + 8, 4);
  if (entries > kMaxPaletteEntries) return std::nullopt;
  // Both sizes are bounded, so the sum cannot overflow.
  if (sheetBytes > kMaxBlockSize || kHeaderSize + 4 * entries + sheetBytes != length) return std::nullopt;
  SkinLook look;
  const unsigned char* p = data + kHeaderSize;
  for (std::size_t i = 0; i < entries; ++i, p += 4) look.palette.push_back({p[0], p[1], p[2], p[3]});
  look.styleSheet.assign(reinterpret_cast<const char*>(p), sheetBytes);
  return look;
}

}  // namespace twostar::skin
