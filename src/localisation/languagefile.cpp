#include "localisation/languagefile.h"

#include <exception>
#include <system_error>

#include "textfiles/fieldnumber.h"
#include "textfiles/textencoding.h"
#include "textfiles/textfilereader.h"

namespace norvex5 {

std::filesystem::path findLanguageFile(const std::filesystem::path& programDirectory,
                                       const std::filesystem::path& userConfigDirectory) {
    std::error_code error;
    if (!userConfigDirectory.empty()) {
        const std::filesystem::path own = userConfigDirectory / kLanguageFileName;
        if (std::filesystem::is_regular_file(own, error)) return own;
    }
    return programDirectory / kLanguageFileName;
}

namespace {

constexpr int kHeaderLines = 10;  // messages start on the 11th non-blank line

}  // namespace

LanguageFile::LanguageFile(std::filesystem::path fileName) : fileName_(std::move(fileName)) {}

bool LanguageFile::load() {
    loaded_ = false;
    std::error_code error;
    if (!std::filesystem::exists(fileName_, error)) return false;

    // Whether every line read so far is valid UTF-8; the texts are stored as read and decoded
    // once the whole file has been seen, since one Windows-1252 byte anywhere decides.
    bool utf8 = true;
    try {
        TextFileReader reader;
        reader.separator = ';';
        reader.open(fileName_.string());
        // A byte-order mark alone on the first line is no line at all: without it the line would
        // have been blank and skipped.
        const std::string_view first = reader.currentLine();
        if (first.starts_with(kUtf8ByteOrderMark) && isBlankLine(first.substr(kUtf8ByteOrderMark.size())))
            reader.readLine();

        auto next = [&] {
            reader.readLine();
            if (utf8 && !isValidUtf8(reader.currentLine())) utf8 = false;
        };
        utf8 = isValidUtf8(reader.currentLine());

        headerText1_ = std::string(reader.field(2));
        next();
        headerText2_ = std::string(reader.field(2));
        next();
        headerNumber_ = fieldNumber(reader.field(2)).value_or(1);
        for (int line = 3; line < kHeaderLines + 1; ++line) next();

        int number = 0;
        while (!reader.atEnd()) {
            // The whole file is read even past the last slot: only a complete read counts. The
            // count stops at the last slot, so no file is long enough to overflow it.
            if (number < kSlots) {
                ++number;
                const std::string_view translation = reader.field(2);
                messages_[number] = std::string(trimBlanks(translation).empty() ? reader.field(1) : translation);
            }
            next();
        }
    } catch (const std::exception&) {
        return false;
    }

    if (!utf8) {
        headerText1_ = windows1252ToUtf8(headerText1_);
        headerText2_ = windows1252ToUtf8(headerText2_);
        for (std::string& text : messages_) text = windows1252ToUtf8(text);
    }
    loaded_ = true;
    return loaded_;
}

const std::string& LanguageFile::message(int number) const {
    static const std::string empty;
    if (number < 1 || number > kSlots) return empty;
    return messages_[number];
}

}  // namespace norvex5
