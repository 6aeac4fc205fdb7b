#include "windows/comparison/comparisoncontrols.h"
#include "windows/common/named.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "localisation/messagenumbers.h"
#include "windows/common/fixedrowdelegate.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/linelistmodel.h"
#include "windows/common/pictures.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 420;
constexpr int kRightLeft = 318;
constexpr int kRightWidth = 274;
constexpr int kResultRowHeight = 13;  // as the designed list's items
constexpr int kCountPixelSize = 16;
constexpr int kSmallestCountPixelSize = 8;

// Swallows every typed character but a digit: Backspace, Tab, Enter and the keys that only move
// the cursor type nothing printable and pass.
class DigitKeysOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            if (!typed.isEmpty() && typed.front().isPrint() &&
                !(typed.front() >= QLatin1Char('0') && typed.front() <= QLatin1Char('9')))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A yellow label with a bold red number, centred in its group box.
QLabel* summaryLabel(QGroupBox* group, const char* name) {
    auto* label = named(new QLabel(group), name);
    label->setGeometry(6, 18, group->width() - 12, group->height() - 24);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::yellow);
    colours.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(colours);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPixelSize(kCountPixelSize);
    label->setFont(bold);
    return label;
}

}  // namespace

void showCount(QLabel& label, std::int64_t count) {
    const QString text = QString::number(count);
    QFont font = label.font();
    const int room = label.contentsRect().width() - 2 * label.margin() - 4;
    int size = kCountPixelSize;
    for (; size > kSmallestCountPixelSize; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    font.setPixelSize(size);
    label.setFont(font);
    label.setText(text);
}

void acceptDigitsOnly(QComboBox* box) {
    box->installEventFilter(new DigitKeysOnly(box));
    if (QLineEdit* edit = box->lineEdit()) {
        edit->installEventFilter(new DigitKeysOnly(edit));
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
}

void ComparisonControls::build(QDialog& window) {
    window.setObjectName(QStringLiteral("Form8"));
    window.setFixedSize(kClientWidth, kClientHeight);
    GradientBackground::placeBehind(&window);

    results = named(new QListView(&window), "listresul");
    results->setGeometry(8, 8, kRightLeft - 18, kClientHeight - 16);
    // A million lines: the view must not measure each one, nor lay them out all at once.
    results->setUniformItemSizes(true);
    results->setItemDelegate(new FixedRowDelegate(kResultRowHeight, results));
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setFont(fixedPitchListFont());
    lines = new LineListModel(results);
    results->setModel(lines);

    buildDrawEntry(&window);
    buildSummary(&window);

    compareButton = named(new QPushButton(&window), "button1");
    compareButton->setIcon(QIcon(loadButtonIcon("compare")));
    compareButton->setGeometry(kRightLeft, 268, kRightWidth, 34);
    returnButton = named(new QPushButton(&window), "BitBtn1");
    returnButton->setIcon(QIcon(loadButtonIcon("quit")));
    returnButton->setGeometry(kRightLeft + kRightWidth - 130, kClientHeight - 42, 130, 34);
    auto* lastDraw = named(new QPushButton(&window), "bderniertirage");
    lastDraw->setGeometry(kRightLeft, 312, kRightWidth, 28);
    lastDraw->hide();
    // Enter in a draw box would otherwise press a button the player did not aim at.
    for (QPushButton* button : {compareButton, returnButton, lastDraw}) button->setAutoDefault(false);

    QWidget::setTabOrder(drawBoxes[kGridADrawBoxCount - 1], compareButton);
    QWidget::setTabOrder(compareButton, returnButton);
    QWidget::setTabOrder(returnButton, results);
}

void ComparisonControls::buildDrawEntry(QWidget* client) {
    auto* panel = named(new QWidget(client), "Panel1");
    panel->setGeometry(kRightLeft, 8, kRightWidth, 104);
    auto* heading = named(new QLabel(panel), "lbullgagnant");
    heading->setGeometry(0, 4, kRightWidth, 24);
    heading->setAlignment(Qt::AlignCenter);
    heading->setAutoFillBackground(true);
    QPalette colours = heading->palette();
    colours.setColor(QPalette::Window, Qt::yellow);
    colours.setColor(QPalette::WindowText, Qt::red);
    heading->setPalette(colours);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* gridA = named(new QLabel(QStringLiteral("A"), panel), "Label1");
    gridA->setGeometry(0, 44, 12, 20);
    gridA->hide();
    auto* gridB = named(new QLabel(QStringLiteral("B"), panel), "Label2");
    gridB->setGeometry(0, 78, 12, 20);
    gridB->hide();

    const char* names[kDrawBoxCount] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4",
                                        "ComboBox5", "ComboBox9", "ComboBox10"};
    constexpr int boxWidth = 50;
    constexpr int step = (kRightWidth - boxWidth) / (kGridADrawBoxCount - 1);
    for (int k = 0; k < kDrawBoxCount; ++k) {
        auto* box = named(new QComboBox(panel), names[k]);
        box->setEditable(true);
        // Enter must not add what was typed to the list of numbers.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMaxVisibleItems(4);
        acceptDigitsOnly(box);
        if (k < kGridADrawBoxCount) {
            box->setGeometry(k * step, 42, boxWidth, 26);
        } else {
            box->setGeometry((k - kGridADrawBoxCount) * step, 76, boxWidth, 26);
            box->hide();
        }
        drawBoxes[k] = box;
    }
}

void ComparisonControls::buildSummary(QWidget* client) {
    auto* summary = named(new QGroupBox(client), "GroupBox1");
    summary->setGeometry(kRightLeft, 122, kRightWidth, 130);
    struct Count {
        const char* group;
        const char* caption;  // fixed in every language
        const char* label;
        QLabel** member;
    };
    const Count counts[] = {
        {"GroupBox4", "5 ", "lnb5et0", &fiveMatches},   {"GroupBox3", "4 ", "lnb4et0", &fourMatches},
        {"GroupBox11", "3 ", "lnb3et0", &threeMatches}, {"GroupBox12", "2", "lnb2", &twoMatches},
        {"GroupBox13", "2 + 1", "lnb2et1", nullptr},
    };
    constexpr int width = 62;
    constexpr int gap = (kRightWidth - 16 - 4 * width) / 3;
    for (int k = 0; k < 5; ++k) {
        auto* group = named(new QGroupBox(QLatin1String(counts[k].caption), summary), counts[k].group);
        group->setGeometry(8 + (k % 4) * (width + gap), 28, width, 90);
        QLabel* label = summaryLabel(group, counts[k].label);
        if (counts[k].member != nullptr) {
            *counts[k].member = label;
        } else {
            group->hide();  // the bonus count was never filled
        }
    }
}

std::span<const WindowText> comparisonWindowTexts() {
    static constexpr auto kCaption = WindowText::Field::Caption;
    static constexpr WindowText kTexts[] = {
        {"lbullgagnant", kCaption, kMessageWinningTicket}, {"GroupBox1", kCaption, kMessageGoodNumbersCount},
        {"button1", kCaption, kMessageViewResults},        {"BitBtn1", kCaption, kMessageReturn},
        {"bderniertirage", kCaption, kMessageLastDraw},
    };
    return kTexts;
}

}  // namespace norvex5
