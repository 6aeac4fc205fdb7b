#pragma once
// Read-only files and folders as the player meets them. Tests may run as root, who may write
// anything, so making a file read-only would refuse nothing; while an AsOrdinaryUser lives, the
// writers ask the owner's write permission bit instead, as the file's owner would find it.

#include <filesystem>

#include "persistence/atomicfile.h"

namespace norvex5::testing {

class AsOrdinaryUser {
public:
    AsOrdinaryUser()
        : override_([](const std::filesystem::path& file) {
              std::error_code error;
              const auto permissions = std::filesystem::status(file, error).permissions();
              return !error && (permissions & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
          }) {}

private:
    WritableCheckOverride override_;
};

inline void makeReadOnly(const std::filesystem::path& file) {
    std::filesystem::permissions(file,
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
}

}  // namespace norvex5::testing
