#pragma once

#include "testdatabase.h"

#include <QApplication>
#include <QtTest>

// Like QTEST_MAIN for tests that use the database: prints the engine, so that
// the two CTest runs of one test can be told apart in the output.
#define VEL_DB_TEST_MAIN(TestObject)                                                   \
    int main(int argc, char *argv[])                                                   \
    {                                                                                  \
        QApplication app(argc, argv);                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                       \
        qInfo("database engine: %s", qPrintable(TestDatabase::engineName()));          \
        if (TestDatabase::engine() == db::Engine::Postgres                             \
            && qEnvironmentVariableIntValue("VELMORA_TEST_PG_PORT") == 0) {            \
            qWarning("VELMORA_TEST_PG_PORT is not set: run this test through ctest");  \
            return 1;                                                                  \
        }                                                                              \
        TestObject tc;                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                     \
        return QTest::qExec(&tc, argc, argv);                                          \
    }
