#pragma once
// The rig every window test stands on: a fresh state, the scripted desktop, a scratch program
// directory and the window under test, built the way the program builds it. Nothing is shown
// until the test says so, so it can put files in place first.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <vector>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "persistence/parameters.h"
#include "support/fakeplatform.h"
#include "support/scratchfiles.h"
#include "windows/common/pictures.h"
#include "windows/common/stateparts.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/program/startupfiles.h"
#include "windows/ticket/numberbox.h"
#include "windows/ticket/ticketpictures.h"

namespace norvex5::testing {

// The parts every window test needs, whatever the window.
class WindowRigBase {
public:
    QTemporaryDir scratch;
    AppState state;
    FakePlatform platform;

    std::filesystem::path programDir() const { return std::filesystem::path(scratch.path().toStdString()); }
    QString message(int number) const { return QString::fromStdString(state.message(number)); }

    static void writeFile(const std::filesystem::path& file, const std::vector<unsigned char>& bytes) {
        writeBytes(file, bytes);
    }
    static std::vector<unsigned char> readFile(const std::filesystem::path& file) { return readBytes(file); }
};

// Finds and drives the controls of `root` by objectName, as a test or a tool sees them.
template <typename T = QWidget>
T* findControl(const QObject& root, const QString& name) {
    T* found = root.findChild<T*>(name);
    if (found == nullptr) qWarning("no control named %s", qPrintable(name));
    return found;
}

// The data of a test run once in each of the seven languages: a column "language", one row each.
inline void addLanguageRows() {
    QTest::addColumn<int>("language");
    for (int language = 1; language <= 7; ++language) QTest::newRow(QByteArray::number(language)) << language;
}

// Clicks a button or triggers a menu entry; fails the test when there is neither by that name.
inline void pressControl(const QObject& root, const char* control) {
    if (auto* button = root.findChild<QAbstractButton*>(QLatin1String(control)))
        button->click();
    else if (auto* action = root.findChild<QAction*>(QLatin1String(control)))
        action->trigger();
    else
        QFAIL(control);
}

// Any window that takes parts of the state and the desktop in its constructor (and whatever else
// it needs after them), over the rig, built as the program builds it.
template <typename Window>
class WindowRig : public WindowRigBase {
    std::unique_ptr<Window> built_;

public:
    template <typename... More>
    explicit WindowRig(More&&... more)
        : built_(makeWindow<Window>(state, platform, std::forward<More>(more)...)), window(*built_) {}

    Window& window;

    template <typename T = QWidget>
    T* find(const QString& name) const {
        return findControl<T>(window, name);
    }
    void press(const char* control) { pressControl(window, control); }
};

// The main window over the rig.
class MainWindowRig : public WindowRigBase {
public:
    // The program's ticket pictures unless a test hands in another way to load them.
    explicit MainWindowRig(TicketPictures::TicketLoader loadTicket = &loadTicketPicture)
        : pictures(std::move(loadTicket)), window(state, platform, pictures, directories()) {}

    TicketPictures pictures;
    MainWindow window;

    ProgramDirectories directories() const { return {programDir(), programDir() / "config", {}}; }
    std::filesystem::path parametersPath() const { return programDir() / kParameterFileName; }
    void writeParameters(const ParameterRecord& record) { saveParameters(parametersPath(), record); }

    // Starts as the program does: the start-up files read, then the window shown, which runs the
    // rest of the start-up work.
    void start() {
        startMainWindow(window, state, platform, directories());
        QVERIFY(!window.firstActivationPending());
    }
    // The same, the parameters file naming `language`.
    void startIn(int language) {
        ParameterRecord record;
        record.language = language;
        writeParameters(record);
        start();
    }

    template <typename T = QWidget>
    T* find(const QString& name) const {
        return findControl<T>(window, name);
    }
    void press(const char* control) { pressControl(window, control); }
    NumberBox* box(int n) const { return find<NumberBox>(QStringLiteral("icroix%1").arg(n)); }
    QLabel* picture() const { return find<QLabel>(QStringLiteral("Image1")); }
    QString label(const char* name) const { return find<QLabel>(QLatin1String(name))->text(); }
    void clickBox(int n, Qt::MouseButton button) { QTest::mouseClick(box(n), button); }

    // Chooses the wheel list entry of `wheel`; false when the list has none.
    bool chooseWheel(int wheel) {
        auto* list = find<QComboBox>(QStringLiteral("ComboBox1"));
        for (int i = 0; i < list->count(); ++i) {
            if (wheelNumberFromEntry(list->itemText(i).toStdString()) == wheel) {
                list->setCurrentIndex(i);
                return true;
            }
        }
        return false;
    }

    // The picture a box shows, as one of the three marks'.
    enum class Shown { Empty, Ticked, Fixed, Other };
    Shown shown(int n) {
        const QImage image = box(n)->pixmap().toImage();
        if (image == pictures.box(BoxPicture::Empty).toImage()) return Shown::Empty;
        if (image == pictures.box(BoxPicture::Ticked).toImage()) return Shown::Ticked;
        if (image == pictures.box(BoxPicture::Fixed).toImage()) return Shown::Fixed;
        return Shown::Other;
    }
};

}  // namespace norvex5::testing
