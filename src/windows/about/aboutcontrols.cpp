#include "windows/about/aboutcontrols.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "windows/common/buttonrow.h"
#include "windows/common/gradientbackground.h"
#include "windows/common/named.h"
#include "windows/common/pictures.h"
#include "windows/common/windowfont.h"

namespace norvex5 {

namespace {

// The program's name is a name, the same in every language, not a caption.
constexpr const char* kProductName = "NORVEX5";
constexpr int kDisclaimerLines = 3;

}  // namespace

void AboutControls::build(QDialog& window) {
    setUpDialog(window, "apropos");
    window.setModal(false);
    GradientBackground::placeBehind(&window);
    QVBoxLayout* column = dialogColumn(window);

    auto* header = new QGridLayout;
    icon = named(new QLabel(&window), "ProgramIcon");
    icon->setPixmap(loadProgramIcon().scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    header->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    productName = named(new QLabel(QLatin1String(kProductName), &window), "ProductName");
    QFont large = productName->font();
    large.setPixelSize(20);
    large.setBold(true);
    productName->setFont(large);
    header->addWidget(productName, 0, 1);
    version = named(new QLabel(&window), "lversion");
    header->addWidget(version, 1, 1);
    hiddenLabel = named(new QLabel(&window), "Label3");
    hiddenLabel->hide();
    header->setColumnStretch(1, 1);
    header->setHorizontalSpacing(14);
    column->addLayout(header);

    disclaimer = named(new QPlainTextEdit(&window), "Memo1");
    disclaimer->setReadOnly(true);
    disclaimer->setLineWrapMode(QPlainTextEdit::NoWrap);
    disclaimer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(disclaimer->font());
    disclaimer->setFixedHeight(kDisclaimerLines * metrics.lineSpacing() +
                               2 * int(disclaimer->document()->documentMargin()) + 2 * disclaimer->frameWidth() + 6);
    disclaimer->setMinimumWidth(380);
    column->addWidget(disclaimer);

    okButton = named(new QPushButton(&window), "OKButton");
    okButton->setDefault(true);
    okButton->setMinimumWidth(100);
    addCentredButtonRow(*column, okButton);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace norvex5
