#include "workshop/cli/librarycommand.h"

#include <memory>
#include <unistd.h>

#include "library/wheellibrary.h"
#include "workshop/cli/wheelstool.h"

namespace norvex5::workshop {

namespace {

namespace fs = std::filesystem;
using library::LibraryFolder;
using library::LibraryRefusal;
using library::LibraryWheel;

struct LibraryOptions {
    std::string shipped;
    std::string user;
    bool json = false;
};

// Installed, the tool lies in <prefix>/bin and the library in <prefix>/share/norvex5/library; run
// from the build folder, it reads the library of the source tree.
fs::path defaultShippedFolder() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path installed = (self.parent_path() / ".." / "share" / "norvex5" / "library").lexically_normal();
        if (fs::is_directory(installed, error)) return installed;
    }
    return NORVEX5_LIBRARY_IN_SOURCES;
}

std::string refusalText(const LibraryRefusal& r) {
    switch (r.problem) {
        case library::LibraryProblem::NotAWheel: return "not a wheel: " + r.detail;
        case library::LibraryProblem::ClaimNotKept:
            return "its name claims " + std::to_string(r.claim->guarantee.t) + " if " +
                   std::to_string(r.claim->guarantee.m) + ", which its boards do not keep (" +
                   std::to_string(r.holes) + " holes)";
        case library::LibraryProblem::NoGuaranteeKept: return "keeps none of the guarantees 2 if 4 to 4 if 4";
    }
    return {};
}

ToolJson wheelJson(const LibraryWheel& w) {
    ToolJson item;
    item["file"] = w.file.string();
    item["shipped"] = w.shipped;
    item["numbers"] = w.kept.numbers;
    item["guarantee"] = w.kept.guarantee.t;
    item["if"] = w.kept.guarantee.m;
    item["board_size"] = w.kept.boardSize;
    item["boards"] = w.boards;
    return item;
}

void writeText(std::ostream& out, const std::string& title, const fs::path& folder, const LibraryFolder& listing) {
    out << title << " (" << folder.string() << "): " << listing.wheels.size() << "\n";
    for (const LibraryWheel& w : listing.wheels) {
        out << "  " << w.kept.numbers << " numbers, " << w.kept.guarantee.t << " if " << w.kept.guarantee.m;
        if (w.kept.boardSize != kBoardSize) out << ", boards of " << w.kept.boardSize;
        out << ": " << w.boards << " boards, " << w.file.filename().string() << "\n";
    }
    for (const LibraryRefusal& r : listing.refused)
        out << "  refused " << r.file.filename().string() << ": " << refusalText(r) << "\n";
}

int listLibrary(const LibraryOptions& o, std::ostream& out, std::ostream& err) {
    const fs::path shippedFolder = o.shipped.empty() ? defaultShippedFolder() : fs::path(o.shipped);
    const fs::path userFolder = o.user.empty() ? library::defaultUserLibraryFolder() : fs::path(o.user);
    const LibraryFolder shipped = library::readShippedLibrary(shippedFolder);
    const LibraryFolder user = library::readUserLibrary(userFolder);
    int status = kToolKept;
    for (const auto& [listing, folder] : {std::pair{&shipped, shippedFolder}, std::pair{&user, userFolder}})
        if (listing->unreadable) {
            err << kToolPrefix << "the library folder \"" << folder.string() << "\" cannot be read: " << listing->error
                << "\n";
            status = kToolNotKept;
        }
    if (!user.refused.empty()) status = kToolNotKept;
    if (o.json) {
        ToolJson document;
        document["shipped_folder"] = shippedFolder.string();
        document["user_folder"] = userFolder.string();
        ToolJson wheels = ToolJson::array();
        for (const LibraryWheel& w : library::allWheels(shipped, user)) wheels.push_back(wheelJson(w));
        document["wheels"] = std::move(wheels);
        ToolJson refused = ToolJson::array();
        for (const LibraryRefusal& r : user.refused) refused.push_back({{"file", r.file.string()}, {"reason", refusalText(r)}});
        document["refused"] = std::move(refused);
        writeJsonLine(out, document);
    } else {
        writeText(out, "Shipped wheels", shippedFolder, shipped);
        writeText(out, "Your wheels", userFolder, user);
    }
    return status;
}

}  // namespace

ToolCommand addLibraryCommand(CLI::App& tool) {
    auto o = std::make_shared<LibraryOptions>();
    CLI::App* command = tool.add_subcommand("library", "List the shipped wheels and yours, each with what it keeps");
    command->add_option("--shipped", o->shipped, "The shipped library's folder (found beside the program by default)");
    command->add_option("--user", o->user, "Your library's folder (Norvex5/library in your data folder by default)");
    command->add_flag("--json", o->json, "Answer in JSON");
    return {command, [o](std::ostream& out, std::ostream& err) { return listLibrary(*o, out, err); }};
}

}  // namespace norvex5::workshop
