#pragma once
// Every board of a wheel file on call, without the file in memory: one pass finds where each board
// line starts (8 bytes a board, no text kept), and a row is read from the file when someone asks
// for it, the way a view asks for the rows it paints. Lines, blank lines, header lines and fields
// follow the same rules as the text file reader, so row k is the k-th board every other reader
// sees.
//
// The file stays open while the index lives, so a row can be read even after the file was
// renamed or deleted; a file rewritten meanwhile gives whatever its bytes now hold at those
// places, never a failure.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "externalwheels/externalwheel.h"
#include "externalwheels/passresult.h"

namespace norvex5 {

class WheelFileIndex {
public:
    // Asked with the boards found so far, every few thousand lines; false stops the pass.
    using Progress = std::function<bool(std::int64_t boards)>;

    // Indexes the boards of `wheel` (its file, separator, header lines and map). The result's
    // pass says how the indexing ended: a failure keeps the boards found before it.
    static std::shared_ptr<WheelFileIndex> build(const ExternalWheel& wheel, PassResult& pass,
                                                 const Progress& keepGoing = {});
    ~WheelFileIndex();
    WheelFileIndex(const WheelFileIndex&) = delete;
    WheelFileIndex& operator=(const WheelFileIndex&) = delete;

    std::int64_t boardCount() const { return static_cast<std::int64_t>(starts_.size()); }
    // Board `k` (from 0) as the previews show it, numbered k + 1. A row that cannot be read any
    // more comes out empty.
    PreviewRow row(std::int64_t k, PreviewMode mode) const;

private:
    explicit WheelFileIndex(ExternalWheel wheel) : wheel_(std::move(wheel)) {}

    ExternalWheel wheel_;
    int fd_ = -1;
    std::vector<std::uint64_t> starts_;
};

}  // namespace norvex5
