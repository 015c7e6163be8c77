#include "core/remote/remote_report.h"

#include <cstdio>

namespace qav {
namespace {

constexpr int kActionAnswerMs = 5000;
constexpr int kDataAnswerMs = 60000;

int ReportAnswer(const RemoteAnswer& answer, bool quietOnSuccess) {
  if (!answer.ok) {
    std::fprintf(stderr, "qav-launcher: %s\n", answer.text.c_str());
    if (!answer.reason.empty()) std::fprintf(stderr, "qav-launcher: %s\n", answer.reason.c_str());
    return 1;
  }
  if (!quietOnSuccess) std::printf("%s\n", answer.text.c_str());
  return 0;
}

}  // namespace

int AnswerTimeoutMs(RemoteVerb verb) {
  return IsDataOperation(verb) ? kDataAnswerMs : kActionAnswerMs;
}

int FailWith(const std::string& text) {
  std::fprintf(stderr, "qav-launcher: %s\n", text.c_str());
  return 1;
}

int ReportSend(const platform::SendResult& result, const RemoteRequest& sent) {
  switch (result.outcome) {
    case platform::SendOutcome::kAnswered: {
      const auto answer = DecodeAnswer(result.answer);
      if (!answer) return FailWith("The dock gave an answer this program does not understand.");
      return ReportAnswer(*answer, !IsDataOperation(sent.verb));
    }
    case platform::SendOutcome::kForeignSocket:
      return FailWith(
          "The running dock cannot be reached: " +
          (result.answer.empty() ? std::string("a socket of another user") : result.answer) +
          " stands where its socket belongs; nothing was sent.");
    case platform::SendOutcome::kNoDock:
      return FailWith("The running dock cannot be reached.");
    case platform::SendOutcome::kNoAnswer:
      break;
  }
  return FailWith("The running dock did not answer within " +
                  std::to_string(AnswerTimeoutMs(sent.verb) / 1000) + " seconds.");
}

}  // namespace qav
