#pragma once
// The skin: a run-time-loaded library (SkinH_EL) that the program writes next
// to itself when it is missing, and the numbered skin blocks handed to it.

#include <cstddef>
#include <vector>

#include <QByteArray>
#include <QString>

namespace twostar {

enum class SkinOutcome {
  OutOfRange,   // number outside 1..69: nothing touched
  Applied,
  NoLibrary,    // the library file is missing and could not be written
  LoadFailed,   // not a loadable library
  NoFunction,   // SkinH_AttachRes is missing
  OtherBuild,   // a library of another build of the program
  Refused,      // the library refused the block
};

// "SkinH_EL.so", or "SkinH_EL.dll" on Windows.
QString skinLibraryFileName();
// The library's file image held by the program.
QByteArray skinLibraryImage();

// Makes sure the library file is present in `directory`: an existing file is
// used as it is; otherwise the image is written atomically and made read-only.
// Returns whether a file is there afterwards.
bool deploySkinLibrary(const QString& directory);

// Skin block `number` (1..69; 9 and 36 are the same block), empty outside.
std::vector<unsigned char> skinBlock(int number);

// Deploys the library into `directory` and attaches skin `number` through it.
SkinOutcome applySkin(int number, const QString& directory);
// The same in the program's own directory. Failures are never shown to the
// user; with TWOSTAR_SKIN_DEBUG set, the reason goes to stderr.
void applySkin(int number);

}  // namespace twostar
