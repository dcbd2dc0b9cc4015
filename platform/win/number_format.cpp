// GetNumberFormatW and GetLocaleInfoW over the desktop's locale settings.
#include <algorithm>
#include <cwctype>
#include <string>

#include "platform/win/locale_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

namespace {

struct Format {
  UINT digits;
  UINT leading_zero;
  UINT grouping;
  std::wstring decimal;
  std::wstring thousand;
  UINT negative_order;
};

Format locale_format(const desktop::LocaleSettings& locale) {
  return {locale.fraction_digits,    1, locale.group_size, locale.decimal_separator,
          locale.thousand_separator, 1};
}

// A number as GetNumberFormatW takes it: optional '-', digits, optional '.' and digits.
bool split_number(const std::wstring& value, bool& negative, std::wstring& whole, std::wstring& fraction) {
  std::size_t at = 0;
  negative = !value.empty() && value[0] == L'-';
  if (negative) ++at;
  while (at < value.size() && std::iswdigit(value[at]))
    whole.push_back(value[at++]);
  if (at < value.size() && value[at] == L'.') {
    ++at;
    while (at < value.size() && std::iswdigit(value[at]))
      fraction.push_back(value[at++]);
  }
  return at == value.size() && !(whole.empty() && fraction.empty());
}

// Rounds half away from zero at the given number of fraction digits.
void round_to(std::wstring& whole, std::wstring& fraction, UINT digits) {
  if (fraction.size() <= digits) {
    fraction.append(digits - fraction.size(), L'0');
    return;
  }
  bool carry = fraction[digits] >= L'5';
  fraction.resize(digits);
  for (std::size_t i = fraction.size(); carry && i-- > 0;) {
    carry = fraction[i] == L'9';
    fraction[i] = carry ? L'0' : static_cast<wchar_t>(fraction[i] + 1);
  }
  for (std::size_t i = whole.size(); carry && i-- > 0;) {
    carry = whole[i] == L'9';
    whole[i] = carry ? L'0' : static_cast<wchar_t>(whole[i] + 1);
  }
  if (carry) whole.insert(whole.begin(), L'1');
}

std::wstring grouped(const std::wstring& whole, UINT group, const std::wstring& separator) {
  if (group == 0) return whole;
  std::wstring out;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % group == 0) out += separator;
    out.push_back(whole[i]);
  }
  return out;
}

std::wstring negated(const std::wstring& number, UINT order) {
  switch (order) {
    case 0:
      return L"(" + number + L")";
    case 2:
      return L"- " + number;
    case 3:
      return number + L"-";
    case 4:
      return number + L" -";
    default:
      return L"-" + number;
  }
}

int copy_out(const std::wstring& text, LPWSTR out, int out_size) {
  const int needed = static_cast<int>(text.size()) + 1;
  if (out_size == 0) return needed;
  if (out == nullptr || out_size < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = L'\0';
  return needed;
}

}  // namespace

int WINAPI GetNumberFormatW(LCID, DWORD flags, LPCWSTR value, const NUMBERFMTW* format, LPWSTR out,
                            int out_size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  bool negative = false;
  std::wstring whole, fraction;
  if (value == nullptr || out_size < 0 || (format != nullptr && flags != 0) ||
      !split_number(value, negative, whole, fraction)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  Format use = locale_format(self->desktop().locale());
  if (format != nullptr)
    use = {format->NumDigits,
           format->LeadingZero,
           format->Grouping,
           format->lpDecimalSep ? format->lpDecimalSep : L"",
           format->lpThousandSep ? format->lpThousandSep : L"",
           format->NegativeOrder};
  round_to(whole, fraction, use.digits);
  whole.erase(0, std::min(whole.find_first_not_of(L'0'), whole.size()));
  // Without fraction digits a zero still shows its one digit.
  if (whole.empty() && (use.leading_zero || use.digits == 0)) whole = L"0";
  std::wstring number = grouped(whole, use.grouping, use.thousand);
  if (use.digits > 0) number += use.decimal + fraction;
  bool zero = whole.find_first_not_of(L'0') == std::wstring::npos &&
              fraction.find_first_not_of(L'0') == std::wstring::npos;
  return copy_out(negative && !zero ? negated(number, use.negative_order) : number, out, out_size);
}

int WINAPI GetLocaleInfoW(LCID, DWORD type, LPWSTR out, int out_size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return 0;
  const desktop::LocaleSettings& locale = self->desktop().locale();
  switch (type) {
    case LOCALE_SDECIMAL:
      return copy_out(locale.decimal_separator, out, out_size);
    case LOCALE_STHOUSAND:
      return copy_out(locale.thousand_separator, out, out_size);
    case LOCALE_SGROUPING:
      return copy_out(std::to_wstring(locale.group_size) + L";0", out, out_size);
    case LOCALE_IDIGITS:
      return copy_out(std::to_wstring(locale.fraction_digits), out, out_size);
    case LOCALE_SSHORTDATE:
      return copy_out(locale.short_date, out, out_size);
    case LOCALE_STIMEFORMAT:
      return copy_out(locale.time_format, out, out_size);
    case LOCALE_IFIRSTDAYOFWEEK:
      return copy_out(std::to_wstring(locale.first_day_of_week), out, out_size);
    default:
      break;
  }
  if (type >= LOCALE_SDAYNAME1 && type <= LOCALE_SDAYNAME7)
    return copy_out(locale.day_names[type - LOCALE_SDAYNAME1], out, out_size);
  if (type >= LOCALE_SSHORTESTDAYNAME1 && type <= LOCALE_SSHORTESTDAYNAME7)
    return copy_out(locale.shortest_day_names[type - LOCALE_SSHORTESTDAYNAME1], out, out_size);
  if (type >= LOCALE_SMONTHNAME1 && type <= LOCALE_SMONTHNAME12)
    return copy_out(locale.month_names[type - LOCALE_SMONTHNAME1], out, out_size);
  SetLastError(ERROR_INVALID_FLAGS);
  return 0;
}
