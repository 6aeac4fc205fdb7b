#pragma once
// FilterPanel (objectName GroupeFiltre): the filter on the draw a player believes in, condition by
// condition, each ticked to count, with the share of the game's draws that pass it counted as it
// changes. Shared by the wheel check and the wheel generator windows; each keeps what it shows
// per game type through FilterSettings.

#include <QGroupBox>
#include <filesystem>
#include <optional>

#include "localisation/programtexts.h"
#include "windows/wheelcheck/filterpanelcontrols.h"
#include "workshop/drawfilter.h"

namespace norvex5 {

class FilterPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit FilterPanel(QWidget* parent = nullptr);

    // The filter ticked; nullopt when no condition is ticked.
    std::optional<workshop::DrawFilter> filter() const;
    void setFilter(const std::optional<workshop::DrawFilter>& filter);
    // The game's highest number, which bounds the sum and settles which numbers are low.
    int highest() const { return highest_; }
    void setHighest(int highest);
    // The draws of the game that pass the filter ticked (all of them with none).
    std::int64_t passing() const { return passing_; }
    // The captions and the share in `language`, which the panel keeps for its later changes.
    void applyTexts(LanguageCode language);
    // The filter kept for the game type in the settings file `file` (none when it is empty), and
    // the one ticked kept there.
    void restoreFrom(const std::filesystem::path& file, int gameType);
    void keepIn(const std::filesystem::path& file, int gameType) const;

signals:
    // The filter ticked changed (not a change of values of a condition not ticked).
    void changed();

private:
    using Condition = FilterPanelControls::Condition;

    void connectHandlers();
    void showShare();
    void onEdit(const Condition& condition, bool lowEndMoved);
    QString text(ProgramText which) const;

    FilterPanelControls controls_;
    LanguageCode language_ = 1;
    int highest_ = workshop::kDefaultHighest;
    std::int64_t passing_ = 0;
    bool filling_ = false;
};

}  // namespace norvex5
