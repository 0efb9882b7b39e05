#include "platform/SheetExport.h"

#include <cstdio>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <xlsxwriter.h>

namespace posmod {

namespace {

// The twips of a sheet column as the pixels of a workbook column (15 twips a pixel).
double columnPixels(int twips) { return twips / 15.0; }

bool writeWorkbook(const PrintSheet& s, const std::string& file, const std::string& sheetName)
{
    lxw_workbook* wb = workbook_new(file.c_str());
    if (!wb) return false;
    lxw_worksheet* ws = workbook_add_worksheet(wb, sheetName.c_str());
    bool ok = ws != nullptr;
    const bool rowNumbers = s.RowHeaderNumbers;
    const int first = rowNumbers ? 0 : 1; // sheet column written into the workbook's first
    for (int c = first; ok && c <= s.MaxCols(); ++c) {
        const auto col = static_cast<lxw_col_t>(c - first);
        ok = worksheet_set_column_pixels(ws, col, col, columnPixels(s.ColWidth(c)), nullptr) == LXW_NO_ERROR;
    }
    for (int r = 0; ok && r <= s.MaxRows(); ++r) {
        for (int c = first; ok && c <= s.MaxCols(); ++c) {
            const auto row = static_cast<lxw_row_t>(r);
            const auto col = static_cast<lxw_col_t>(c - first);
            if (c == 0 && r > 0) {
                ok = worksheet_write_number(ws, row, col, r, nullptr) == LXW_NO_ERROR;
                continue;
            }
            const SheetCell& cell = s.cell(c, r);
            if (cell.isNumber) ok = worksheet_write_number(ws, row, col, cell.number, nullptr) == LXW_NO_ERROR;
            else if (!cell.text.empty())
                ok = worksheet_write_string(ws, row, col, cell.text.c_str(), nullptr) == LXW_NO_ERROR;
        }
    }
    // Closing writes the file; it is freed whatever happened.
    const lxw_error closed = workbook_close(wb);
    return ok && closed == LXW_NO_ERROR;
}

} // namespace

bool SheetExport_Xlsx(const PrintSheet& s, const std::string& path, const std::string& sheetName)
{
    if (path.empty()) return false;
    // A temporary name in the target's folder, so the rename stays on one file system.
    const size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    std::string temp = (slash == std::string::npos ? std::string("./") : dir) + ".xlsx-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    const mode_t mask = umask(0);
    umask(mask);
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
    fchmod(fd, mode);
    close(fd);

    if (!writeWorkbook(s, temp, sheetName) || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace posmod
