// The gradient behind the windows, and the Qt side of the desktop services: what the player
// actually sees in a message box or a file dialog, and which answer comes back.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "windows/common/gradientbackground.h"
#include "windows/common/qtplatform.h"

using namespace norvex5;

namespace {

// Counts the events of one type a widget receives.
class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : type_(type) {}
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

// Answers the modal window that the code under test opens next, from the moment it is the active
// window: that is how the player meets it, with the focus already in its first field. Acting any
// earlier races with the activation, and what the act finds (where the focus is, what a file
// dialog's name field accepts) changes from run to run. Whatever is still modal at the deadline
// (no window came, it never became active, or `act` did not close it) is rejected and the test
// fails, so an unanswered dialog costs seconds instead of CTest's timeout.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
        clock_.start();
    }
    ~ModalAnswer() {
        timer_.stop();
        if (!acted_ && !failed_) QTest::qFail("no modal window opened", __FILE__, __LINE__);
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

private:
    static constexpr qint64 kDeadlineMs = 5000;

    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!acted_ && modal != nullptr && modal->isActiveWindow()) {
            acted_ = true;
            act_(modal);
            return;
        }
        if (modal == nullptr || !clock_.hasExpired(kDeadlineMs)) return;
        // Every later window is turned away too: the code under test may open another.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || !window->isModal()) continue;
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->reject();
            else
                window->close();
        }
        if (!failed_) {
            failed_ = true;
            QTest::qFail(acted_ ? "the modal window was still open after it was answered"
                                : "the modal window never became active",
                         __FILE__, __LINE__);
        }
    }

    std::function<void(QWidget*)> act_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool acted_ = false;
    bool failed_ = false;
};

QColor colourOf(quint32 value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void gradientRunsFromStartToEnd();
    void gradientFollowsItsParent();
    void gradientRepaintsOnlyOnChange();
    void equalColoursGiveAUniformFill();
    void messageBoxAnswers_data();
    void messageBoxAnswers();
    void aWarningGoesOnOnlyThroughItsContinueButton();
    void aShortTextKeepsItsLongTitleInSight();
    void saveDialogAddsTheSuffix();
    void openDialogCancelled();
};

void DesktopTest::gradientRunsFromStartToEnd() {
    QWidget window;
    window.resize(200, 300);
    GradientBackground* gradient = GradientBackground::placeBehind(&window);
    QCOMPARE(gradient->objectName(), QStringLiteral("DegradeClass1"));
    const QImage image = gradient->grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), colourOf(GradientBackground::kWindowStartColor));
    QCOMPARE(image.pixelColor(199, 0), colourOf(GradientBackground::kWindowStartColor));
    QCOMPARE(image.pixelColor(100, 299), colourOf(GradientBackground::kWindowEndColor));
    // Half-way down the colour is half-way between, within the bands' rounding.
    const QColor middle = image.pixelColor(50, 150);
    QVERIFY(qAbs(middle.blue() - (223 + 171) / 2) <= 1);
    QVERIFY(qAbs(middle.red() - (241 + 235) / 2) <= 1);
}

void DesktopTest::gradientFollowsItsParent() {
    QWidget window;
    window.resize(120, 80);
    auto* control = new QWidget(&window);
    control->setGeometry(60, 40, 30, 20);
    GradientBackground* gradient = GradientBackground::placeBehind(&window);
    QCOMPARE(gradient->geometry(), QRect(0, 0, 120, 80));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(300, 410);
    QCOMPARE(gradient->geometry(), QRect(0, 0, 300, 410));
    QCOMPARE(window.children().first(), gradient);

    // Never in the way of a click: at a point with only the gradient over the window, the press
    // goes to the window without passing through the gradient.
    const QPoint bare(10, 10);
    QCOMPARE(window.childAt(bare), nullptr);
    EventCounter windowPresses(QEvent::MouseButtonPress);
    EventCounter gradientPresses(QEvent::MouseButtonPress);
    window.installEventFilter(&windowPresses);
    gradient->installEventFilter(&gradientPresses);
    // Through the window system, so that Qt itself picks the widget under the point.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, bare);
    QCOMPARE(windowPresses.count, 1);
    QCOMPARE(gradientPresses.count, 0);
    QCOMPARE(window.childAt(control->geometry().center()), control);
}

