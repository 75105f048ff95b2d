// Version resources: building and querying one, finding it in PE files and
// in our own executable, the reader component, and hostile input.
#include "Sxversioninfo.h"
#include "resourcefiles.h"
#include "versionresource.h"
#include "workingdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace
{

kv::VersionInfo sampleInfo()
{
    kv::VersionInfo info;
    const std::uint16_t version[4] = {1, 4, 2, 25};
    std::copy(std::begin(version), std::end(version), info.fileVersion);
    std::copy(std::begin(version), std::end(version), info.productVersion);
    info.translations = {{0x0409, 0x04E4}};
    info.strings = {{{"CompanyName", "Bravonix"},
                     {"FileDescription", "Hangtechnikai számítások"},
                     {"FileVersion", "1.4.3.25"},
                     {"InternalName", "Kvintora kalkulátor"},
                     {"LegalCopyright", "© Bravonix"},
                     {"OriginalFilename", ""},
                     {"ProductName", "Kvintora kalkulátor"},
                     {"ProductVersion", "1.4.3.25"}}};
    return info;
}

QString text(const std::vector<std::uint8_t>& resource, const char* path)
{
    const auto value = kv::queryVersionValue(resource, path);
    return value ? QString::fromStdString(kv::versionText(*value)) : QStringLiteral("<none>");
}

QString writeFile(const QTemporaryDir& dir, const QString& name,
                  const std::vector<std::uint8_t>& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return path;
}

const QString AppPath = QStringLiteral(KV_APP_PATH);

} // namespace

class TestVersionInfo : public QObject
{
    Q_OBJECT

private slots:
    void buildAndQuery();
    void findsTheResourceInAPeFile();
    void findsTheResourceInElfFiles_data();
    void findsTheResourceInElfFiles();
    void ownExecutableCarriesItsResource();
    void readerByBareNameFromTheProgramsFolder();
    void readerFromAnotherFolderReadsNothing();
    void readerKeepsValuesOnFailure();
    void readerUsesTheFirstTranslation();
    void missingStringEmptiesOnlyItsProperty();
    void hostilePeFilesNeverReadOutOfBounds();
    void hostileResourcesNeverReadOutOfBounds();
};

void TestVersionInfo::buildAndQuery()
{
    const std::vector<std::uint8_t> resource = kv::buildVersionResource(sampleInfo());
    const auto fixed = kv::queryVersionValue(resource, "\\");
    QVERIFY(fixed);
    QCOMPARE(fixed->bytes.size(), std::size_t(52));
    QCOMPARE(fixed->bytes[0], std::uint8_t(0xBD)); // signature 0xFEEF04BD
    QCOMPARE(fixed->bytes[3], std::uint8_t(0xFE));
    QCOMPARE(fixed->bytes[8], std::uint8_t(4)); // 1.4.2.25: the high double word is 1, 4
    QCOMPARE(fixed->bytes[10], std::uint8_t(1));
    QCOMPARE(kv::firstTranslation(resource),
             (std::optional<std::pair<std::uint16_t, std::uint16_t>>({0x0409, 0x04E4})));
    QCOMPARE(text(resource, "\\StringFileInfo\\040904E4\\FileVersion"), QStringLiteral("1.4.3.25"));
    QCOMPARE(text(resource, "\\StringFileInfo\\040904E4\\FileDescription"),
             QStringLiteral("Hangtechnikai számítások"));
    QCOMPARE(text(resource, "\\stringfileinfo\\040904e4\\productname"),
             QStringLiteral("Kvintora kalkulátor"));
    QCOMPARE(text(resource, "\\StringFileInfo\\040904E4\\OriginalFilename"), QString());
    QCOMPARE(text(resource, "\\StringFileInfo\\040904E4\\Comments"), QStringLiteral("<none>"));
    QCOMPARE(text(resource, "\\StringFileInfo\\040704E4\\FileVersion"), QStringLiteral("<none>"));
}

void TestVersionInfo::findsTheResourceInAPeFile()
{
    const std::vector<std::uint8_t> resource = kv::buildVersionResource(sampleInfo());
    const std::vector<std::uint8_t> pe = testing::buildPe(resource);
    QCOMPARE(kv::findVersionResource(kv::MemorySource(pe)), resource);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(kv::loadVersionResource(writeFile(dir, "sample.exe", pe).toStdString()), resource);

    // Only the version type is taken.
    QVERIFY(!kv::findVersionResource(kv::MemorySource(testing::buildPe(resource, 24))));
}

