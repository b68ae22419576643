// Belgepano's entry points: registration of the four controls and their class factories.
#include "panels/ra.h"
#include "panels/rb.h"
#include "panels/rc.h"
#include "panels/rx.h"
#include "panels/type_library.h"
#include "platform/class_registry.h"

#include <QFileInfo>

#include <atomic>
#include <dlfcn.h>
#include <functional>

using namespace kx;
using namespace kx::belgepano;

namespace {

std::atomic<int> serverLocks { 0 };

class PanelFactory : public ControlClassFactory
{
public:
    explicit PanelFactory(std::function<QWidget *(QWidget *)> make)
        : make(std::move(make))
    { }
    QWidget *CreateInstance(QWidget *parent) override { return make(parent); }
    void LockServer(bool lock) override { serverLocks += lock ? 1 : -1; }

private:
    std::function<QWidget *(QWidget *)> make;
};

PanelFactory &factoryFor(int classIndex)
{
    static PanelFactory factories[] = {
        PanelFactory([](QWidget *parent) { return new RA(parent); }),
        PanelFactory([](QWidget *parent) { return new RB(parent); }),
        PanelFactory([](QWidget *parent) { return new RC(parent); }),
        PanelFactory([](QWidget *parent) { return new RX(parent); }),
    };
    return factories[classIndex];
}

bool isOurs(const QString &classId, const QString &progId)
{
    for (const ControlClassInfo &info : ControlClasses) {
        if (sameId(classId, QLatin1String(info.classId))
            || progId.compare(QLatin1String(info.progId), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

ClassRegistryContents withoutOurEntries(ClassRegistryContents contents)
{
    contents.classes.removeIf(
        [](const RegisteredClass &entry) { return isOurs(entry.classId, entry.progId); });
    contents.typeLibraries.removeIf([](const RegisteredTypeLibrary &entry) {
        return sameId(entry.id, QLatin1String(TypeLibraryId));
    });
    return contents;
}

QString thisLibraryPath()
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&thisLibraryPath), &info) == 0 || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace

extern "C" {

Q_DECL_EXPORT Status DllRegisterServer()
{
    const QString library = thisLibraryPath();
    if (library.isEmpty())
        return StatusRegisterClassFailed;
    bool readable = true;
    ClassRegistryContents contents = withoutOurEntries(readClassRegistry(&readable));
    // A registry that cannot be read is left for the user to mend, never replaced.
    if (!readable)
        return StatusRegisterClassFailed;
    for (const ControlClassInfo &info : ControlClasses) {
        const QString name = QLatin1String(info.name);
        contents.classes.append(
            { QLatin1String(info.progId),
              QLatin1String(info.classId),
              { QLatin1Char('_') + name, QLatin1String(info.defaultInterfaceId) },
              { QStringLiteral("__") + name, QLatin1String(info.eventInterfaceId) },
              library,
              QLatin1String(TypeLibraryId) });
    }
    contents.typeLibraries.append({ QLatin1String(TypeLibraryName), QLatin1String(TypeLibraryId),
                                    QLatin1String(TypeLibraryVersion),
                                    QLatin1String(TypeLibraryLocale), library,
                                    QLatin1String(FileVersion) });
    return writeClassRegistry(contents) ? StatusOk : StatusRegisterClassFailed;
}

Q_DECL_EXPORT Status DllUnregisterServer()
{
    bool readable = true;
    const ClassRegistryContents contents = readClassRegistry(&readable);
    if (!readable)
        return StatusRegisterClassFailed;
    const ClassRegistryContents rest = withoutOurEntries(contents);
    if (rest.classes.size() == contents.classes.size()
        && rest.typeLibraries.size() == contents.typeLibraries.size())
        return StatusOk;
    return writeClassRegistry(rest) ? StatusOk : StatusRegisterClassFailed;
}

Q_DECL_EXPORT Status DllGetClassObject(const char *classId, const char *interfaceId, void **factory)
{
    if (!factory)
        return StatusPointer;
    *factory = nullptr;
    if (!classId || !interfaceId)
        return StatusPointer;
    for (int k = 0; k < int(ControlClasses.size()); ++k) {
        if (!sameId(QLatin1String(classId), QLatin1String(ControlClasses[k].classId)))
            continue;
        if (!sameId(QLatin1String(interfaceId), QLatin1String(ClassFactoryInterfaceId))
            && !sameId(QLatin1String(interfaceId), QLatin1String(UnknownInterfaceId)))
            return StatusNoInterface;
        *factory = static_cast<ControlClassFactory *>(&factoryFor(k));
        return StatusOk;
    }
    return StatusClassNotAvailable;
}

Q_DECL_EXPORT Status DllCanUnloadNow()
{
    return PanelBase::liveCount() == 0 && serverLocks == 0 ? StatusOk : StatusFalse;
}

} // extern "C"
