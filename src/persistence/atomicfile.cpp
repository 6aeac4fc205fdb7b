#include "persistence/atomicfile.h"

#include <atomic>
#include <chrono>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvex5 {

namespace {

// The target's own name, cut short enough that the suffix still fits a file name: a name the
// user could create must not fail only because its temporary file could not be named.
constexpr std::size_t kNameRoom = 180;

std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = target.filename().native().substr(0, kNameRoom);
    name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-" + std::to_string(serial++);
    return target.parent_path() / name;
}

WritableCheckOverride::Check& writableCheck() {
    static WritableCheckOverride::Check check;
    return check;
}

}  // namespace

bool userMayWrite(const std::filesystem::path& existing) {
    if (const auto& check = writableCheck()) return check(existing);
    std::error_code error;
    const int mode = std::filesystem::is_directory(existing, error) ? W_OK | X_OK : W_OK;
    return ::access(existing.c_str(), mode) == 0;
}

WritableCheckOverride::WritableCheckOverride(Check check) : previous_(std::move(writableCheck())) {
    writableCheck() = std::move(check);
}

WritableCheckOverride::~WritableCheckOverride() { writableCheck() = std::move(previous_); }

AtomicFileWriter::~AtomicFileWriter() { abandon(); }

bool AtomicFileWriter::open(const std::filesystem::path& target) {
    abandon();
    // A name that is a symbolic link is written through, as writing over the file would: renaming
    // over the link itself would leave the file it points to as it was.
    std::error_code error;
    target_ = target;
    if (std::filesystem::is_symlink(target, error)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
        if (!error) target_ = resolved;
    }
    failed_ = false;
    written_ = writebackStarted_ = 0;
    if (std::filesystem::exists(target_, error) && !userMayWrite(target_)) return false;
    temporary_ = temporaryNameFor(target_);
    // O_EXCL: never write through a name somebody else created in the meantime.
    const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        temporary_.clear();
        return false;
    }
    // Writing over the file would have kept its permissions; so does its replacement.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) ::fchmod(fd, existing.st_mode & 0777);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        temporary_.clear();
        return false;
    }
    static constexpr std::size_t kBufferSize = 1 << 16;
    std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
    return true;
}

bool AtomicFileWriter::write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }

bool AtomicFileWriter::write(const void* data, std::size_t size) {
    if (!good()) return false;
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) failed_ = true;
    written_ += size;
#if defined(__linux__)
    // A large file starts on its way to the disk while the rest is still being made, so that the
    // flush before the rename waits for its last few megabytes only, not for all of it.
    constexpr std::uint64_t kWritebackStep = std::uint64_t(4) << 20;
    if (!failed_ && written_ - writebackStarted_ >= kWritebackStep && std::fflush(file_) == 0) {
        ::sync_file_range(::fileno(file_), static_cast<off_t>(writebackStarted_),
                          static_cast<off_t>(written_ - writebackStarted_), SYNC_FILE_RANGE_WRITE);
        writebackStarted_ = written_;
    }
#endif
    return !failed_;
}

bool AtomicFileWriter::commit() {
    if (file_ == nullptr) return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok) {
        std::error_code error;
        std::filesystem::rename(temporary_, target_, error);
        ok = !error;
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
    temporary_.clear();
    return ok;
}

void AtomicFileWriter::abandon() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        temporary_.clear();
    }
}

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    AtomicFileWriter writer;
    return writer.open(target) && writer.write(bytes) && writer.commit();
}

}  // namespace norvex5
