#include "twostar/shell/skin.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <elf.h>

#include <cstring>
#endif

namespace twostar {

namespace skin {
extern const unsigned char kLibraryImage[];
extern const std::size_t kLibraryImageSize;
}  // namespace skin

namespace {

using AttachRes = int (*)(const unsigned char*, int, const char*, int, int, int);
using BuildId = const char* (*)();

const char* describe(SkinOutcome outcome) {
  switch (outcome) {
    case SkinOutcome::OutOfRange: return "skin number out of range";
    case SkinOutcome::Applied: return "applied";
    case SkinOutcome::NoLibrary: return "the skin library could not be written";
    case SkinOutcome::LoadFailed: return "the skin library could not be loaded";
    case SkinOutcome::NoFunction: return "the skin library lacks SkinH_AttachRes";
    case SkinOutcome::OtherBuild: return "the skin library belongs to another build";
    case SkinOutcome::Refused: return "the skin library refused the skin block";
  }
  return "";
}

// Loading a truncated shared library can fault when the loader touches a
// segment that lies past the end of the file, so a library file is first
// checked to be a whole ELF object: its headers and loadable segments lie
// within the file.
bool isWholeLibraryFile(const QString& path) {
#ifdef Q_OS_WIN
  Q_UNUSED(path);
  return true;  // LoadLibrary reports a damaged file as an error
#else
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  const auto size = static_cast<std::uint64_t>(bytes.size());
  Elf64_Ehdr header;
  if (size < sizeof header) return false;
  std::memcpy(&header, bytes.constData(), sizeof header);
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) return false;
  if (header.e_phentsize != sizeof(Elf64_Phdr)) return false;
  const std::uint64_t programHeadersEnd = header.e_phoff + std::uint64_t{header.e_phnum} * sizeof(Elf64_Phdr);
  const std::uint64_t sectionHeadersEnd = header.e_shoff + std::uint64_t{header.e_shnum} * header.e_shentsize;
  if (header.e_phoff > size || programHeadersEnd > size || header.e_shoff > size || sectionHeadersEnd > size)
    return false;
  for (int i = 0; i < header.e_phnum; ++i) {
    Elf64_Phdr segment;
    std::memcpy(&segment, bytes.constData() + header.e_phoff + i * sizeof segment, sizeof segment);
    if (segment.p_offset > size || segment.p_filesz > size - segment.p_offset) return false;
  }
  return true;
#endif
}

}  // namespace

QString skinLibraryFileName() {
#ifdef Q_OS_WIN
  return QStringLiteral("SkinH_EL.dll");
#else
  return QStringLiteral("SkinH_EL.so");
#endif
}

QByteArray skinLibraryImage() {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(skin::kLibraryImage),
                                 static_cast<qsizetype>(skin::kLibraryImageSize));
}

bool deploySkinLibrary(const QString& directory) {
  const QString path = QDir(directory).filePath(skinLibraryFileName());
  const QFileInfo existing(path);
  if (existing.exists() || existing.isSymLink()) return true;
  // Written to a temporary file and renamed, so an interrupted write never
  // leaves a partial library that a later start would trust.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(skinLibraryImage());
  if (!file.commit()) return false;
  QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther);
#ifdef Q_OS_WIN
  // Read-only, hidden, system and archive.
  SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), 39);
#endif
  return true;
}

SkinOutcome applySkin(int number, const QString& directory) {
  if (number < 1 || number > 69) return SkinOutcome::OutOfRange;
  if (!deploySkinLibrary(directory)) return SkinOutcome::NoLibrary;

  const QString path = QDir(directory).filePath(skinLibraryFileName());
  if (!isWholeLibraryFile(path)) return SkinOutcome::LoadFailed;
  QLibrary library(path);
  library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
  if (!library.load()) return SkinOutcome::LoadFailed;
  const auto attach = reinterpret_cast<AttachRes>(library.resolve("SkinH_AttachRes"));
  const auto buildId = reinterpret_cast<BuildId>(library.resolve("SkinH_BuildId"));
  SkinOutcome outcome = SkinOutcome::Applied;
  if (!attach) {
    outcome = SkinOutcome::NoFunction;
  } else if (!buildId || qstrcmp(buildId(), TWOSTAR_SKIN_BUILD_ID) != 0) {
    outcome = SkinOutcome::OtherBuild;
  } else {
    std::vector<unsigned char> copy = skinBlock(number);  // the working copy, released on return
    if (attach(copy.data(), static_cast<int>(copy.size()), "", 0, 0, 0) != 0) outcome = SkinOutcome::Refused;
  }
  // A library that is not used is unloaded; the one in use stays loaded.
  if (outcome != SkinOutcome::Applied) library.unload();
  return outcome;
}

void applySkin(int number) {
  const SkinOutcome outcome = applySkin(number, QCoreApplication::applicationDirPath());
  if (outcome != SkinOutcome::Applied && qEnvironmentVariableIsSet("TWOSTAR_SKIN_DEBUG"))
    std::fprintf(stderr, "twostar: no skin: %s\n", describe(outcome));
}

}  // namespace twostar
