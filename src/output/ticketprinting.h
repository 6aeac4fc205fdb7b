#pragma once
// Printing boards onto paper play tickets: a mark in the box of every number of a board, one
// ticket per printer page, for the boards of a built-in wheel (printInternalTickets) or of a
// wheel file (Pimprimebulletinfichier).
//
// How the pieces meet: ticketlayouts.h says where a box lies in centimetres; toDevice() turns
// that into printer pixels with the printer's resolution and printing offset and the user's
// printer offsets; drawMark() draws the model's mark there; a ticket run (inside the .cpp)
// decides when a ticket is full, starts the next page or job, and asks the user for the next
// paper ticket in the one-at-a-time mode.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "core/expansion.h"
#include "core/selection.h"
#include "externalwheels/externalwheel.h"
#include "externalwheels/passresult.h"
#include "output/printsurface.h"
#include "output/ticketlayouts.h"
#include "persistence/parameters.h"

namespace norvex5 {

struct CurrentGame;
struct Settings;

// The user's printer offsets from the parameters, whole millimetres, positive to the right and
// downwards.
struct PrinterOffsets {
    int horizontalMm = 0;
    int verticalMm = 0;
};

inline PrinterOffsets printerOffsets(const ParameterRecord& parameters) {
    return {parameters.horizontalOffset, parameters.verticalOffset};
}

enum class TicketMode : int {
    AllAtOnce = 1,
    OneByOne = 2,  // the user feeds each paper ticket and confirms
};

// What the caller hears while a run goes on. Every member may be left empty.
struct TicketHooks {
    // Between two tickets in the one-by-one mode, once the last ticket has gone to the printer:
    // false when the user cancels. The window shows message 115 titled 130 with OK and Cancel.
    std::function<bool()> nextTicket;
    // Before each line of a wheel file, so that the window stays alive through a long file.
    std::function<void()> processEvents;
    // After each board marked, built-in wheel and wheel file alike, with the count of boards
    // marked so far: false stops the run there and drops the job being built (jobs already handed
    // to the printer stay printed; the result is Cancelled), so a window can show a progress
    // dialog with a Cancel button.
    std::function<bool(std::int64_t done)> progress;
    // A failure the user must hear of: the window shows "Erreur" titled "Erreur dans " and the
    // procedure's name. Called once for every such failure; the result tells how the run ended.
    std::function<void(const std::string& procedure)> reportError;
};

// pass.count: the boards marked (lines, for a printed list); pass.error: what went wrong, for a
// failure; pass.stopped: the user stopped the run.
struct PrintResult {
    enum class Status {
        Printed,         // every board was printed
        Cancelled,       // the user stopped at a prompt (the tickets before it were printed) or
                         // through progress (the job being built was dropped)
        Failed,          // see pass.error; a ticket job was dropped
        NothingToPrint,  // no board (or no valid model): no job was started
    };
    PassResult pass;
    int tickets = 0;  // pages started
    int jobs = 0;     // print jobs handed to the printer
    // The pages of those jobs: what reaches paper or a file. A dropped job's pages are not among
    // them.
    int ticketsPrinted = 0;

    Status status() const {
        if (!pass.ok) return Status::Failed;
        if (pass.stopped) return Status::Cancelled;
        return jobs > 0 ? Status::Printed : Status::NothingToPrint;
    }
};

// ToDevice: a length in centimetres on the paper to the device pixel on the printable area:
// v / 2.54 * dpi - printing offset + (user mm / 10 / 2.54) * dpi, rounded half to even.
int toDevice(const PrintSurface& surface, Axis axis, double cm, const PrinterOffsets& offsets);

// The pixel size of a mark of `cm` along the axis: ToDevice(10 + cm) - ToDevice(10) measured
// without any offset, so that every mark of a shape has the same size wherever the offsets
// put it.
int markExtent(const PrintSurface& surface, Axis axis, double cm);

// Draws the model's mark with its top-left corner at device point (x, y): "X" in the current
// font, or a black rectangle for the other shapes.
void drawMark(PrintSurface& surface, MarkShape shape, int x, int y);

// The pixels a mark of `shape` covers from its top-left corner: the cell of an "X" in the
// surface's current font, or the rectangle drawMark() fills.
TextExtent markSize(PrintSurface& surface, MarkShape shape);

// The font the marks and board numbers of a built-in wheel's tickets are written in.
const FontSpec& internalTicketFont();

// The bonus number of each ticket of a run. Random numbers come from one generator seeded once
// for the run, so tickets printed within the same instant still get independent numbers.
class BonusSequence {
public:
    // bonusMode: negative = random, 0 = successive from 1, positive = always that number (1 when
    // it is outside 1..count). Bonus marks are made only on the models with a bonus row.
    BonusSequence(int model, int bonusMode, bool wanted, std::uint32_t seed);
    bool applies() const { return applies_; }
    // The number for the next ticket, from 1 to the model's bonus number count.
    int next();

private:
    bool applies_ = false;
    int mode_ = 0;
    int count_ = 10;
    int last_ = 0;
    std::mt19937 random_;
};

// Boards to print from a built-in wheel: how many there are, and how to build board i into a
// mask (false when board i does not exist).
struct BoardSource {
    int boardCount = 0;
    std::function<bool(int i, BoardMask& mask)> build;
};

// The boards of built-in `wheel` over the ticked numbers of `selection`, built through the
// expansion into `mask`. Starts the expansion (number list prepared, current board 1); the
// expansion and the mask must outlive the source.
BoardSource wheelBoards(Expansion& expansion, BoardMask& mask, const SelectionState& selection, int wheel);

struct InternalTicketRequest {
    int model = 1;
    TicketMode mode = TicketMode::AllAtOnce;
    int first = 1;
    int last = 0;
    int bonusMode = -1;  // see BonusSequence
    bool bonusWanted = false;
    bool boardNumbersWanted = false;
    // Seed of the run's random bonus numbers; a fresh one from the system when empty.
    std::optional<std::uint32_t> bonusSeed;
};

// Boards first..last (1..board count when that range is not inside the wheel), five boards or
// so per ticket as the model holds them.
PrintResult printInternalTickets(PrintSurface& surface, const BoardSource& boards, const InternalTicketRequest& request,
                                 const PrinterOffsets& offsets, const TicketHooks& hooks = {});

// The same for built-in `wheel` over the game's selection, expansion and board mask, with the
// offsets of the settings.
PrintResult printInternalTickets(PrintSurface& surface, CurrentGame& game, const Settings& settings, int wheel,
                                 const InternalTicketRequest& request, const TicketHooks& hooks = {});

// Every board of a wheel file, one per line: fields 1..5 are grid A numbers, replaced through
// the wheel's map when they lie in 1..50; fields 6 and 7 are grid B numbers, which no ticket
// model has a box for. A failure reports "Pimprimebulletinfichier" and drops the job.
PrintResult printExternalTickets(PrintSurface& surface, const ExternalWheel& wheel, TicketMode mode, int model,
                                 const PrinterOffsets& offsets, const TicketHooks& hooks = {});

}  // namespace norvex5
