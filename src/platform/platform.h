#pragma once
// The platform services the core uses, handed around as one bundle of references.

#include "platform/desktop.h"
#include "platform/file_ops.h"
#include "platform/message_boxes.h"
#include "platform/process_control.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/system_actions.h"
#include "platform/system_info.h"
#include "platform/trash.h"
#include "platform/volumes.h"

namespace qav::platform {

struct Platform {
  Registry& registry;
  ShellFolders& folders;
  SystemInfo& system;
  FileOps& files;
  MessageBoxes& messages;
  ProcessControl& process;
  Desktop& desktop;
  ProgramLauncher& launcher;
  SystemActions& actions;
  Trash& trash;
  Volumes& volumes;
};

// The same services with `messages` answering in place of the bundle's message boxes.
inline Platform WithMessages(const Platform& p, MessageBoxes& messages) {
  return {p.registry, p.folders,  p.system,  p.files, messages, p.process,
          p.desktop,  p.launcher, p.actions, p.trash, p.volumes};
}

}  // namespace qav::platform