void TestVersionInfo::findsTheResourceInElfFiles_data()
{
    QTest::addColumn<bool>("wide");
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("64-bit little-endian") << true << false;
    QTest::newRow("64-bit big-endian") << true << true;
    QTest::newRow("32-bit little-endian") << false << false;
    QTest::newRow("32-bit big-endian") << false << true;
}

void TestVersionInfo::findsTheResourceInElfFiles()
{
    QFETCH(bool, wide);
    QFETCH(bool, bigEndian);
    const std::vector<std::uint8_t> resource = kv::buildVersionResource(sampleInfo());
    const auto elf = testing::buildElf(resource, wide, bigEndian);
    QCOMPARE(kv::findVersionResource(kv::MemorySource(elf)), resource);
    // Another section name, or one that only starts with ours, is not it.
    QVERIFY(!kv::findVersionResource(
        kv::MemorySource(testing::buildElf(resource, wide, bigEndian, ".data"))));
    QVERIFY(!kv::findVersionResource(
        kv::MemorySource(testing::buildElf(resource, wide, bigEndian, ".kvversion2"))));
    // Every truncation is handled: found only while what is read is whole.
    for (std::size_t length = 0; length < elf.size(); ++length) {
        const std::span<const std::uint8_t> cut(elf.data(), length);
        const auto found = kv::findVersionResource(kv::MemorySource(cut));
        if (found)
            QCOMPARE(*found, resource);
    }
}

void TestVersionInfo::ownExecutableCarriesItsResource()
{
    const auto resource = kv::loadVersionResource(AppPath.toStdString());
    QVERIFY(resource);
    QCOMPARE(text(*resource, "\\StringFileInfo\\040904E4\\FileVersion"),
             QStringLiteral("1.4.3.25"));
    QCOMPARE(text(*resource, "\\StringFileInfo\\040904E4\\CompanyName"),
             QStringLiteral("Bravonix"));
    const auto fixed = kv::queryVersionValue(*resource, "\\");
    QVERIFY(fixed && fixed->bytes.size() >= 16);
    // The fixed version is 1.4.2.25: the third number differs from the text's.
    QCOMPARE(fixed->bytes[12], std::uint8_t(25));
    QCOMPARE(fixed->bytes[14], std::uint8_t(2));
}

void TestVersionInfo::readerByBareNameFromTheProgramsFolder()
{
    const QFileInfo app(AppPath);
    testing::WorkingDirectory cwd(app.absolutePath());
    TsxVersionInfo reader;
    reader.setProperty("FileName", app.fileName()); // through the property: runs SetFileName
    QCOMPARE(reader.FileName(), app.fileName());
    QCOMPARE(reader.FileVersion(), QStringLiteral("1.4.3.25"));
    QCOMPARE(reader.ProductName(), QStringLiteral("Kvintora kalkulátor"));
    QCOMPARE(reader.InternalName(), QStringLiteral("Kvintora kalkulátor"));
    QCOMPARE(reader.FileDescription(), QStringLiteral("Hangtechnikai számítások"));
    QCOMPARE(reader.CompanyName(), QStringLiteral("Bravonix"));
    QCOMPARE(reader.ProductVersion(), QStringLiteral("1.4.3.25"));
    QVERIFY(!reader.LegalCopyright().isEmpty());
    QCOMPARE(reader.OriginalFilename(), QString());
    QCOMPARE(reader.property("FileVersion").toString(), QStringLiteral("1.4.3.25"));
}

void TestVersionInfo::readerFromAnotherFolderReadsNothing()
{
    QTemporaryDir elsewhere;
    testing::WorkingDirectory cwd(elsewhere.path());
    TsxVersionInfo reader;
    reader.SetFileName(QFileInfo(AppPath).fileName());
    QCOMPARE(reader.FileName(), QString());
    QCOMPARE(reader.FileVersion(), QString());
    // The full path reads it from anywhere.
    reader.SetFileName(AppPath);
    QCOMPARE(reader.FileVersion(), QStringLiteral("1.4.3.25"));
}

void TestVersionInfo::readerKeepsValuesOnFailure()
{
    QTemporaryDir dir;
    const QString plain = writeFile(dir, "notes.txt", {'n', 'o', ' ', 'r', 'e', 's'});
    kv::VersionInfo noTranslation = sampleInfo();
    noTranslation.translations.clear();
    const QString untranslated = writeFile(
        dir, "untranslated.exe", testing::buildPe(kv::buildVersionResource(noTranslation)));

    TsxVersionInfo reader;
    reader.SetFileName(AppPath);
    QCOMPARE(reader.FileVersion(), QStringLiteral("1.4.3.25"));

    reader.SetFileName(dir.filePath("missing.exe")); // no such file
    QCOMPARE(reader.FileName(), QString());
    QCOMPARE(reader.FileVersion(), QStringLiteral("1.4.3.25"));

    reader.SetFileName(dir.path()); // a folder
    QCOMPARE(reader.FileName(), QString());

    reader.SetFileName(plain); // a file without a resource
    QCOMPARE(reader.FileName(), plain);
    QCOMPARE(reader.FileVersion(), QStringLiteral("1.4.3.25"));
    QCOMPARE(reader.CompanyName(), QStringLiteral("Bravonix"));

    reader.SetFileName(untranslated); // a resource without a translation table
    QCOMPARE(reader.FileVersion(), QStringLiteral("1.4.3.25"));
}