void DesktopTest::gradientRepaintsOnlyOnChange() {
    QWidget window;
    window.resize(100, 256);  // one row per band: the top row is exactly the start colour
    GradientBackground* gradient = GradientBackground::placeBehind(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    EventCounter paints(QEvent::Paint);
    gradient->installEventFilter(&paints);
    QCoreApplication::processEvents();
    paints.count = 0;

    gradient->setStartColor(GradientBackground::kWindowStartColor);
    gradient->setEndColor(GradientBackground::kWindowEndColor);
    QTest::qWait(30);
    QCOMPARE(paints.count, 0);

    gradient->setStartColor(0x0000FF);
    QTRY_COMPARE(paints.count, 1);
    QCOMPARE(gradient->startColor(), quint32{0x0000FF});
    QCOMPARE(gradient->grab().toImage().pixelColor(5, 0), QColor(255, 0, 0));
}

void DesktopTest::equalColoursGiveAUniformFill() {
    QWidget window;
    window.resize(40, 257);
    GradientBackground* gradient = GradientBackground::placeBehind(&window);
    gradient->setStartColor(0x336699);
    gradient->setEndColor(0x336699);
    const QImage image = gradient->grab().toImage();
    for (int y = 0; y < 257; ++y) QCOMPARE(image.pixelColor(20, y), QColor(0x99, 0x66, 0x33));
}

void DesktopTest::messageBoxAnswers_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");  // QMessageBox::StandardButton, or 0 for Escape
    QTest::addColumn<int>("answer");
    using B = Platform::Buttons;
    using A = Platform::Answer;
    QTest::newRow("Yes") << int(B::YesNo) << int(QMessageBox::Yes) << int(A::Yes);
    QTest::newRow("No") << int(B::YesNo) << int(QMessageBox::No) << int(A::No);
    QTest::newRow("Escape on a question is No") << int(B::YesNo) << 0 << int(A::No);
    QTest::newRow("OK") << int(B::Ok) << int(QMessageBox::Ok) << int(A::Ok);
    QTest::newRow("Cancel") << int(B::OkCancel) << int(QMessageBox::Cancel) << int(A::Cancel);
    QTest::newRow("Escape on OK/Cancel") << int(B::OkCancel) << 0 << int(A::Cancel);
}

void DesktopTest::messageBoxAnswers() {
    QFETCH(int, buttons);
    QFETCH(int, press);
    QString seenText, seenTitle;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons seenButtons;
    ModalAnswer answering([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        seenButtons = box->standardButtons();
        if (press == 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::StandardButton(press))->click();
    });
    QtPlatform platform;
    const Platform::Answer answer =
        platform.message(QStringLiteral("Continuer quand même ?"), QStringLiteral("Fichier existant !!"),
                         Platform::Buttons(buttons), Platform::Icon::Question);
    QTEST(int(answer), "answer");
    QCOMPARE(seenText, QStringLiteral("Continuer quand même ?"));
    QCOMPARE(seenTitle, QStringLiteral("Fichier existant !!"));
    QCOMPARE(seenIcon, QMessageBox::Question);
    const QMessageBox::StandardButtons expected =
        Platform::Buttons(buttons) == Platform::Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
        : Platform::Buttons(buttons) == Platform::Buttons::Ok  ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                               : QMessageBox::Ok | QMessageBox::Cancel;
    QCOMPARE(seenButtons, expected);
}

