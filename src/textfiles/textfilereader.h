#pragma once
// TextFileReader: the one reader of text files (external wheels, the language file).
//
// It reads forward only, one byte per character, through a fixed read buffer, so a file of any
// size costs the same little memory; only the current line is kept. Blank lines (empty, or only
// blanks and tabs) are never made current. Lines end at LF or CR LF, a lone CR is dropped, and a
// Ctrl-Z byte ends the file. field() hands out views into the current line, so splitting a line
// allocates nothing.
//
// Use: set `separator`, open(), optionally readLine() n times to skip n lines, then
//   while (!f.atEnd()) { ... f.field(k) ...; f.readLine(); }
// Every failure of the reader itself is an TextFileError; its message is for the caller to
// translate into its own message, never shown as it stands.

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace norvex5 {

// A line that is empty or holds only blanks and tabs; the reader never makes one current.
inline bool isBlankLine(std::string_view line) {
    for (const char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

class TextFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Asking for the end of a reader that has no file open: the platform's own "file not open"
// failure, deliberately not an TextFileError. Callers that catch std::exception see both.
class FileNotOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TextFileReader {
public:
    static constexpr int kMaxFields = 255;
    // A longer line is refused as a bad file instead of growing the line without bound; at 8 MiB
    // a reader stays well inside the memory a pass over a huge wheel file may take, while a real
    // line of a wheel or language file is a few dozen bytes.
    static constexpr std::size_t kMaxLineLength = std::size_t(8) << 20;
    static constexpr char kCtrlZ = 26;

    TextFileReader();
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // Field separator, one byte; set before open().
    char separator = ' ';

    // Opens `fileName` and makes its first non-blank line current. The same name as last time
    // does nothing (the file is not rewound); an empty name leaves the reader not open.
    // Throws TextFileError "Could not open the file "<name>" for reading" when the file cannot
    // be opened (missing, a directory, no permission).
    void open(const std::string& fileName);
    void close();

    // Makes the next non-blank line current; false when none was left. Throws TextFileError
    // "No valid file selected" when not open, and "Read error while reading file "<name>": ..."
    // when reading fails (the reader is then not open).
    bool readLine();

    // True at the physical end of the file when the current line is blank. Throws FileNotOpenError
    // when no file is open.
    bool atEnd() const {
        if (!open_) throwNotOpen();
        return physicalEnd_ && lineIsBlank();
    }

    // Field `index` (1..255) of the current line, split at exactly one separator between fields;
    // empty when the line has fewer fields or the index is outside 1..255. The view stays valid
    // until the next readLine()/open()/close(). Asking for fields in ascending order costs one
    // pass over the line in all.
    std::string_view field(int index) const;
    // Fields 1..count (at most 255) into out[0..count-1], exactly as field() gives them, in one
    // pass over the line: what a reader that wants every field of every line should call.
    void fields(std::string_view* out, int count) const;
    // Calls visit(k, text) for the fields k = 1..count (at most 255) of the current line, as
    // field() gives them, in one pass; for the loops that run once per board of huge files.
    template <typename Visit>
    void forEachField(int count, Visit&& visit) const;
    // Calls visit(k, number) for the fields k = 1..count (at most 255) of the current line, where
    // number is read(text) of the field as field() gives it, and empty for a missing field. read()
    // must take a field of one or two digits for that number: such fields, the whole of a usual
    // wheel file, are read without it.
    template <typename Read, typename Visit>
    void forEachFieldNumber(int count, Read&& read, Visit&& visit) const;

    // Does what `while (!atEnd()) { if (!visit()) break; readLine(); }` does; visit() reads the
    // current line (field(), forEachField(), ...) and returns false to stop. The usual line, plain
    // bytes up to LF or CR LF wholly in the read buffer, is made current without a call: the loop
    // for passes over files of millions of lines. Throws what readLine() throws.
    template <typename Visit>
    void forEachLine(Visit&& visit);

    const std::string& currentLine() const;
    // Where the current line lies in the file, counting every line from 1 (blank lines too), as
    // an editor numbers them: what a reader names when it refuses a line.
    std::int64_t lineNumber() const { return lineNumber_; }
    const std::string& fileName() const { return fileName_; }
    bool isOpen() const { return open_; }

private:
    [[noreturn]] static void throwNotOpen();
    bool lineIsBlank() const;
    void readPhysicalLine();
    std::string_view readPieces();
    void lookAhead();
    bool fillBuffer();
    void markLineBreaks();
    std::size_t nextBreak(std::size_t from) const;
    std::size_t farBreak(std::size_t from) const;
    bool nextPlainLine();
    [[noreturn]] void failRead(const char* reason);

    // The current line: usually a view into the read buffer, else into line_, which also holds
    // it once currentLine() has been asked for.
    mutable std::string_view view_;
    mutable std::string line_;
    std::string fileName_;
    bool open_ = false;
    int fd_ = -1;
    bool physicalEnd_ = false;
    std::int64_t lineNumber_ = 0;
    static constexpr std::size_t kBufferSize = std::size_t(64) << 10;
    // Whether the current line lies in the read buffer, which has room for 64 bytes more after
    // any line in it.
    bool viewInBuffer() const {
        return reinterpret_cast<std::uintptr_t>(view_.data()) - reinterpret_cast<std::uintptr_t>(buffer_.get()) <
               kBufferSize;
    }
    std::unique_ptr<char[]> buffer_;
    std::size_t bufferStart_ = 0;
    std::size_t bufferEnd_ = 0;
    // One bit per byte of the buffer, 64 bytes a word: set where a byte ends or alters a line
    // (LF, CR, Ctrl-Z), and at bufferEnd_, so that every search for the next one stops. Marked
    // once per buffer, so that the end of each line is found without a loop whose length varies
    // with the line.
    std::unique_ptr<std::uint64_t[]> lineBreaks_;
    // Where the last field() call stopped, so that fields asked for in order are found in one
    // pass: field number cachedIndex_ runs from cachedStart_ to just before cachedEnd_.
    mutable int cachedIndex_ = 0;
    mutable char cachedSeparator_ = ' ';
    mutable std::size_t cachedStart_ = 0;
    mutable std::size_t cachedEnd_ = 0;
};

// The one splitting of a line into fields, for field(), fields() and forEachField(). From `p`,
// the end of the previous field (`first`: the start of the line), finds the next field into
// `field` and leaves `p` at its end. Exactly one separator lies between two fields; a second one
// opens an empty field. False when the line holds no further field.
inline bool nextField(std::string_view line, char separator, std::size_t& p, bool first, std::string_view& field) {
    const char* const s = line.data();
    const std::size_t length = line.size();
    if (!first && p < length && s[p] == separator) ++p;
    if (p >= length) return false;
    const std::size_t start = p;
    while (p < length && s[p] != separator) ++p;
    field = std::string_view(s + start, p - start);
    return true;
}

template <typename Visit>
void TextFileReader::forEachField(int count, Visit&& visit) const {
    if (count > kMaxFields) count = kMaxFields;
    std::size_t p = 0;
    std::string_view text;
    int i = 0;
    while (i < count && nextField(view_, separator, p, i == 0, text)) visit(++i, text);
    for (++i; i <= count; ++i) visit(i, std::string_view());
}

// The first byte at or after `from` that ends or alters a line; bufferEnd_ when none does.
inline std::size_t TextFileReader::nextBreak(std::size_t from) const {
    // The 64 bits from `from` on, from two words: lines are shorter than that.
    const std::size_t word = from >> 6;
    const unsigned shift = from & 63;
    const std::uint64_t bits = (lineBreaks_[word] >> shift) | ((lineBreaks_[word + 1] << 1) << (63 - shift));
    if (bits != 0) return from + static_cast<std::size_t>(__builtin_ctzll(bits));
    return farBreak(from);
}

// Makes the next line current when it is the usual one: not blank, ended by LF or CR LF within
// the buffer, with more of the buffer after it and no Ctrl-Z there. False, leaving everything as
// it was, for any other line, which readLine() then reads.
inline bool TextFileReader::nextPlainLine() {
    if (physicalEnd_) return false;
    const char* const b = buffer_.get();
    const std::size_t start = bufferStart_;
    const std::size_t stop = nextBreak(start);
    const bool crLf = b[stop] == '\r' && b[stop + 1] == '\n';
    const std::size_t after = stop + 1 + crLf;
    if ((b[stop] != '\n' && !crLf) || stop == start || after >= bufferEnd_ || b[start] == ' ' || b[start] == '\t' ||
        b[after] == kCtrlZ)
        return false;
    view_ = std::string_view(b + start, stop - start);
    bufferStart_ = after;
    cachedIndex_ = 0;
    return true;
}

template <typename Visit>
void TextFileReader::forEachLine(Visit&& visit) {
    while (!atEnd()) {
        if (!visit()) return;
        if (!nextPlainLine()) readLine();
    }
}

template <typename Read, typename Visit>
void TextFileReader::forEachFieldNumber(int count, Read&& read, Visit&& visit) const {
    if (count > kMaxFields) count = kMaxFields;
    const char* const s = view_.data();
    const std::size_t length = view_.size();
#if defined(__SSE2__)
    if (length <= 32 && count <= 32 && viewInBuffer()) {
        // The usual line of a wheel file, its first `count` fields each one or two digits, is
        // read from one look at the whole line (the buffer runs on past any line in it): every
        // field then costs a few instructions, none waiting for the field before, and none
        // branching on how many digits the field has, which is random.
        const __m128i separators = _mm_set1_epi8(separator);
        const __m128i zero = _mm_set1_epi8('0');
        const __m128i nine = _mm_set1_epi8('9');
        std::uint64_t separatorBits = 0;
        std::uint64_t digitBits = 0;
        for (int half = 0; half < 2; ++half) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 16 * half));
            const __m128i digits = _mm_and_si128(_mm_cmpeq_epi8(_mm_max_epu8(bytes, zero), bytes),
                                                 _mm_cmpeq_epi8(_mm_min_epu8(bytes, nine), bytes));
            separatorBits |= std::uint64_t(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, separators))))
                             << (16 * half);
            digitBits |= std::uint64_t(static_cast<unsigned>(_mm_movemask_epi8(digits))) << (16 * half);
        }
        const std::uint64_t lineEnd = std::uint64_t(1) << length;
        // Where each field ends: at a separator (one between two fields, as nextField() has it)
        // or at the end of the line.
        const std::uint64_t ends = (separatorBits & (lineEnd - 1)) | lineEnd;
        std::uint64_t rest = ends;
        for (int k = 1; k < count; ++k) rest &= rest - 1;
        const std::uint64_t lastEnd = rest & (~rest + 1);  // 0: the line has fewer fields
        const std::uint64_t inFields = lastEnd - 1;
        const std::uint64_t digitsInFields = digitBits & inFields;
        const bool shortNumbers = lastEnd != 0 && ((digitBits | separatorBits) & inFields) == inFields &&
                                  (ends & ((ends << 1) | 1) & (inFields | lastEnd)) == 0 &&
                                  (digitsInFields & (digitsInFields << 1) & (digitsInFields << 2)) == 0;
        if (shortNumbers) {
            std::uint64_t next = ends;
            std::size_t start = 0;
            // Unrolled where count is known: each field's visit is then made for that field.
#pragma GCC unroll 8
            for (int i = 1; i <= count; ++i) {
                const auto end = static_cast<std::size_t>(__builtin_ctzll(next));
                next &= next - 1;
                const unsigned first = static_cast<unsigned char>(s[start]) - unsigned('0');
                const unsigned second = static_cast<unsigned char>(s[start + 1]) - unsigned('0');
                const auto twoDigits = static_cast<unsigned>(end - start - 1);
                visit(i, std::optional<std::int32_t>(static_cast<std::int32_t>(first + (first * 9 + second) * twoDigits)));
                start = end + 1;
            }
            return;
        }
    }
#endif
    std::size_t p = 0;
    std::string_view text;
    int i = 0;
    while (i < count && nextField(view_, separator, p, i == 0, text)) visit(++i, read(text));
    for (++i; i <= count; ++i) visit(i, std::optional<std::int32_t>());
}

}  // namespace norvex5
