// Pictures of every window of the program, in each language asked, for a person to look at: the
// program is started from a scratch folder (its parameters, configuration, draw history and
// desktop folders all inside it, never the user's own) and each window is opened as the player
// opens it, then photographed from the X display. Run it under a real X server (xvfb-run); the
// script `take` beside this file builds it and does so.
//
//   norvex5_screenshots <output directory> <language>... [--windows name,name,...]
//
// A language is a code (fr en pt es it hr de) or its number (1 to 7). Without --windows every
// window is taken but the two of the wheel workshop (wheelcheck, wheelgenerator), which are taken
// when named. The files are <window>[-<what>]-<code>.png.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QQueue>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "captionsfit.h"
#include "core/appstate.h"
#include "persistence/parameters.h"
#include "windows/common/qtplatform.h"
#include "windows/draws/drawimportdialog.h"
#include "windows/draws/drawswindow.h"
#include "windows/externalwheels/externalwheelstab.h"
#include "windows/languagechoice/languagechoicedialog.h"
#include "windows/program/program.h"

using namespace norvex5;

namespace {

const char* const kLanguageCodes[] = {"", "fr", "en", "pt", "es", "it", "hr", "de"};

const QStringList kEveryWindow = {
    "mainwindow", "boardviewer", "boardlist",       "ticketprint", "comparison", "parameters", "about",
    "languagechoice", "wheeldescription", "savedgame", "draws", "external", "messages"};
const QStringList kOnlyWhenNamed = {"wheelcheck", "wheelgenerator"};

// Lets the windows paint themselves.
void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The real desktop, but for the file dialogs a shot answers itself and the print that is meant to
// fail. A message box nobody is photographing is answered at once (and told on the console),
// so that an unexpected question never holds the run.
class ShotPlatform : public QtPlatform {
public:
    void chooseFileNext(const QString& path) { files_.enqueue(path); }
    void printNextInto(const QString& pdf) { printFile_ = pdf; }
    void showBoxes(bool show) { showBoxes_ = show; }

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon, bool beep) override {
        if (showBoxes_) return QtPlatform::message(text, title, buttons, icon, beep);
        std::fprintf(stderr, "box not photographed: %s: %s\n", qPrintable(title), qPrintable(text));
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString openFileName(const FileDialog& dialog) override {
        return files_.isEmpty() ? QtPlatform::openFileName(dialog) : files_.dequeue();
    }
    QString saveFileName(const FileDialog& dialog) override {
        return files_.isEmpty() ? QtPlatform::saveFileName(dialog) : files_.dequeue();
    }
    bool choosePrintTarget(QPrinter& printer, const QString&) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile_);
        return true;
    }
    bool openUrl(const QString&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }

private:
    QQueue<QString> files_;
    QString printFile_;
    bool showBoxes_ = false;
};

// The virtual display has no window manager to draw title bars: a window's title is drawn above
// it, cut as a title bar of its width would cut it, so a title too long for its window shows.
QPixmap withTitleBar(const QWidget& window, const QPixmap& shot) {
    if (!window.isWindow() || (window.windowFlags() & Qt::Popup) == Qt::Popup) return shot;
    constexpr int kBarHeight = 24;
    // Room a desktop's title bar keeps for its icon and its three buttons.
    constexpr int kButtonsWidth = 100;
    QPixmap framed(shot.width(), shot.height() + kBarHeight);
    framed.fill(QColor(60, 60, 70));
    QPainter painter(&framed);
    painter.drawPixmap(0, kBarHeight, shot);
    painter.setPen(Qt::white);
    const QFontMetrics metrics(painter.font());
    const QString title = metrics.elidedText(window.windowTitle(), Qt::ElideRight, shot.width() - kButtonsWidth);
    painter.drawText(QRect(8, 0, shot.width() - 16, kBarHeight), Qt::AlignVCenter | Qt::AlignLeft, title);
    return framed;
}

