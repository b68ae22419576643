// The library's entry points and registration, the register tool, and how the program's loader
// finds the library: by the registry file, else beside the program.
#include "app/panel_loader.h"
#include "panels/type_library.h"
#include "platform/class_registry.h"
#include "tests/support/kxtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QtEndian>

#include <dlfcn.h>
#include <memory>

namespace {

QString buildBin()
{
    const QString fromCtest = qEnvironmentVariable("KANTARIX_BUILD_BIN");
    return fromCtest.isEmpty() ? QCoreApplication::applicationDirPath() : fromCtest;
}

QString builtLibrary()
{
    return QFileInfo(buildBin() + "/libbelgepano.so").canonicalFilePath();
}

// The file a panel's code was loaded from.
QString libraryOf(const QWidget *panel)
{
    Dl_info info {};
    if (!dladdr(static_cast<const void *>(panel->metaObject()), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

template <typename Function> Function entry(QLibrary &library, const char *name)
{
    return reinterpret_cast<Function>(library.resolve(name));
}

} // namespace

class TestPanelLibrary : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        configHome = std::make_unique<QTemporaryDir>();
        QVERIFY(configHome->isValid());
        qputenv("XDG_CONFIG_HOME", configHome->path().toLocal8Bit());
        library = std::make_unique<QLibrary>(builtLibrary());
        QVERIFY2(library->load(), qPrintable(library->errorString()));
    }
    void cleanup()
    {
        library.reset();
        configHome.reset();
    }

    void registerFindUnregister()
    {
        auto registerServer = entry<kx::RegisterServerFunction>(*library, "DllRegisterServer");
        auto unregisterServer = entry<kx::RegisterServerFunction>(*library, "DllUnregisterServer");
        QVERIFY(registerServer && unregisterServer);
        QVERIFY(!kx::findRegisteredClass("Belgepano.RA"));

        QCOMPARE(registerServer(), kx::StatusOk);
        QVERIFY(kx::classRegistryPath().startsWith(configHome->path()));
        QVERIFY(QFile::exists(kx::classRegistryPath()));
        for (const auto &info : kx::belgepano::ControlClasses) {
            const auto byProgId = kx::findRegisteredClass(info.progId);
            QVERIFY2(byProgId, info.progId);
            QCOMPARE(byProgId->classId, QLatin1String(info.classId));
            QCOMPARE(byProgId->defaultInterface.name, QStringLiteral("_") + info.name);
            QCOMPARE(byProgId->defaultInterface.id, QLatin1String(info.defaultInterfaceId));
            QCOMPARE(byProgId->eventInterface.name, QStringLiteral("__") + info.name);
            QCOMPARE(byProgId->eventInterface.id, QLatin1String(info.eventInterfaceId));
            QCOMPARE(QFileInfo(byProgId->library).canonicalFilePath(), builtLibrary());
            // The class id finds the same class, with or without braces, in any case.
            const QString bare = QString::fromLatin1(info.classId).mid(1, 36).toLower();
            const auto byClassId = kx::findRegisteredClass(bare);
            QVERIFY(byClassId);
            QCOMPARE(byClassId->progId, QLatin1String(info.progId));
        }
        const kx::ClassRegistryContents contents = kx::readClassRegistry();
        QCOMPARE(contents.typeLibraries.size(), 1);
        QCOMPARE(contents.typeLibraries.first().name, QStringLiteral("Belgepano"));
        QCOMPARE(contents.typeLibraries.first().id,
                 QStringLiteral("{653FCDE7-0271-47DC-BEFD-4CAD6D202C88}"));
        QCOMPARE(contents.typeLibraries.first().version, QStringLiteral("30.0"));
        QCOMPARE(contents.typeLibraries.first().locale, QStringLiteral("0x409"));
        QCOMPARE(contents.typeLibraries.first().fileVersion, QStringLiteral("1.0.0.25"));

        // Registering again replaces, never doubles.
        QCOMPARE(registerServer(), kx::StatusOk);
        QCOMPARE(kx::readClassRegistry().classes.size(), 4);

        QCOMPARE(unregisterServer(), kx::StatusOk);
        QVERIFY(!kx::findRegisteredClass("Belgepano.RX"));
        QVERIFY(!kx::findRegisteredClass("{C4166BF6-9607-46D5-A10E-E183402E4F73}"));
        QVERIFY(!QFile::exists(kx::classRegistryPath()));
        QCOMPARE(unregisterServer(), kx::StatusOk);
    }

    // Another library's classes in the same file survive both.
    void foreignEntriesStay()
    {
        kx::ClassRegistryContents foreign;
        foreign.classes.append({ "Baska.Kontrol",
                                 "{11111111-2222-3333-4444-555555555555}",
                                 { "_Kontrol", "{11111111-2222-3333-4444-000000000001}" },
                                 { "__Kontrol", "{11111111-2222-3333-4444-000000000002}" },
                                 "/opt/baska/libbaska.so",
                                 "" });
        QVERIFY(kx::writeClassRegistry(foreign));
        QCOMPARE(entry<kx::RegisterServerFunction>(*library, "DllRegisterServer")(), kx::StatusOk);
        QCOMPARE(kx::readClassRegistry().classes.size(), 5);
        QCOMPARE(entry<kx::RegisterServerFunction>(*library, "DllUnregisterServer")(),
                 kx::StatusOk);
        const kx::ClassRegistryContents left = kx::readClassRegistry();
        QCOMPARE(left.classes.size(), 1);
        QCOMPARE(left.classes.first().progId, QStringLiteral("Baska.Kontrol"));
        QVERIFY(left.typeLibraries.isEmpty());
    }

    // A registry file that is there but cannot be read, or is no registry, is reported by both
    // registration calls and left as it is: replacing it would drop the classes it holds.
    void unreadableRegistryIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("broken text") << QByteArray("{\"classes\": [ {\"progId\": ") << false;
        QTest::newRow("no object") << QByteArray("[1, 2, 3]") << false;
        QTest::newRow("no read permission") << QByteArray("{\"classes\": []}") << true;
    }
    void unreadableRegistryIsLeftAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, unreadable);
        const QString path = kx::classRegistryPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (unreadable) {
            file.setPermissions(QFile::WriteOwner);
            if (QFile(path).open(QIODevice::ReadOnly))
                QSKIP("this user reads files whatever their permissions");
        }
        bool readable = true;
        kx::readClassRegistry(&readable);
        QVERIFY(!readable);
        QCOMPARE(entry<kx::RegisterServerFunction>(*library, "DllRegisterServer")(),
                 kx::StatusRegisterClassFailed);
        QCOMPARE(entry<kx::RegisterServerFunction>(*library, "DllUnregisterServer")(),
                 kx::StatusRegisterClassFailed);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    // A registry file that cannot be written is reported, not passed over.
    void unwritableRegistryFails()
    {
        QFile blocker(configHome->path() + "/belgepano");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(entry<kx::RegisterServerFunction>(*library, "DllRegisterServer")(),
                 kx::StatusRegisterClassFailed);
    }

    void registerTool()
    {
        const QString tool = buildBin() + "/belgepano-register";
        QVERIFY(QFileInfo(tool).isExecutable());
        QProcess process;
        process.start(tool, { builtLibrary() });
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(kx::findRegisteredClass("Belgepano.RB"));
        process.start(tool, { "-u", builtLibrary() });
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(!kx::findRegisteredClass("Belgepano.RB"));
        process.start(tool, { configHome->path() + "/yok.so" });
        QVERIFY(process.waitForFinished(30000));
        QVERIFY(process.exitCode() != 0);
    }

    void classObjects_data()
    {
        QTest::addColumn<QString>("classId");
        QTest::addColumn<QString>("interfaceId");
        QTest::addColumn<int>("status");
        const QString factory = kx::ClassFactoryInterfaceId;
        QTest::newRow("RA") << "{F8DF53B0-0E14-4857-9E80-648275D18F0F}" << factory << kx::StatusOk;
        QTest::newRow("RX, lower case")
            << "{c4166bf6-9607-46d5-a10e-e183402e4f73}" << factory << kx::StatusOk;
        QTest::newRow("RB as unknown") << "{884D908E-9182-4D12-9E88-1524A5E392D0}"
                                       << QString(kx::UnknownInterfaceId) << kx::StatusOk;
        QTest::newRow("unknown class")
            << "{00000000-1111-2222-3333-444444444444}" << factory << kx::StatusClassNotAvailable;
        QTest::newRow("the type library is no class")
            << kx::belgepano::TypeLibraryId << factory << kx::StatusClassNotAvailable;
        QTest::newRow("another interface")
            << "{70ED2E3F-EE09-487A-8B65-ED27C06F7530}"
            << "{A26EDC9C-63EC-459B-A2BD-3405BA43005C}" << kx::StatusNoInterface;
    }
    void classObjects()
    {
        QFETCH(QString, classId);
        QFETCH(QString, interfaceId);
        QFETCH(int, status);
        auto getClassObject = entry<kx::GetClassObjectFunction>(*library, "DllGetClassObject");
        QVERIFY(getClassObject);
        void *object = reinterpret_cast<void *>(1);
        QCOMPARE(getClassObject(classId.toLatin1().constData(), interfaceId.toLatin1().constData(),
                                &object),
                 status);
        QCOMPARE(object != nullptr, status == kx::StatusOk);
        if (object) {
            std::unique_ptr<QWidget> panel(
                static_cast<kx::ControlClassFactory *>(object)->CreateInstance(nullptr));
            QVERIFY(panel);
        }
        QCOMPARE(getClassObject(classId.toLatin1().constData(), interfaceId.toLatin1().constData(),
                                nullptr),
                 kx::StatusPointer);
    }

    void canUnloadOnlyWhenNothingLives()
    {
        auto canUnload = entry<kx::CanUnloadNowFunction>(*library, "DllCanUnloadNow");
        auto getClassObject = entry<kx::GetClassObjectFunction>(*library, "DllGetClassObject");
        QCOMPARE(canUnload(), kx::StatusOk);
        void *object = nullptr;
        QCOMPARE(getClassObject("{F8DF53B0-0E14-4857-9E80-648275D18F0F}",
                                kx::ClassFactoryInterfaceId, &object),
                 kx::StatusOk);
        auto *factory = static_cast<kx::ControlClassFactory *>(object);
        auto panel = std::unique_ptr<QWidget>(factory->CreateInstance(nullptr));
        auto second = std::unique_ptr<QWidget>(kx::CreatePanel("Belgepano.RX"));
        QVERIFY(panel && second);
        QCOMPARE(canUnload(), kx::StatusFalse);
        panel.reset();
        QCOMPARE(canUnload(), kx::StatusFalse);
        second.reset();
        QCOMPARE(canUnload(), kx::StatusOk);
        factory->LockServer(true);
        QCOMPARE(canUnload(), kx::StatusFalse);
        factory->LockServer(false);
        QCOMPARE(canUnload(), kx::StatusOk);
    }

    // Design tools show one image per control, carried in the library's own resources.
    void toolboxImages()
    {
        QSet<QByteArray> drawn;
        for (const auto &info : kx::belgepano::ControlClasses) {
            const QString path = QLatin1String(kx::belgepano::ToolboxImageFolder)
                + QLatin1String(info.name) + QStringLiteral(".bmp");
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray bytes = file.readAll();
            // A Windows bitmap of 24 bits a pixel: colour, no palette, no alpha.
            QVERIFY(bytes.size() > 30 && bytes.startsWith("BM"));
            QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
            QImage image;
            QVERIFY(image.loadFromData(bytes));
            QCOMPARE(image.size(), QSize(16, 15));
            QVERIFY(!image.hasAlphaChannel());
            QVERIFY(!image.isGrayscale());
            drawn.insert(bytes);
        }
        QCOMPARE(drawn.size(), 4);
    }

    // The loader takes the registered library; without a usable registration, the one beside
    // the program.
    void loaderFindsTheLibrary()
    {
        QTemporaryDir elsewhere;
        const QString copy = elsewhere.path() + "/libbelgepano.so";
        QVERIFY(QFile::copy(builtLibrary(), copy));
        QLibrary copied(copy);
        QVERIFY(copied.load());
        QCOMPARE(entry<kx::RegisterServerFunction>(copied, "DllRegisterServer")(), kx::StatusOk);

        std::unique_ptr<QWidget> registered(kx::CreatePanel("Belgepano.RC"));
        QVERIFY(registered);
        QCOMPARE(libraryOf(registered.get()), QFileInfo(copy).canonicalFilePath());
        std::unique_ptr<QWidget> byClassId(
            kx::CreatePanel("{884D908E-9182-4D12-9E88-1524A5E392D0}"));
        QVERIFY(byClassId);
        QVERIFY(kx::PanelChild(byClassId.get(), "XTIsk1"));

        // The registered file is gone: the library beside the program serves.
        QVERIFY(QFile::remove(copy));
        std::unique_ptr<QWidget> fallback(kx::CreatePanel("Belgepano.RC"));
        QVERIFY(fallback);
        QCOMPARE(libraryOf(fallback.get()),
                 QFileInfo(kx::PanelLibraryBesideProgram()).canonicalFilePath());

        QString error;
        QVERIFY(!kx::CreatePanel("Belgepano.RZ", nullptr, &error));
        QVERIFY(!error.isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> configHome;
    std::unique_ptr<QLibrary> library;
};

KX_TEST(TestPanelLibrary)
#include "tst_panel_library.moc"
