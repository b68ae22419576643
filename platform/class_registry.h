// The registry of creatable control classes: a small file in the user's configuration folder,
// plus the entry-point contract between a control library and the program that loads it.
#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

class QWidget;

namespace kx {

// Status codes of the library entry points, with the values the host side knows them by.
using Status = std::int32_t;
constexpr Status StatusOk = 0;
constexpr Status StatusFalse = 1;
constexpr Status StatusNoInterface = static_cast<Status>(0x80004002);
constexpr Status StatusPointer = static_cast<Status>(0x80004003);
constexpr Status StatusClassNotAvailable = static_cast<Status>(0x80040111);
constexpr Status StatusRegisterClassFailed = static_cast<Status>(0x80040201);

// The interface ids a class factory is asked for.
constexpr const char *ClassFactoryInterfaceId = "{00000001-0000-0000-C000-000000000046}";
constexpr const char *UnknownInterfaceId = "{00000000-0000-0000-C000-000000000046}";

// What a library's class-object entry point hands out: the maker of one control class.
class ControlClassFactory
{
public:
    virtual ~ControlClassFactory() = default;
    // A new control, a child of parent (which may be null).
    virtual QWidget *CreateInstance(QWidget *parent) = 0;
    // Keeps the library from reporting that it may be unloaded while locked.
    virtual void LockServer(bool lock) = 0;
};

// The C entry points of a control library, by these names.
extern "C" {
using RegisterServerFunction = Status (*)();
using GetClassObjectFunction
    = Status (*)(const char *classId, const char *interfaceId, void **factory);
using CanUnloadNowFunction = Status (*)();
}

struct RegisteredInterface
{
    QString name;
    QString id;
};

struct RegisteredClass
{
    QString progId;
    QString classId;
    RegisteredInterface defaultInterface;
    RegisteredInterface eventInterface;
    QString library;
    QString typeLibraryId;
};

struct RegisteredTypeLibrary
{
    QString name;
    QString id;
    QString version;
    QString locale;
    QString library;
    QString fileVersion;
};

struct ClassRegistryContents
{
    QList<RegisteredClass> classes;
    QList<RegisteredTypeLibrary> typeLibraries;
};

// $XDG_CONFIG_HOME/belgepano/classes.json (the generic configuration folder of the platform).
QString classRegistryPath();

// Reads the file; a missing file reads as empty. A file that is there but cannot be read or is
// no registry file also reads as empty, with *readable (when given) false: nothing may then be
// written over it, or the classes it holds would be lost.
ClassRegistryContents readClassRegistry(bool *readable = nullptr);
// Writes the whole file, or removes it when nothing is left; false when it cannot be written.
bool writeClassRegistry(const ClassRegistryContents &contents);

// A class by ProgID or by class id (braces and letter case as written or not).
std::optional<RegisteredClass> findRegisteredClass(const QString &progIdOrClassId);

// Class and interface ids compare without regard to braces and letter case.
bool sameId(const QString &a, const QString &b);

} // namespace kx