// What the window shows in less room than it needs, to look at first: cut captions, combo box
// entries and tab captions.
QStringList cutTexts(QWidget& window) {
    QStringList cut = testing::cutCaptions(window);
    if (window.isWindow() && (window.windowFlags() & Qt::Popup) != Qt::Popup && window.windowTitle().isEmpty())
        cut << QStringLiteral("the window has no title");
    for (auto* box : window.findChildren<QComboBox*>()) {
        // An entry may carry its key after a long run of blanks, out of sight.
        const QString shown = box->currentText().section(QStringLiteral("        "), 0, 0);
        if (!box->isVisibleTo(&window) || shown.isEmpty()) continue;
        // The arrow and the frame take about this much beside the text.
        const int needed = box->fontMetrics().horizontalAdvance(shown) + 28;
        if (box->width() < needed)
            cut << QStringLiteral("%1 \"%2\" %3 < %4").arg(box->objectName(), shown).arg(box->width()).arg(needed);
    }
    for (auto* tabs : window.findChildren<QTabBar*>()) {
        if (!tabs->isVisibleTo(&window)) continue;
        for (int k = 0; k < tabs->count(); ++k)
            if (tabs->tabRect(k).width() < tabs->fontMetrics().horizontalAdvance(tabs->tabText(k)) + 8)
                cut << QStringLiteral("tab \"%1\" %2").arg(tabs->tabText(k)).arg(tabs->tabRect(k).width());
    }
    return cut;
}

class Photographer {
public:
    Photographer(QDir out, QString language) : out_(std::move(out)), language_(std::move(language)) {}

    // The part of the X display the window covers, as the player sees it.
    void take(const QWidget& window, const QString& name) {
        settle(350);
        const QRect area = window.frameGeometry();
        const QString file = out_.filePath(QStringLiteral("%1-%2.png").arg(name, language_));
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        const bool saved = withTitleBar(window, shot).save(file);
        std::printf("%s%s\n", qPrintable(file), saved ? "" : "  (not saved)");
        for (const QString& cut : cutTexts(const_cast<QWidget&>(window)))
            std::printf("  cut: %s\n", qPrintable(cut));
        ok_ &= saved;
    }

    // Runs `open`, which shows a modal window (or a box), and while it is up hands that window to
    // `look`, then closes it. `look` may open further modal windows the same way.
    void whileOpen(const std::function<void()>& open, const std::function<void(QWidget&)>& look) {
        bool looked = false;
        QTimer::singleShot(500, [&] {
            QWidget* window = QApplication::activeModalWidget();
            if (window == nullptr) return;
            looked = true;
            look(*window);
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->reject();
            else
                window->close();
        });
        open();
        if (!looked) {
            std::fprintf(stderr, "nothing modal opened for %s\n", qPrintable(language_));
            ok_ = false;
        }
    }
    // The same for a window photographed as it opens.
    void takeWhileOpen(const std::function<void()>& open, const QString& name) {
        whileOpen(open, [&](QWidget& window) { take(window, name); });
    }

    bool ok() const { return ok_; }

private:
    QDir out_;
    QString language_;
    bool ok_ = true;
};

QWidget* topLevel(const char* objectName) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(objectName) && window->isVisible()) return window;
    std::fprintf(stderr, "no window %s on the screen\n", objectName);
    return nullptr;
}

template <typename T = QWidget>
T* control(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QLatin1String(name));
    if (found == nullptr) std::fprintf(stderr, "no control %s\n", name);
    return found;
}

void click(const QObject& root, const char* name) {
    if (auto* button = control<QAbstractButton>(root, name)) button->click();
}

void writeText(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
}

// A wheel file of ten numbers that a player brings from elsewhere: a heading, then 60 boards.
QByteArray wheelFileBytes() {
    QByteArray bytes = "Wheel of ten numbers;made by hand\r\n";
    for (int k = 0; k < 60; ++k)
        bytes += QByteArray::number(k % 6 + 1) + ';' + QByteArray::number(k % 3 + 7) + ";8;9;10\r\n";
    return bytes;
}

