// Every window's text table applied in every language: a row whose control is not in its window
// would leave that control in the language it was built in, and an empty cell would leave a
// caption blank. Both are easy to slip into a table and invisible in French, the language a
// developer tries first.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include "localisation/messagenumbers.h"
#include "windows/boardlist/boardlistwindow.h"
#include "windows/boardviewer/boardviewer.h"
#include "windows/common/pictures.h"
#include "windows/common/windowtexts.h"
#include "windows/comparison/comparisoncontrols.h"
#include "windows/comparison/comparisonwindow.h"
#include "windows/externalwheels/externalwheelscontrols.h"
#include "windows/mainwindow/mainwindowtexts.h"
#include "windows/parameters/parameterswindow.h"
#include "windows/ticketprint/ticketprintcontrols.h"
#include "windows/ticketprint/ticketprintdialog.h"
#include "windows/windowrig.h"

using namespace norvex5;
using norvex5::testing::MainWindowRig;
using norvex5::testing::WindowRig;

namespace {

// What a control shows the player once its caption is set: nothing at all is the fault.
bool showsSomething(const QObject& control) {
    if (const auto* action = qobject_cast<const QAction*>(&control))
        return !action->text().isEmpty() || !action->icon().isNull();
    if (const auto* menu = qobject_cast<const QMenu*>(&control)) return !menu->title().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return !button->text().isEmpty() || !button->icon().isNull();
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) return !group->title().isEmpty();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    if (const auto* page = qobject_cast<const QWidget*>(&control)) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs != nullptr) return !tabs->tabText(tabs->indexOf(const_cast<QWidget*>(page))).isEmpty();
    }
    return true;
}

// A control the player can meet: an action or a widget that its window does not keep hidden.
bool shown(const QObject& control) {
    if (const auto* action = qobject_cast<const QAction*>(&control)) return action->isVisible();
    if (const auto* widget = qobject_cast<const QWidget*>(&control)) return !widget->isHidden();
    return true;
}

// Applies `rows` to `window` in each of the seven languages, as the window does after a change of
// language; returns one line per fault: a row whose control is not there, or a shown control
// whose caption comes out empty.
QStringList tableFaults(QWidget& window, std::span<const WindowText> rows, AppState& state) {
    QStringList faults;
    for (LanguageCode language = 1; language <= kLanguageCount; ++language) {
        state.parameters.language = language;
        for (const QString& missing : applyWindowTexts(window, rows, state.messageLookup()))
            faults.append(QStringLiteral("no control %1").arg(missing));
        // A hint may stay empty where the table leaves its cell empty: the caption still says
        // what the control does.
        for (const WindowText& row : rows) {
            if (row.field != WindowText::Field::Caption) continue;
            const QObject* control = window.findChild<QObject*>(QLatin1String(row.control));
            if (control != nullptr && shown(*control) && !showsSomething(*control))
                faults.append(QStringLiteral("%1 empty in language %2").arg(QLatin1String(row.control)).arg(language));
        }
    }
    return faults;
}

// Fails naming every fault, not only the first.
void expectNone(const QStringList& faults) {
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

}  // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    void everyTableFitsItsWindowInEveryLanguage();
    void faultsOfATableAreFound();
};

void WindowTextsTest::everyTableFitsItsWindowInEveryLanguage() {
    {
        MainWindowRig rig;
        rig.start();
        rig.window.externalTab();
        expectNone(tableFaults(rig.window, mainWindowTexts(), rig.state));
        expectNone(tableFaults(rig.window, externalTabTexts(), rig.state));
    }
    {
        WindowRig<TicketPrintDialog> rig;
        expectNone(tableFaults(rig.window, ticketPrintTexts(), rig.state));
    }
    {
        WindowRig<ComparisonWindow> rig;
        expectNone(tableFaults(rig.window, comparisonWindowTexts(), rig.state));
    }
    {
        WindowRig<ParametersWindow> rig;
        expectNone(tableFaults(rig.window, parametersTexts(), rig.state));
    }
    {
        WindowRig<BoardListWindow> rig;
        expectNone(tableFaults(rig.window, boardListTexts(), rig.state));
    }
    {
        TicketPictures pictures;
        WindowRig<BoardViewer> rig{pictures};
        expectNone(tableFaults(rig.window, boardViewerTexts(), rig.state));
    }
}

void WindowTextsTest::faultsOfATableAreFound() {
    // The check itself: a misspelt name and a group whose title's cell is empty (message 171 is empty
    // in English) are both reported, once per language for the misspelt name.
    WindowRig<ParametersWindow> rig;
    constexpr WindowText kFaulty[] = {
        {"glangue", WindowText::Field::Caption, kMessageLanguage},
        {"glangues", WindowText::Field::Caption, kMessageLanguage},
        {"GroupBox1", WindowText::Field::Caption, 171},
    };
    const QStringList faults = tableFaults(rig.window, kFaulty, rig.state);
    QCOMPARE(faults.count(QStringLiteral("no control glangues")), kLanguageCount);
    QVERIFY(faults.contains(QStringLiteral("GroupBox1 empty in language 2")));
    QVERIFY(!faults.contains(QStringLiteral("GroupBox1 empty in language 1")));
    QVERIFY(!faults.join(QLatin1Char('\n')).contains(QStringLiteral("glangue ")));
}

QTEST_MAIN(WindowTextsTest)
#include "windowtexts_test.moc"
