#include "print/PrintExport.h"

#include "shared/Conversions.h"

namespace posmod {

std::string ExportDefaultName(const std::string& lastFileName)
{
    const size_t slash = lastFileName.find_last_of("/\\");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = lastFileName.find('.', nameStart);
    return dot == std::string::npos ? lastFileName : lastFileName.substr(0, dot);
}

std::string ExportWithSuffix(const std::string& path)
{
    static const std::string suffix = ".xlsx";
    if (path.size() >= suffix.size() && equalsNoCase(std::string_view(path).substr(path.size() - suffix.size()), suffix))
        return path;
    return path + suffix;
}

} // namespace posmod
