// Zip archives: writing one file, reading it back, and telling a sound archive from a damaged one.
#include "platform/zip.h"
#include "tests/support/files.h"
#include "tests/support/kxtest.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using kxtest::readFile;
using kxtest::writeFile;

namespace {

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace

class TestZip : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("entry");
        QTest::newRow("database name")
            << QByteArray("SQLite format 3\0 rows", 21) << QStringLiteral("Data.mdb");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("Data.mdb");
        QTest::newRow("binary, several buffers")
            << randomBytes(300 * 1024) << QStringLiteral("Data.mdb");
        QTest::newRow("Turkish entry name")
            << QByteArray("çiğ şeker") << QStringLiteral("Şube ğ.txt");
    }
    void roundTrip()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, entry);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("source.bin"));
        const QString archive = dir.filePath(QStringLiteral("09-12-2026 14-30-15.zip"));
        const QString target = dir.filePath(QStringLiteral("target.bin"));
        writeFile(source, contents);

        QString error;
        QVERIFY2(kx::zipFileAs(archive, source, entry, &error), qPrintable(error));
        QVERIFY2(kx::checkZipArchive(archive, &error), qPrintable(error));
        QCOMPARE(kx::zipEntryNames(archive), QStringList { entry });
        QVERIFY2(kx::unzipEntry(archive, entry, target, &error), qPrintable(error));
        QCOMPARE(readFile(target), contents);
    }

    void compresses()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("Data.mdb"));
        const QString archive = dir.filePath(QStringLiteral("a.zip"));
        QByteArray rows;
        for (int i = 0; i < 5000; ++i)
            rows += "VIDA M8 (" + QByteArray::number(i) + ") 0,00 Adet TL\n";
        writeFile(source, rows);
        QVERIFY(kx::zipFileAs(archive, source, QStringLiteral("Data.mdb")));
        QVERIFY(QFileInfo(archive).size() < rows.size() / 4);
    }

    // A damaged archive is refused, and reading its entry leaves no target behind.
    void damaged_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("flipped data byte") << QStringLiteral("flip");
        QTest::newRow("cut short") << QStringLiteral("truncate");
        QTest::newRow("not a zip") << QStringLiteral("text");
        QTest::newRow("empty file") << QStringLiteral("empty");
        QTest::newRow("missing") << QStringLiteral("missing");
    }
    void damaged()
    {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("Data.mdb"));
        const QString archive = dir.filePath(QStringLiteral("a.zip"));
        const QString target = dir.filePath(QStringLiteral("restored.mdb"));
        writeFile(source, randomBytes(20000));
        QVERIFY(kx::zipFileAs(archive, source, QStringLiteral("Data.mdb")));

        QByteArray bytes = readFile(archive);
        if (damage == QLatin1String("flip")) {
            // Inside the stored data, past the local header and its name.
            bytes[30 + 8 + 5000] = char(bytes.at(30 + 8 + 5000) ^ 0x55);
        } else if (damage == QLatin1String("truncate")) {
            bytes.truncate(bytes.size() / 2);
        } else if (damage == QLatin1String("text")) {
            bytes = "Bu bir zip dosyası değil.";
        } else if (damage == QLatin1String("empty")) {
            bytes.clear();
        }
        QFile::remove(archive);
        if (damage != QLatin1String("missing"))
            writeFile(archive, bytes);

        QString error;
        QVERIFY(!kx::checkZipArchive(archive, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!kx::unzipEntry(archive, QStringLiteral("Data.mdb"), target));
        QVERIFY(!QFile::exists(target));
    }

    void neverOverwrites()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("Data.mdb"));
        const QString archive = dir.filePath(QStringLiteral("a.zip"));
        writeFile(source, "new");
        writeFile(archive, "older archive");
        QString error;
        QVERIFY(!kx::zipFileAs(archive, source, QStringLiteral("Data.mdb"), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(archive), QByteArray("older archive"));
    }

    void missingSourceWritesNothing()
    {
        QTemporaryDir dir;
        const QString archive = dir.filePath(QStringLiteral("a.zip"));
        QVERIFY(!kx::zipFileAs(archive, dir.filePath(QStringLiteral("none.mdb")),
                               QStringLiteral("Data.mdb")));
        QVERIFY(!QFile::exists(archive));
    }

    void missingEntry()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("x.txt"));
        const QString archive = dir.filePath(QStringLiteral("a.zip"));
        const QString target = dir.filePath(QStringLiteral("Data.mdb"));
        writeFile(source, "x");
        QVERIFY(kx::zipFileAs(archive, source, QStringLiteral("x.txt")));
        QString error;
        QVERIFY(!kx::unzipEntry(archive, QStringLiteral("Data.mdb"), target, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(target));
    }
};

KX_TEST(TestZip)
#include "tst_zip.moc"
