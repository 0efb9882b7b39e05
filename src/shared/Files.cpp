#include "shared/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace posmod {

std::string RememberingFileDialog::ask(FileNameRequest request)
{
    if (request.name.empty()) request.name = last_;
    std::string chosen = dialog_.ask(request);
    if (!chosen.empty()) last_ = chosen;
    return chosen;
}

std::optional<std::string> writeTarget(const std::string& path)
{
    namespace fs = std::filesystem;
    // As many links as the system itself follows before it gives up.
    constexpr int kMaxLinks = 40;
    fs::path at = path;
    for (int hops = 0;; ++hops) {
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(at, ec);
        if (st.type() == fs::file_type::not_found) return at.string();
        if (ec) return std::nullopt;
        if (st.type() == fs::file_type::regular) return at.string();
        if (st.type() != fs::file_type::symlink || hops == kMaxLinks) return std::nullopt;
        const fs::path next = fs::read_symlink(at, ec);
        if (ec) return std::nullopt;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes)
{
    // Opening a device can have effects of its own (a serial line raises its modem
    // lines), and a FIFO blocks until a writer comes: look before opening, and check
    // again what was opened, in case the path changed in between.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        std::string data;
        char buf[64 * 1024];
        // One byte beyond the limit tells a file that is too large; the size from stat
        // may be stale.
        for (;;) {
            const std::size_t room = maxBytes + 1 - data.size();
            const ssize_t n = ::read(fd, buf, room < sizeof buf ? room : sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) break;
            if (n == 0) {
                bytes = std::move(data);
                break;
            }
            data.append(buf, static_cast<std::size_t>(n));
            if (data.size() > maxBytes) break;
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace posmod
