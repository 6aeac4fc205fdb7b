#pragma once
// MainWindow, the main window: the ticket of the current game type with its number boxes, the game
// type buttons, the wheel list, the counters, the output commands and the file menu. Its first
// activation does the start-up work; closing it saves the parameters and ends the program.
//
// The window only reads controls, calls the model and writes controls back. The other windows
// it opens are reached through MainWindowHooks, which the program start fills once they exist.

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <filesystem>
#include <functional>

#include "screen/boxpositions.h"
#include "windows/common/pictures.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;

namespace norvex5 {

struct AppState;
class Platform;
class NumberBox;

// Where the program keeps its files: the parameters file, the language file and the help file
// beside the program, the parameters file in the user's configuration directory when the
// program's own directory cannot be written.
struct ProgramDirectories {
    std::filesystem::path program;
    std::filesystem::path userConfig;
};

// The windows and desktop actions the main window starts. An empty entry opens nothing.
struct MainWindowHooks {
    std::function<void()> boardViewer;         // TForm2, modal
    std::function<void()> boardList;           // TForm5, modal
    std::function<void()> ticketPrinting;      // TForm7, modal
    std::function<void()> internalComparison;  // TForm8 in its internal wheel mode, modal
    std::function<void()> wheelDescription;    // TFinfoSysteme, modal
    std::function<void()> aboutBox;            // Tapropos, not modal
    std::function<void()> help;
    std::function<void()> resultsPage;
    std::function<void()> parametersWindow;  // TForm9, modal
    std::function<void()> firstRunLanguage;  // TForm10, modal, first run only
    std::function<void()> fillReplacementLists;
    std::function<void()> companionLaunch;  // at shutdown
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppState& state, Platform& platform, ProgramDirectories directories, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowHooks& windows() { return windows_; }

    // The start-up work; runs once, at the first activation (or the first show, whichever comes
    // first). Later calls do nothing.
    void activate();
    bool firstActivationPending() const { return firstActivationPending_; }
    // False on a first run (no parameters file) until the first-run steps have run.
    bool parametersFound() const { return parametersFound_; }

    // Lays out the ticket of the current game type: target 1 this window, 2 the board viewer
    // registered with setBoardViewerGrid. "erreur positionnecase" on failure.
    void positionnecase(int target);
    void setBoardViewerGrid(const GridPanel& grid) { viewerGrid_ = grid; }

    // The wheel list entry's hidden number; -1 with no current entry or a foreign text.
    int selectedWheelNumber() const;
    void fillWheelList();
    // The main window's texts in the current language.
    void applyTexts();
    void refreshCounters();
    // Every box from the selection.
    void redrawBoxes();

    std::filesystem::path parametersFile() const;
    std::filesystem::path languageFile() const;

    // The handlers, as the user reaches them.
    void casecoch(int n);
    void clickdroit(int n, Qt::MouseButton button);
    void selectGameType(int code);
    void aleaclick();
    void beffacerClick();
    void bvoirbulletinClick();
    void bimplistbullClick();
    void bimpbullClick();
    void bcomparerClick();
    void spinfosystemeClick();
    void Paramtres1Click();
    void EnregistrerBulletin1Click();
    void Chargerbulletin1Click();

signals:
    // The window has closed and the parameters are saved: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenu();
    void createTicketPanel(QWidget* page);
    void createGameTypes(QWidget* page);
    void createWheelChoice(QWidget* page);
    void createButtons(QWidget* page);
    QLabel* createPictureHolder(const QString& name, const QPixmap& picture);
    void connectHandlers();

    // The selection check and the number list every output command starts with; false (after
    // message 109) when the ticked numbers do not fit the wheel.
    bool prepareOutput();
    void runOutput(const std::function<void()>& window);
    void shutdown();
    QString text(int message) const;
    // The ticket picture, read into its holder the first time it is needed.
    QPixmap ticketPicture(TicketPicture picture);
    QPixmap boxPixmap(std::int32_t state) const;

    AppState& state_;
    Platform& platform_;
    ProgramDirectories directories_;
    MainWindowHooks windows_;

    bool firstActivationPending_ = true;
    bool parametersFound_ = false;
    bool shutDown_ = false;

    QTabWidget* pageControl_ = nullptr;
    GridPanel grid_;
    GridPanel viewerGrid_;
    std::array<NumberBox*, 60> boxes_{};
    std::array<QLabel*, kTicketPictureCount> pictureHolders_{};
    QLabel* imagevide_ = nullptr;
    QLabel* imagecochee_ = nullptr;
    QLabel* imagefixe_ = nullptr;
    QComboBox* wheelList_ = nullptr;
    QLabel* nbcoch_ = nullptr;
    QLabel* labnbFix_ = nullptr;
    QLabel* labNbFixgb_ = nullptr;
    QRadioButton* rfrance_ = nullptr;
    QRadioButton* rportugal_ = nullptr;
    QRadioButton* rautriche_ = nullptr;
    QRadioButton* rflorida_ = nullptr;
    QRadioButton* rticketncarl_ = nullptr;
};

}  // namespace norvex5
