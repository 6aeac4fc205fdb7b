#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file beside the target, which
// is renamed over the target only once everything has been written and flushed. A crash, a full
// disk or a refused write leaves the old file (or no file) in place, never half a file.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace norvex5 {

class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    // Drops the temporary file when commit() was not reached.
    ~AtomicFileWriter();

    // Creates the temporary file in the target's directory. False when that is impossible.
    bool open(const std::filesystem::path& target);
    // Appends bytes; after a failure every later call fails and commit() refuses.
    bool write(std::string_view bytes);
    bool write(const void* data, std::size_t size);
    // Flushes, closes and renames over the target. False (and the target untouched) on failure.
    bool commit();
    // Gives up: the temporary file is removed and the target stays as it was.
    void abandon();

    bool good() const { return file_ != nullptr && !failed_; }

private:
    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool failed_ = false;
};

// The whole content in one call.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace norvex5
