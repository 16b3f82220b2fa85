// A voice modem on a pseudo-terminal. It prints the terminal's path on the
// first line of its output, then answers AT commands on the terminal and
// takes orders on its standard input, one a line:
//   ring NUMBER [NAME...]   RING, the caller-ID block, RING
//   ring-private            RING, a withheld number, RING
//   raw TEXT                sends TEXT as a line (\xNN for any byte)
//   next-dial RESULT        answers the next dial with RESULT (BUSY, NO DIALTONE, ...)
//   silent                  stops answering commands
//   hangup                  the far end hangs up: NO CARRIER
//   quit                    ends
// Every command line received is written to standard error, one a line,
// and "done" is written after each order.
// Options: --no-cid (caller-ID commands answer ERROR), --no-vcid (only the
// older caller-ID command works), --deaf (never answers).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

int g_master = -1;
bool g_echo = true;
bool g_silent = false;
bool g_noCid = false;
bool g_noVcid = false;
int g_cid = 0;
std::string g_nextDial = "OK";

void Send(const std::string& line)
{
    const std::string bytes = "\r\n" + line + "\r\n";
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(g_master, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
    }
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void Command(const std::string& raw)
{
    std::fprintf(stderr, "%s\n", raw.c_str());
    std::fflush(stderr);
    if (g_silent)
        return;
    if (g_echo)
        Send(raw);
    const std::string line = Upper(raw);
    if (line.rfind("AT", 0) != 0) {
        Send("ERROR");
        return;
    }
    const std::string body = line.substr(2);
    if (body.empty() || body == "Z" || body == "H" || body == "H0" || body == "H1") {
        Send("OK");
    } else if (body.rfind("E0", 0) == 0) {
        g_echo = false;
        Send("OK");
    } else if (body == "I") {
        Send("Simulated Voice Modem 1.0");
        Send("OK");
    } else if (body == "+FMI") {
        Send("Test Works");
        Send("OK");
    } else if (body == "+FMM") {
        Send("Voice 56K");
        Send("OK");
    } else if (body.rfind("+VCID=", 0) == 0) {
        if (g_noCid || g_noVcid)
            Send("ERROR");
        else {
            g_cid = std::atoi(body.c_str() + 6);
            Send("OK");
        }
    } else if (body.rfind("#CID=", 0) == 0) {
        if (g_noCid)
            Send("ERROR");
        else {
            g_cid = std::atoi(body.c_str() + 5);
            Send("OK");
        }
    } else if (body[0] == 'D') {
        Send(g_nextDial);
        g_nextDial = "OK";
    } else {
        Send("ERROR");
    }
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() + 0 && text[i + 1] == 'x') {
            out += static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool Order(const std::string& order)
{
    const size_t blank = order.find(' ');
    const std::string verb = order.substr(0, blank);
    const std::string rest = blank == std::string::npos ? std::string() : order.substr(blank + 1);
    if (verb == "quit")
        return false;
    if (verb == "ring") {
        const size_t split = rest.find(' ');
        Send("RING");
        if (g_cid) {
            Send("DATE = 1209");
            Send("TIME = 0931");
            Send("NMBR = " + rest.substr(0, split));
            if (split != std::string::npos)
                Send("NAME = " + rest.substr(split + 1));
        }
        Send("RING");
    } else if (verb == "ring-private") {
        Send("RING");
        if (g_cid) {
            Send("DATE = 1209");
            Send("TIME = 0931");
            Send("NMBR = P");
            Send("NAME = P");
        }
        Send("RING");
    } else if (verb == "raw") {
        Send(Unescape(rest));
    } else if (verb == "next-dial") {
        g_nextDial = rest;
    } else if (verb == "silent") {
        g_silent = true;
    } else if (verb == "hangup") {
        Send("NO CARRIER");
    }
    std::printf("done\n");
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--no-cid")
            g_noCid = true;
        else if (option == "--no-vcid")
            g_noVcid = true;
        else if (option == "--deaf")
            g_silent = true;
    }
    g_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (g_master < 0 || ::grantpt(g_master) != 0 || ::unlockpt(g_master) != 0) {
        std::perror("posix_openpt");
        return 1;
    }
    // Keep the terminal alive while no one has it open.
    const char* slave = ::ptsname(g_master);
    const int keep = ::open(slave, O_RDWR | O_NOCTTY);
    termios tty {};
    ::tcgetattr(keep, &tty);
    ::cfmakeraw(&tty);
    ::tcsetattr(keep, TCSANOW, &tty);
    std::printf("%s\n", slave);
    std::fflush(stdout);

    std::string command;
    std::string order;
    for (;;) {
        pollfd fds[2] = {{g_master, POLLIN, 0}, {0, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents & POLLIN) {
            char buffer[256];
            const ssize_t n = ::read(g_master, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n; ++i) {
                if (buffer[i] == '\r' || buffer[i] == '\n') {
                    if (!command.empty())
                        Command(command);
                    command.clear();
                } else {
                    command += buffer[i];
                }
            }
        }
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            char buffer[256];
            const ssize_t n = ::read(0, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (ssize_t i = 0; i < n; ++i) {
                if (buffer[i] == '\n') {
                    if (!Order(order))
                        return 0;
                    order.clear();
                } else {
                    order += buffer[i];
                }
            }
        }
    }
    ::close(keep);
    return 0;
}