// One run of the program in one language, each window asked for photographed.
class LanguageRun {
public:
    LanguageRun(int language, const QDir& out, const QSet<QString>& windows)
        : language_(language), windows_(windows), camera_(out, QLatin1String(kLanguageCodes[language])) {}

    bool run() {
        if (!scratch_.isValid()) return false;
        const std::filesystem::path dir = scratch_.path().toStdString();
        // Each language's draws go into a history of its own, so each import window shows the import.
        qputenv("XDG_DATA_HOME", QFile::encodeName(scratch_.filePath(QStringLiteral("data"))));
        ParameterRecord record;
        record.language = language_;
        record.gameType = 1;
        saveParameters(dir / kParameterFileName, record);
        Program program(platform_, {dir, dir / "config", {}});
        AppState& state = program.state();
        platform_.setTexts([&state](ProgramText text) { return QString::fromStdString(state.programText(text)); });
        platform_.printNextInto(scratchFile("no-such-folder/test.pdf"));
        program.start();
        MainWindow& main = program.mainWindow();
        main.move(0, 0);
        settle(300);
        for (int n : {3, 11, 17, 25, 38, 44}) main.tickBox(n);
        settle(100);

        if (wanted("mainwindow")) takeMainWindow(main);
        if (wanted("boardviewer")) camera_.takeWhileOpen([&] { main.viewBoards(); }, "boardviewer");
        if (wanted("boardlist")) camera_.takeWhileOpen([&] { main.listBoards(); }, "boardlist");
        if (wanted("ticketprint")) takeTicketPrint(main);
        if (wanted("comparison")) takeComparison(main);
        if (wanted("parameters")) takeParameters(main);
        if (wanted("about")) takeAbout(main);
        if (wanted("languagechoice"))
            camera_.takeWhileOpen([&] { main.hooks().firstRunLanguage(); }, "languagechoice");
        if (wanted("wheeldescription")) camera_.takeWhileOpen([&] { main.describeWheel(); }, "wheeldescription");
        if (wanted("savedgame")) takeSavedGame(main);
        if (wanted("messages")) takeMessages(main, state);
        if (wanted("draws")) takeDraws(main);
        if (wanted("external")) takeExternalTab(main);
        if (wanted("wheelcheck")) takeNonModal([&] { main.checkChosenWheel(); }, "FormVerif", "wheelcheck");
        if (wanted("wheelgenerator")) takeNonModal([&] { main.generateWheel(); }, "FormGenerateur", "wheelgenerator");
        main.hide();
        return camera_.ok();
    }

private:
    bool wanted(const char* window) const { return windows_.contains(QLatin1String(window)); }
    QString scratchFile(const char* name) const { return scratch_.filePath(QLatin1String(name)); }

    void takeNonModal(const std::function<void()>& open, const char* objectName, const char* name) {
        open();
        settle(300);
        if (QWidget* window = topLevel(objectName)) {
            camera_.take(*window, QLatin1String(name));
            window->close();
        }
    }

    void takeMainWindow(MainWindow& main) {
        camera_.take(main, QStringLiteral("mainwindow"));
        // The wheel list open, its entries as the player reads them.
        QComboBox* wheels = main.controls().wheelList;
        wheels->showPopup();
        settle(200);
        if (QWidget* popup = QApplication::activePopupWidget()) camera_.take(*popup, QStringLiteral("mainwindow-wheellist"));
        wheels->hidePopup();
        // Each menu open.
        for (QMenu* menu : {main.controls().fileMenu, main.controls().useMenu, main.controls().optionsMenu,
                            main.controls().helpMenu}) {
            menu->popup(main.mapToGlobal(QPoint(0, 0)));
            settle(150);
            camera_.take(*menu, QStringLiteral("mainwindow-menu-") + menu->objectName());
            menu->hide();
        }
    }

