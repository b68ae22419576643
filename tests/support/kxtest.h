// Registration of Qt Test classes into one test program per area.
#pragma once

#include <QObject>
#include <functional>

namespace kxtest {

using TestFactory = std::function<QObject *()>;

bool registerTestClass(const char *name, TestFactory factory);

} // namespace kxtest

// Put once after a test class: KX_TEST(TestConversions)
#define KX_TEST(Class)                                                                             \
    static const bool kxRegistered##Class = kxtest::registerTestClass(#Class, [] {                \
        return static_cast<QObject *>(new Class);                                                  \
    });
