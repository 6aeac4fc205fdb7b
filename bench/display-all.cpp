// "Display all" on a generated 1,000,000-board wheel file: the external wheels tab shown
// offscreen, timed from the click on baffichetous to the replaced preview grid painted with its
// first rows and its row count known, against the export of the same file through the engine, in
// one process; then scrolling to the last row and painting it. Each is run three times, taking
// turns; the medians count.
//   norvex5_bench_display_all <work directory> [boards]
// The last line: display_all_vs_export=<ratio> last_row_ms=<scroll and paint> peak_rss_mb=<peak
// memory of the process>.

#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "benchclock.h"
#include "core/appstate.h"
#include "generatedwheel.h"
#include "output/listexport.h"
#include "textfiles/fieldnumber.h"
#include "support/fakeplatform.h"
#include "windows/externalwheels/externalwheelstab.h"

using namespace norvex5;

using bench::median;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <work directory> [boards]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path work(argv[1]);
    const std::filesystem::path file = work / "wheel.txt";
    const long boards = argc > 2 ? std::stol(argv[2]) : 1000000;
    QApplication app(argc, argv);
    if (!bench::writeGeneratedWheel(file.c_str(), boards, 8)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }

    AppState state;
    // The generated boards use the numbers 1 to 50, as the 50-number games do.
    state.parameters.gameType = 7;
    state.parameters.highestNumber = 50;
    FakePlatform platform;
    ExternalWheelsTab tab(state.texts(), state.settings(), state.game(), platform);
    tab.resize(660, 430);
    tab.show();
    tab.fillReplacementLists();
    platform.chooseFileNext(QString::fromStdString(file.string()));
    tab.findChild<QPushButton*>(QStringLiteral("bselfic"))->click();
    auto* next = tab.findChild<QPushButton*>(QStringLiteral("bsuivant"));
    for (int k = 0; k < 3; ++k) next->click();
    auto* displayAll = tab.findChild<QPushButton*>(QStringLiteral("baffichetous"));
    auto* grid = tab.findChild<QTableView*>(QStringLiteral("GrilleNumero2"));
    QApplication::processEvents();
    if (tab.page() != 4 || !platform.messages().isEmpty()) {
        std::fprintf(stderr, "the tab is not on its fourth page%s%s\n", platform.messages().isEmpty() ? "" : ": ",
                     platform.messages().isEmpty() ? "" : qPrintable(platform.messages()[0].text));
        return 1;
    }
    const ExternalWheel wheel = tab.currentWheel();
    const std::filesystem::path exported = work / "export.txt";

    std::vector<double> exportTimes;
    std::vector<double> displayTimes;
    std::vector<double> lastRowTimes;
    for (int round = 0; round < 3; ++round) {
        auto start = std::chrono::steady_clock::now();
        const ExportResult result = exportExternalList(wheel, exported);
        exportTimes.push_back(bench::secondsSince(start));
        if (result.status != ExportStatus::Written || result.pass.count != boards) {
            std::fprintf(stderr, "the export wrote %lld boards of %ld\n", static_cast<long long>(result.pass.count),
                         boards);
            return 1;
        }

        grid->scrollToTop();
        start = std::chrono::steady_clock::now();
        displayAll->click();
        grid->viewport()->repaint();
        displayTimes.push_back(bench::secondsSince(start));
        if (grid->model()->rowCount() != boards || !platform.messages().isEmpty()) {
            std::fprintf(stderr, "the grid shows %d boards of %ld\n", grid->model()->rowCount(), boards);
            return 1;
        }

        start = std::chrono::steady_clock::now();
        grid->scrollToBottom();
        grid->viewport()->repaint();
        lastRowTimes.push_back(bench::secondsSince(start));
        const QModelIndex last = grid->model()->index(static_cast<int>(boards - 1), 0);
        if (!grid->viewport()->rect().intersects(grid->visualRect(last)) ||
            last.data().toString() != QString::number(boards)) {
            std::fprintf(stderr, "the last row is not shown\n");
            return 1;
        }
        QApplication::processEvents();
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double exportSeconds = median(exportTimes);
    const double displaySeconds = median(displayTimes);
    std::printf("boards=%ld export_s=%.4f display_all_s=%.4f\n", boards, exportSeconds, displaySeconds);
    std::printf("display_all_vs_export=%.2f last_row_ms=%.1f peak_rss_mb=%.1f\n", displaySeconds / exportSeconds,
                median(lastRowTimes) * 1000.0, usage.ru_maxrss / 1024.0);
    return 0;
}
