#include "workshop/cli/wheelstool.h"

#include "workshop/cli/backtestcommand.h"
#include "workshop/cli/checkcommand.h"
#include "workshop/cli/generatecommand.h"

namespace norvex5::workshop {

int runWheelsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"The wheel workshop of Norvex5: check a wheel file's guarantee, generate a wheel, or test one against past draws.",
                 "norvex5-wheels"};
    app.require_subcommand(1);
    const std::vector<ToolCommand> commands = {addCheckCommand(app), addGenerateCommand(app), addBacktestCommand(app)};

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kToolKept;
    } catch (const CLI::ParseError& e) {
        err << kToolPrefix << e.what() << "\n";
        err << "Run norvex5-wheels --help for the commands and their options.\n";
        return kToolBadInput;
    }
    for (const ToolCommand& c : commands)
        if (c.command->parsed()) return c.run(out, err);
    return kToolBadInput;  // require_subcommand(1) leaves no way here
}

}  // namespace norvex5::workshop
