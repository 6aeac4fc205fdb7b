#pragma once
// The optional language file norvex5.lg, which replaces the built-in table for every language.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace norvex5 {

inline constexpr const char* kLanguageFileName = "norvex5.lg";

// Where the language file is read from: a copy the user put in their configuration directory
// when there is one (an installed program's own folder is not theirs to change), else the one
// beside the program.
std::filesystem::path findLanguageFile(const std::filesystem::path& programDirectory,
                                       const std::filesystem::path& userConfigDirectory);

class LanguageFile {
public:
    static constexpr int kSlots = 300;

    explicit LanguageFile(std::filesystem::path fileName);

    // Reads the file; `loaded` becomes the result. A missing or damaged file gives false.
    bool load();
    bool loaded() const { return loaded_; }

    // Slot 1..300 as UTF-8; empty when nothing was read for it or the number is out of range.
    const std::string& message(int number) const;

    const std::filesystem::path& fileName() const { return fileName_; }
    const std::string& headerText1() const { return headerText1_; }
    const std::string& headerText2() const { return headerText2_; }
    std::int32_t headerNumber() const { return headerNumber_; }

private:
    std::filesystem::path fileName_;
    bool loaded_ = false;
    std::array<std::string, kSlots + 1> messages_{};  // [1..300]
    std::string headerText1_;
    std::string headerText2_;
    std::int32_t headerNumber_ = 1;
};

}  // namespace norvex5
