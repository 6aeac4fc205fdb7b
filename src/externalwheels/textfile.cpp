#include "externalwheels/textfile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvex5 {

namespace {

constexpr std::size_t kBufferSize = std::size_t(64) << 10;
constexpr char kCtrlZ = 26;

bool isBlankLine(const std::string& line) {
    for (const char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

}  // namespace

TTextFile::TTextFile() = default;

TTextFile::~TTextFile() { close(); }

void TTextFile::open(const std::string& fileName) {
    if (fileName == fileName_) return;
    close();
    fileName_ = fileName;
    if (fileName.empty()) return;

    fd_ = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    // A directory opens fine on POSIX and only fails at the first read; refuse it here so that
    // the user hears "could not open" rather than a read error.
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0)
        throw ETextFileError("Could not open the file \"" + fileName + "\" for reading");

    if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
    bufferStart_ = bufferEnd_ = 0;
    physicalEnd_ = false;
    open_ = true;
    readLine();
}

void TTextFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    open_ = false;
    physicalEnd_ = false;
    bufferStart_ = bufferEnd_ = 0;
    cachedIndex_ = 0;
}

bool TTextFile::readLine() {
    if (!open_) throw ETextFileError("No valid file selected");
    line_.clear();
    cachedIndex_ = 0;
    while (!physicalEnd_ && isBlankLine(line_)) readPhysicalLine();
    return !(physicalEnd_ && isBlankLine(line_));
}

bool TTextFile::atEnd() const {
    if (!open_) throw EInOutError("File not open");
    return physicalEnd_ && isBlankLine(line_);
}

void TTextFile::failRead(const char* reason) {
    const std::string message =
        "Read error while reading file \"" + fileName_ + "\": " + reason;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    open_ = false;
    throw ETextFileError(message);
}

bool TTextFile::fillBuffer() {
    bufferStart_ = bufferEnd_ = 0;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.get(), kBufferSize);
        if (got > 0) {
            bufferEnd_ = static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) return false;
        if (errno == EINTR) continue;
        failRead(errno == EBADF ? "File not open" : "Unknown error");
    }
}

// Replaces the current line by the next physical line. Afterwards physicalEnd_ tells whether
// anything is left to read, so that atEnd() needs no look-ahead of its own.
void TTextFile::readPhysicalLine() {
    line_.clear();
    for (;;) {
        if (bufferStart_ == bufferEnd_ && !fillBuffer()) {
            physicalEnd_ = true;
            return;
        }
        const char* begin = buffer_.get() + bufferStart_;
        const std::size_t available = bufferEnd_ - bufferStart_;
        const char* newline = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length = newline != nullptr ? std::size_t(newline - begin) : available;
        if (line_.size() + length > kMaxLineLength) failRead("Invalid file format");

        // Copy the piece up to the line end, leaving out every CR (the one of CR LF and a lone
        // one alike) and stopping at Ctrl-Z, after which nothing counts.
        const char* piece = begin;
        const char* const end = begin + length;
        for (const char* p = begin; p != end; ++p) {
            if (*p != '\r' && *p != kCtrlZ) continue;
            line_.append(piece, p);
            if (*p == kCtrlZ) {
                physicalEnd_ = true;
                return;
            }
            piece = p + 1;
        }
        line_.append(piece, end);

        if (newline == nullptr) {
            bufferStart_ = bufferEnd_;
            continue;
        }
        bufferStart_ += length + 1;
        if (bufferStart_ == bufferEnd_ && !fillBuffer())
            physicalEnd_ = true;
        else if (buffer_[bufferStart_] == kCtrlZ)
            physicalEnd_ = true;
        return;
    }
}

std::string_view TTextFile::field(int index) const {
    if (index < 1 || index > kMaxFields) return {};
    const char* const s = line_.data();
    const std::size_t length = line_.size();
    const char c = separator;

    int i = 0;
    std::size_t p = 0;
    std::size_t start = 0;
    std::size_t end = 0;
    if (cachedIndex_ >= 1 && cachedIndex_ <= index && cachedSeparator_ == c) {
        i = cachedIndex_;
        p = end = cachedEnd_;
        start = cachedStart_;
    }
    while (p < length && i < index) {
        // Exactly one separator lies between two fields; a second one opens an empty field.
        if (i > 0 && s[p] == c) ++p;
        if (p >= length) break;
        ++i;
        start = p;
        const void* hit = std::memchr(s + p, c, length - p);
        p = hit != nullptr ? std::size_t(static_cast<const char*>(hit) - s) : length;
        end = p;
    }
    if (i > 0) {
        cachedIndex_ = i;
        cachedSeparator_ = c;
        cachedStart_ = start;
        cachedEnd_ = end;
    }
    if (i == index && end > start) return std::string_view(s + start, end - start);
    return {};
}

}  // namespace norvex5
