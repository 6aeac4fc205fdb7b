#include "externalwheels/fileshape.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <vector>

#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {

namespace {

// Enough lines to tell a board from a header without reading a big file through.
constexpr int kSampledBoards = 5;
constexpr int kCheckedLines = 64;

// Fields 1..5 of `line`, split at `separator`, each a number once its blanks are trimmed.
bool holdsFiveNumbers(std::string_view line, char separator) {
    std::size_t p = 0;
    std::string_view field;
    for (int f = 0; f < kPreviewFields; ++f) {
        if (!nextField(line, separator, p, f == 0, field)) return false;
        if (!trimmedFieldNumber(field)) return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::string>> linesForShapeGuess(const std::string& fileName) {
    std::vector<std::string> lines;
    try {
        TextFileReader reader;
        reader.open(fileName);
        while (!reader.atEnd() && static_cast<int>(lines.size()) < kMaxLinesToSkip + kSampledBoards) {
            lines.push_back(reader.currentLine());
            reader.readLine();
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return lines;
}

std::optional<FileShape> guessShape(const std::vector<std::string>& lines, std::span<const char* const> separators,
                                    const LineFits& fits, SampleFit rule) {
    const int count = static_cast<int>(lines.size());
    for (int skip = 0; skip <= kMaxLinesToSkip && skip < count; ++skip) {
        const int last = std::min(count, skip + kSampledBoards);
        for (const char* separator : separators) {
            if (!fits(lines[skip], separator[0])) continue;
            int fitting = 1;
            for (int k = skip + 1; k < last; ++k) fitting += fits(lines[k], separator[0]) ? 1 : 0;
            const int sampled = last - skip;
            if (rule == SampleFit::Every ? fitting == sampled : 2 * fitting > sampled)
                return FileShape{separator, skip};
        }
    }
    return std::nullopt;
}

std::optional<FileShape> guessFileShape(const std::string& fileName) {
    const auto lines = linesForShapeGuess(fileName);
    if (!lines) return std::nullopt;
    return guessShape(*lines, kWheelSeparators, holdsFiveNumbers);
}

// Bytes below 32 other than line ends, tab, vertical tab and form feed: no text file holds them.
// Only the bytes before the first Ctrl-Z count, since the reader
// ends the file there: old DOS files often carry padding of any kind after it.
bool startsLikeBinary(const std::string& fileName) {
    constexpr std::size_t kSample = 64 * 1024;
    constexpr char kEndOfText = 26;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;  // the reader says what is wrong with it
    // Not cleared first: only what was read is looked at, and most files are far smaller.
    const auto sample = std::make_unique_for_overwrite<char[]>(kSample);
    in.read(sample.get(), static_cast<std::streamsize>(kSample));
    for (const char c : std::string_view(sample.get(), static_cast<std::size_t>(in.gcount()))) {
        if (c == kEndOfText) return false;
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\v' && byte != '\f') return true;
    }
    return false;
}

UsedWheelNumbers usedWheelNumbers(const ExternalWheel& wheel) {
    constexpr int kFields = kPreviewFields + 2;
    UsedWheelNumbers used;
    try {
        TextFileReader reader;
        openExternalWheel(reader, wheel);
        while (!reader.atEnd()) {
            reader.forEachField(kFields, [&](int f, std::string_view field) {
                const auto written = trimmedFieldNumber(field);
                if (!written) return;
                if (f <= kPreviewFields) {
                    used.zeroWritten = used.zeroWritten || *written == 0;
                    const std::int32_t n = wheel.wheelNumber(*written);
                    if (n >= 1 && n <= kReplacementGridABoxes) used.gridA[static_cast<std::size_t>(n)] = true;
                } else if (*written >= 1 && *written <= kReplacementGridBBoxes) {
                    used.gridB[static_cast<std::size_t>(*written)] = true;
                }
            });
            ++used.pass.count;
            reader.readLine();
        }
    } catch (const std::exception& e) {
        used.pass.fail(e.what());
    }
    return used;
}

bool numbersStartAtZero(const ExternalWheel& wheel) {
    ExternalWheel asWritten = wheel;
    asWritten.numberedFromZero = false;
    return numbersStartAtZero(usedWheelNumbers(asWritten));
}

const UsedWheelNumbers& UsedWheelNumbersCache::numbersOf(const ExternalWheel& wheel) {
    std::error_code error;
    const std::filesystem::path path(wheel.fileName);
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const auto written = error ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(path, error);
    if (error) {
        // Nothing to key on: the reader says what is wrong with the file.
        key_.reset();
        used_ = usedWheelNumbers(wheel);
        return used_;
    }
    Key key{wheel.fileName, wheel.separatorChar(), std::max(wheel.linesToSkip, 0), wheel.numberedFromZero, size,
            static_cast<std::int64_t>(written.time_since_epoch().count())};
    if (key_ == key) return used_;
    used_ = usedWheelNumbers(wheel);
    if (used_.pass.ok && !used_.pass.stopped)
        key_ = std::move(key);
    else
        key_.reset();
    return used_;
}

WheelFileCheck checkWheelFile(const ExternalWheel& wheel) {
    WheelFileCheck check;
    try {
        TextFileReader reader;
        reader.separator = wheel.separatorChar();
        reader.open(wheel.fileName);
        if (startsLikeBinary(wheel.fileName)) {
            check.problem = WheelFileProblem::NotText;
            return check;
        }
        const int skip = std::max(wheel.linesToSkip, 0);
        int line = 0;
        int boards = 0;
        bool fiveNumbers = false;
        while (!reader.atEnd() && line < skip + kCheckedLines) {
            if (line >= skip) {
                ++boards;
                fiveNumbers = fiveNumbers || holdsFiveNumbers(reader.currentLine(), reader.separator);
            }
            ++line;
            reader.readLine();
        }
        if (boards == 0)
            check.problem = WheelFileProblem::NoBoard;
        else if (!fiveNumbers)
            check.problem = WheelFileProblem::TooFewNumbers;
    } catch (const std::exception& e) {
        check.problem = WheelFileProblem::Unreadable;
        check.error = e.what();
    }
    return check;
}

}  // namespace norvex5
