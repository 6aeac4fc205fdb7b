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

#include <cstddef>
#include <memory>
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

// Opens a file to read (close-on-exec), or -1. Only a regular file is opened at all: a named pipe
// or a device would keep the reader waiting for ever for a writer, and a directory would fail only
// at the first read. A name holding a NUL is refused rather than cut short into another name.
int openRegularFileToRead(const std::string& fileName);

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

    TextFileReader();
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // Field separator, one byte; set before open().
    char separator = ' ';

    // Opens `fileName` and makes its first non-blank line current. The same name as last time
    // does nothing (the file is not rewound); an empty name leaves the reader not open.
    // Throws TextFileError "Could not open the file "<name>" for reading" when the file cannot
    // be opened (missing, not a regular file, no permission).
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

    const std::string& currentLine() const;
    const std::string& fileName() const { return fileName_; }
    bool isOpen() const { return open_; }

private:
    [[noreturn]] static void throwNotOpen();
    bool lineIsBlank() const;
    void readPhysicalLine();
    std::string_view readPieces();
    void lookAhead();
    bool fillBuffer();
    [[noreturn]] void failRead(const char* reason);

    // The current line: usually a view into the read buffer, else into line_, which also holds
    // it once currentLine() has been asked for.
    mutable std::string_view view_;
    mutable std::string line_;
    std::string fileName_;
    bool open_ = false;
    int fd_ = -1;
    bool physicalEnd_ = false;
    std::unique_ptr<char[]> buffer_;
    std::size_t bufferStart_ = 0;
    std::size_t bufferEnd_ = 0;
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

}  // namespace norvex5
