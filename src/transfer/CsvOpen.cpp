#include "transfer/CsvOpen.h"

namespace posmod {

std::string CsvFile_AskName(Public& p, const CsvChoice& c, bool save)
{
    p.CsvFileName.clear();
    if (!c.dialog) return {};
    FileNameRequest request;
    request.mode = save ? FileNameRequest::Mode::Save : FileNameRequest::Mode::Open;
    request.confirmOverwrite = save;
    p.CsvFileName = c.dialog->ask(request);
    if (p.CsvFileName.empty()) return {};
    if (c.afterName) c.afterName();
    return p.CsvFileName;
}

std::optional<CsvRead> CsvFile_Open(Public& p, const CsvChoice& c,
                                    const std::function<CsvRead(std::string_view, int*)>& read)
{
    const std::string name = CsvFile_AskName(p, c, false);
    if (name.empty()) return std::nullopt;
    CsvRead r = CsvRead::Failed;
    int line = 0;
    {
        Hourglass busy(c.pointer);
        if (const std::optional<std::string> bytes = readRegularFile(name, kCsvMaxBytes)) r = read(*bytes, &line);
    }
    if (r != CsvRead::Ok && c.messages) c.messages->show(CsvRead_Message(r, line), MsgIcon::Exclamation);
    return r;
}

} // namespace posmod
