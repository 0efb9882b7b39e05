#include "fakecpu/FakeCpu.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <termios.h>
#include <unistd.h>

namespace posmod {

int64_t fakeCpuNowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

bool fail(std::string* error, const std::string& what)
{
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

void setNonBlocking(int fd) { ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK); }

// A socket is written with send() so that a tool gone away gives EPIPE, not SIGPIPE;
// the pty takes write(). A full buffer is retried until everything is out.
void writeAll(int fd, const std::string& bytes, bool socket)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const char* from = bytes.data() + done;
        const std::size_t left = bytes.size() - done;
        const ssize_t n = socket ? ::send(fd, from, left, MSG_NOSIGNAL) : ::write(fd, from, left);
        if (n > 0) { done += std::size_t(n); continue; }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return;
        ::usleep(100);
    }
}

} // namespace

FakeCpu::FakeCpu(CpuModel& model, Kind kind, PeerConfig cfg) : model_(model), kind_(kind), cfg_(std::move(cfg)) {}

FakeCpu::~FakeCpu() { stop(); }

bool FakeCpu::start(std::string* error, int tcpPort)
{
    if (::pipe(wakeFd_) != 0) return fail(error, "pipe");
    setNonBlocking(wakeFd_[0]);
    if (kind_ == Kind::Serial) {
        masterFd_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (masterFd_ < 0 || ::grantpt(masterFd_) != 0 || ::unlockpt(masterFd_) != 0)
            return fail(error, "posix_openpt");
        char name[128];
        if (::ptsname_r(masterFd_, name, sizeof name) != 0) return fail(error, "ptsname");
        ptyPath_ = name;
        // Kept open so that the tool closing its side never hangs the line up.
        slaveFd_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (slaveFd_ < 0) return fail(error, "open pty");
        termios t{};
        ::tcgetattr(slaveFd_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(slaveFd_, TCSANOW, &t);
        setNonBlocking(masterFd_);
    } else {
        listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        if (listenFd_ < 0) return fail(error, "socket");
        int on = 1;
        ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(uint16_t(tcpPort));
        if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return fail(error, "bind");
        if (::listen(listenFd_, 4) != 0) return fail(error, "listen");
        socklen_t len = sizeof a;
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&a), &len);
        tcpPort_ = ntohs(a.sin_port);
        setNonBlocking(listenFd_);
    }
    stop_ = false;
    thread_ = std::thread([this] { run(); });
    return true;
}

void FakeCpu::stop()
{
    if (thread_.joinable()) {
        stop_ = true;
        const char c = 'x';
        (void)!::write(wakeFd_[1], &c, 1);
        thread_.join();
    }
    for (int* fd : {&masterFd_, &slaveFd_, &listenFd_, &wakeFd_[0], &wakeFd_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

void FakeCpu::run()
{
#ifdef __linux__
    // The line times it plays are waits of its own: without the default slack of the
    // system's timers, so that they take the time the line would and no more.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
#endif
    SerialPeer serial(model_, state_, cfg_);
    TcpPeer tcp(model_, state_, cfg_);
    struct Due { int64_t atUs; PeerOut out; };
    std::deque<Due> queue;
    int client = -1;
    int64_t lastDueUs = 0;
    char buf[4096];

    auto enqueue = [&](const std::vector<PeerOut>& outs, int64_t now) {
        int64_t t = std::max(now, lastDueUs);
        for (const PeerOut& o : outs) {
            t += o.delayUs;
            queue.push_back({t, o});
        }
        lastDueUs = t;
    };
    auto dropClient = [&] {
        if (client >= 0) ::close(client);
        client = -1;
        queue.clear();
    };

    while (!stop_) {
        const int64_t now = fakeCpuNowUs();
        timespec ts{};
        timespec* timeout = nullptr;
        if (!queue.empty()) {
            const int64_t wait = std::max<int64_t>(0, queue.front().atUs - now);
            ts.tv_sec = wait / 1'000'000;
            ts.tv_nsec = long(wait % 1'000'000) * 1000;
            timeout = &ts;
        }
        pollfd fds[3];
        int n = 0;
        fds[n++] = {wakeFd_[0], POLLIN, 0};
        const int ioFd = kind_ == Kind::Serial ? masterFd_ : client;
        const int ioIdx = ioFd >= 0 ? n : -1;
        if (ioFd >= 0) fds[n++] = {ioFd, POLLIN, 0};
        const int listenIdx = listenFd_ >= 0 ? n : -1;
        if (listenFd_ >= 0) fds[n++] = {listenFd_, POLLIN, 0};
        if (::ppoll(fds, nfds_t(n), timeout, nullptr) < 0 && errno != EINTR) break;
        if (stop_) break;
        if (fds[0].revents & POLLIN) {
            while (::read(wakeFd_[0], buf, sizeof buf) > 0) {}
        }
        bool replaced = false;
        if (listenIdx >= 0 && (fds[listenIdx].revents & POLLIN)) {
            const int c = ::accept(listenFd_, nullptr, nullptr);
            if (c >= 0) {
                dropClient(); // one tool at a time; a new connection replaces the old
                client = c;
                int on = 1;
                ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
                setNonBlocking(client);
                replaced = true;
            }
        }
        // After a replacement the polled descriptor is the old connection's, now closed: a
        // read of it would fail and drop the new one.
        if (!replaced && ioIdx >= 0 && (fds[ioIdx].revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t got = ::read(ioFd, buf, sizeof buf);
            const int64_t at = fakeCpuNowUs();
            if (got > 0) {
                std::lock_guard l(modelMutex_);
                if (kind_ == Kind::Serial)
                    enqueue(serial.receive(std::string(buf, std::size_t(got)), at), at);
                else
                    enqueue(tcp.receive(std::vector<uint8_t>(buf, buf + got), at), at);
            } else if (kind_ == Kind::Tcp && (got == 0 || (errno != EAGAIN && errno != EINTR))) {
                dropClient();
            } else if (kind_ == Kind::Serial && got <= 0) {
                ::usleep(1000); // no data after a wake-up: do not spin
            }
        }
        while (!queue.empty() && queue.front().atUs <= fakeCpuNowUs()) {
            const Due d = queue.front();
            queue.pop_front();
            lateUs_ += fakeCpuNowUs() - d.atUs;
            if (kind_ == Kind::Serial && d.out.closeConnection) {
                // The device goes away: the tool's side of the line hangs up.
                ::close(masterFd_);
                masterFd_ = -1;
                queue.clear();
                break;
            } else if (kind_ == Kind::Serial) {
                if (masterFd_ >= 0) writeAll(masterFd_, d.out.bytes, false);
                serial.noteSent(fakeCpuNowUs());
            } else if (d.out.closeConnection) {
                dropClient();
            } else if (client >= 0) {
                writeAll(client, d.out.bytes, true);
                tcp.noteSent(fakeCpuNowUs());
            }
        }
    }
    if (client >= 0) ::close(client);
}

} // namespace posmod
