// Deploying the skin library and attaching skins, including every failure
// that must leave the program running unskinned.

#include <set>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

#include "skin_format.h"
#include "twostar/shell/skin.h"

using namespace twostar;

namespace {

QString libraryIn(const QTemporaryDir& dir) { return dir.filePath(skinLibraryFileName()); }

QByteArray read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void place(const QTemporaryDir& dir, const QByteArray& bytes) {
  QFile f(libraryIn(dir));
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

skin::SkinLook lookOf(int number) {
  const std::vector<unsigned char> block = skinBlock(number);
  return *skin::decodeSkinBlock(block.data(), block.size());
}

}  // namespace

class SkinTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { qApp->setStyleSheet({}); }

  void deploysIntoAnEmptyDirectory() {
    QTemporaryDir dir;
    QVERIFY(deploySkinLibrary(dir.path()));
    const QString path = libraryIn(dir);
    QVERIFY(skinLibraryImage().startsWith("\x7f" "ELF"));
    QCOMPARE(read(path), skinLibraryImage());
    QVERIFY(!(QFile::permissions(path) & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary left behind
  }

  void anExistingFileIsUsedAsItIs() {
    QTemporaryDir dir;
    place(dir, "not a library");
    QCOMPARE(applySkin(2, dir.path()), SkinOutcome::LoadFailed);
    QCOMPARE(read(libraryIn(dir)), QByteArray("not a library"));
    QCOMPARE(qApp->styleSheet(), QString());
  }

  void numbersOutsideTheRangeTouchNothing() {
    for (int number : {0, 70, -1, 1000}) {
      QTemporaryDir dir;
      QCOMPARE(applySkin(number, dir.path()), SkinOutcome::OutOfRange);
      QVERIFY(QDir(dir.path()).isEmpty());
      QVERIFY(skinBlock(number).empty());
    }
    QCOMPARE(qApp->styleSheet(), QString());
  }

  void sixtyEightDistinctBlocks() {
    std::set<std::vector<unsigned char>> distinct;
    for (int n = 1; n <= 69; ++n) {
      const std::vector<unsigned char> block = skinBlock(n);
      QVERIFY(block.size() > 4);
      QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.data()), 4), QByteArray(".SHE"));
      QVERIFY(skin::decodeSkinBlock(block.data(), block.size()));
      distinct.insert(block);
    }
    QCOMPARE(distinct.size(), std::size_t(68));
    QVERIFY(skinBlock(9) == skinBlock(36));
  }

  void skinTwoIsApplied() {
    QTemporaryDir dir;
    QCOMPARE(applySkin(2, dir.path()), SkinOutcome::Applied);
    const skin::SkinLook look = lookOf(2);
    QCOMPARE(qApp->styleSheet(), QString::fromStdString(look.styleSheet));
    QVERIFY(qApp->styleSheet().contains("QPushButton"));
    const skin::PaletteEntry window = look.palette.front();
    QCOMPARE(window.role, std::uint8_t(QPalette::Window));
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(window.red, window.green, window.blue));
  }

  void nineAndThirtySixApplyTheSameLook() {
    QTemporaryDir dir;
    QCOMPARE(applySkin(9, dir.path()), SkinOutcome::Applied);
    const QString nine = qApp->styleSheet();
    QCOMPARE(applySkin(3, dir.path()), SkinOutcome::Applied);
    QVERIFY(qApp->styleSheet() != nine);
    QCOMPARE(applySkin(36, dir.path()), SkinOutcome::Applied);
    QCOMPARE(qApp->styleSheet(), nine);
  }

  void brokenLibrariesLeaveTheProgramUnskinned() {
    const std::pair<const char*, SkinOutcome> cases[] = {
        {FAKE_SKIN_NO_FUNCTION, SkinOutcome::NoFunction},
        {FAKE_SKIN_OTHER_BUILD, SkinOutcome::OtherBuild},
    };
    for (auto [library, outcome] : cases) {
      QTemporaryDir dir;
      place(dir, read(library));
      QCOMPARE(applySkin(2, dir.path()), outcome);
      QCOMPARE(qApp->styleSheet(), QString());
    }
    // A write cut short: every prefix of the image is refused without a crash.
    for (int parts : {2, 3, 10, 100}) {
      QTemporaryDir truncated;
      place(truncated, skinLibraryImage().left(skinLibraryImage().size() * (parts - 1) / parts));
      QCOMPARE(applySkin(2, truncated.path()), SkinOutcome::LoadFailed);
    }
    QCOMPARE(applySkin(2, "/nonexistent/twostar/dir"), SkinOutcome::NoLibrary);
    QCOMPARE(qApp->styleSheet(), QString());
  }

  void theLibraryRefusesWhatItCannotRead() {
    QTemporaryDir dir;
    QVERIFY(deploySkinLibrary(dir.path()));
    QLibrary library(libraryIn(dir));
    using AttachRes = int (*)(const unsigned char*, int, const char*, int, int, int);
    const auto attach = reinterpret_cast<AttachRes>(library.resolve("SkinH_AttachRes"));
    QVERIFY(attach);
    std::vector<unsigned char> block = skinBlock(2);
    const std::vector<unsigned char> good = block;
    QCOMPARE(attach(good.data(), static_cast<int>(good.size()), "x", 0, 0, 0), 1);
    QCOMPARE(attach(good.data(), static_cast<int>(good.size()), "", 1, 0, 0), 1);
    QCOMPARE(attach(good.data(), static_cast<int>(good.size()) - 1, "", 0, 0, 0), 1);
    QCOMPARE(attach(nullptr, 0, "", 0, 0, 0), 1);
    block[0] = 'X';
    QCOMPARE(attach(block.data(), static_cast<int>(block.size()), "", 0, 0, 0), 1);
    block = good;
    block[12] = 200;  // a colour role that does not exist
    QCOMPARE(attach(block.data(), static_cast<int>(block.size()), "", 0, 0, 0), 1);
    QCOMPARE(qApp->styleSheet(), QString());
    QCOMPARE(attach(good.data(), static_cast<int>(good.size()), "", 0, 0, 0), 0);
    QVERIFY(!qApp->styleSheet().isEmpty());
  }
};

QTEST_MAIN(SkinTest)
#include "skin_test.moc"
