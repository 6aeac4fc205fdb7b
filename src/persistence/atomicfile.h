#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file beside the target, which
// is renamed over the target only once everything has been written and flushed. A crash, a full
// disk or a refused write leaves the old file (or no file) in place, never half a file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace norvex5 {

class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    // Drops the temporary file when commit() was not reached.
    ~AtomicFileWriter();

    // Creates the temporary file in the target's directory. False when that is impossible, or
    // when the target exists and may not be written (see userMayWrite).
    bool open(const std::filesystem::path& target);
    // Appends bytes; after a failure every later call fails and commit() refuses.
    bool write(std::string_view bytes);
    bool write(const void* data, std::size_t size);
    // Flushes, closes and renames over the target. False (and the target untouched) on failure.
    bool commit();
    // Gives up: the temporary file is removed and the target stays as it was.
    void abandon();

    bool good() const { return file_ != nullptr && !failed_; }
    // Why the last open, write or commit failed, in the system's own terms; empty when none did.
    std::error_code error() const { return error_; }

private:
    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool failed_ = false;
    std::error_code error_;
    std::uint64_t written_ = 0;
    std::uint64_t writebackStarted_ = 0;
};

// The whole content in one call; `error`, when given, says why it failed.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::error_code* error = nullptr);

// Whether a file is the temporary file of a writer that never reached commit() (a program killed
// while writing leaves it behind): whoever lists a folder the writer writes into skips it, as it
// may be half a file.
bool isUnfinishedWrite(const std::filesystem::path& file);

// Why a write failed, in the few kinds the user can act on.
enum class WriteFailure {
    None,
    NotAllowed,  // the file or its folder may not be written (or the disk is read-only)
    DiskFull,
    NoFolder,    // the folder named does not exist
    Other,       // anything else: the system's own words say what
};
WriteFailure writeFailureOf(std::error_code error);

// Whether the user may write over an existing file, or make files in an existing directory. The
// rename needs only the right to write the directory, and would replace a file the user protected
// against writing; the writer asks this first and leaves such a file alone, as writing over it in
// place would. The settings ask it of the program's directory too.
bool userMayWrite(const std::filesystem::path& existing);

// Puts another answer in place of userMayWrite's own (access(2)) while it lives. Tests need it:
// root may write anything, so a read-only file or folder is no refusal when they run as root.
class WritableCheckOverride {
public:
    using Check = std::function<bool(const std::filesystem::path&)>;
    explicit WritableCheckOverride(Check check);
    ~WritableCheckOverride();
    WritableCheckOverride(const WritableCheckOverride&) = delete;
    WritableCheckOverride& operator=(const WritableCheckOverride&) = delete;

private:
    Check previous_;
};

}  // namespace norvex5
