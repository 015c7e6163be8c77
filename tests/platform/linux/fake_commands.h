#pragma once
// A machine for the Linux services to ask: the programs on its PATH, the output each command
// prints, its environment, and a record of everything run or started.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/linux/system_commands.h"

namespace qav::test {

struct FakeMachine {
  std::set<std::string> programs;  // names on PATH (found in /usr/bin) or absolute paths
  std::map<std::string, std::string> outputs;  // "program arg ..." -> what it prints
  std::map<std::string, std::string> environment;
  std::vector<std::string> started;  // "program arg ..." of every start
  std::vector<std::string> ran;      // and of every run

  static std::string Line(const std::string& program, const platform::Arguments& arguments) {
    std::string line = program;
    for (const std::string& argument : arguments) line += " " + argument;
    return line;
  }

  platform::SystemCommands Commands() {
    return {[this](const std::string& program, const platform::Arguments& arguments,
                   const std::string&) {
              started.push_back(Line(program, arguments));
              return !program.empty();
            },
            [this](const std::string& program,
                   const platform::Arguments& arguments) -> std::optional<std::string> {
              ran.push_back(Line(program, arguments));
              const auto it = outputs.find(Line(program, arguments));
              if (it == outputs.end()) return std::nullopt;
              return it->second;
            },
            [this](const std::string& program) -> std::string {
              if (!programs.count(program)) return {};
              return program.front() == '/' ? program : "/usr/bin/" + program;
            },
            [this](const std::string& name) -> std::optional<std::string> {
              const auto it = environment.find(name);
              if (it == environment.end()) return std::nullopt;
              return it->second;
            },
            {}};
  }
};

}  // namespace qav::test