// The question before replacing a file says little under a long title: the box is as wide as
// the title needs, else the desktop cuts it to "Diese Datei exist...".
void DesktopTest::aShortTextKeepsItsLongTitleInSight() {
    const QString title = QStringLiteral("Diese Datei existiert bereits!!");
    int boxWidth = 0;
    int titleWidth = 0;
    ModalAnswer answering([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        QFont bold = box->font();
        bold.setBold(true);
        titleWidth = QFontMetrics(bold).horizontalAdvance(title);
        boxWidth = box->width();
        box->button(QMessageBox::Yes)->click();
    });
    QtPlatform platform;
    QCOMPARE(platform.message(QStringLiteral("Fortfahren"), title, Platform::Buttons::YesNo, Platform::Icon::Question),
             Platform::Answer::Yes);
    // Room for the title bar's icon and buttons beside the title.
    QVERIFY2(boxWidth >= titleWidth + 100, qPrintable(QStringLiteral("%1 < %2 + 100").arg(boxWidth).arg(titleWidth)));
}

// A warning the user may pass says Continue in the program's language, not OK; Cancel and
// Escape stay where they were.
void DesktopTest::aWarningGoesOnOnlyThroughItsContinueButton() {
    for (const char* press : {"continue", "cancel", "escape"}) {
        QString caption;
        ModalAnswer answering([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            auto* goOn = box->findChild<QPushButton*>(QStringLiteral("continue"));
            QVERIFY(goOn != nullptr);
            caption = goOn->text();
            QVERIFY(box->button(QMessageBox::Ok) == nullptr);
            if (QLatin1String(press) == QLatin1String("continue"))
                goOn->click();
            else if (QLatin1String(press) == QLatin1String("cancel"))
                box->button(QMessageBox::Cancel)->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QtPlatform platform;
        platform.setTexts([](ProgramText text) {
            const std::string_view german = programText(text, 7);
            return QString::fromUtf8(german.data(), static_cast<qsizetype>(german.size()));
        });
        const Platform::Answer answer = platform.message(QStringLiteral("Fortfahren?"), QStringLiteral("Problem"),
                                                         Platform::Buttons::ContinueCancel, Platform::Icon::Warning);
        QCOMPARE(caption, QStringLiteral("Fortfahren"));
        QCOMPARE(answer, QLatin1String(press) == QLatin1String("continue") ? Platform::Answer::Ok
                                                                           : Platform::Answer::Cancel);
    }
}

void DesktopTest::saveDialogAddsTheSuffix() {
    QTemporaryDir dir;
    QString title, suffix;
    QStringList filters;
    bool confirmsOverwrite = true;
    ModalAnswer answering([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        title = dialog->windowTitle();
        suffix = dialog->defaultSuffix();
        filters = dialog->nameFilters();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->setDirectory(dir.path());
        // Typed into the name field as the player types it: selectFile() leaves a name field that
        // has the focus as it is.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setText(QStringLiteral("mine"));
        static_cast<QDialog*>(dialog)->accept();
    });
    QtPlatform platform;
    Platform::FileDialog request;
    request.title = QStringLiteral("Indiquer le nom du fichier à enregistrer");
    request.filter = QStringLiteral("Norvex5 (*.nv5)");
    request.defaultSuffix = QStringLiteral("nv5");
    const QString chosen = platform.saveFileName(request);
    QCOMPARE(chosen, QDir(dir.path()).filePath(QStringLiteral("mine.nv5")));
    QCOMPARE(title, request.title);
    QCOMPARE(suffix, QStringLiteral("nv5"));
    QCOMPARE(filters, QStringList{QStringLiteral("Norvex5 (*.nv5)")});
    QVERIFY(!confirmsOverwrite);
}

void DesktopTest::openDialogCancelled() {
    ModalAnswer answering([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QtPlatform platform;
    Platform::FileDialog request;
    request.fileMustExist = true;
    request.initialName = QStringLiteral("*.nv5");
    QCOMPARE(platform.openFileName(request), QString());
}

int main(int argc, char* argv[]) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication application(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
