#pragma once
// Why a print could not run. Shown as number & ":" & description, and nothing is printed.
#include <string>

namespace posmod {

enum class PrintError {
    None,
    DeviceOpen,      // the printer or the PDF file cannot be opened
    DeviceWrite,     // writing to the printer or the PDF file failed
    NoPrintableArea, // the margins (with header and footer) leave no room for a row
    NoPage,          // the page range selects no page
    NoCell,          // the cell block selects no cell
    EmptySheet,      // the sheet holds no table
    PageSetting,     // a per-page value is no whole number of at least 1
};

struct PrintErrorEntry {
    PrintError error;
    int number;
    const char* description;
};

inline constexpr PrintErrorEntry kPrintErrors[] = {
    {PrintError::DeviceOpen, 30001, "The printer or the file cannot be opened"},
    {PrintError::DeviceWrite, 30002, "The printer or the file cannot be written"},
    {PrintError::NoPrintableArea, 30003, "The margins leave no printable area"},
    {PrintError::NoPage, 30004, "No page lies in the page range"},
    {PrintError::NoCell, 30005, "No cell lies in the cell block"},
    {PrintError::EmptySheet, 30006, "The sheet holds nothing to print"},
    {PrintError::PageSetting, 30007, "The page setting is not a whole number from 1"},
};

// number & ":" & description; "" for None.
std::string PrintError_Message(PrintError e);

} // namespace posmod
