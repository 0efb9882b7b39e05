#pragma once
// Files for the CSV tests: a temporary folder removed at the end, the golden files under
// tests/data/csv, and a pointer that counts its hourglass.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "shared/Pointer.h"
#include "shared/Public.h"

namespace posmod::test {

class TempDir {
public:
    TempDir()
    {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "posmod-csv-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }
    // A file holding bytes; its path.
    std::string file(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out << bytes;
        return path(name);
    }

private:
    std::string path_;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

#ifdef POSMOD_CSV_DATA
// A golden file of tests/data/csv.
inline std::string golden(const std::string& name)
{
    const std::string path = std::string(POSMOD_CSV_DATA) + "/" + name;
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    return readBytes(path);
}
#endif

struct CountingPointer : MousePointer {
    int depth = 0, shown = 0;
    void setHourglass(bool on) override
    {
        if (on) {
            ++depth;
            ++shown;
        } else {
            --depth;
        }
    }
};

inline bool SameTable(const RegisterTable& a, const RegisterTable& b)
{
    return a.ReadAddr == b.ReadAddr && a.WriteAddr == b.WriteAddr && a.ReadData == b.ReadData &&
           a.ReadDataH == b.ReadDataH && a.WriteData == b.WriteData && a.WriteDataH == b.WriteDataH &&
           a.TwoWords == b.TwoWords && a.PrmRange[0] == b.PrmRange[0] && a.PrmRange[1] == b.PrmRange[1] &&
           a.AutoRange[0] == b.AutoRange[0] && a.AutoRange[1] == b.AutoRange[1];
}

} // namespace posmod::test
