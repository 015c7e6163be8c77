#pragma once
// What a start of the program that sent a request to the running dock prints, and the status it
// ends with: a failure and, on a line of its own, why, on standard error, with status 1.

#include <string>

#include "core/remote/remote_request.h"
#include "platform/control_channel.h"

namespace qav {

// How long a start waits for the dock to answer. An action is answered before the dock shows
// anything, so a few seconds mean the dock is stuck; a data operation is answered when it is
// done.
int AnswerTimeoutMs(RemoteVerb verb);

// One line "qav-launcher: <text>" on standard error; status 1.
int FailWith(const std::string& text);

// Prints the outcome of sending `sent`: the answer to a data operation on standard output, a
// failure with its reason on standard error. The exit status: 0 on success, else 1.
int ReportSend(const platform::SendResult& result, const RemoteRequest& sent);

}  // namespace qav
