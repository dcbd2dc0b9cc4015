// The default languages and locales, which the desktop's settings give.
#include "platform/win/locale_api.h"
#include "platform/win/win_internal.h"

namespace {

const desktop::DesktopConfig* settings() {
  desktop::DesktopThread* self = win_internal::caller();
  return self == nullptr ? nullptr : &self->desktop().config();
}

}  // namespace

LANGID WINAPI GetSystemDefaultLangID() {
  const desktop::DesktopConfig* config = settings();
  return config ? config->system_language : LANGID{0};
}

LANGID WINAPI GetUserDefaultLangID() {
  const desktop::DesktopConfig* config = settings();
  return config ? config->user_language : LANGID{0};
}

LCID WINAPI GetSystemDefaultLCID() {
  const desktop::DesktopConfig* config = settings();
  return config ? config->system_locale : LCID{0};
}

LCID WINAPI GetUserDefaultLCID() {
  const desktop::DesktopConfig* config = settings();
  return config ? config->user_locale : LCID{0};
}
