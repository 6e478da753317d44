#include "platform/core/paket.h"
