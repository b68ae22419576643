// A test function of this very test program run again in a child process with a shim preloaded,
// for what must run under another clock or file system than the test's own.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace kxtest {

// Set in the child's environment: the test function that finds it does the child's part.
inline constexpr char ChildVariable[] = "KX_TEST_CHILD";

inline bool inChild()
{
    return qEnvironmentVariableIsSet(ChildVariable);
}

// Ends the child at once, after what it printed for its parent.
[[noreturn]] inline void endChild(int code = 0)
{
    std::fflush(stdout);
    std::_Exit(code);
}

struct ChildResult
{
    bool ended = false; // by itself, with the exit code 0
    QByteArray output; // its standard output, then its standard error
};

// Runs function of testClass in a child with the variables of extra added and the library at
// shim preloaded. The sanitizers of the test build want to come first in the child; a shim
// before them is let through.
inline ChildResult runInChild(const QString &testClass, const QString &function,
                              const QProcessEnvironment &extra, const QString &shim)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &key : extra.keys())
        environment.insert(key, extra.value(key));
    environment.insert(QString::fromLatin1(ChildVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("LD_PRELOAD"), shim);
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS"))
                           + QStringLiteral(":verify_asan_link_order=0"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                { testClass, function, QStringLiteral("-silent") });
    ChildResult result;
    const bool finished = child.waitForFinished(180000);
    result.output = child.readAllStandardOutput() + child.readAllStandardError();
    result.ended = finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return result;
}

} // namespace kxtest