void TestVersionInfo::readerUsesTheFirstTranslation()
{
    kv::VersionInfo info = sampleInfo();
    info.translations = {{0x040E, 0x04E2}, {0x0409, 0x04E4}};
    info.strings = {{{"FileVersion", "2.0 magyar"}, {"CompanyName", "Első"}},
                    {{"FileVersion", "2.0 english"}, {"CompanyName", "Second"}}};
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, "two.exe", testing::buildPe(kv::buildVersionResource(info)));
    TsxVersionInfo reader;
    reader.SetFileName(path);
    QCOMPARE(reader.FileVersion(), QStringLiteral("2.0 magyar"));
    QCOMPARE(reader.CompanyName(), QStringLiteral("Első"));
}

void TestVersionInfo::missingStringEmptiesOnlyItsProperty()
{
    kv::VersionInfo info = sampleInfo();
    auto& strings = info.strings[0];
    strings.erase(strings.begin()); // no CompanyName
    QTemporaryDir dir;
    const QString path =
        writeFile(dir, "partial.exe", testing::buildPe(kv::buildVersionResource(info)));
    TsxVersionInfo reader;
    reader.SetFileName(AppPath);
    reader.SetFileName(path);
    QCOMPARE(reader.CompanyName(), QString());
    QCOMPARE(reader.FileVersion(), QStringLiteral("1.4.3.25"));
    QCOMPARE(reader.ProductName(), QStringLiteral("Kvintora kalkulátor"));
}

void TestVersionInfo::hostilePeFilesNeverReadOutOfBounds()
{
    const std::vector<std::uint8_t> resource = kv::buildVersionResource(sampleInfo());
    const std::vector<std::uint8_t> pe = testing::buildPe(resource);
    // Every truncation: found only when the resource is whole.
    for (std::size_t length = 0; length < pe.size(); ++length) {
        const std::vector<std::uint8_t> cut(pe.begin(), pe.begin() + std::ptrdiff_t(length));
        const auto found = kv::findVersionResource(kv::MemorySource(cut));
        if (found)
            QCOMPARE(*found, resource);
    }
    // Seeded corruption of single bytes and of 32-bit fields.
    QRandomGenerator random(20261211);
    for (int round = 0; round < 4000; ++round) {
        std::vector<std::uint8_t> bad = pe;
        const std::size_t at = random.bounded(quint32(bad.size() - 4));
        if (round % 2 == 0)
            bad[at] = static_cast<std::uint8_t>(random.bounded(256));
        else
            testing::put32(bad, at, random.generate());
        const auto found = kv::findVersionResource(kv::MemorySource(bad));
        if (found) {
            QVERIFY(found->size() <= kv::MaxResourceSize);
            (void)kv::queryVersionValue(*found, "\\StringFileInfo\\040904E4\\FileVersion");
        }
    }
}

void TestVersionInfo::hostileResourcesNeverReadOutOfBounds()
{
    const std::vector<std::uint8_t> resource = kv::buildVersionResource(sampleInfo());
    const char* paths[] = {"\\", "\\VarFileInfo\\Translation",
                           "\\StringFileInfo\\040904E4\\ProductVersion"};
    for (std::size_t length = 0; length <= resource.size(); ++length) {
        const std::span<const std::uint8_t> cut(resource.data(), length);
        for (const char* path : paths) {
            const auto value = kv::queryVersionValue(cut, path);
            if (value) {
                QVERIFY(value->bytes.data() >= cut.data());
                QVERIFY(value->bytes.data() + value->bytes.size() <= cut.data() + cut.size());
            }
        }
    }
    // A node whose length is below its header, and one far past the data.
    std::vector<std::uint8_t> bad = resource;
    testing::put16(bad, 0, 2);
    QVERIFY(!kv::queryVersionValue(bad, "\\"));
    testing::put16(bad, 0, 0xFFFF);
    QVERIFY(!kv::queryVersionValue(bad, "\\"));
}

QTEST_APPLESS_MAIN(TestVersionInfo)
#include "tst_versioninfo.moc"
