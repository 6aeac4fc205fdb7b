#include "windows/program/startupfiles.h"

#include <filesystem>
#include <new>

#include "core/appstate.h"
#include "localisation/languagefile.h"
#include "persistence/parameters.h"
#include "windows/common/platform.h"

namespace norvex5 {

namespace {

QString fileText(const std::filesystem::path& file) { return QString::fromStdString(file.string()); }

bool isThere(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::exists(file, error);
}

}  // namespace

StartupFiles readStartupFiles(AppState& state, const ProgramDirectories& directories) {
    StartupFiles files;
    const std::filesystem::path languageFile = findLanguageFile(directories.program, directories.userConfig);
    bool languageFileRead = true;
    try {
        state.languageFile = std::make_unique<LanguageFile>(languageFile);
        // The player put a language file there for a reason: one that cannot be read is told.
        languageFileRead = state.languageFile->load() || !isThere(languageFile);
    } catch (const std::bad_alloc&) {
        languageFileRead = false;
    }

    const std::filesystem::path parametersFile =
        parametersReadPath(findParametersPlaces(directories.program, directories.userConfig));
    QString parametersProblem;
    try {
        const ParametersLoadResult loaded = loadParameters(parametersFile);
        state.parameters = loaded.record;
        files.parametersFound = loaded.found();
    } catch (const std::filesystem::filesystem_error& error) {
        parametersProblem = QString::fromStdString(error.code().message());
    } catch (const std::bad_alloc& error) {
        parametersProblem = QString::fromLatin1(error.what());
    }
    if (!parametersProblem.isEmpty()) {
        // A file that is there is not a first run, though it could not be read.
        state.parameters = ParameterRecord{};
        files.parametersFound = isThere(parametersFile);
    }
    state.ticketModelRemembered = files.parametersFound;

    // Told in the language of the parameters, known only now.
    if (!languageFileRead)
        files.problems << QString::fromStdString(state.programText(ProgramText::LanguageFileNotRead))
                              .arg(fileText(languageFile));
    if (!parametersProblem.isEmpty())
        files.problems << QString::fromStdString(state.programText(ProgramText::ParametersFileNotRead))
                              .arg(fileText(parametersFile), parametersProblem);
    return files;
}

void startMainWindow(MainWindow& window, AppState& state, Platform& platform, const ProgramDirectories& directories) {
    const StartupFiles files = readStartupFiles(state, directories);
    window.setParametersFound(files.parametersFound);
    window.show();
    // Over the window, which shows what the program runs on.
    for (const QString& problem : files.problems)
        platform.message(problem, QStringLiteral("Norvex5"), Platform::Buttons::Ok, Platform::Icon::Warning);
}

}  // namespace norvex5
