// The comparison of a 1,000,000-board wheel file through the comparison window (offscreen, shown,
// from the click on button1 to the last row listed) against the same comparison through the
// engine alone, in one process. Each is run three times, taking turns; the medians count.
//   norvex5_bench_compare_window <work directory> [boards]
// The last line: compare_window_vs_engine=<ratio> max_gap_ms=<longest time without events>
// peak_rss_mb=<peak memory of the process>.

#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "benchclock.h"
#include "comparison/comparison.h"
#include "core/appstate.h"
#include "generatedwheel.h"
#include "textfiles/fieldnumber.h"
#include "support/fakeplatform.h"
#include "windows/comparison/comparisonwindow.h"

using namespace norvex5;

using bench::median;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <work directory> [boards]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path file = std::filesystem::path(argv[1]) / "wheel.txt";
    const long boards = argc > 2 ? std::stol(argv[2]) : 1000000;
    QApplication app(argc, argv);
    if (!bench::writeGeneratedWheel(file.c_str(), boards, 8)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }

    ExternalWheel wheel;
    wheel.fileName = file.string();
    wheel.separator = ";";
    wheel.linesToSkip = 1;
    wheel.map[7] = 42;
    const DrawTexts drawTexts{"42", "3", "17", "25", "50"};

    AppState state;
    // The generated boards use the numbers 1 to 50, as the 50-number games do.
    state.parameters.gameType = 7;
    state.parameters.highestNumber = 50;
    FakePlatform platform;
    ComparisonWindow window(state.texts(), state.settings(), state.game(), platform);
    window.setExternalMode(wheel);
    window.show();
    const char* boxes[] = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"};
    for (int k = 0; k < kDrawNumbers; ++k)
        window.findChild<QComboBox*>(QLatin1String(boxes[k]))->setEditText(QString::fromStdString(drawTexts[k]));
    auto* compare = window.findChild<QPushButton*>(QStringLiteral("button1"));
    const QAbstractItemModel* listed = window.findChild<QListView*>(QStringLiteral("listresul"))->model();
    QApplication::processEvents();

    std::vector<double> engineTimes;
    std::vector<double> windowTimes;
    std::chrono::milliseconds longestGap{0};
    for (int round = 0; round < 3; ++round) {
        auto start = std::chrono::steady_clock::now();
        std::int64_t lines = 0;
        const ComparisonResult alone =
            compareExternal(wheel, externalDraw(drawTexts), [&lines](std::int64_t, std::string_view line) {
                lines += !line.empty();
                return true;
            });
        engineTimes.push_back(bench::secondsSince(start));
        if (!alone.pass.ok || lines != boards) {
            std::fprintf(stderr, "the engine listed %lld boards of %ld\n", static_cast<long long>(lines), boards);
            return 1;
        }

        start = std::chrono::steady_clock::now();
        compare->click();
        windowTimes.push_back(bench::secondsSince(start));
        longestGap = std::max(longestGap, window.longestEventGap());
        if (listed->rowCount() != boards || !platform.messages().isEmpty() ||
            window.findChild<QLabel*>(QStringLiteral("lnb2"))->text() != QString::number(alone.counts.two)) {
            std::fprintf(stderr, "the window listed %d boards of %ld\n", listed->rowCount(), boards);
            return 1;
        }
        QApplication::processEvents();
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double engine = median(engineTimes);
    const double shown = median(windowTimes);
    std::printf("boards=%ld engine_s=%.4f window_s=%.4f\n", boards, engine, shown);
    std::printf("compare_window_vs_engine=%.2f max_gap_ms=%lld peak_rss_mb=%.1f\n", shown / engine,
                static_cast<long long>(longestGap.count()), usage.ru_maxrss / 1024.0);
    return 0;
}
