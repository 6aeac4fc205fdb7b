#pragma once
// Everything the program keeps in memory for a run, in three parts that the windows are handed
// one by one, each window the parts it reads: the texts (the messages, from the language file
// when one is loaded, and the program's own texts), the settings (the parameters file's record)
// and the current game (the ticked numbers, the chosen wheel and what is built from them).
// AppState holds the three together; the program creates one at start, a test a fresh one.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/expansion.h"
#include "core/selection.h"
#include "externalwheels/replacementmap.h"
#include "localisation/languagefile.h"
#include "localisation/messages.h"
#include "localisation/programtexts.h"
#include "persistence/parameters.h"

namespace norvex5 {

struct Settings {
    ParameterRecord parameters;  // defaults until loaded
    // False on a first run (no parameters file) until a ticket model is chosen in the print
    // dialog: the model lists then propose the model of the game type shown rather than the
    // remembered position, which is only the file's default.
    bool ticketModelRemembered = true;
};

struct CurrentGame {
    SelectionState selection{};
    BoardMask boardMask{};
    Expansion expansion;
    ReplacementMap replacementMap{};
    // The wheel chosen in the main window's wheel list: its catalogue number, -1 when no entry is
    // chosen. The output windows read it; only the main window writes it.
    int selectedWheel = -1;
    // The reserved field of the last saved game read, written back into the next one saved.
    std::int32_t savedGameReserved = 0;
};

// The texts in the language the settings name.
class Texts {
public:
    explicit Texts(const ParameterRecord& settings) : settings_(&settings) {}
    Texts(const Texts&) = delete;
    Texts& operator=(const Texts&) = delete;

    std::unique_ptr<LanguageFile> languageFile;

    LanguageCode language() const { return settings_->language; }
    // The text of a message in the current language (or from the language file when loaded).
    std::string message(int number) const { return messageText(number, language(), languageFile.get()); }
    // One of the program's own texts, in the language last chosen (also while a language file
    // replaces the messages).
    std::string programText(ProgramText text) const { return std::string(norvex5::programText(text, language())); }
    MessageLookup messageLookup() const {
        return [this](int number) { return message(number); };
    }

private:
    const ParameterRecord* settings_;
};

struct AppState : Settings, CurrentGame, Texts {
    AppState() : Texts(parameters) {}

    Texts& texts() { return *this; }
    const Texts& texts() const { return *this; }
    Settings& settings() { return *this; }
    const Settings& settings() const { return *this; }
    CurrentGame& game() { return *this; }
    const CurrentGame& game() const { return *this; }
};

}  // namespace norvex5
