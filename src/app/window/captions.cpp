// The captions of the main window in the interface language: each is a base id of the string
// table plus the language index.
#include <array>

#include "src/app/orvenna_console_dlg.h"
#include "src/settings/console_settings.h"
#include "src/settings/event_settings.h"
#include "src/util/localized_text.h"

namespace {

struct Caption {
  int controlId;
  UINT baseId;  // 0 for an empty caption: the button shows its picture alone
};

constexpr UINT FlyByCaptionId = 19430;
constexpr int GoToButtonId = 1057;
constexpr UINT GoToCaptionId = 19170;
constexpr UINT CentreCaptionId = 4430;
constexpr wchar_t RunningCaption[] = L"\u25A0";
constexpr int EventCount = 5;

// Those set before the fly-by button's caption. The Pluto button keeps its template caption.
constexpr std::array CaptionsBeforeFlyBy{
    Caption{1137, 9630},  Caption{1138, 9650},  Caption{1139, 9640},  Caption{1140, 9660},
    Caption{999, 5500},   Caption{1001, 5510},  Caption{11100, 5520}, Caption{996, 5530},
    Caption{992, 770},    Caption{989, 780},    Caption{988, 790},    Caption{1842, 0},
    Caption{1843, 0},     Caption{1985, 0},     Caption{1101, 32240}, Caption{1102, 32250},
    Caption{1103, 32260}, Caption{1990, 3240},  Caption{1015, 3000},  Caption{1016, 3010},
    Caption{1017, 3020},  Caption{1899, 10900}, Caption{8480, 8610},  Caption{8481, 8620},
    Caption{8482, 8630},  Caption{1018, 3030},  Caption{1019, 3040},  Caption{1020, 3050},
    Caption{1021, 3060},  Caption{1024, 3090},  Caption{1022, 3070},  Caption{1023, 3080},
    Caption{1059, 4060},  Caption{2003, 19190}, Caption{1031, 4070},  Caption{1122, 3830},
    Caption{1134, 4290},  Caption{1025, 4410},  Caption{5114, 4940},  Caption{1120, 19180},
};

constexpr std::array CaptionsAfterFlyBy{
    Caption{10000, 2160}, Caption{1008, 4130}, Caption{1009, 4160}, Caption{1010, 4150},  Caption{1128, 4120},
    Caption{1007, 4140},  Caption{1011, 4180}, Caption{1006, 4170}, Caption{1058, 0},     Caption{1123, 0},
    Caption{1970, 0},     Caption{1126, 4100}, Caption{8470, 5600}, Caption{8471, 5610},  Caption{8472, 5620},
    Caption{8473, 5630},  Caption{8474, 5640}, Caption{8475, 5650}, Caption{1005, 19320}, Caption{1000, 4000},
    Caption{281, 4080},   Caption{1002, 4010}, Caption{1004, 4020}, Caption{1012, 4030},  Caption{1013, 4040},
};

// The keys whose template captions are English: each shows its text in the interface language too.
constexpr std::array TranslatedTemplateCaptions{
    Caption{1121, 32400},  Caption{282, 32410},  Caption{10038, 32420}, Caption{1104, 32430},
    Caption{1105, 32440},  Caption{1096, 32450}, Caption{1097, 32460},  Caption{1841, 32470},
    Caption{29316, 32480}, Caption{983, 32490},  Caption{1098, 32500},  Caption{1099, 32510},
    Caption{995, 32520},   Caption{1357, 32530}, Caption{11636, 32540}, Caption{1358, 32550},
    Caption{2006, 32560},  Caption{1846, 32570}, Caption{2002, 32580},  Caption{1051, 32590},
    Caption{1060, 32600},  Caption{1061, 32610}, Caption{1062, 32620},  Caption{1063, 32630},
    Caption{1064, 32640},
};

template <std::size_t N>
void SetCaptions(HWND dialog, const std::array<Caption, N>& captions, unsigned language) {
  for (const Caption& caption : captions) {
    HWND control = GetDlgItem(dialog, caption.controlId);
    if (control == nullptr) continue;
    if (caption.baseId == 0)
      SetWindowTextW(control, L"");
    else
      SetWindowTextFromResource(control, caption.baseId + language);
  }
}

}  // namespace

void COrvennaConsoleDlg::ApplyLanguage() {
  const unsigned language = ReadLanguage();
  SetCaptions(m_hWnd, CaptionsBeforeFlyBy, language);
  // The go-to key names what its next press does, as its tooltip does.
  if (HWND goTo = ::GetDlgItem(m_hWnd, GoToButtonId))
    SetWindowTextFromResource(goTo, (goToStage ? GoToCaptionId : CentreCaptionId) + language);
  if (HWND flyBy = ::GetDlgItem(m_hWnd, FlyByButtonId)) {
    if (flyByRunning)
      SetWindowTextW(flyBy, RunningCaption);
    else
      SetWindowTextFromResource(flyBy, FlyByCaptionId + language);
  }
  UpdateSpeedButtonCaptions();
  SetCaptions(m_hWnd, CaptionsAfterFlyBy, language);
  SetCaptions(m_hWnd, TranslatedTemplateCaptions, language);
  // The labels of the events are rewritten only when the options change them.
  for (int n = 0; n < EventCount; ++n)
    LoadEventRecord(consoleState, n);
}
