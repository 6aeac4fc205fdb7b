#pragma once
// A main window over a fresh state and a scratch program directory, with the scripted desktop.
// Nothing is shown until start(), so a test can put files in place first.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <vector>

#include "core/appstate.h"
#include "core/wheelcatalogue.h"
#include "persistence/parameters.h"
#include "windows/common/fakeplatform.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/ticket/numberbox.h"

namespace norvex5::testing {

class MainWindowRig {
public:
    MainWindowRig() : form(state, platform, {programDir(), programDir() / "config"}) {}

    QTemporaryDir scratch;
    AppState state;
    FakePlatform platform;
    MainWindow form;

    std::filesystem::path programDir() const { return std::filesystem::path(scratch.path().toStdString()); }
    std::filesystem::path parametersPath() const { return programDir() / kParameterFileName; }

    void writeParameters(const ParameterRecord& record) { saveParameters(parametersPath(), record); }
    void writeFile(const std::filesystem::path& file, const std::vector<unsigned char>& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<unsigned char> readFile(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Shows the window, which runs the start-up work.
    void start() {
        form.show();
        QVERIFY(!form.firstActivationPending());
    }

    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* found = form.findChild<T*>(name);
        if (found == nullptr) qWarning("no control named %s", qPrintable(name));
        return found;
    }
    NumberBox* box(int n) const { return find<NumberBox>(QStringLiteral("icroix%1").arg(n)); }
    QLabel* picture() const { return find<QLabel>(QStringLiteral("Image1")); }
    QString label(const char* name) const { return find<QLabel>(QLatin1String(name))->text(); }
    QString message(int number) const { return QString::fromStdString(state.message(number)); }

    void clickBox(int n, Qt::MouseButton button) { QTest::mouseClick(box(n), button); }
    void press(const char* control) {
        if (auto* button = form.findChild<QAbstractButton*>(QLatin1String(control)))
            button->click();
        else if (auto* action = form.findChild<QAction*>(QLatin1String(control)))
            action->trigger();
        else
            QFAIL(control);
    }

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

    // The picture a box shows, as one of the three holders'.
    enum class Shown { Empty, Ticked, Fixed, Other };
    Shown shown(int n) const {
        const QImage image = box(n)->pixmap().toImage();
        if (image == find<QLabel>(QStringLiteral("imagevide"))->pixmap().toImage()) return Shown::Empty;
        if (image == find<QLabel>(QStringLiteral("imagecochee"))->pixmap().toImage()) return Shown::Ticked;
        if (image == find<QLabel>(QStringLiteral("imagefixe"))->pixmap().toImage()) return Shown::Fixed;
        return Shown::Other;
    }
};

}  // namespace norvex5::testing
