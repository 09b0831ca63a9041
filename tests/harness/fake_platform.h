// The tests play on the virtual-clock platform that the pack checker's player uses too.
#pragma once

#include "app/virtual_platform.h"

using FakePlatform = VirtualPlatform;
