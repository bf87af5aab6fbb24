#pragma once

namespace app {

struct Invocation;

// Runs a command of the command line without a window and returns the exit status. Progress goes
// to standard error when it is a terminal, results to standard output, failures to standard
// error with their line numbers.
int RunCommand(const Invocation& invocation);

}  // namespace app
