# Writes OUT, a C++ source holding the bytes of IN as
#   twostar::skin::kLibraryImage / kLibraryImageSize.
# OUT is only rewritten when its content changes.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
set(content "// Generated from the built skin library; do not edit.
#include <cstddef>
namespace twostar::skin {
extern const unsigned char kLibraryImage[];
extern const std::size_t kLibraryImageSize;
const unsigned char kLibraryImage[] = {
${bytes}};
const std::size_t kLibraryImageSize = ${size};
}  // namespace twostar::skin
")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
  if(old STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${OUT}" "${content}")
