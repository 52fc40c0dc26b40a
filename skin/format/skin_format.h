#pragma once
// The skin block format, shared by the program (which writes blocks) and the
// skin library (which reads them). A block is:
//   offset 0   ".SHE"
//   offset 4   uint16 format version (1), little endian
//   offset 6   uint16 number of palette entries (at most kMaxPaletteEntries)
//   offset 8   uint32 length of the style sheet in bytes
//   offset 12  palette entries, 4 bytes each: colour role, red, green, blue
//   then       the style sheet, UTF-8
// and nothing after it. Anything else is refused.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace twostar::skin {

inline constexpr std::uint16_t kFormatVersion = 1;
inline constexpr std::size_t kHeaderSize = 12;
inline constexpr std::size_t kMaxPaletteEntries = 64;
inline constexpr std::size_t kMaxBlockSize = 1 << 20;

struct PaletteEntry {
  std::uint8_t role;  // a QPalette::ColorRole value
  std::uint8_t red, green, blue;
  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

struct SkinLook {
  std::vector<PaletteEntry> palette;
  std::string styleSheet;
  friend bool operator==(const SkinLook&, const SkinLook&) = default;
};

std::vector<unsigned char> encodeSkinBlock(const SkinLook& look);
// The look of a block, or nothing when the block is not exactly well formed.
std::optional<SkinLook> decodeSkinBlock(const unsigned char* data, std::size_t length);

}  // namespace twostar::skin
