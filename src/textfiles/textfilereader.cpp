#include "textfiles/textfilereader.h"

#include <cerrno>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvex5 {

namespace {

constexpr char kCtrlZ = TextFileReader::kCtrlZ;

// The bits of the bytes [p, p + 64) that end or alter a line.
std::uint64_t lineBreakBits(const char* p) {
#if defined(__SSE2__)
    // Sixteen bytes at a time: the scan that every byte of a huge wheel file goes through.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i ctrlZ = _mm_set1_epi8(kCtrlZ);
    std::uint64_t bits = 0;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * quarter));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr)),
                                          _mm_cmpeq_epi8(bytes, ctrlZ));
        bits |= std::uint64_t(static_cast<unsigned>(_mm_movemask_epi8(hits))) << (16 * quarter);
    }
    return bits;
#else
    std::uint64_t bits = 0;
    for (int k = 0; k < 64; ++k) bits |= std::uint64_t(p[k] == '\n' || p[k] == '\r' || p[k] == kCtrlZ) << k;
    return bits;
#endif
}

}  // namespace

int openRegularFileToRead(const std::string& fileName) {
    if (fileName.find('\0') != std::string::npos) return -1;
    // Without O_NONBLOCK, opening a named pipe waits for a writer before the check below is reached.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat info {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

TextFileReader::TextFileReader() = default;

TextFileReader::~TextFileReader() { close(); }

void TextFileReader::open(const std::string& fileName) {
    if (fileName == fileName_) return;
    close();
    fileName_ = fileName;
    if (fileName.empty()) return;

    fd_ = openRegularFileToRead(fileName);
    if (fd_ < 0) throw TextFileError("Could not open the file \"" + fileName + "\" for reading");

    // The buffer runs on for one more word of line breaks, which are marked 64 bytes at a time.
    // Neither is cleared: every read marks the words it filled, and the bits of the bytes past
    // what was read are masked off there. Clearing them cost more than reading a small file.
    if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize + 64);
    if (!lineBreaks_) lineBreaks_ = std::make_unique_for_overwrite<std::uint64_t[]>(kBufferSize / 64 + 2);
    bufferStart_ = bufferEnd_ = 0;
    physicalEnd_ = false;
    lineNumber_ = 0;
    open_ = true;
    readLine();
}

void TextFileReader::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    open_ = false;
    physicalEnd_ = false;
    bufferStart_ = bufferEnd_ = 0;
    cachedIndex_ = 0;
}

bool TextFileReader::readLine() {
    if (!open_) throw TextFileError("No valid file selected");
    line_.clear();
    view_ = std::string_view();
    cachedIndex_ = 0;
    while (!physicalEnd_ && isBlankLine(view_)) {
        readPhysicalLine();
        ++lineNumber_;
    }
    return !(physicalEnd_ && isBlankLine(view_));
}

void TextFileReader::throwNotOpen() { throw FileNotOpenError("File not open"); }

bool TextFileReader::lineIsBlank() const { return isBlankLine(view_); }

const std::string& TextFileReader::currentLine() const {
    if (view_.data() != line_.data()) {
        line_.assign(view_);
        view_ = line_;
    }
    return line_;
}

void TextFileReader::failRead(const char* reason) {
    const std::string message = "Read error while reading file \"" + fileName_ + "\": " + reason;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    open_ = false;
    view_ = line_;  // what had been read of the line stays current
    throw TextFileError(message);
}

bool TextFileReader::fillBuffer() {
    bufferStart_ = bufferEnd_ = 0;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.get(), kBufferSize);
        if (got >= 0) {
            bufferEnd_ = static_cast<std::size_t>(got);
            markLineBreaks();
            return got > 0;
        }
        if (errno == EINTR) continue;
        failRead(errno == EBADF ? "File not open" : "Unknown error");
    }
}

void TextFileReader::markLineBreaks() {
    const std::size_t last = bufferEnd_ / 64;
    for (std::size_t word = 0; word <= last; ++word) lineBreaks_[word] = lineBreakBits(buffer_.get() + 64 * word);
    // Past the end lies nothing but the end itself.
    const std::uint64_t end = std::uint64_t(1) << (bufferEnd_ % 64);
    lineBreaks_[last] = (lineBreaks_[last] & (end - 1)) | end;
    lineBreaks_[last + 1] = 0;
}

