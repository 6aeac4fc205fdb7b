#include "output/ticketprinting.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "core/appstate.h"
#include "core/expansion.h"
#include "textfiles/fieldnumber.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {

namespace {

// The internal printer writes its marks and board numbers a size smaller than the file printer;
// both print bold so that an "X" fills its box.
const FontSpec kInternalTicketFont{"Fixedsys", 9, true};
const FontSpec kExternalTicketFont{"Fixedsys", 10, true};

constexpr int kGridAFields = 5;
// Further than any sheet at any resolution, yet far inside the range of an int.
constexpr double kFarOffThePaper = 1e9;

class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The sequence of tickets of one run: which page or job a board goes onto, and the prompt for
// the next paper ticket. A printer prints a job only once it ends, so in the one-by-one mode
// each ticket on paper is a job of its own, handed over before the user is asked for the next
// ticket; a file keeps the whole run in one document.
class TicketRun {
public:
    TicketRun(PrintSurface& surface, TicketMode mode, const FontSpec& font, const TicketHooks& hooks,
              PrintResult& result)
        : surface_(surface), mode_(mode), font_(font), hooks_(hooks), result_(result) {}
    TicketRun(const TicketRun&) = delete;
    TicketRun& operator=(const TicketRun&) = delete;
    ~TicketRun() { abort(); }

    void start() {
        beginJob();
        result_.tickets = 1;
        pagesInJob_ = 1;
    }

    // Moves to a fresh ticket; false when the user cancelled, and then nothing more is printed.
    bool nextTicket() {
        if (mode_ == TicketMode::OneByOne && surface_.printsOnPaper()) {
            endJob();
            if (!askForNextTicket()) return false;
            beginJob();
        } else {
            if (mode_ == TicketMode::OneByOne && !askForNextTicket()) return false;
            surface_.newPage();
        }
        ++result_.tickets;
        ++pagesInJob_;
        return true;
    }

    void finish() {
        if (open_) endJob();
    }

    void abort() {
        if (!open_) return;
        open_ = false;
        surface_.abortDocument();
    }

    // Drops the job and tells the user which procedure failed.
    void fail(const std::exception& e, const char* procedure) {
        abort();
        result_.pass.fail(e.what());
        if (hooks_.reportError) hooks_.reportError(procedure);
    }

private:
    void beginJob() {
        if (!surface_.beginDocument()) throw PrintFailure("the printer did not start the print job");
        open_ = true;
        pagesInJob_ = 0;
        surface_.setFont(font_);
    }
    void endJob() {
        open_ = false;
        surface_.endDocument();
        ++result_.jobs;
        result_.ticketsPrinted += pagesInJob_;
    }
    bool askForNextTicket() const { return !hooks_.nextTicket || hooks_.nextTicket(); }

    PrintSurface& surface_;
    TicketMode mode_;
    FontSpec font_;
    const TicketHooks& hooks_;
    PrintResult& result_;
    bool open_ = false;
    int pagesInJob_ = 0;
};

// Asks the progress hook whether to go on after a board. A stop drops the job being built, so
// only what the player let through reaches the printer; jobs already handed over stay printed.
bool stoppedByProgress(TicketRun& run, const TicketHooks& hooks, PrintResult& result) {
    if (!hooks.progress || hooks.progress(result.pass.count)) return false;
    run.abort();
    result.pass.stopped = true;
    return true;
}

struct DevicePoint {
    int x;
    int y;
};

DevicePoint toDevice(const PrintSurface& surface, CmPoint p, const PrinterOffsets& offsets) {
    return {toDevice(surface, Axis::X, p.x, offsets), toDevice(surface, Axis::Y, p.y, offsets)};
}

// Boards of built-in wheels and of wheel files get the same mark on a given model: each shape is
// sized to sit inside one box, where a longer bar would run across model 5's neighbouring boxes.
void markNumber(PrintSurface& surface, int model, int n, double slot, const PrinterOffsets& offsets) {
    const std::optional<CmPoint> position = numberPosition(model, n, slot);
    if (!position) return;  // grid B and anything outside 1..50 have no box
    const DevicePoint p = toDevice(surface, *position, offsets);
    drawMark(surface, ticketLayout(model)->markShape, p.x, p.y);
}

void markBonus(PrintSurface& surface, int model, BonusSequence& bonus, const PrinterOffsets& offsets) {
    if (!bonus.applies()) return;
    const std::optional<CmPoint> position = bonusPosition(model, bonus.next());
    if (!position) return;
    const DevicePoint p = toDevice(surface, *position, offsets);
    drawMark(surface, ticketLayout(model)->markShape, p.x, p.y);
}

}  // namespace

int toDevice(const PrintSurface& surface, Axis axis, double cm, const PrinterOffsets& offsets) {
    const double dpi = surface.resolution(axis);
    const double offset = surface.printingOffset(axis);
    const double userMm = axis == Axis::X ? offsets.horizontalMm : offsets.verticalMm;
    // A damaged parameters file can hold offsets of kilometres: such a point lies off the paper
    // either way, but it must stay an int with room left for a mark's size.
    const double pixels =
        std::clamp(cm / 2.54 * dpi - offset + (userMm / 10 / 2.54) * dpi, -kFarOffThePaper, kFarOffThePaper);
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return static_cast<int>(std::nearbyint(pixels));
}

int markExtent(const PrintSurface& surface, Axis axis, double cm) {
    const double dpi = surface.resolution(axis);
    return static_cast<int>(std::nearbyint((10 + cm) / 2.54 * dpi) - std::nearbyint(10 / 2.54 * dpi));
}

