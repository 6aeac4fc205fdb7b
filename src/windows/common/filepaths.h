#pragma once
// File names cross from the windows to the model as std::filesystem paths.

#include <QString>
#include <filesystem>

namespace norvex5 {

inline std::filesystem::path toPath(const QString& file) { return std::filesystem::path(file.toStdString()); }

}  // namespace norvex5
