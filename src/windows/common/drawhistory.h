#pragma once
// The draw history as the windows share it: one DrawStore, opened the first time a window needs
// it rather than at start, so that a start without draws costs nothing. Opening checks the
// database whole (a long history takes a moment); a damaged file is set aside and a new history
// started, a folder that cannot be written leaves the program without history. Either way the
// user is told once, and every window goes on without draws.
//
// Its texts are the program's own: the model's describe functions are the command line's words.

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "draws/drawstore.h"
#include "localisation/programtexts.h"

namespace norvex5 {

class Texts;
struct Settings;
class Platform;

class DrawHistory {
public:
    DrawHistory(const Texts& texts, const Settings& settings, Platform& platform,
                std::filesystem::path file = draws::defaultDrawStoreFile());
    ~DrawHistory();
    DrawHistory(const DrawHistory&) = delete;
    DrawHistory& operator=(const DrawHistory&) = delete;

    // The store, opened on the first call; null when the program works without history.
    draws::DrawStore* store();
    bool opened() const { return store_ != nullptr; }

    // The game type shown in the main window, whose draws the windows show, and its highest number.
    int gameType() const;
    int highestNumber() const;
    std::optional<draws::DrawRecord> lastDraw();

    // Tells the user why a change did not happen; true when it did.
    bool changed(const draws::ImportResult& result);
    bool changed(draws::StoreFailure failure);

    QString text(ProgramText which) const;
    QString refusal(draws::RefusalReason reason) const;
    // A date as the windows show it: the short date of the player's language with the year in
    // full, so that a history reaching back into the last century reads right ("03/01/2024" in
    // French, "03.01.2024" in German). Files and the command line keep "2024-01-03".
    QString dateText(const draws::CalendarDate& date) const;
    // The same, as wide as the widest date of the format, for the columns of fixed-pitch lists.
    QString paddedDateText(const draws::CalendarDate& date) const;
    qsizetype dateWidth() const;
    // The format itself, for date boxes.
    QString dateFormat() const;

private:
    void tellOpening(const draws::DrawStore& store);

    const Texts& texts_;
    const Settings& settings_;
    Platform& platform_;
    std::filesystem::path file_;
    std::unique_ptr<draws::DrawStore> store_;
};

}  // namespace norvex5