    void takeTicketPrint(MainWindow& main) {
        camera_.whileOpen([&] { main.printTickets(); }, [&](QWidget& dialog) {
            camera_.take(dialog, QStringLiteral("ticketprint"));
            // A model with a bonus row, its bonus controls open, one number typed into its box.
            auto* models = control<QComboBox>(dialog, "ComboBox1");
            auto* bonusSwitch = control<QAbstractButton>(dialog, "chcochenumerobonus");
            if (models == nullptr || bonusSwitch == nullptr) return;
            for (int k = 0; k < models->count() && !bonusSwitch->isVisible(); ++k) models->setCurrentIndex(k);
            click(dialog, "chcochenumerobonus");
            click(dialog, "raunnumero");
            if (auto* bonus = control<QComboBox>(dialog, "enumerobonus")) bonus->setEditText(QStringLiteral("13"));
            camera_.take(dialog, QStringLiteral("ticketprint-bonus"));
        });
    }

    void takeComparison(MainWindow& main) {
        camera_.whileOpen([&] { main.compareWithDraw(); }, [&](QWidget& window) {
            camera_.take(window, QStringLiteral("comparison"));
            const int draw[] = {3, 11, 17, 25, 40};
            for (int k = 1; k <= 5; ++k)
                if (auto* box = control<QComboBox>(window, qPrintable(QStringLiteral("ComboBox%1").arg(k))))
                    box->setEditText(QString::number(draw[k - 1]));
            click(window, "button1");
            camera_.take(window, QStringLiteral("comparison-counted"));
        });
    }

    void takeParameters(MainWindow& main) {
        camera_.whileOpen([&] { main.openParameters(); }, [&](QWidget& window) {
            camera_.take(window, QStringLiteral("parameters"));
            // The test page sent where it cannot be written.
            platform_.showBoxes(true);
            camera_.takeWhileOpen([&] { click(window, "bimpressiontest"); }, QStringLiteral("parameters-testprintfailed"));
            platform_.showBoxes(false);
        });
    }

    void takeAbout(MainWindow& main) {
        takeNonModal([&] { main.controls().about->trigger(); }, "apropos", "about");
    }

    void takeSavedGame(MainWindow& main) {
        // The desktop's own file dialogs, opened in the scratch folder.
        QDir::setCurrent(scratch_.path());
        camera_.takeWhileOpen([&] { main.saveGame(); }, QStringLiteral("savedgame-save"));
        camera_.takeWhileOpen([&] { main.loadGame(); }, QStringLiteral("savedgame-load"));
        platform_.showBoxes(true);
        const QString saved = scratchFile("lotto.nv5");
        writeText(saved, "not a saved game");
        platform_.chooseFileNext(saved);
        camera_.takeWhileOpen([&] { main.saveGame(); }, QStringLiteral("savedgame-replace"));
        platform_.chooseFileNext(saved);
        camera_.takeWhileOpen([&] { main.loadGame(); }, QStringLiteral("savedgame-loadrefused"));
        platform_.chooseFileNext(scratchFile("no-such-folder/lotto.nv5"));
        camera_.takeWhileOpen([&] { main.saveGame(); }, QStringLiteral("savedgame-saveerror"));
        platform_.showBoxes(false);
    }

    // The boxes the player meets most beside those above.
    void takeMessages(MainWindow& main, AppState& state) {
        platform_.showBoxes(true);
        // Fixed numbers with a built-in wheel that has none.
        state.selection[49] = kFixed;
        camera_.takeWhileOpen([&] { main.viewBoards(); }, QStringLiteral("message-fixedrefused"));
        state.selection[49] = 0;
        // Nothing ticked.
        main.clearTicket();
        camera_.takeWhileOpen([&] { main.viewBoards(); }, QStringLiteral("message-nothingticked"));
        for (int n : {3, 11, 17, 25, 38, 44}) main.tickBox(n);
        platform_.showBoxes(false);
    }

