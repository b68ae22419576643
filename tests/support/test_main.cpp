// Runs every registered test class; "tst_core TestName [qtest options]" runs one.
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QTest>

#include <map>
#include <memory>
#include <string>

namespace {
std::map<std::string, kxtest::TestFactory> &registry()
{
    static std::map<std::string, kxtest::TestFactory> classes;
    return classes;
}
} // namespace

bool kxtest::registerTestClass(const char *name, TestFactory factory)
{
    registry()[name] = std::move(factory);
    return true;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args.at(1).startsWith('-')) {
        only = args.at(1);
        args.removeAt(1);
    }

    int failed = 0;
    int ran = 0;
    for (auto &[name, factory] : registry()) {
        if (!only.isEmpty() && only != QString::fromStdString(name))
            continue;
        std::unique_ptr<QObject> test(factory());
        failed += QTest::qExec(test.get(), args) != 0 ? 1 : 0;
        ++ran;
    }
    if (ran == 0 && !only.isEmpty()) {
        qWarning("no test class named %s", qPrintable(only));
        return 2;
    }
    return failed == 0 ? 0 : 1;
}
