#pragma once
// norvex5-wheels, the wheel workshop from a terminal:
//   norvex5-wheels check FILE --numbers V --guarantee T --if M [--separator C] [--skip N] [--json]
//                        [--filter F [--drop-failing]] [--highest N] [--play "N1 N2 ..."]
//   norvex5-wheels generate --numbers V --guarantee T --if M [--seconds S] [--seed N] [--out FILE] [--json]
//   norvex5-wheels backtest WHEEL --draws FILE [--numbers V] [--separator C] [--skip N] [--json]
// Exit status: 0 the guarantee holds (under --filter: among the draws that pass) / a wheel was
// made / the wheel was tested; 1 it does not hold / no complete wheel in the time given; 2 bad
// arguments, or a wheel or draw file that cannot be read or is not one (the reason on the error
// stream).

#include <ostream>
#include <string>
#include <vector>

namespace norvex5::workshop {

inline constexpr int kToolKept = 0;
inline constexpr int kToolNotKept = 1;
inline constexpr int kToolBadInput = 2;

// `args` without the program name.
int runWheelsTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvex5::workshop
