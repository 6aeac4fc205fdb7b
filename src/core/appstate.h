#pragma once
// Everything the program keeps in memory for a run, in one object created at start and passed by
// reference to every window. A test builds a fresh one.

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

struct AppState {
    ParameterRecord parameters;  // defaults until loaded
    SelectionState selection{};
    BoardMask boardMask{};
    Expansion expansion;
    ReplacementMap replacementMap{};
    // The wheel chosen in the main window's wheel list: its catalogue number, -1 when no entry is
    // chosen. The output windows read it; only the main window writes it.
    int selectedWheel = -1;
    // False on a first run (no parameters file) until a ticket model is chosen in the print
    // dialog: the model lists then propose the model of the game type shown rather than the
    // remembered position, which is only the file's default.
    bool ticketModelRemembered = true;
    std::unique_ptr<LanguageFile> languageManager;
    // The reserved field of the last saved game read, written back into the next one saved.
    std::int32_t savedGameReserved = 0;

    // The text of a message in the current language (or from the language file when loaded).
    std::string message(int number) const { return messageText(number, parameters.language, languageManager.get()); }
    // One of the program's own texts, in the language last chosen (also while a language file
    // replaces the messages).
    std::string programText(ProgramText text) const {
        return std::string(norvex5::programText(text, parameters.language));
    }
    MessageLookup messageLookup() const {
        return [this](int number) { return message(number); };
    }
};

}  // namespace norvex5
