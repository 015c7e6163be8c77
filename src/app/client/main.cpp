#include "app/client/dock_client.h"

int main(int argc, char** argv) {
  return qav::RunClient(argc, argv);
}
