#pragma once
// A print server of the test's own: a cupsd with its own configuration, spool, cache, log and
// state folders in a temporary directory, listening only on DIR/cups.sock, with one cups-pdf
// queue made its default. CUPS_SERVER points at the socket, so everything the test prints goes
// there and never to the machine's own print system. Start it before QApplication exists: Qt
// reads the printer list from the server named when its print support first loads.
//
// cupsd runs backends as root and filters as lp, so it starts only for root; where it cannot
// start, reason() says why and the tests using it skip.

#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace norvex5::testing {

class PrivateCups {
public:
    static constexpr const char* kQueue = "norvex5pdf";

    PrivateCups() { start(); }
    ~PrivateCups() { stop(); }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool running() const { return pid_ > 0 && reason_.empty(); }
    // Why the server is not running; empty when it is.
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& directory() const { return dir_; }
    std::string socket() const { return (dir_ / "cups.sock").string(); }

    // Output of an lpstat question to this server, e.g. {"-W", "completed", "-o"}.
    std::string lpstat(const std::vector<std::string>& arguments) const {
        std::string command = "lpstat -h '" + socket() + "'";
        for (const std::string& a : arguments) command += " '" + a + "'";
        return run(command);
    }

    // The folder cups-pdf writes the current user's jobs into, from its configuration.
    static std::filesystem::path pdfOutputFolder() {
        std::string out = "/var/spool/cups-pdf/${USER}";
        std::ifstream conf("/etc/cups/cups-pdf.conf");
        for (std::string line; std::getline(conf, line);) {
            std::istringstream words(line);
            std::string key;
            std::string value;
            if (words >> key >> value && key == "Out") out = value;
        }
        const passwd* user = getpwuid(geteuid());
        const std::string home = user != nullptr ? user->pw_dir : "";
        const std::string name = user != nullptr ? user->pw_name : "";
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"${HOME}", home}, {"${USER}", name}}) {
            for (std::size_t at = out.find(from); at != std::string::npos; at = out.find(from))
                out.replace(at, from.size(), to);
        }
        return out;
    }

private:
    static std::string run(const std::string& command) {
        std::string output;
        if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
            char buffer[4096];
            for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
            pclose(pipe);
        }
        return output;
    }

    void fail(const std::string& why) {
        if (reason_.empty()) reason_ = why;
    }

    void start() {
        const char* cupsd = "/usr/sbin/cupsd";
        const char* ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
        if (geteuid() != 0) return fail("cupsd runs print jobs as user lp and needs root");
        if (access(cupsd, X_OK) != 0) return fail("no cupsd (package cups)");
        if (access("/usr/lib/cups/backend/cups-pdf", F_OK) != 0 || access(ppd, R_OK) != 0)
            return fail("no cups-pdf (package printer-driver-cups-pdf)");

        char pattern[] = "/tmp/norvex5-cups-XXXXXX";
        if (mkdtemp(pattern) == nullptr) return fail("no temporary directory");
        dir_ = pattern;
        // Filters run as lp and must reach the spool and temporary folders inside.
        chmod(pattern, 0755);
        for (const char* sub : {"spool", "cache", "log", "state", "tmp", "conf"})
            std::filesystem::create_directories(dir_ / sub);
        chmod((dir_ / "tmp").c_str(), 01777);
        const std::string d = dir_.string();
        std::ofstream(dir_ / "cups-files.conf") << "ServerRoot " << d << "/conf\n"
                                                << "RequestRoot " << d << "/spool\n"
                                                << "CacheDir " << d << "/cache\n"
                                                << "StateDir " << d << "/state\n"
                                                << "TempDir " << d << "/tmp\n"
                                                << "ErrorLog " << d << "/log/error_log\n"
                                                << "AccessLog " << d << "/log/access_log\n"
                                                << "PageLog " << d << "/log/page_log\n"
                                                << "User lp\nGroup lp\nSystemGroup root\n"
                                                << "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n";
        std::ofstream(dir_ / "cupsd.conf") << "Listen " << socket() << "\n"
                                           << "LogLevel warn\nBrowsing No\nWebInterface No\n"
                                           << "DefaultAuthType None\n"
                                           << "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                           << "  </Limit>\n</Policy>\n";

        const std::string conf = (dir_ / "cupsd.conf").string();
        const std::string files = (dir_ / "cups-files.conf").string();
        std::vector<std::string> args{cupsd, "-f", "-c", conf, "-s", files};
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, cupsd, nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
            return fail("cupsd would not start");
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (!std::filesystem::exists(socket())) {
            if (std::chrono::steady_clock::now() > deadline || waitpid(pid_, nullptr, WNOHANG) == pid_)
                return fail("cupsd did not open its socket; see " + d + "/log/error_log");
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        const std::string host = "lpadmin -h '" + socket() + "'";
        if (std::system((host + " -p " + kQueue + " -v cups-pdf:/ -E -P '" + ppd + "' 2>/dev/null").c_str()) != 0 ||
            std::system((host + " -d " + kQueue).c_str()) != 0)
            return fail("lpadmin could not add the cups-pdf queue");
        setenv("CUPS_SERVER", socket().c_str(), 1);
    }

    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
        if (!dir_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir_, ignored);
        }
    }

    std::filesystem::path dir_;
    pid_t pid_ = 0;
    std::string reason_;
};

}  // namespace norvex5::testing
