#include "platform/SheetExport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <unistd.h>

#include <xlsxwriter.h>

#include "shared/Files.h"

namespace posmod {

namespace {

// Far beyond the largest table (256 steps of nine columns).
constexpr std::size_t kMaxWorkbookBytes = 64u << 20;

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

bool SheetExport_Xlsx(const PrintSheet& s, const std::string& path, const std::string& sheetName, FileWriter& writer)
{
    if (path.empty()) return false;
    // The workbook writer wants a file name: a private folder of its own holds the book until
    // its bytes go to the writer, which puts them in place whole or not at all.
    std::error_code ec;
    const std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (ec) return false;
    std::string folder = (tmp / "posmod-xlsx-XXXXXX").string();
    if (!mkdtemp(folder.data())) return false;
    const std::string book = folder + "/book.xlsx";
    std::optional<std::string> bytes;
    if (writeWorkbook(s, book, sheetName)) bytes = readRegularFile(book, kMaxWorkbookBytes);
    std::remove(book.c_str());
    rmdir(folder.c_str());
    return bytes && writer.write(path, *bytes);
}

} // namespace posmod
