// Prints a generated wheel file of N boards onto model 1 tickets into a PDF at 600 dpi and
// reports the time and the peak memory of the process.
//   norvex5_bench_print_tickets <boards> <work directory>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <QGuiApplication>

#include "output/ticketprinting.h"
#include "windows/common/printersurface.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <boards> <work directory>\n", argv[0]);
        return 2;
    }
    const int boards = std::stoi(argv[1]);
    const std::filesystem::path dir = argv[2];
    QGuiApplication app(argc, argv);

    // Five distinct grid A numbers and two grid B numbers a line, as wheel files hold them.
    const std::filesystem::path wheelFile = dir / ("wheel-" + std::to_string(boards) + ".txt");
    {
        std::ofstream out(wheelFile, std::ios::binary);
        std::mt19937 random(boards);
        std::uniform_int_distribution<int> number(1, 49);
        std::uniform_int_distribution<int> bonus(1, 9);
        for (int i = 0; i < boards; ++i) {
            int picked[5];
            for (int k = 0; k < 5; ++k) {
                bool again = true;
                while (again) {
                    picked[k] = number(random);
                    again = false;
                    for (int j = 0; j < k; ++j) again = again || picked[j] == picked[k];
                }
                out << picked[k] << ' ';
            }
            out << bonus(random) << ' ' << bonus(random) << "\r\n";
        }
    }

    const std::filesystem::path pdf = dir / ("tickets-" + std::to_string(boards) + ".pdf");
    norvex5::ExternalWheel wheel;
    wheel.fileName = wheelFile.string();
    wheel.separator = " ";
    const auto start = std::chrono::steady_clock::now();
    norvex5::PrintResult result;
    {
        norvex5::PrinterSurface surface(QString::fromStdString(pdf.string()), 600);
        result = norvex5::printExternalTickets(surface, wheel, norvex5::TicketMode::AllAtOnce, 1, {});
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result.status() != norvex5::PrintResult::Status::Printed || result.pass.count != boards) {
        std::fprintf(stderr, "printing failed: %s\n", result.pass.error.c_str());
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("boards=%d tickets=%d seconds=%.3f pdf_mb=%.1f peak_rss_mb=%.1f\n", boards, result.tickets, seconds,
                std::filesystem::file_size(pdf) / 1048576.0, usage.ru_maxrss / 1024.0);
    return 0;
}
