#pragma once
// The desktop's fonts, made ready on a second thread while the main window is built.
//
// Reading the font configuration and listing the installed fonts is the longest single step of a
// start (fontconfig parses its whole configuration first), and no window can measure a text
// before it is done. Begun on a thread of its own at the program's first moment, it runs while
// the main thread decodes the window's pictures and builds its controls. Qt's font database
// holds one lock over that work: the main thread's first text waits for the thread to finish,
// and the fonts are never read twice.

#include <thread>

namespace norvex5 {

class FontWarmUp {
public:
    // Needs the application object: the font database is the platform's.
    FontWarmUp();
    // Waits for the thread, which ends on its own within milliseconds.
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread worker_;
};

}  // namespace norvex5