    void takeDraws(MainWindow& main) {
        main.controls().draws->trigger();
        settle(300);
        auto* window = qobject_cast<DrawsWindow*>(topLevel("FormTirages"));
        if (window == nullptr) return;
        camera_.take(*window, QStringLiteral("draws-empty"));
        platform_.chooseFileNext(QStringLiteral(NORVEX5_SAMPLE_DRAWS));
        window->openImport();
        settle(300);
        DrawImportDialog& import = window->importDialog();
        camera_.take(import, QStringLiteral("drawimport"));
        click(import, "bImporterTirages");
        camera_.take(import, QStringLiteral("drawimport-done"));
        import.hide();
        auto* pages = control<QTabWidget>(*window, "OngletsTirages");
        for (int page = 0; pages != nullptr && page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            camera_.take(*window, QStringLiteral("draws-page%1").arg(page + 1));
        }
        window->close();
    }

    void takeExternalTab(MainWindow& main) {
        main.controls().pages->setCurrentIndex(1);
        settle(300);
        camera_.take(main, QStringLiteral("external-empty"));
        ExternalWheelsTab& tab = main.externalTab();
        const QString wheelFile = scratchFile("wheel.txt");
        writeText(wheelFile, wheelFileBytes());
        platform_.chooseFileNext(wheelFile);
        tab.chooseFile();
        for (int page = 1; page <= ExternalWheelsTab::kPageCount; ++page) {
            settle(200);
            camera_.take(main, QStringLiteral("external-page%1").arg(page));
            if (page == 4) {
                tellScrollPosition(tab);
                tab.displayAll();
                camera_.take(main, QStringLiteral("external-page4-all"));
                // Down the whole file, back a page and forward again: the first lines, from the top.
                if (auto* grid = control<QAbstractItemView>(tab, "GrilleNumero2")) grid->scrollToBottom();
                tab.showPreviousPage();
                tab.showNextPage();
                tellScrollPosition(tab);
                camera_.take(main, QStringLiteral("external-page4-again"));
            }
            tab.showNextPage();
        }
        main.controls().pages->setCurrentIndex(0);
    }

    // The replaced preview should open on its first row.
    void tellScrollPosition(const ExternalWheelsTab& tab) {
        for (auto* grid : tab.findChildren<QAbstractItemView*>())
            if (grid->isVisible() && grid->verticalScrollBar()->value() != 0)
                std::printf("%s: %s opens scrolled by %d\n", kLanguageCodes[language_], qPrintable(grid->objectName()),
                            grid->verticalScrollBar()->value());
    }

    int language_;
    QSet<QString> windows_;
    Photographer camera_;
    QTemporaryDir scratch_;
    ShotPlatform platform_;
};

int languageOf(const QString& word) {
    bool isNumber = false;
    const int number = word.toInt(&isNumber);
    if (isNumber) return number >= 1 && number <= 7 ? number : 0;
    for (int language = 1; language <= 7; ++language)
        if (word == QLatin1String(kLanguageCodes[language])) return language;
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Everything the program would keep for the user goes to a scratch home, whoever runs this.
    QTemporaryDir home;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(variable, (home.path() + QLatin1Char('/') + QLatin1String(variable)).toUtf8());
    QApplication application(argc, argv);
    setUpApplication(application);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: %s <output directory> <language>... [--windows name,name,...]\n", argv[0]);
        return 2;
    }
    const QDir out(arguments[0]);
    QSet<QString> windows(kEveryWindow.begin(), kEveryWindow.end());
    QList<int> languages;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--windows") && i + 1 < arguments.size()) {
            const QStringList named = arguments[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
            windows = QSet<QString>(named.begin(), named.end());
            for (const QString& name : named)
                if (!kEveryWindow.contains(name) && !kOnlyWhenNamed.contains(name))
                    std::fprintf(stderr, "no window called %s\n", qPrintable(name));
        } else if (const int language = languageOf(arguments[i])) {
            languages.append(language);
        } else {
            std::fprintf(stderr, "no language %s\n", qPrintable(arguments[i]));
            return 2;
        }
    }
    bool ok = true;
    for (int language : languages) ok &= LanguageRun(language, out, windows).run();
    return ok ? 0 : 1;
}
