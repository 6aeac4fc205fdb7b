// Any bytes as a saved game: a file that loads saves back to the same bytes when its number
// states are the three the program writes; otherwise the loaded game saves as a file that loads
// to the same game. Short files are refused, longer ones read in their first 292 bytes.

#include <algorithm>

#include "fuzzinput.h"
#include "persistence/savedgame.h"

using namespace norvex5;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SavedGameLoadResult loaded = decodeSavedGame(bytes);
    if (size < kSavedGameSize) {
        require(loaded.outcome == SavedGameLoad::Unreadable, "a short file was not refused");
        return 0;
    }
    require(loaded.reservedRead, "the reserved field was not carried");
    if (loaded.outcome != SavedGameLoad::Loaded) {
        require(loaded.outcome == SavedGameLoad::BadSignature, "a whole file is loaded or refused for its signature");
        return 0;
    }
    for (int n = 1; n <= kSavedNumberCount; ++n)
        require(loaded.record.states[n] >= 0 && loaded.record.states[n] <= 2, "a number state out of range");

    const SavedGameBytes saved = encodeSavedGame(loaded.record);
    const std::string_view savedBytes(reinterpret_cast<const char*>(saved.data()), saved.size());
    const SavedGameLoadResult again = decodeSavedGame(savedBytes);
    require(again.outcome == SavedGameLoad::Loaded, "a saved game does not load");
    require(again.record.wheelListIndex == loaded.record.wheelListIndex && again.record.states == loaded.record.states &&
                again.record.reserved == loaded.record.reserved,
            "a saved game loads as another game");
    // The states the program writes survive byte for byte.
    bool plainStates = true;
    for (int n = 1; n <= kSavedNumberCount; ++n) {
        const auto* state = data + 8 + (n - 1) * 4;
        plainStates = plainStates && state[0] <= 2 && state[1] == 0 && state[2] == 0 && state[3] == 0;
    }
    if (plainStates) require(std::equal(saved.begin(), saved.end(), data), "a saved game does not save back the same");
    return 0;
}
