// The Win32 subset of the embedded desktop, as one include.
#pragma once

#include "platform/win/atom_api.h"
#include "platform/win/crt_file_api.h"
#include "platform/win/environment_api.h"
#include "platform/win/file_api.h"
#include "platform/win/message_api.h"
#include "platform/win/module_api.h"
#include "platform/win/path_api.h"
#include "platform/win/process_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/time_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/win_types.h"
#include "platform/win/window_api.h"
