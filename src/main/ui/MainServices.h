#pragma once
// What the main window is handed: it starts every function of the tool.
#include <functional>
#include <string>

class QWidget;

namespace posmod {

class CsvProcedures;
class FileWriter;
class LinkOps;
class MessageSink;
class SerialPort;
class TransferRunner;
class WindowShell;
struct Public;

struct MainServices {
    Public& pub;
    WindowShell& shell;
    TransferRunner& transfers;
    LinkOps& link;
    SerialPort& comm;           // the port the settings choose and the start-up probes
    MessageSink& messages;
    const std::string& settingsPath;
    FileWriter& fileWriter;     // writes Setting.ini at exit
    std::function<void()> endProgram;
    std::function<QWidget&()> waitWindow; // created (hidden) on first use
    CsvProcedures& csv;         // the CSV files of the editors
};

} // namespace posmod
