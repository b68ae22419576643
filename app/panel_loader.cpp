// Creates Belgepano's panels at run time and binds to them late.
#include "app/panel_loader.h"

#include "panels/type_library.h"
#include "platform/class_registry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QWidget>

namespace kx {

namespace {

// Relays an argument-less signal to a handler.
class PanelEventRelay : public QObject
{
    Q_OBJECT
public:
    PanelEventRelay(std::function<void()> handler, QObject *parent)
        : QObject(parent)
        , handler(std::move(handler))
    { }

public slots:
    void raise() { handler(); }

private:
    std::function<void()> handler;
};

// Libraries stay loaded for the life of the process: their classes' meta-objects must outlive
// every panel made from them.
QLibrary *loadedLibrary(const QString &path, QString *error)
{
    static QHash<QString, QLibrary *> libraries;
    const QString key = QFileInfo(path).absoluteFilePath();
    if (QLibrary *known = libraries.value(key))
        return known;
    auto *library = new QLibrary(key);
    if (!library->load()) {
        if (error)
            *error = library->errorString();
        delete library;
        return nullptr;
    }
    libraries.insert(key, library);
    return library;
}

QString builtInClassId(const QString &progIdOrClassId)
{
    for (const belgepano::ControlClassInfo &info : belgepano::ControlClasses) {
        if (progIdOrClassId.compare(QLatin1String(info.progId), Qt::CaseInsensitive) == 0
            || sameId(progIdOrClassId, QLatin1String(info.classId)))
            return QLatin1String(info.classId);
    }
    return QString();
}

// The property that a dispatch id names; invalid when the class declares none such.
QMetaProperty panelProperty(const QMetaObject *panelClass, int dispatchId)
{
    const int first = panelClass->propertyOffset();
    const int count = panelClass->propertyCount() - first;
    // Wide enough for any id the host passes, far below the first one included.
    const qint64 k = count - (qint64(dispatchId) - FirstPanelDispatchId);
    if (k < 1 || k > count)
        return QMetaProperty();
    return panelClass->property(first + int(k) - 1);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QString PanelLibraryBesideProgram()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/')
        + QLatin1String(belgepano::LibraryFileName);
}

QWidget *CreatePanel(const QString &progIdOrClassId, QWidget *parent, QString *error)
{
    QString classId;
    QString libraryPath;
    if (const auto registered = findRegisteredClass(progIdOrClassId);
        registered && QFileInfo::exists(registered->library)) {
        classId = registered->classId;
        libraryPath = registered->library;
    } else {
        classId = builtInClassId(progIdOrClassId);
        libraryPath = PanelLibraryBesideProgram();
    }
    if (classId.isEmpty()) {
        setError(error, QStringLiteral("unknown panel class %1").arg(progIdOrClassId));
        return nullptr;
    }
    QLibrary *library = loadedLibrary(libraryPath, error);
    if (!library)
        return nullptr;
    auto getClassObject
        = reinterpret_cast<GetClassObjectFunction>(library->resolve("DllGetClassObject"));
    if (!getClassObject) {
        setError(error, QStringLiteral("%1 has no class objects").arg(libraryPath));
        return nullptr;
    }
    void *object = nullptr;
    const Status status
        = getClassObject(classId.toLatin1().constData(), ClassFactoryInterfaceId, &object);
    if (status != StatusOk || !object) {
        setError(error,
                 QStringLiteral("class %1 not available (0x%2)")
                     .arg(classId, QString::number(quint32(status), 16)));
        return nullptr;
    }
    return static_cast<ControlClassFactory *>(object)->CreateInstance(parent);
}

int PanelDispatchId(const QMetaObject *panelClass, const QString &property)
{
    if (!panelClass)
        return -1;
    const QByteArray name = property.toLatin1();
    const int first = panelClass->propertyOffset();
    const int count = panelClass->propertyCount() - first;
    for (int k = 1; k <= count; ++k) {
        if (name == panelClass->property(first + k - 1).name())
            return FirstPanelDispatchId + (count - k);
    }
    return -1;
}

QObject *PanelChild(const QObject *panel, const QString &property)
{
    if (!panel || PanelDispatchId(panel->metaObject(), property) < 0)
        return nullptr;
    return panel->property(property.toLatin1().constData()).value<QObject *>();
}

QObject *PanelChild(const QObject *panel, int dispatchId)
{
    if (!panel)
        return nullptr;
    return panelProperty(panel->metaObject(), dispatchId).read(panel).value<QObject *>();
}

bool PutPanelChild(QObject *panel, const QString &property, QObject *value)
{
    if (!panel)
        return false;
    return PutPanelChild(panel, PanelDispatchId(panel->metaObject(), property), value);
}

bool PutPanelChild(QObject *panel, int dispatchId, QObject *value)
{
    if (!panel)
        return false;
    return panelProperty(panel->metaObject(), dispatchId).write(panel, QVariant::fromValue(value));
}

int PanelEventNumber(const QMetaObject *panelClass, const QString &event)
{
    if (!panelClass)
        return 0;
    const QByteArray signature = event.toLatin1() + "()";
    int number = 0;
    for (int i = panelClass->methodOffset(); i < panelClass->methodCount(); ++i) {
        const QMetaMethod method = panelClass->method(i);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        ++number;
        if (method.methodSignature() == signature)
            return number;
    }
    return 0;
}

bool ConnectPanelEvent(QObject *panel, const QString &event, QObject *context,
                       std::function<void()> handler)
{
    if (!panel || !context || PanelEventNumber(panel->metaObject(), event) == 0)
        return false;
    const QMetaObject *panelClass = panel->metaObject();
    const QMetaMethod signal
        = panelClass->method(panelClass->indexOfSignal((event.toLatin1() + "()").constData()));
    auto *relay = new PanelEventRelay(std::move(handler), context);
    QObject::connect(panel, &QObject::destroyed, relay, &QObject::deleteLater);
    const QMetaMethod slot
        = relay->metaObject()->method(relay->metaObject()->indexOfSlot("raise()"));
    return QObject::connect(panel, signal, relay, slot, Qt::DirectConnection);
}

} // namespace kx

#include "panel_loader.moc"
