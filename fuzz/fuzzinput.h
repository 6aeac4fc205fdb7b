#pragma once
// What every fuzz target shares: the input's bytes as a file held in memory, and a check that
// stops the run with its reason.
//
// Readers that take a file name read the input through one file for the whole run, refilled with
// each input, in a folder of the run's own in memory (/dev/shm where the system has it), and
// opened by its plain name like any regular file. (A memfd opened through /proc/self/fd cost a
// tenth of the wheel-file target's time in resolving that name, five times an input.)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace norvex5::fuzzing {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    __builtin_trap();
}

inline void require(bool condition, const char* what) {
    if (!condition) fail(what);
}

// The run's own folder, removed when the run ends.
inline const std::string& runFolder() {
    static const std::string folder = [] {
        const std::string parent =
            access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm") : std::filesystem::temp_directory_path().string();
        std::string made = parent + "/norvex5-fuzz-XXXXXX";
        if (mkdtemp(made.data()) == nullptr) fail("mkdtemp");
        return made;
    }();
    static const int removeFolderAtExit = std::atexit([] { std::filesystem::remove_all(folder); });
    (void)removeFolderAtExit;
    return folder;
}

class MemoryFile {
public:
    MemoryFile() : name_(runFolder() + "/input"), fd_(open(name_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)) {
        if (fd_ < 0) fail("open the input file");
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Holds exactly `bytes` from now on; returns the name to open it by.
    const std::string& hold(std::string_view bytes) {
        if (ftruncate(fd_, 0) != 0) fail("ftruncate");
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t wrote = pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            if (wrote <= 0) fail("pwrite");
            done += static_cast<std::size_t>(wrote);
        }
        return name_;
    }

private:
    std::string name_;
    int fd_;
};

// The one input file of the run.
inline MemoryFile& inputFile() {
    static MemoryFile file;
    return file;
}

// For readers that go by the file's name too: the input file holding `bytes`, opened through a
// link of that name (a '/' read as '_'; an empty name, "." or ".." as "unnamed"; cut to the 255
// bytes a name may have). The link is renamed for each input.
inline std::filesystem::path namedInputFile(std::string_view name, std::string_view bytes) {
    // Links have a folder of their own, so that no name can land on the input file itself.
    static const std::string folder = [] {
        const std::string made = runFolder() + "/named";
        if (mkdir(made.c_str(), 0700) != 0) fail("mkdir");
        return made;
    }();
    static std::filesystem::path link;
    const std::string& target = inputFile().hold(bytes);
    std::string leaf(name.substr(0, 255));
    for (char& c : leaf)
        if (c == '/') c = '_';
    if (leaf.empty() || leaf == "." || leaf == "..") leaf = "unnamed";
    const std::filesystem::path next = std::filesystem::path(folder) / leaf;
    if (link.empty()) {
        if (symlink(target.c_str(), next.c_str()) != 0) fail("symlink");
    } else if (rename(link.c_str(), next.c_str()) != 0) {
        fail("rename");
    }
    link = next;
    return next;
}

// The first byte chooses among a target's options; the rest is the file.
struct SplitInput {
    std::uint8_t options = 0;
    std::string_view bytes;
};
inline SplitInput splitInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    return {data[0], {reinterpret_cast<const char*>(data + 1), size - 1}};
}

}  // namespace norvex5::fuzzing
