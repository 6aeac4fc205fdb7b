#include "externalwheels/wheelfileindex.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>

#include "textfiles/textfilereader.h"

namespace norvex5 {

namespace {

constexpr std::size_t kChunk = std::size_t(1) << 20;
constexpr char kEndOfFile = 26;  // Ctrl-Z
constexpr std::int64_t kProgressEvery = 1 << 14;

}  // namespace

std::shared_ptr<WheelFileIndex> WheelFileIndex::build(const ExternalWheel& wheel, PassResult& pass,
                                                      const Progress& keepGoing) {
    pass = PassResult{};
    std::shared_ptr<WheelFileIndex> index(new WheelFileIndex(wheel));
    if (wheel.fileName.empty() || wheel.fileName.find('\0') != std::string::npos) {
        pass.fail("No valid file selected");
        return index;
    }
    index->fd_ = openRegularFileToRead(wheel.fileName);
    if (index->fd_ < 0) {
        pass.fail("Could not open the file \"" + wheel.fileName + "\" for reading");
        return index;
    }

    std::vector<std::uint64_t>& starts = index->starts_;
    const int skip = std::max(wheel.linesToSkip, 0);
    int skipped = 0;
    std::unique_ptr<char[]> buffer(new char[kChunk]);
    std::uint64_t offset = 0;     // of buffer[0] in the file
    std::uint64_t lineStart = 0;  // of the line being read
    std::size_t lineLength = 0;   // its bytes, carriage returns left out
    bool blank = true;            // only blanks, tabs and carriage returns so far
    bool ended = false;
    const auto endLine = [&] {
        if (!blank) {
            if (skipped < skip)
                ++skipped;
            else
                starts.push_back(lineStart);
        }
        blank = true;
        lineLength = 0;
    };
    while (!ended) {
        const ssize_t got = ::read(index->fd_, buffer.get(), kChunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            pass.fail("Read error while reading file \"" + wheel.fileName + "\": Unknown error");
            break;
        }
        if (got == 0) break;
        for (ssize_t i = 0; i < got; ++i) {
            const char c = buffer[static_cast<std::size_t>(i)];
            if (c == '\n') {
                endLine();
                lineStart = offset + static_cast<std::uint64_t>(i) + 1;
                if (keepGoing && !starts.empty() && starts.size() % kProgressEvery == 0 &&
                    !keepGoing(static_cast<std::int64_t>(starts.size()))) {
                    pass.stopped = true;
                    ended = true;
                    break;
                }
                continue;
            }
            if (c == kEndOfFile) {
                ended = true;
                break;
            }
            if (c == '\r') continue;
            if (c != ' ' && c != '\t') blank = false;
            if (++lineLength > TextFileReader::kMaxLineLength) {
                pass.fail("Read error while reading file \"" + wheel.fileName + "\": Invalid file format");
                ended = true;
                break;
            }
        }
        offset += static_cast<std::uint64_t>(got);
    }
    // The last line counts without a line end too.
    if (pass.ok && !pass.stopped) endLine();
    pass.count = index->boardCount();
    return index;
}

WheelFileIndex::~WheelFileIndex() {
    if (fd_ >= 0) ::close(fd_);
}

PreviewRow WheelFileIndex::row(std::int64_t k, PreviewMode mode) const {
    PreviewRow out;
    out.number = static_cast<std::int32_t>(k + 1);
    if (k < 0 || k >= boardCount()) return out;
    std::string line;
    char piece[256];
    auto at = static_cast<off_t>(starts_[static_cast<std::size_t>(k)]);
    bool done = false;
    while (!done && line.size() <= TextFileReader::kMaxLineLength) {
        const ssize_t got = ::pread(fd_, piece, sizeof piece, at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        for (ssize_t i = 0; i < got; ++i) {
            const char c = piece[i];
            if (c == '\n' || c == kEndOfFile) {
                done = true;
                break;
            }
            if (c != '\r') line.push_back(c);
        }
        at += got;
    }
    fillPreviewCells(out, line, wheel_, mode);
    return out;
}

}  // namespace norvex5
