// A long pass keeps its window alive, shows its progress only when it takes a while, and stops
// when the user cancels; the lines it forms reach the list view in batches.

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <QListView>
#include <QSignalSpy>
#include <string>
#include <vector>

#include "windows/common/linelistmodel.h"
#include "windows/common/longpass.h"

using namespace norvex5;

namespace {

QProgressDialog* progressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog != nullptr && dialog->isVisible())
            return dialog;
    return nullptr;
}

}  // namespace

class LongPassTest : public QObject {
    Q_OBJECT

private slots:
    void shortPassShowsNothing() {
        QWidget window;
        window.show();
        LongPass pass(&window, QStringLiteral("Working"), QStringLiteral("Cancel"), 100);
        for (int board = 1; board <= 100; ++board) QVERIFY(pass.step(board));
        QCOMPARE(progressDialog(), nullptr);
    }

    void longPassShowsProgressAndStopsOnCancel() {
        QWidget window;
        window.show();
        LongPass pass(&window, QStringLiteral("Working"), QStringLiteral("Cancel"), 100000);
        int board = 0;
        QProgressDialog* dialog = nullptr;
        // Two seconds at most: the dialog is due after half of one.
        while (dialog == nullptr && board < 2000) {
            QThread::msleep(1);
            QVERIFY(pass.step(++board));
            dialog = progressDialog();
        }
        QVERIFY(dialog != nullptr);
        QVERIFY(board >= LongPass::kDialogDelayMs / 2);  // not before half a second of 1 ms boards
        QCOMPARE(dialog->labelText(), QStringLiteral("Working"));
        QVERIFY(dialog->value() > 0);
        // The window was never left longer than the event interval and a slow board.
        QVERIFY2(pass.longestGap().count() < 4 * LongPass::kEventIntervalMs,
                 qPrintable(QString::number(pass.longestGap().count())));

        dialog->findChild<QPushButton*>()->click();
        bool stopped = false;
        for (int k = 0; k < 200 && !stopped; ++k) {
            QThread::msleep(1);
            stopped = !pass.step(++board);
        }
        QVERIFY(stopped);
        QVERIFY(pass.cancelled());
        QVERIFY(!pass.step(++board));
    }

    void linesReachTheViewInBatches() {
        LineListModel model;
        QListView view;
        view.setUniformItemSizes(true);
        view.setModel(&model);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.append(" 001:-03-12");
        model.append("");
        model.append("B.:003 : :-05 ->1 é");
        QCOMPARE(view.model()->rowCount(), 0);  // not announced yet
        model.flush();
        model.flush();
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(0).data().toString(), QStringLiteral(" 001:-03-12"));
        QCOMPARE(model.index(1).data().toString(), QString());
        QCOMPARE(model.index(2).data().toString(), QStringLiteral("B.:003 : :-05 ->1 é"));
        QVERIFY(!model.index(3).data().isValid());
        model.append("last");
        model.flush();
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(inserted.last().at(1).toInt(), 3);
        QCOMPARE(model.line(3), std::string_view("last"));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.lineCount(), 0);
    }

    void linesAcrossManyBlocksReadBackWhole() {
        // Enough text for several blocks of the model's storage, with empty lines and one line
        // longer than a block among them: every line must come back exactly as appended.
        LineListModel model;
        std::vector<std::string> appended;
        for (int k = 0; k < 120000; ++k) {
            std::string line = "B.:" + std::to_string(k) + " : :-01-02-03 ->" + std::string(k % 7, '*');
            if (k % 1000 == 999) line.clear();
            if (k == 50000) line = std::string(3 << 20, 'x');
            appended.push_back(line);
            model.append(line);
        }
        model.flush();
        QCOMPARE(model.rowCount(), static_cast<int>(appended.size()));
        for (std::size_t k = 0; k < appended.size(); ++k)
            QVERIFY2(model.line(static_cast<qsizetype>(k)) == appended[k], qPrintable(QString::number(k)));
        QCOMPARE(model.index(119998).data().toString(), QString::fromStdString(appended[119998]));
    }

    void windowCancelStopsAtOnce() {
        LongPass pass(nullptr, QStringLiteral("Working"), QStringLiteral("Cancel"));
        QVERIFY(pass.step(1));
        pass.cancel();
        QVERIFY(!pass.step(2));
    }
};

QTEST_MAIN(LongPassTest)
#include "longpass_test.moc"
