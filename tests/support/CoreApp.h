#pragma once
// The one QCoreApplication the Qt adapters need, made on first use and kept to the end.
#include <QCoreApplication>
#include <string>

namespace posmod {

inline void CoreApp_Ensure(const char* name)
{
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static std::string arg0 = name;
    static char* argv[] = {arg0.data(), nullptr};
    new QCoreApplication(argc, argv);
}

} // namespace posmod
