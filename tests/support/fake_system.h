#pragma once
// Every platform service as a recording fake (files are real, in temporary folders), bundled the
// way the program hands them around.

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "support/real_files.h"

namespace qav::test {

struct FakeSystem {
  platform::fake::FakeRegistry registry;
  platform::fake::FakeShellFolders folders;
  platform::fake::FakeSystemInfo system;
  test::RealFiles files;
  platform::fake::RecordingMessageBoxes messages;
  platform::fake::FakeProcessControl process;
  platform::fake::FakeDesktop desktop;
  platform::fake::FakeProgramLauncher launcher;
  platform::fake::FakeSystemActions actions;
  platform::fake::FakeTrash trash;
  platform::fake::FakeVolumes volumes;
  platform::Platform platform{registry, folders,  system,  files, messages, process,
                              desktop,  launcher, actions, trash, volumes};
};

}  // namespace qav::test
