#ifndef KESP_TEST_BASE_H
#define KESP_TEST_BASE_H

// What every test program shares, with nothing but Qt Core and Qt Test
// behind it: a main that turns Qt warnings into failures, and wall-clock
// bounds that stretch in the sanitizer build.

#include <QObject>
#include <QTest>

#ifndef KESP_TIME_SCALE
#define KESP_TIME_SCALE 1
#endif

namespace kesptest {

// Instrumented builds run several times slower; a bound on how long
// something may take is multiplied by this.
constexpr int kTimeScale = KESP_TIME_SCALE;
constexpr qint64 bound(qint64 ms) { return ms * kTimeScale; }

// Runs the test object like QTest::qExec, except that a warning fails the
// test function it comes in (a misspelt connect, a bad property, a failed
// paint).  The few warnings Qt's own code prints in these tests are let
// through by their exact text.
int runStrict(QObject *testObject, int argc, char **argv);

} // namespace kesptest

#define KESP_TEST_MAIN_WRAPPER(TestObject, ...) \
    int main(int argc, char *argv[]) \
    { \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>(); \
        __VA_ARGS__ \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return kesptest::runStrict(&tc, argc, argv); \
    }

#define KESP_TEST_MAIN(TestObject) KESP_TEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP())
#define KESP_TEST_GUILESS_MAIN(TestObject) \
    KESP_TEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define KESP_TEST_APPLESS_MAIN(TestObject) KESP_TEST_MAIN_WRAPPER(TestObject)

#endif // KESP_TEST_BASE_H
