#include "windows/common/desktoplinks.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/appstate.h"
#include "windows/common/platform.h"

static void initialiseHelpResources() { Q_INIT_RESOURCE(help); }

namespace norvex5 {

namespace {

QString fromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Copies a help file built into the program into `folder`; its path there, or empty on failure.
QString writeShippedHelpFile(const QString& name, const QString& folder) {
    static const bool initialised = (initialiseHelpResources(), true);
    (void)initialised;
    QFile shipped(QStringLiteral(":/help/") + name);
    if (!shipped.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = shipped.readAll();
    if (!QDir().mkpath(folder)) return {};
    const QString path = QDir(folder).absoluteFilePath(name);
    // Written afresh every time: a file left by an older version of the program is replaced.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) return {};
    return path;
}

}  // namespace

bool openInWebViewer(Platform& platform, const QString& target) {
    if (!platform.hasDefaultHandler(target)) return false;
    platform.openUrl(target);
    return true;
}

void openResultsPage(Platform& platform, int gameType) {
    const std::string address = resultsPageAddress(gameType);
    if (!address.empty()) openInWebViewer(platform, QString::fromStdString(address));
}

void launchCompanion(Platform& platform, const std::filesystem::path& programDirectory) {
    const Companion companion = findCompanion(programDirectory);
    switch (companion.kind) {
        case Companion::Kind::Program: platform.startProgram(fromPath(companion.file), {}); break;
        case Companion::Kind::Page: openInWebViewer(platform, fromPath(companion.file)); break;
        case Companion::Kind::None: break;
    }
}

QString defaultHelpFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
}

QString writeHelpPage(const QString& pageName, const QString& folder) {
    const QString page = writeShippedHelpFile(pageName, folder);
    // Without its stylesheet the page still reads well, only plainer: not a reason to fail.
    if (!page.isEmpty()) writeShippedHelpFile(QLatin1String(kHelpStyleSheet), folder);
    return page;
}

void openHelp(Platform& platform, const Texts& texts, const std::filesystem::path& programDirectory,
              const QString& helpFolder) {
    std::error_code error;
    const std::filesystem::path helpFile = programDirectory / kHelpFileName;
    const QString chm = fromPath(helpFile);
    if (std::filesystem::is_regular_file(helpFile, error) && platform.hasDefaultHandler(chm) && platform.openUrl(chm))
        return;
    const QString pageName = QString::fromStdString(helpPageName(texts.language()));
    // An installed program has its help pages on disk, in help/ of its files' folder: opened
    // where they lie, nothing is written.
    const std::filesystem::path installedPage = programDirectory / "help" / pageName.toStdString();
    if (std::filesystem::is_regular_file(installedPage, error) && openInWebViewer(platform, fromPath(installedPage)))
        return;
    const QString page = writeHelpPage(pageName, helpFolder);
    if (!page.isEmpty() && openInWebViewer(platform, page)) return;
    const QString where = page.isEmpty() ? chm : page;
    platform.message(QString::fromStdString(texts.programText(ProgramText::HelpNotOpened)).arg(where),
                     QStringLiteral("Norvex5"), Platform::Buttons::Ok, Platform::Icon::Information);
}

}  // namespace norvex5
