#include "src/app/screen/playback_wnd.h"

#include "platform/afx/message_map_entries.h"
#include "platform/win/win32.h"
#include "src/app/console_timers.h"
#include "src/app/screen/screen_capture.h"
#include "src/app/window/activation_burst.h"
#include "src/app/window/command_rows.h"
#include "src/controls/monitors.h"
#include "src/link/planetarium_windows.h"
#include "src/settings/console_settings.h"

namespace {

// The picture area has no id of its own.
constexpr int PictureAreaId = -1;
constexpr UINT AtmosphereId = 1898;
constexpr UINT FogId = 1897;
constexpr UINT LinesId = 1895;
constexpr UINT ArtId = 1896;
constexpr UINT BoundariesId = 1893;
constexpr UINT GroundId = 1892;

struct PlaybackButton {
  UINT commandId;
  int normalBitmap;
  int activeBitmap;
};
constexpr std::array<PlaybackButton, 7> PlaybackButtons{{
    {AtmosphereId, 152, 153},
    {FogId, 129, 132},
    {LinesId, 143, 144},
    {ArtId, 146, 147},
    {BoundariesId, 156, 157},
    {GroundId, 304, 305},
    {CPlaybackWnd::CloseButtonId, 200, 201},
}};

struct SkyKey {
  UINT commandId;
  BYTE key;
  UINT_PTR releaseTimer;
};
constexpr std::array SkyKeys{
    SkyKey{AtmosphereId, 'A', AtmosphereKeyTimer}, SkyKey{FogId, 'F', FogKeyTimer},
    SkyKey{LinesId, 'C', LinesKeyTimer},           SkyKey{ArtId, 'R', ArtKeyTimer},
    SkyKey{BoundariesId, 'B', BoundariesKeyTimer}, SkyKey{GroundId, 'G', GroundKeyTimer},
};

constexpr LPARAM SkyKeyDown = 0x001E0001;
constexpr LPARAM SkyKeyUp = static_cast<LPARAM>(0xC01E0001);
constexpr UINT SkyKeyUpMs = 200;
// Orvenna misses an atmosphere key that follows its activation at once.
constexpr DWORD AtmosphereSettleMs = 80;
constexpr int PointerPenWidth = 3;
constexpr COLORREF OverlayColourKey = 0xFFFFFF;
constexpr BYTE OverlayAlpha = 20;

void PostSkyKeyUp(const SkyKey& key) {
  if (HWND view = FindPlanetariumRenderWindow()) ::PostMessageW(view, WM_KEYUP, key.key, SkyKeyUp);
}

RECT WindowRectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRectOf(HWND window) {
  RECT rect{};
  ::GetClientRect(window, &rect);
  return rect;
}

SIZE SizeOf(const RECT& rect) {
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

BEGIN_MESSAGE_MAP(CPlaybackWnd, CDialog)
ON_WM_PAINT()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_BN_CLICKED(AtmosphereId, &CPlaybackWnd::OnAtmosphere)
ON_BN_CLICKED(FogId, &CPlaybackWnd::OnFog)
ON_BN_CLICKED(LinesId, &CPlaybackWnd::OnLines)
ON_BN_CLICKED(ArtId, &CPlaybackWnd::OnArt)
ON_BN_CLICKED(BoundariesId, &CPlaybackWnd::OnBoundaries)
ON_BN_CLICKED(GroundId, &CPlaybackWnd::OnGround)
ON_BN_CLICKED(CPlaybackWnd::CloseButtonId, &CPlaybackWnd::OnCloseButton)
END_MESSAGE_MAP()

CPlaybackWnd::CPlaybackWnd(const CConsoleState* state, CWnd* parent) : CDialog(IDD, parent), state_(state) {
  const PlaybackOptions options = LoadPlaybackOptions();
  sizePercent_ = options.windowSizePercent;
  framesPerSecond_ = options.refreshPerSecond;
  pointerColor_ = options.pointerColor;
}

CPlaybackWnd::~CPlaybackWnd() {
  FreeFrame();
  DestroyOverlay();
}

BOOL CPlaybackWnd::OnInitDialog() {
  CDialog::OnInitDialog();
  // The stored rate is clamped to 1 to 5 frames a second.
  SetTimer(FrameTimer, 1000 / static_cast<UINT>(framesPerSecond_ > 0 ? framesPerSecond_ : 1));
  HWND main = FindPlanetariumMainWindow();
  if (main == nullptr) return FALSE;

  HWND console = ::GetParent(m_hWnd);
  RECT monitor{};
  CMonitors::GetNearestMonitor(CWnd::FromHandle(main)).GetMonitorRect(&monitor);
  PlaybackMeasures measures;
  measures.sizePercent = sizePercent_;
  measures.consoleClient = SizeOf(ClientRectOf(console));
  const SIZE window = SizeOf(WindowRectOf(m_hWnd));
  const SIZE client = SizeOf(ClientRectOf(m_hWnd));
  measures.nonClient = {window.cx - client.cx, window.cy - client.cy};
  measures.monitorRight = monitor.right;
  measures.planetariumClientBottom = ClientRectOf(main).bottom;
  measures.consoleOnPrimary = state_ == nullptr || state_->consoleScreenCopy;
  geometry_ = MeasurePlaybackWindow(measures);

  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, geometry_.window.cx, geometry_.window.cy, SWP_NOMOVE);
  HWND picture = PictureArea();
  ::SetWindowPos(picture, nullptr, PlaybackPictureX, 0, geometry_.picture.cx, geometry_.picture.cy,
                 SWP_NOZORDER);
  ::SetWindowLongW(picture, GWL_EXSTYLE, ::GetWindowLongW(picture, GWL_EXSTYLE) & ~LONG{WS_EX_CLIENTEDGE});
  ::SetWindowPos(picture, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);

  for (std::size_t i = 0; i < PlaybackButtons.size(); ++i) {
    buttons_[i].m_nNormalId = PlaybackButtons[i].normalBitmap;
    buttons_[i].m_nActiveId = PlaybackButtons[i].activeBitmap;
    buttons_[i].SubclassDlgItem(PlaybackButtons[i].commandId, this);
  }
  HWND close = ::GetDlgItem(m_hWnd, CloseButtonId);
  ::SetWindowPos(close, nullptr, geometry_.closeButtonX, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return TRUE;
}

HWND CPlaybackWnd::PictureArea() const {
  return ::GetDlgItem(m_hWnd, PictureAreaId);
}

void CPlaybackWnd::OnAtmosphere() {
  PressSkyKey(AtmosphereId);
}
void CPlaybackWnd::OnFog() {
  PressSkyKey(FogId);
}
void CPlaybackWnd::OnLines() {
  PressSkyKey(LinesId);
}
void CPlaybackWnd::OnArt() {
  PressSkyKey(ArtId);
}
void CPlaybackWnd::OnBoundaries() {
  PressSkyKey(BoundariesId);
}
void CPlaybackWnd::OnGround() {
  PressSkyKey(GroundId);
}

void CPlaybackWnd::PressSkyKey(UINT commandId) {
  HWND view = FindPlanetariumRenderWindow();
  if (view == nullptr) return;
  const SkyKey& key = RowForCommand(SkyKeys, commandId);
  SendActivationBurst(view);
  if (commandId == AtmosphereId) ::Sleep(AtmosphereSettleMs);
  ::PostMessageW(view, WM_KEYDOWN, key.key, SkyKeyDown);
  SetTimer(key.releaseTimer, SkyKeyUpMs);
}

void CPlaybackWnd::ReleaseSkyKey(UINT_PTR timer) {
  const SkyKey* key = FindRow<&SkyKey::releaseTimer>(SkyKeys, timer);
  if (key == nullptr) return;
  KillTimer(timer);
  PostSkyKeyUp(*key);
}

void CPlaybackWnd::OnDestroy() {
  // A key still down in Orvenna goes up now rather than never.
  for (const SkyKey& key : SkyKeys)
    if (KillTimer(key.releaseTimer)) PostSkyKeyUp(key);
  CDialog::OnDestroy();
}

void CPlaybackWnd::OnTimer(UINT_PTR id) {
  if (id == FrameTimer) {
    if (HWND main = FindPlanetariumMainWindow()) RefreshPreview(::GetAncestor(main, GA_ROOT));
    Default();
    return;
  }
  Default();
  ReleaseSkyKey(id);
}

void CPlaybackWnd::RefreshPreview(HWND window) {
  FreeFrame();
  frame_ = CaptureScreenPixels(WindowRectOf(window));
  if (frame_ == nullptr) return;
  RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
  Invalidate(FALSE);
  FreeFrame();
}

void CPlaybackWnd::OnPaint() {
  Default();
  HWND picture = PictureArea();
  HDC dc = ::GetDC(picture);
  DrawPreview(dc, ClientRectOf(m_hWnd), frame_);
  ::ReleaseDC(picture, dc);
}

void CPlaybackWnd::DrawPreview(HDC dc, const RECT& client, HBITMAP frame) {
  if (frame == nullptr || dc == nullptr) return;
  HDC source = ::CreateCompatibleDC(dc);
  HGDIOBJ previous = ::SelectObject(source, frame);
  ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchBlt(dc, geometry_.pictureOffset + client.left, client.top,
               static_cast<int>(geometry_.aspect * static_cast<float>(client.bottom)),
               client.bottom - client.top, source, 0, 0, geometry_.captureWidth, geometry_.captureHeight,
               SRCCOPY);
  ::SelectObject(source, previous);
  ::DeleteDC(source);
  // A repaint before the next frame draws nothing new.
  FreeFrame();
}

void CPlaybackWnd::FreeFrame() {
  if (frame_ != nullptr) ::DeleteObject(frame_);
  frame_ = nullptr;
}

BOOL CPlaybackWnd::OnEraseBkgnd(CDC* dc) {
  if (erased_ || dc == nullptr) return FALSE;
  const RECT client = ClientRectOf(m_hWnd);
  HDC hdc = dc->GetSafeHdc();
  HGDIOBJ previous = ::SelectObject(hdc, ::GetStockObject(BLACK_BRUSH));
  ::PatBlt(hdc, client.left, client.top, client.right - client.left, client.bottom - client.top, PATCOPY);
  ::SelectObject(hdc, previous);
  erased_ = true;
  return FALSE;
}

void CPlaybackWnd::OnLButtonDown(UINT, CPoint point) {
  lastPoint_ = {point.x, point.y};
  drawing_ = true;
  if (overlay_ != nullptr) return;
  if (HWND main = FindPlanetariumMainWindow()) CreateOverlay(main);
}

void CPlaybackWnd::CreateOverlay(HWND planetarium) {
  const RECT area = WindowRectOf(planetarium);
  overlay_ = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, L"STATIC", L"", WS_POPUP | SS_BITMAP,
                               area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (overlay_ == nullptr) return;
  ::SetLayeredWindowAttributes(overlay_, OverlayColourKey, OverlayAlpha, LWA_COLORKEY);
  // A static paints its own background, which would hide Orvenna: its picture is the colour key.
  HDC dc = ::GetDC(overlay_);
  overlayPicture_ = ::CreateCompatibleBitmap(dc, area.right - area.left, area.bottom - area.top);
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ previous = ::SelectObject(memory, overlayPicture_);
  ::PatBlt(memory, 0, 0, area.right - area.left, area.bottom - area.top, WHITENESS);
  ::SelectObject(memory, previous);
  ::DeleteDC(memory);
  ::ReleaseDC(overlay_, dc);
  ::SendMessageW(overlay_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(overlayPicture_));
  ::ShowWindow(overlay_, SW_SHOW);
  ::UpdateWindow(overlay_);
  overlayDC_ = ::GetDC(overlay_);
}

void CPlaybackWnd::OnMouseMove(UINT, CPoint point) {
  if (!drawing_) return;
  if (overlayDC_ != nullptr) {
    const POINT from = PointerOnPlanetarium(lastPoint_, geometry_.pictureOffset, geometry_.pointerScale);
    const POINT to =
        PointerOnPlanetarium({point.x, point.y}, geometry_.pictureOffset, geometry_.pointerScale);
    HPEN pen = ::CreatePen(PS_SOLID, PointerPenWidth, pointerColor_);
    HBRUSH brush = ::CreateSolidBrush(pointerColor_);
    HGDIOBJ oldPen = ::SelectObject(overlayDC_, pen);
    HGDIOBJ oldBrush = ::SelectObject(overlayDC_, brush);
    ::MoveToEx(overlayDC_, from.x, from.y, nullptr);
    ::LineTo(overlayDC_, to.x, to.y);
    ::SelectObject(overlayDC_, oldPen);
    ::SelectObject(overlayDC_, oldBrush);
    ::DeleteObject(pen);
    ::DeleteObject(brush);
  }
  lastPoint_ = {point.x, point.y};
}

void CPlaybackWnd::OnLButtonUp(UINT, CPoint) {
  drawing_ = false;
}

void CPlaybackWnd::OnRButtonUp(UINT, CPoint) {
  DestroyOverlay();
}

void CPlaybackWnd::DestroyOverlay() {
  if (overlay_ != nullptr && overlayDC_ != nullptr) ::ReleaseDC(overlay_, overlayDC_);
  overlayDC_ = nullptr;
  if (overlay_ != nullptr) ::DestroyWindow(overlay_);
  overlay_ = nullptr;
  if (overlayPicture_ != nullptr) ::DeleteObject(overlayPicture_);
  overlayPicture_ = nullptr;
}

void CPlaybackWnd::OnCloseButton() {
  KillTimer(FrameTimer);
  if (overlay_ != nullptr && overlayDC_ != nullptr) ::ReleaseDC(overlay_, overlayDC_);
  overlayDC_ = nullptr;
  EndDialog(0);
}
