#pragma once
// The command users start on Linux: a small program that loads nothing of the toolkit. It reads
// the options, sends the request to a running dock over its socket and prints the answer; when
// no dock answers there, it becomes the dock program (exec), which starts the dock, finds the one
// that is still starting, or works on the files.

namespace qav {

int RunClient(int argc, char** argv);

}  // namespace qav
