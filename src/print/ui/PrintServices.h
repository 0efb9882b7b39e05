#pragma once
// What the preview and its page-setting and print dialogs are handed.
namespace posmod {

class FileNameDialog;
class FileWriter;
class MessageSink;
class MousePointer;
class PrinterChoice;
class RememberingFileDialog;
class Runtime;
class WindowShell;
struct Public;

struct PrintServices {
    Public& pub;
    WindowShell& shell;             // shows the page-setting and print dialogs modal
    MessageSink& messages;
    MousePointer* pointer;          // the hourglass while the workbook is written
    RememberingFileDialog& csvDialog; // the CSV dialog: the export starts from its last name
    FileNameDialog& pdfDialog;      // the PDF file of a print when the system has no printer
    FileWriter& files;              // writes the workbook whole or not at all
    PrinterChoice& printers;
    Runtime& runtime;               // the print dialog's short wait
};

} // namespace posmod
