// Any text as the command line's filter: it is read or refused naming a part of the text; a
// filter read is written back as text that reads as the same filter, and its count of passing
// draws agrees with the draws it lets through.

#include "fuzzinput.h"
#include "textfiles/textencoding.h"
#include "workshop/drawfilter.h"

using namespace norvex5;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [options, text] = fuzzing::splitInput(data, size);
    if (size == 0) return 0;
    // Small games keep the count checked below cheap; the parser's limits hold for any of them.
    const int highest = 5 + options % 12;  // 5..16
    const auto parsed = workshop::parseDrawFilter(text, highest);
    if (const auto* problem = std::get_if<workshop::FilterProblem>(&parsed)) {
        require(!problem->reason.empty(), "a refusal without a reason");
        require(text.find(problem->part) != std::string_view::npos, "the part named is not in the text");
        require(isValidUtf8(problem->message()) || !isValidUtf8(text), "the message is not UTF-8");
        return 0;
    }
    const workshop::DrawFilter& filter = std::get<workshop::DrawFilter>(parsed);
    const std::string written = workshop::filterText(filter);
    const auto reread = workshop::parseDrawFilter(written, highest);
    require(std::holds_alternative<workshop::DrawFilter>(reread) && std::get<workshop::DrawFilter>(reread) == filter,
            "the filter written back reads as another filter");
    std::int64_t listed = 0;
    workshop::forEachPassingDraw(filter, highest, [&](const workshop::Draw& draw) {
        require(workshop::passes(filter, draw, highest), "a listed draw does not pass");
        ++listed;
    });
    require(listed == workshop::passingDrawCount(filter, highest), "the count disagrees with the draws listed");
    return 0;
}
