#include "localisation/languagefile.h"

namespace norvex5 {

Tgerelanguage::Tgerelanguage(std::filesystem::path fileName) : fileName_(std::move(fileName)) {}

bool Tgerelanguage::load() {
    // Reading comes with the text file reader.
    loaded_ = false;
    return loaded_;
}

const std::string& Tgerelanguage::message(int number) const {
    static const std::string empty;
    if (number < 1 || number > kSlots) return empty;
    return messages_[number];
}

}  // namespace norvex5
