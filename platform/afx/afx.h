// The framework subset, as one include: application and threads, windows and message maps,
// dialogs with data exchange, the standard controls' wrappers, device contexts and GDI objects,
// and the Win32 API under them.
#pragma once

#include "platform/afx/button.h"
#include "platform/afx/cmd_target.h"
#include "platform/afx/combo_box.h"
#include "platform/afx/data_exchange.h"
#include "platform/afx/date_time_ctrl.h"
#include "platform/afx/dc.h"
#include "platform/afx/dialog.h"
#include "platform/afx/edit_ctrl.h"
#include "platform/afx/gdi_objects.h"
#include "platform/afx/geometry.h"
#include "platform/afx/list_box.h"
#include "platform/afx/list_ctrl.h"
#include "platform/afx/message_map.h"
#include "platform/afx/message_map_entries.h"
#include "platform/afx/month_cal_ctrl.h"
#include "platform/afx/object.h"
#include "platform/afx/progress_ctrl.h"
#include "platform/afx/slider_ctrl.h"
#include "platform/afx/spin_button_ctrl.h"
#include "platform/afx/static_ctrl.h"
#include "platform/afx/tool_tip_ctrl.h"
#include "platform/afx/win_app.h"
#include "platform/afx/wnd.h"
#include "platform/win/win32.h"