std::size_t TextFileReader::farBreak(std::size_t from) const {
    std::size_t word = from >> 6;
    std::uint64_t bits = lineBreaks_[word] & (~std::uint64_t(0) << (from & 63));
    while (bits == 0) bits = lineBreaks_[++word];
    return 64 * word + static_cast<std::size_t>(__builtin_ctzll(bits));
}

// Makes the next physical line current. Afterwards physicalEnd_ tells whether anything is left
// to read, so that atEnd() needs no look-ahead of its own.
void TextFileReader::readPhysicalLine() {
    line_.clear();
    view_ = std::string_view();
    view_ = readPieces();
}

std::string_view TextFileReader::readPieces() {
    for (;;) {
        if (bufferStart_ == bufferEnd_ && !fillBuffer()) {
            physicalEnd_ = true;
            return line_;
        }
        const char* begin = buffer_.get() + bufferStart_;
        const std::size_t available = bufferEnd_ - bufferStart_;

        // The usual line: plain bytes up to LF or CR LF, all of it in the buffer. It is not even
        // copied: the current line is a view into the buffer, which stays put until the next
        // read (the line is copied first when it ends the buffer, before the buffer is refilled).
        const char* const bufferEnd = begin + available;
        const char* const stop = buffer_.get() + nextBreak(bufferStart_);
        if (stop != bufferEnd && (*stop == '\n' || (*stop == '\r' && stop + 1 != bufferEnd && stop[1] == '\n'))) {
            const std::size_t length = std::size_t(stop - begin);
            if (line_.size() + length > kMaxLineLength) failRead("Invalid file format");
            bufferStart_ += length + (*stop == '\n' ? 1 : 2);
            if (line_.empty() && bufferStart_ != bufferEnd_) {
                physicalEnd_ = buffer_[bufferStart_] == kCtrlZ;
                return std::string_view(begin, length);
            }
            line_.append(begin, stop);
            lookAhead();
            return line_;
        }

        const char* newline = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length = newline != nullptr ? std::size_t(newline - begin) : available;
        if (line_.size() + length > kMaxLineLength) failRead("Invalid file format");

        // Copy the piece up to the line end, leaving out every CR (the one of CR LF and a lone
        // one alike) and stopping at Ctrl-Z, after which nothing counts.
        const char* const end = begin + length;
        const char* piece = begin;
        for (const char* p = begin; p != end; ++p) {
            if (*p != '\r' && *p != kCtrlZ) continue;
            line_.append(piece, p);
            if (*p == kCtrlZ) {
                physicalEnd_ = true;
                return line_;
            }
            piece = p + 1;
        }
        line_.append(piece, end);

        if (newline == nullptr) {
            bufferStart_ = bufferEnd_;
            continue;
        }
        bufferStart_ += length + 1;
        lookAhead();
        return line_;
    }
}

// After a line end: is anything left to read?
void TextFileReader::lookAhead() {
    if (bufferStart_ == bufferEnd_ && !fillBuffer())
        physicalEnd_ = true;
    else if (buffer_[bufferStart_] == kCtrlZ)
        physicalEnd_ = true;
}

std::string_view TextFileReader::field(int index) const {
    if (index < 1 || index > kMaxFields) return {};
    const char c = separator;
    int i = 0;
    std::size_t p = 0;
    std::string_view text;
    if (cachedIndex_ >= 1 && cachedIndex_ <= index && cachedSeparator_ == c) {
        i = cachedIndex_;
        p = cachedEnd_;
        text = view_.substr(cachedStart_, cachedEnd_ - cachedStart_);
    }
    while (i < index && nextField(view_, c, p, i == 0, text)) ++i;
    if (i > 0) {
        cachedIndex_ = i;
        cachedSeparator_ = c;
        cachedStart_ = static_cast<std::size_t>(text.data() - view_.data());
        cachedEnd_ = cachedStart_ + text.size();
    }
    if (i == index && !text.empty()) return text;
    return {};
}

void TextFileReader::fields(std::string_view* out, int count) const {
    forEachField(count, [out](int k, std::string_view text) { out[k - 1] = text; });
}

}  // namespace norvex5
