#include "platform/linux/linux_desktop.h"
