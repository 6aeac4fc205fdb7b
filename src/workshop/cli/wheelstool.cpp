#include "workshop/cli/wheelstool.h"

#include <algorithm>

#include "workshop/cli/backtestcommand.h"
#include "workshop/cli/checkcommand.h"
#include "workshop/cli/generatecommand.h"
#include "workshop/cli/librarycommand.h"

namespace norvex5::workshop {

namespace {
constexpr const char* kRunHelp = "Run norvex5-wheels --help for the commands and their options.\n";
}  // namespace

int runWheelsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"The wheel workshop of Norvex5: check a wheel file's guarantee, generate a wheel, test one against past draws, or list the library.",
                 "norvex5-wheels"};
    app.require_subcommand(1);
    const std::vector<ToolCommand> commands = {addCheckCommand(app), addGenerateCommand(app), addBacktestCommand(app),
                                               addLibraryCommand(app)};

    // CLI11 would only say that a command is required.
    if (!args.empty() && !args[0].empty() && args[0][0] != '-' &&
        std::none_of(commands.begin(), commands.end(), [&](const ToolCommand& c) { return c.command->check_name(args[0]); })) {
        std::string names;
        for (const ToolCommand& c : commands) names += (names.empty() ? "" : ", ") + c.command->get_name();
        err << kToolPrefix << "unknown command \"" << args[0] << "\" (the commands are " << names << ")\n";
        err << kRunHelp;
        return kToolBadInput;
    }
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kToolKept;
    } catch (const CLI::ParseError& e) {
        err << kToolPrefix << e.what() << "\n";
        err << kRunHelp;
        return kToolBadInput;
    }
    for (const ToolCommand& c : commands)
        if (c.command->parsed()) return c.run(out, err);
    return kToolBadInput;  // require_subcommand(1) leaves no way here
}

}  // namespace norvex5::workshop
