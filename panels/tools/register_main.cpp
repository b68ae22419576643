// belgepano-register: registers (or with -u removes) a control library's classes.
#include "platform/class_registry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool unregister = args.removeAll(QStringLiteral("-u")) > 0;
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "usage: belgepano-register [-u] <library>\n";
        return 2;
    }
    QLibrary library(QFileInfo(args.first()).absoluteFilePath());
    if (!library.load()) {
        err << library.errorString() << "\n";
        return 1;
    }
    const char *entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto call = reinterpret_cast<kx::RegisterServerFunction>(library.resolve(entry));
    if (!call) {
        err << "no " << entry << " in " << library.fileName() << "\n";
        return 1;
    }
    const kx::Status status = call();
    if (status != kx::StatusOk) {
        err << entry << " failed: 0x" << QString::number(quint32(status), 16) << "\n";
        return 1;
    }
    return 0;
}
