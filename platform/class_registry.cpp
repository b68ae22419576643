// The registry file of creatable control classes.
#include "platform/class_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace kx {

namespace {

QJsonObject interfaceToJson(const RegisteredInterface &interface)
{
    return QJsonObject { { "name", interface.name }, { "id", interface.id } };
}

RegisteredInterface interfaceFromJson(const QJsonObject &object)
{
    return { object.value("name").toString(), object.value("id").toString() };
}

} // namespace

QString classRegistryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/belgepano/classes.json");
}

bool sameId(const QString &a, const QString &b)
{
    const QUuid left(a);
    const QUuid right(b);
    return !left.isNull() && left == right;
}

ClassRegistryContents readClassRegistry(bool *readable)
{
    ClassRegistryContents contents;
    if (readable)
        *readable = true;
    QFile file(classRegistryPath());
    if (!file.exists())
        return contents;
    QJsonParseError error {};
    const QJsonDocument document = file.open(QIODevice::ReadOnly)
        ? QJsonDocument::fromJson(file.readAll(), &error)
        : QJsonDocument();
    if (!file.isOpen() || error.error != QJsonParseError::NoError || !document.isObject()) {
        if (readable)
            *readable = false;
        return contents;
    }
    const QJsonObject root = document.object();
    for (const QJsonValue &value : root.value("classes").toArray()) {
        const QJsonObject object = value.toObject();
        contents.classes.append(
            { object.value("progId").toString(), object.value("classId").toString(),
              interfaceFromJson(object.value("defaultInterface").toObject()),
              interfaceFromJson(object.value("eventInterface").toObject()),
              object.value("library").toString(), object.value("typeLibrary").toString() });
    }
    for (const QJsonValue &value : root.value("typeLibraries").toArray()) {
        const QJsonObject object = value.toObject();
        contents.typeLibraries.append(
            { object.value("name").toString(), object.value("id").toString(),
              object.value("version").toString(), object.value("locale").toString(),
              object.value("library").toString(), object.value("fileVersion").toString() });
    }
    return contents;
}

bool writeClassRegistry(const ClassRegistryContents &contents)
{
    const QString path = classRegistryPath();
    if (contents.classes.isEmpty() && contents.typeLibraries.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);

    QJsonArray classes;
    for (const RegisteredClass &entry : contents.classes) {
        classes.append(
            QJsonObject { { "progId", entry.progId },
                          { "classId", entry.classId },
                          { "defaultInterface", interfaceToJson(entry.defaultInterface) },
                          { "eventInterface", interfaceToJson(entry.eventInterface) },
                          { "library", entry.library },
                          { "typeLibrary", entry.typeLibraryId } });
    }
    QJsonArray typeLibraries;
    for (const RegisteredTypeLibrary &entry : contents.typeLibraries) {
        typeLibraries.append(QJsonObject { { "name", entry.name },
                                           { "id", entry.id },
                                           { "version", entry.version },
                                           { "locale", entry.locale },
                                           { "library", entry.library },
                                           { "fileVersion", entry.fileVersion } });
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // Written aside and renamed, so that a reader never sees half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QJsonObject root { { "classes", classes }, { "typeLibraries", typeLibraries } };
    file.write(QJsonDocument(root).toJson());
    return file.commit();
}

std::optional<RegisteredClass> findRegisteredClass(const QString &progIdOrClassId)
{
    for (const RegisteredClass &entry : readClassRegistry().classes) {
        if (entry.progId.compare(progIdOrClassId, Qt::CaseInsensitive) == 0
            || sameId(entry.classId, progIdOrClassId))
            return entry;
    }
    return std::nullopt;
}

} // namespace kx
