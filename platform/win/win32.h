// The Win32 subset of the embedded desktop, as one include.
#pragma once

#include "platform/win/atom_api.h"
#include "platform/win/message_api.h"
#include "platform/win/mouse_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/time_api.h"
#include "platform/win/touch_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_macros.h"
#include "platform/win/win_messages.h"
#include "platform/win/win_styles.h"
#include "platform/win/win_types.h"
#include "platform/win/window_api.h"
