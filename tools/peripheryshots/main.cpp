// Screenshots of the small windows for a look at them in each language: the parameters window
// (and its refusal of an offset off the paper), the ticket print dialog on a first run (and the
// warning of marks off the page), the first-run language window, the wheel description and the
// about box, each shown alone on the X display and taken whole with ImageMagick's import (run it
// under xvfb-run).
//
//   norvex5_peripheryshots <output directory> <language code>...

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include <cstdio>

#include "core/appstate.h"
#include "windowshot.h"
#include "windows/about/aboutbox.h"
#include "windows/common/qtplatform.h"
#include "windows/externalwheels/externalwheelstab.h"
#include "windows/languagechoice/languagechoicedialog.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/parameters/parameterswindow.h"
#include "windows/program/program.h"
#include "windows/ticketprint/ticketprintdialog.h"
#include "windows/wheeldescription/wheeldescriptionwindow.h"

using namespace norvex5;

using tools::settle;
using tools::shoot;
using tools::shootModal;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output directory> <language code>...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QtPlatform platform;
    bool ok = true;
    for (int i = 2; i < argc; ++i) {
        const int language = std::atoi(argv[i]);
        AppState state;
        state.parameters.language = language;
        platform.setTexts([&state](ProgramText text) { return QString::fromStdString(state.programText(text)); });
        state.parameters.horizontalOffset = -12;
        state.parameters.verticalOffset = 3;
        state.selectedWheel = 1;
        const auto file = [&](const char* name) {
            return out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name)).arg(language));
        };

        ParametersWindow parameters(state.texts(), state.settings(), platform);
        parameters.prepare();
        ok &= shoot(parameters, file("parameters"));
        parameters.move(20, 20);
        parameters.show();
        parameters.findChild<QLineEdit*>(QStringLiteral("edecv"))->setText(QStringLiteral("250"));
        ok &= shootModal([&] { parameters.acceptParameters(); }, file("parameters-offoffthepaper"));
        parameters.hide();

        // A first run showing the Portugal ticket: the dialog proposes its model.
        state.ticketModelRemembered = false;
        state.parameters.gameType = 4;
        TicketPrintDialog tickets(state.texts(), state.settings(), state.game(), platform);
        tickets.setWheel(1);
        ok &= shoot(tickets, file("ticketprint-firstrun"));
        // The bonus controls open, one number typed into its box.
        tickets.move(20, 20);
        tickets.show();
        tickets.findChild<QAbstractButton*>(QStringLiteral("chcochenumerobonus"))->click();
        tickets.findChild<QAbstractButton*>(QStringLiteral("raunnumero"))->click();
        tickets.findChild<QComboBox*>(QStringLiteral("enumerobonus"))->setEditText(QStringLiteral("13"));
        ok &= shoot(tickets, file("ticketprint-bonus"));
        ok &= shootModal(
            [&] {
                platform.message(
                    QString::fromStdString(state.programText(ProgramText::MarksOffThePage)).arg(12).arg(255),
                    QString::fromStdString(state.message(130)), Platform::Buttons::ContinueCancel, Platform::Icon::Warning);
            },
            file("ticketprint-marksoffthepage"));

        LanguageChoiceDialog choice;
        choice.prepare(language);
        ok &= shoot(choice, file("languagechoice"));

        WheelDescriptionWindow description(state.texts(), state.game(), platform);
        description.prepare();
        ok &= shoot(description, file("wheeldescription"));

        AboutBox about;
        about.prepare(state.messageLookup(), language);
        ok &= shoot(about, file("about"));

        // The main window in the same language, on each of its two tabs.
        QTemporaryDir scratch;
        const std::filesystem::path dir = scratch.path().toStdString();
        ParameterRecord record;
        record.language = language;
        saveParameters(dir / kParameterFileName, record);
        Program program(platform, {dir, dir / "config"});
        program.start();
        MainWindow& form = program.mainWindow();
        ok &= shoot(form, file("mainwindow"));
        form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        ok &= shoot(form, file("mainwindow-external"));
        // Every page of the external tab over a wheel file whose first line is a heading the
        // preview shows as it stands.
        const QString wheelFile = QString::fromStdString((dir / "wheel.txt").string());
        QFile bytes(wheelFile);
        if (bytes.open(QIODevice::WriteOnly)) {
            bytes.write("Wheel of ten numbers;made by hand\r\n");
            for (int k = 0; k < 40; ++k) bytes.write(QByteArray::number(k % 6 + 1) + ";7;8;9;10\r\n");
            bytes.close();
        }
        ExternalWheelsTab& tab = form.externalTab();
        tab.takeWheelFile(wheelFile, {});
        for (int page = 1; page <= ExternalWheelsTab::kPageCount; ++page) {
            ok &= shoot(form, file(qPrintable(QStringLiteral("mainwindow-external-page%1").arg(page))));
            form.show();
            if (page == 4) {
                tab.displayAll();
                ok &= shoot(form, file("mainwindow-external-page4-all"));
                form.show();
            }
            tab.showNextPage();
        }
    }
    return ok ? 0 : 1;
}
