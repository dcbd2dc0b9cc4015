// The console's resources as compiled from this folder's scripts; the program names them with
// SetModuleResources(&console_resources()) when it starts.
#pragma once

#include "platform/win/resource_api.h"

const ResourceTable& console_resources();
