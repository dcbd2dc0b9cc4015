#include "platform/desktop/text/font_request.h"

namespace desktop::text {

FontRequest font_request(const LOGFONTW& font, LONG dpi) {
  FontRequest request;
  int length = 0;
  while (length < LF_FACESIZE && font.lfFaceName[length] != L'\0')
    ++length;
  request.face.assign(font.lfFaceName, length);
  request.height = font.lfHeight;
  request.width = font.lfWidth;
  request.weight = font.lfWeight;
  request.italic = font.lfItalic != 0;
  request.underline = font.lfUnderline != 0;
  request.strike_out = font.lfStrikeOut != 0;
  request.charset = font.lfCharSet;
  request.quality = font.lfQuality;
  request.dpi = dpi;
  return request;
}

}  // namespace desktop::text
