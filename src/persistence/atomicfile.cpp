#include "persistence/atomicfile.h"

#include <atomic>
#include <cerrno>
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
constexpr std::string_view kTemporaryMark = ".tmp";

std::filesystem::path temporaryNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = target.filename().native().substr(0, kNameRoom);
    name += std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-" + std::to_string(serial++);
    return target.parent_path() / name;
}

WritableCheckOverride::Check& writableCheck() {
    static WritableCheckOverride::Check check;
    return check;
}

}  // namespace

bool isUnfinishedWrite(const std::filesystem::path& file) {
    // <target's name>.tmp<pid>-<stamp>-<serial>, as temporaryNameFor makes it.
    const std::string name = file.filename().string();
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos || mark == 0) return false;
    int dashes = 0;
    bool digit = false;
    for (std::size_t k = mark + kTemporaryMark.size(); k < name.size(); ++k) {
        if (name[k] == '-' && digit) {
            ++dashes;
            digit = false;
        } else if (name[k] >= '0' && name[k] <= '9') {
            digit = true;
        } else {
            return false;
        }
    }
    return dashes == 2 && digit;
}

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
    error_.clear();
    written_ = writebackStarted_ = 0;
    if (std::filesystem::exists(target_, error) && !userMayWrite(target_)) {
        error_ = std::make_error_code(std::errc::permission_denied);
        return false;
    }
    temporary_ = temporaryNameFor(target_);
    // O_EXCL: never write through a name somebody else created in the meantime.
    const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error_ = std::error_code(errno, std::generic_category());
        temporary_.clear();
        return false;
    }
    // Writing over the file would have kept its permissions; so does its replacement.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) ::fchmod(fd, existing.st_mode & 0777);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        error_ = std::error_code(errno, std::generic_category());
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
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) {
        failed_ = true;
        error_ = std::error_code(errno, std::generic_category());
    }
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
    if (!ok && !error_) error_ = std::error_code(errno, std::generic_category());
    ok = (std::fclose(file_) == 0) && ok;
    if (!ok && !error_) error_ = std::error_code(errno, std::generic_category());
    file_ = nullptr;
    if (ok) {
        std::filesystem::rename(temporary_, target_, error_);
        ok = !error_;
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

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes, std::error_code* error) {
    AtomicFileWriter writer;
    const bool ok = writer.open(target) && writer.write(bytes) && writer.commit();
    if (error != nullptr) *error = ok ? std::error_code() : writer.error();
    return ok;
}

WriteFailure writeFailureOf(std::error_code error) {
    if (!error) return WriteFailure::None;
    const std::error_condition kind = error.default_error_condition();
    if (kind == std::errc::permission_denied || kind == std::errc::operation_not_permitted ||
        kind == std::errc::read_only_file_system)
        return WriteFailure::NotAllowed;
    if (kind == std::errc::no_space_on_device || kind == std::errc::file_too_large || error.value() == EDQUOT)
        return WriteFailure::DiskFull;
    if (kind == std::errc::no_such_file_or_directory || kind == std::errc::not_a_directory)
        return WriteFailure::NoFolder;
    return WriteFailure::Other;
}

}  // namespace norvex5
