// A pointer device for a compositor that has none (a headless one): it is plugged in while this
// program runs, so that the compositor's own cursor commands reach clients as pointer events.
// It also moves and presses itself, one command a line on standard input, answered "ok":
//   move X Y WIDTH HEIGHT   (to X, Y of a WIDTH x HEIGHT layout)
//   press | release         (the left button)
// A compositor sends a drag's motion only for a device's own motion, not for a warped cursor.
// Ends when its standard input closes.

#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

static struct zwlr_virtual_pointer_manager_v1* manager;

static void OnGlobal(void* data, struct wl_registry* registry, uint32_t name,
                     const char* interface, uint32_t version) {
  (void)data;
  (void)version;
  if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
  }
}

static void OnGlobalRemoved(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data;
  (void)registry;
  (void)name;
}

static const struct wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemoved};

int main(void) {
  struct wl_display* display = wl_display_connect(NULL);
  if (display == NULL) {
    fprintf(stderr, "virtual_pointer: no Wayland display\n");
    return 1;
  }
  struct wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, NULL);
  wl_display_roundtrip(display);
  if (manager == NULL) {
    fprintf(stderr, "virtual_pointer: the compositor makes no virtual pointers\n");
    return 1;
  }
  struct zwlr_virtual_pointer_v1* pointer =
      zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, NULL);
  wl_display_roundtrip(display);
  printf("ready\n");
  fflush(stdout);
  char line[128];
  while (fgets(line, sizeof line, stdin) != NULL) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint32_t ms = (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
    unsigned x = 0, y = 0, width = 0, height = 0;
    if (sscanf(line, "move %u %u %u %u", &x, &y, &width, &height) == 4) {
      zwlr_virtual_pointer_v1_motion_absolute(pointer, ms, x, y, width, height);
    } else if (strncmp(line, "press", 5) == 0 || strncmp(line, "release", 7) == 0) {
      const uint32_t left = 0x110;  // BTN_LEFT
      zwlr_virtual_pointer_v1_button(pointer, ms, left, line[0] == 'p'
                                                            ? WL_POINTER_BUTTON_STATE_PRESSED
                                                            : WL_POINTER_BUTTON_STATE_RELEASED);
    }
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
    printf("ok\n");
    fflush(stdout);
  }
  zwlr_virtual_pointer_v1_destroy(pointer);
  wl_display_roundtrip(display);
  wl_display_disconnect(display);
  return 0;
}
