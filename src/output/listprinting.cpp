#include "output/listprinting.h"

#include <exception>

namespace norvex5 {

namespace {

const FontSpec kTitleFont{"Times New Roman", 24, false};
const FontSpec kBodyFont{"Times New Roman", 10, false};
constexpr int kTitleTop = 50;
constexpr int kLeft = 10;
constexpr int kRuleWidth = 10;

// Where the next body line goes, and when a page is full.
class ListPage {
public:
    ListPage(PrintSurface& surface, const PrintedListStyle& style, const std::string& title)
        : surface_(surface), style_(style) {
        const PageSize page = surface_.pageSize();
        pageHeight_ = page.height;
        surface_.setFont(kTitleFont);
        const std::string_view centredOn = style_.centringText.empty() ? std::string_view(title) : style_.centringText;
        surface_.text((page.width - surface_.textExtent(centredOn).width) / 2, kTitleTop, title);
        y_ = kTitleTop + surface_.textExtent("LISTE").height;
        surface_.setFont(kBodyFont);
        lineHeight_ = surface_.textExtent("WWWW").height + 10;
        letterWidth_ = surface_.textExtent("W").width;
        y_ += 2 * lineHeight_;
    }

    void write(std::string_view line) {
        // The page is turned only when a line is waiting for it, so a list that ends at the
        // bottom of a page leaves no blank sheet behind.
        if (pageFull_) turnPage();
        surface_.text(kLeft, y_, line);
        y_ += style_.lineAdvance * lineHeight_;
        pageFull_ = pageHeight_ - 3 * lineHeight_ < y_;
    }

    int pages() const { return pages_; }

private:
    void turnPage() {
        surface_.newPage();
        ++pages_;
        pageFull_ = false;
        y_ = 4 * lineHeight_;
        if (style_.ruleOnNewPage) {
            surface_.setPen(kBlack, kRuleWidth);
            surface_.line(kLeft, y_ - 10, 56 * letterWidth_ + kLeft, y_ - 10);
        }
    }

    PrintSurface& surface_;
    const PrintedListStyle& style_;
    int pageHeight_ = 0;
    int lineHeight_ = 0;
    int letterWidth_ = 0;
    int y_ = 0;
    bool pageFull_ = false;
    int pages_ = 1;
};

}  // namespace

PrintResult printBoardList(PrintSurface& surface, const PrintedListStyle& style, const std::string& title,
                           const ListProducer& produce) {
    PrintResult result;
    if (!surface.beginDocument()) {
        result.pass.fail("the printer did not start the print job");
        return result;
    }
    std::int64_t printed = 0;
    try {
        ListPage page(surface, style, title);
        result.pass = produce([&](std::string_view line) {
            page.write(line);
            ++printed;
            return true;
        });
        result.pass.count = printed;
        result.tickets = page.pages();
    } catch (const std::exception& e) {
        result.pass.fail(e.what());
        result.pass.count = printed;
    }
    // The user's Cancel drops the job being built, as for tickets. A failure is another matter: a
    // list on plain paper is worth having as far as it got, so it is printed.
    if (result.pass.stopped) {
        surface.abortDocument();
        return result;
    }
    surface.endDocument();
    result.jobs = 1;
    result.ticketsPrinted = result.tickets;
    return result;
}

PrintResult printInternalList(PrintSurface& surface, Expansion& expansion, BoardMask& mask,
                              const SelectionState& selection, int wheel, const MessageLookup& message) {
    return printBoardList(
        surface, kInternalListStyle, message(kInternalListStyle.titleMessage), [&](const LineSink& sink) {
            return forEachInternalListLine(expansion, mask, selection, wheel, ListOutput::Print, message, sink);
        });
}

PrintResult printExternalList(PrintSurface& surface, const ExternalWheel& wheel, const MessageLookup& message,
                              const std::function<void(const std::string& procedure)>& reportError) {
    PrintResult result =
        printBoardList(surface, kExternalListStyle, message(kExternalListStyle.titleMessage),
                       [&](const LineSink& sink) { return forEachExternalListLine(wheel, ListOutput::Print, sink); });
    if (!result.pass.ok && reportError) reportError("Pimprimelistebulletinfichier");
    return result;
}

}  // namespace norvex5
