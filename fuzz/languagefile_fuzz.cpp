// Any bytes as a language file: it loads or is refused, and every text it hands to a window is
// valid UTF-8 (the file is Latin-1 or UTF-8 on disk; the windows only take UTF-8).

#include "fuzzinput.h"
#include "localisation/languagefile.h"
#include "textfiles/textencoding.h"

using namespace norvex5;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& name = fuzzing::inputFile().hold({reinterpret_cast<const char*>(data), size});
    LanguageFile language(name);
    if (!language.load()) {
        for (int n = 0; n <= LanguageFile::kSlots + 1; ++n) require(language.message(n).empty(), "refused file has texts");
        return 0;
    }
    require(isValidUtf8(language.headerText1()) && isValidUtf8(language.headerText2()), "header not UTF-8");
    for (int n = 0; n <= LanguageFile::kSlots + 1; ++n) require(isValidUtf8(language.message(n)), "message not UTF-8");
    require(language.message(0).empty() && language.message(LanguageFile::kSlots + 1).empty(), "text outside 1..300");
    return 0;
}
