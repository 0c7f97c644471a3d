// What a test plays against the game's local socket from outside:
//   socket_probe ask PATH                 connects, prints what the game answers
//   socket_probe squat PATH LOG           binds PATH first and answers "raised" to
//                                         everyone, noting each caller in LOG
//   socket_probe flood PATH CONNECTS MIB  opens CONNECTS connections and keeps them,
//                                         sends MIB MiB on one more, prints "ready"
//                                         and waits to be killed
//   socket_probe hold PATH                holds a lock (flock) on the file or folder
//                                         PATH, a file made when missing and left
//                                         empty, prints "ready"
//                                         and waits to be killed
// Plain POSIX, so that it runs as any user from a copy in a temporary folder.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

sockaddr_un Address(const char* path) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path, sizeof addr.sun_path - 1);
    return addr;
}

// A connection, waiting at most `attempts` hundredths of a second while the
// backlog is full.
int Connect(const char* path, int attempts = 300) {
    const sockaddr_un addr = Address(path);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0) return fd;
        const int error = errno;
        ::close(fd);
        if (error != EAGAIN) return -1;
        ::usleep(10000);
    }
    return -1;
}

int Ask(const char* path) {
    const int fd = Connect(path);
    if (fd < 0) return 1;
    std::string answer;
    char buf[64];
    pollfd p{fd, POLLIN, 0};
    while (answer.size() < 256 && ::poll(&p, 1, 3000) > 0) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;
        answer.append(buf, static_cast<std::size_t>(n));
    }
    std::fputs(answer.c_str(), stdout);
    return 0;
}

int Squat(const char* path, const char* log) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un addr = Address(path);
    ::unlink(path);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 16) != 0) {
        std::perror("squat");
        return 1;
    }
    ::chmod(path, 0777);
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        const int client = ::accept(fd, nullptr, nullptr);
        if (client < 0) continue;
        if (FILE* f = std::fopen(log, "a")) {
            std::fputs("a launch\n", f);
            std::fclose(f);
        }
        (void)!::write(client, "raised\n", 7);
        ::close(client);
    }
}

int Flood(const char* path, int connects, long mib) {
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
    std::vector<int> open;
    // A game that stops accepting fills its backlog: the rest would only wait.
    for (int i = 0; i < connects; ++i) {
        const int fd = Connect(path, 100);
        if (fd < 0) break;
        open.push_back(fd);
    }
    long long sent = 0;
    const int fd = Connect(path, 100);
    if (fd >= 0) {
        const std::vector<char> block(1 << 16, 'x');
        const long long total = mib << 20;
        const std::time_t end = std::time(nullptr) + 20;
        pollfd p{fd, POLLOUT, 0};
        while (sent < total && std::time(nullptr) < end) {
            if (::poll(&p, 1, 1000) <= 0) continue;
            const ssize_t n = ::send(fd, block.data(), block.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0 && errno != EAGAIN) break;  // the game closed it
            if (n > 0) sent += n;
        }
    }
    std::printf("%zu connections kept open, %lld bytes sent\nready\n", open.size(), sent);
    std::fflush(stdout);
    ::pause();
    return 0;
}

int Hold(const char* path) {
    int fd = ::open(path, O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EISDIR) fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        std::perror("hold");
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    ::pause();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "ask" && argc == 3) return Ask(argv[2]);
    if (mode == "squat" && argc == 4) return Squat(argv[2], argv[3]);
    if (mode == "hold" && argc == 3) return Hold(argv[2]);
    if (mode == "flood" && argc == 5) return Flood(argv[2], std::atoi(argv[3]), std::atol(argv[4]));
    std::fprintf(stderr, "usage: socket_probe ask PATH | squat PATH LOG | flood PATH CONNECTS MIB | hold PATH\n");
    return 2;
}
