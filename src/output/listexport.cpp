#include "output/listexport.h"

#include <cstring>
#include <memory>

#include "output/boardlists.h"
#include "persistence/atomicfile.h"

namespace norvex5 {

namespace {

// Gathers lines into large writes: one write call per line would cost more than forming it.
class ExportWriter {
public:
    bool open(const std::filesystem::path& target) { return file_.open(target); }
    bool line(std::string_view text) {
        if (used_ + text.size() + 2 > kChunk && !flush()) return false;
        if (text.size() + 2 > kChunk) return file_.write(text) && file_.write("\r\n");
        std::memcpy(buffer_.get() + used_, text.data(), text.size());
        used_ += text.size();
        buffer_[used_++] = '\r';
        buffer_[used_++] = '\n';
        return true;
    }
    // Lines already ended by CR LF, in a block large enough to be written as it stands.
    bool lines(std::string_view block) { return flush() && file_.write(block); }
    bool commit() { return flush() && file_.commit(); }

private:
    // Large enough that the file layer passes each chunk straight on instead of copying it.
    static constexpr std::size_t kChunk = std::size_t(256) << 10;
    bool flush() {
        const bool ok = file_.write(buffer_.get(), used_);
        used_ = 0;
        return ok;
    }
    AtomicFileWriter file_;
    std::unique_ptr<char[]> buffer_ = std::make_unique<char[]>(kChunk);
    std::size_t used_ = 0;
};

// `produce` hands its lines to the function it is given through `write`, which writes them
// with `writer` and returns false when that failed; `lines` counts them.
template <typename Produce, typename Write>
ExportResult exportLines(const std::filesystem::path& target, const ExportProgress& keepGoing, Produce produce,
                         Write write) {
    ExportResult result;
    ExportWriter writer;
    if (!writer.open(target)) {
        result.status = ExportStatus::NotCreated;
        result.pass.ok = false;
        return result;
    }
    bool writeFailed = false;
    bool stopped = false;
    std::int64_t written = 0;
    result.pass = produce([&](std::string_view text, std::int64_t lines) {
        if (!write(writer, text)) {
            writeFailed = true;
            return false;
        }
        written += lines;
        if (keepGoing && !keepGoing(written)) {
            stopped = true;
            return false;
        }
        return true;
    });
    // A failed write stops the lines too, and that is a failure, not a stop.
    result.pass.stopped = stopped;
    if (stopped) {
        // Half a list is worth less than the old one: the temporary file goes with the writer.
        result.status = ExportStatus::Stopped;
    } else if (!result.pass.ok) {
        // The writer's destructor drops the temporary file: the old export stays as it was.
        result.status = ExportStatus::ReadFailed;
    } else if (writeFailed || !writer.commit()) {
        result.status = ExportStatus::WriteFailed;
        result.pass.ok = false;
    }
    return result;
}

}  // namespace

ExportResult exportInternalList(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel,
                                const std::filesystem::path& target, const ExportProgress& keepGoing) {
    return exportLines(
        target, keepGoing,
        [&](const auto& take) {
            return forEachInternalListLine(expansion, mask, selection, wheel, ListOutput::Export, {},
                                           [&](std::string_view line) { return take(line, 1); });
        },
        [](ExportWriter& writer, std::string_view line) { return writer.line(line); });
}

ExportResult exportExternalList(const ExternalWheel& wheel, const std::filesystem::path& target,
                                const ExportProgress& keepGoing) {
    return exportLines(
        target, keepGoing, [&](const auto& take) { return forEachExternalExportBlock(wheel, take); },
        [](ExportWriter& writer, std::string_view lines) { return writer.lines(lines); });
}

}  // namespace norvex5
