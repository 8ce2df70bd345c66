#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lomarek {

// The command-line converter: args are the arguments after the program name.
// Reads the value list from in (or from the INPUT file named in args) and
// writes as the entries complete, so output begins before the input ends.
// Returns the exit status: 0 done, 1 table or input failure, 2 usage error.
int RunConvert(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace lomarek
