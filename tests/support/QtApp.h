#pragma once
// The one application object of a Qt test program, made on first use.
#include <QApplication>

namespace posmod::test {

inline QApplication& app()
{
    static int argc = 1;
    static char name[] = "posmod_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics may already be gone.
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

} // namespace posmod::test
