#include "windows/program/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>

#include "draws/drawtext.h"
#include "localisation/messagenumbers.h"
#include "windows/about/aboutbox.h"
#include "windows/boardlist/boardlistwindow.h"
#include "windows/boardviewer/boardviewer.h"
#include "windows/common/desktoplinks.h"
#include "windows/common/filepaths.h"
#include "windows/common/platform.h"
#include "windows/common/programversion.h"
#include "windows/common/stateparts.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/draws/drawswindow.h"
#include "windows/externalwheels/externalwheelstab.h"
#include "windows/languagechoice/languagechoicedialog.h"
#include "windows/parameters/parameterswindow.h"
#include "windows/program/startupfiles.h"
#include "windows/ticketprint/ticketprintdialog.h"
#include "windows/wheelcheck/wheelcheckwindow.h"
#include "windows/wheelcheck/wheelsources.h"
#include "windows/wheeldescription/wheeldescriptionwindow.h"
#include "windows/wheelgenerator/wheelgeneratorwindow.h"
#include "workshop/filtersettings.h"
#include "workshop/wheel.h"

namespace norvex5 {

ProgramDirectories programDirectoriesFor(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userConfig) {
    // Installed, the program lies in <prefix>/bin and its files in <prefix>/share/norvex5; run
    // from the build folder, they lie beside it.
    std::error_code error;
    const std::filesystem::path installed = (programFolder / NORVEX5_DATA_FROM_PROGRAM).lexically_normal();
    if (std::filesystem::is_directory(installed, error))
        return {installed, userConfig, library::defaultUserLibraryFolder()};
    return {programFolder, userConfig, library::defaultUserLibraryFolder()};
}

ProgramDirectories directoriesOfThisProgram() {
    return programDirectoriesFor(toPath(QCoreApplication::applicationDirPath()),
                                 toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}

void setUpApplication(QApplication& application) {
    application.setApplicationName(QStringLiteral("Norvex5"));
    application.setApplicationVersion(QString::fromLatin1(kProgramVersion));
    // The installed desktop entry: the desktop shows its icon and name for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.norvex5.Norvex5"));
}

template <typename Window, typename Build>
WindowOnFirstUse<Window> Program::onFirstUse(Build build) {
    return WindowOnFirstUse<Window>([this, build] { return build(*mainWindow_); });
}

template <typename Window>
WindowOnFirstUse<Window> Program::onFirstUse() {
    return onFirstUse<Window>([this](MainWindow& owner) { return makeWindow<Window>(state_, platform_, &owner); });
}

Program::Program(Platform& platform, ProgramDirectories directories)
    : platform_(platform),
      directories_(directories),
      drawHistory_(state_.texts(), state_.settings(), platform),
      mainWindow_(std::make_unique<MainWindow>(state_, platform, ticketPictures_, std::move(directories))),
      boardViewer_(onFirstUse<BoardViewer>(
          [this](MainWindow& owner) { return makeWindow<BoardViewer>(state_, platform_, ticketPictures_, &owner); })),
      boardList_(onFirstUse<BoardListWindow>([this](MainWindow& owner) {
          auto list = makeWindow<BoardListWindow>(state_, platform_, &owner);
          list->setTicketPrinting([this] { ticketPrint_->openFor(state_.selectedWheel); });
          return list;
      })),
      ticketPrint_(onFirstUse<TicketPrintDialog>()),
      comparison_(onFirstUse<ComparisonWindow>([this](MainWindow& owner) {
          auto comparison = makeWindow<ComparisonWindow>(state_, platform_, &owner);
          comparison->setDrawHistory(drawHistory_);
          return comparison;
      })),
      parameters_(onFirstUse<ParametersWindow>()),
      languageChoice_(onFirstUse<LanguageChoiceDialog>(
          [](MainWindow& owner) { return std::make_unique<LanguageChoiceDialog>(&owner); })),
      wheelDescription_(onFirstUse<WheelDescriptionWindow>()),
      about_(onFirstUse<AboutBox>([](MainWindow& owner) { return std::make_unique<AboutBox>(&owner); })),
      wheelCheck_(onFirstUse<WheelCheckWindow>([this](MainWindow& owner) {
          auto check = makeWindow<WheelCheckWindow>(state_, platform_, &owner);
          check->setFilterSettingsFile(directories_.userConfig / workshop::kFilterSettingsFileName);
          return check;
      })),
      wheelGenerator_(onFirstUse<WheelGeneratorWindow>([this](MainWindow& owner) {
          auto generator = makeWindow<WheelGeneratorWindow>(state_, platform_, &owner);
          generator->setFilterSettingsFile(directories_.userConfig / workshop::kFilterSettingsFileName);
          generator->setCheckHook([this](const workshop::Wheel& wheel, const std::vector<std::int32_t>& played) {
              wheelCheck_->openFor(wheel, played);
          });
          generator->setKnownWheelHook([this](int numbers, workshop::Guarantee guarantee) {
              return mainWindow_->libraryWheels().smallestKnown(numbers, guarantee);
          });
          generator->setSendHook([this](const QString& file, const std::vector<std::int32_t>& played) {
              wheelGenerator_->close();
              mainWindow_->showExternalTab();
              mainWindow_->externalTab().takeWheelFile(file, played);
          });
          return generator;
      })),
      draws_(onFirstUse<DrawsWindow>([this](MainWindow& owner) {
          auto window = makeWindow<DrawsWindow>(state_, platform_, drawHistory_, &owner);
          window->backtestHooks().tickedWheel = [this]() -> std::optional<WheelToCheck> {
              if (auto chosen = chosenWheelOverTicked(state_.selection, wheelRecordOf(state_.expansion, state_.selectedWheel)))
                  return chosen;
              platform_.message(QString::fromStdString(state_.message(kMessageIncorrectSelection)),
                                QString::fromStdString(state_.message(kMessageProblem)), Platform::Buttons::Ok,
                                Platform::Icon::Warning);
              return std::nullopt;
          };
          window->backtestHooks().fileWheel = [this] {
              return playedWheelFile(mainWindow_->externalTab().currentWheel());
          };
          return window;
      })) {
    // The main window's life is the program's, whatever other window is still open.
    QObject::connect(mainWindow_.get(), &MainWindow::closed, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    connectWindows();
}

Program::~Program() = default;

void Program::connectWindows() {
    // The main window checks the ticked numbers against the wheel before it opens an output window.
    MainWindowHooks& hooks = mainWindow_->hooks();
    hooks.boardViewer = [this] { boardViewer_->exec(); };
    hooks.boardList = [this] { boardList_->exec(); };
    hooks.ticketPrinting = [this] { ticketPrint_->openFor(state_.selectedWheel); };
    hooks.internalComparison = [this] { comparison_->openInternal(); };
    hooks.externalTabBuilt = [this](ExternalWheelsTab& externalTab) {
        externalTab.setComparison([this, &externalTab](const ExternalWheel& wheel) {
            comparison_->openExternal(
                wheel, [&externalTab](std::int64_t boards) { externalTab.showComparisonProgress(boards); });
        });
        externalTab.setWheelCheck([this](const ExternalWheel& file) { checkWheelFile(file); });
    };
    // The wheel workshop: the chosen wheel over the ticked numbers (the main window has checked
    // that they fit), a wheel file of the external tab as its numbers are played, a generated one.
    hooks.wheelCheck = [this] {
        const WheelRecord* record = wheelRecordOf(state_.expansion, state_.selectedWheel);
        if (const auto chosen = chosenWheelOverTicked(state_.selection, record))
            wheelCheck_->openFor(chosen->wheel, chosen->played, record->fixedCount,
                                 {record->guarantee, record->condition});
    };
    hooks.wheelGenerator = [this] { wheelGenerator_->openWindow(); };
    hooks.draws = [this] { draws_->openWindow(); };
    hooks.lastDraw = [this] { showLastDraw(); };
    hooks.parametersWindow = [this] { parameters_->openModal(); };
    hooks.firstRunLanguage = [this] {
        state_.parameters.language = languageChoice_->choose(state_.parameters.language);
    };
    hooks.wheelDescription = [this] { wheelDescription_->openModal(); };
    hooks.aboutBox = [this] { about_->showBox(state_.messageLookup(), state_.parameters.language); };
    hooks.help = [this] { openHelp(platform_, state_.texts(), directories_.program, defaultHelpFolder()); };
    hooks.resultsPage = [this] { openResultsPage(platform_, state_.parameters.gameType); };
    hooks.companionLaunch = [this] { launchCompanion(platform_, directories_.program); };
}

void Program::checkWheelFile(const ExternalWheel& file) {
    if (const auto played = playedWheelFile(file)) wheelCheck_->openFor(played->wheel, played->played);
}

std::optional<WheelToCheck> Program::playedWheelFile(const ExternalWheel& file) {
    if (file.fileName.empty()) {
        platform_.message(QString::fromStdString(state_.programText(ProgramText::NoExternalWheelFile)),
                          QString::fromStdString(state_.message(kMessageProblem)), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return std::nullopt;
    }
    workshop::PlayedWheelFile check = workshop::playedWheelFile(file, kGridACount);
    if (!check.played) {
        platform_.message(QString::fromStdString(state_.message(kMessageIncorrectSelection)) +
                              (check.problem.empty() ? QString() : QStringLiteral("\n") + QString::fromStdString(check.problem)),
                          QString::fromStdString(state_.message(kMessageProblem)), Platform::Buttons::Ok,
                          Platform::Icon::Warning);
        return std::nullopt;
    }
    return WheelToCheck{std::move(check.played->wheel), std::move(check.played->played)};
}

void Program::showLastDraw() {
    const QString title = QString::fromStdString(state_.programText(ProgramText::DrawsTitle));
    if (drawHistory_.store() == nullptr) return;
    if (const auto last = drawHistory_.lastDraw()) {
        // The operator's page has the draws the history does not hold yet.
        const QString text = QString::fromStdString(state_.programText(ProgramText::LastStoredDraw))
                                 .arg(drawHistory_.dateText(last->date),
                                      QString::fromStdString(draws::drawNumbersText(*last))) +
                             QStringLiteral("\n\n") +
                             QString::fromStdString(state_.programText(ProgramText::OpenOperatorResults));
        if (platform_.message(text, title, Platform::Buttons::YesNo, Platform::Icon::Question) == Platform::Answer::Yes)
            openResultsPage(platform_, state_.parameters.gameType);
        return;
    }
    if (platform_.message(QString::fromStdString(state_.programText(ProgramText::NoStoredDrawQuestion)), title,
                          Platform::Buttons::YesNo, Platform::Icon::Question) == Platform::Answer::Yes)
        draws_->openImport();
}

void Program::start() { startMainWindow(*mainWindow_, state_, platform_, directories_); }

}  // namespace norvex5
