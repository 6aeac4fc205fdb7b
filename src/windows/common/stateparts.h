#pragma once
// A window built from the parts of the state its constructor asks for: each window takes only
// what it reads, the texts first, then the settings and the current game it needs, then the
// desktop and whatever else it takes. The program and the window tests build windows through
// this one function, so a window that comes to read one part more changes its constructor only.

#include <memory>
#include <type_traits>
#include <utility>

#include "core/appstate.h"

namespace norvex5 {

class Platform;

template <typename Window, typename... More>
std::unique_ptr<Window> makeWindow(AppState& state, Platform& platform, More&&... more) {
    Texts& texts = state.texts();
    Settings& settings = state.settings();
    CurrentGame& game = state.game();
    if constexpr (std::is_constructible_v<Window, Texts&, Settings&, CurrentGame&, Platform&, More...>)
        return std::make_unique<Window>(texts, settings, game, platform, std::forward<More>(more)...);
    else if constexpr (std::is_constructible_v<Window, Texts&, Settings&, Platform&, More...>)
        return std::make_unique<Window>(texts, settings, platform, std::forward<More>(more)...);
    else if constexpr (std::is_constructible_v<Window, Texts&, CurrentGame&, Platform&, More...>)
        return std::make_unique<Window>(texts, game, platform, std::forward<More>(more)...);
    else
        return std::make_unique<Window>(texts, platform, std::forward<More>(more)...);
}

}  // namespace norvex5