TextExtent markSize(PrintSurface& surface, MarkShape shape) {
    double width = 0;
    double height = 0;
    switch (shape) {
        case MarkShape::Letter: return surface.textExtent("X");
        case MarkShape::Bar: width = 0.35, height = 0.2; break;
        case MarkShape::ThinBar: width = 0.35, height = 0.1; break;
        case MarkShape::Square: width = 0.29, height = 0.29; break;
    }
    return {markExtent(surface, Axis::X, width), markExtent(surface, Axis::Y, height)};
}

void drawMark(PrintSurface& surface, MarkShape shape, int x, int y) {
    if (shape == MarkShape::Letter) {
        surface.text(x, y, "X");
        return;
    }
    const TextExtent size = markSize(surface, shape);
    surface.setBrush(kBlack);
    surface.setPen(kBlack, 1);
    surface.rectangle(x, y, x + size.width, y + size.height);
}

const FontSpec& internalTicketFont() { return kInternalTicketFont; }

BonusSequence::BonusSequence(int model, int bonusMode, bool wanted, std::uint32_t seed)
    : applies_(wanted && hasBonusRow(model)), mode_(bonusMode), count_(bonusNumberCount(model)), random_(seed) {
    if (mode_ > count_) mode_ = 1;
}

int BonusSequence::next() {
    if (mode_ < 0) {
        last_ = std::uniform_int_distribution<int>(1, count_)(random_);
    } else if (mode_ == 0) {
        last_ = last_ >= count_ ? 1 : last_ + 1;
    } else {
        last_ = mode_;
    }
    return last_;
}

BoardSource wheelBoards(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel) {
    startExpansion(expansion, selection, wheel);
    return {expansion.boardCount, [&expansion, &mask](int i, BoardMask& out) {
                const bool built = buildBoard(expansion, mask, i);
                out = mask;
                return built;
            }};
}

PrintResult printInternalTickets(PrintSurface& surface, const BoardSource& boards, const InternalTicketRequest& request,
                                 const PrinterOffsets& offsets, const TicketHooks& hooks) {
    PrintResult result;
    const TicketLayout* layout = ticketLayout(request.model);
    if (layout == nullptr || !boards.build) return result;
    int first = request.first;
    int last = request.last;
    if (first < 1 || last > boards.boardCount) {
        first = 1;
        last = boards.boardCount;
    }
    // No board, no ticket: not even one carrying only a bonus mark.
    if (first > last) return result;

    BonusSequence bonus(request.model, request.bonusMode, request.bonusWanted,
                        request.bonusSeed ? *request.bonusSeed : std::random_device{}());
    TicketRun run(surface, request.mode, kInternalTicketFont, hooks, result);
    try {
        run.start();
        markBonus(surface, request.model, bonus, offsets);
        double slot = 0;
        BoardMask mask{};
        for (int i = first; i <= last; ++i) {
            mask.fill(0);
            boards.build(i, mask);
            slot += 1;
            if (slot > layout->boardsPerTicket) {
                if (!run.nextTicket()) {
                    result.pass.stopped = true;
                    break;
                }
                slot = 1;
                markBonus(surface, request.model, bonus, offsets);
            }
            if (request.boardNumbersWanted) {
                if (const std::optional<CmPoint> where = boardNumberPosition(request.model, slot)) {
                    const DevicePoint p = toDevice(surface, *where, offsets);
                    surface.text(p.x, p.y, std::to_string(i));
                }
            }
            for (int n = 1; n <= kGridACount; ++n)
                if (mask[n] == 1) markNumber(surface, request.model, n, slot, offsets);
            ++result.pass.count;
            if (stoppedByProgress(run, hooks, result)) return result;
        }
        run.finish();
    } catch (const std::exception& e) {
        run.fail(e, "boutlancerClick");
    }
    return result;
}

PrintResult printInternalTickets(PrintSurface& surface, CurrentGame& game, const Settings& settings, int wheel,
                                 const InternalTicketRequest& request, const TicketHooks& hooks) {
    return printInternalTickets(surface, wheelBoards(game.expansion, game.boardMask, game.selection, wheel), request,
                                printerOffsets(settings.parameters), hooks);
}

PrintResult printExternalTickets(PrintSurface& surface, const ExternalWheel& wheel, TicketMode mode, int model,
                                 const PrinterOffsets& offsets, const TicketHooks& hooks) {
    PrintResult result;
    const TicketLayout* layout = ticketLayout(model);
    if (layout == nullptr) return result;
    TicketRun run(surface, mode, kExternalTicketFont, hooks, result);
    try {
        // The file is opened before the printer is touched, so a missing file costs no paper.
        TextFileReader reader;
        openExternalWheel(reader, wheel);
        if (reader.atEnd()) return result;
        run.start();
        int slot = 0;
        while (!reader.atEnd()) {
            if (hooks.processEvents) hooks.processEvents();
            if (++slot > layout->boardsPerTicket) {
                if (!run.nextTicket()) {
                    result.pass.stopped = true;
                    break;
                }
                slot = 1;
            }
            // Fields 6 and 7 hold grid B numbers, which have no box on any ticket model.
            for (int f = 1; f <= kGridAFields; ++f) {
                const std::optional<std::int32_t> value = fieldNumber(trimBlanks(reader.field(f)));
                if (!value) continue;
                try {
                    markNumber(surface, model, wheel.playedGridA(*value), slot, offsets);
                } catch (const std::exception&) {
                    // One number that could not be marked does not spoil the rest of the run.
                    if (hooks.reportError) hooks.reportError("pcochenumerosurgrille");
                }
            }
            ++result.pass.count;
            if (stoppedByProgress(run, hooks, result)) return result;
            reader.readLine();
        }
        run.finish();
    } catch (const std::exception& e) {
        run.fail(e, "Pimprimebulletinfichier");
    }
    return result;
}

}  // namespace norvex5
