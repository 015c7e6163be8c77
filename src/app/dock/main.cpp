#include "gui/launcher/run_launcher.h"

int main(int argc, char** argv) {
  return qav::RunLauncher(argc, argv);
}
