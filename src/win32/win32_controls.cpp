#include "win32/win32_controls.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "base/text_encoding.h"
#include "ui/main_window_view.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

int WindowDpi(HWND window) {
  if (window) {
    const UINT dpi = GetDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  const WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
  return dpi > 0 ? dpi : 96;
}

const wchar_t* RegisterClassOnce(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return name;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));  // the program's own
  if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */);
  RegisterClassExW(&wc);
  return name;
}

HWND MakeControl(HWND parent, const wchar_t* windowClass, std::string_view utf8Text, DWORD style,
                 int left, int top, int width, int height, int dpi, int id, DWORD exStyle) {
  const std::wstring text = WideFromUtf8(utf8Text);
  return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                         Scale(left, dpi), Scale(top, dpi), Scale(width, dpi), Scale(height, dpi),
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void SetText(HWND window, std::string_view utf8) {
  SetWindowTextW(window, WideFromUtf8(utf8).c_str());
}

void SetText(HWND window, std::u16string_view text) { SetWindowTextW(window, Wide(text).c_str()); }

std::u16string GetText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return FromWide(text);
}

namespace {

// The width and height of text in the control's font.
SIZE TextSize(HWND control, HFONT font, std::u16string_view text) {
  const std::wstring wide = Wide(text);
  const WindowDc dc(control);
  const SelectedObject selected(dc.Get(), font);
  SIZE size = {};
  GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc.Get(), &metrics);
  size.cy = metrics.tmHeight;
  return size;
}

// How many units of text, from its start, fit in width dots in the font.
std::size_t FittingUnits(HWND control, HFONT font, std::u16string_view text, int width) {
  const std::wstring wide = Wide(text);
  const WindowDc dc(control);
  const SelectedObject selected(dc.Get(), font);
  int fit = 0;
  SIZE size = {};
  GetTextExtentExPointW(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), std::max(width, 0),
                        &fit, nullptr, &size);
  return static_cast<std::size_t>(std::max(fit, 0));
}

}  // namespace

HFONT ControlFonts::Get(int designPixels, int dpi, int points, int stretch) {
  const auto key = std::make_tuple(designPixels, dpi, points, stretch);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.Get();
  LOGFONTW lf = {};
  lf.lfHeight = points > 0 ? -MulDiv(points, dpi, 72) : -Scale(designPixels, dpi);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = WideFromUtf8(kWindowFace);
  face.copy(lf.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
  if (stretch != 100) {
    // The face's own average width, taken down to the share.
    HFONT plain = Get(designPixels, dpi, points);
    const WindowDc dc(nullptr);
    const SelectedObject selected(dc.Get(), plain);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.Get(), &metrics);
    lf.lfWidth = std::max(1L, metrics.tmAveCharWidth * stretch / 100);
  }
  HFONT font = CreateFontIndirectW(&lf);
  fonts_.emplace(key, GdiObject<HFONT>(font));
  return font;
}

HWND MakeTableControl(ControlFonts& fonts, HWND parent, const WindowLayout& layout,
                      const Control& control, int dpi, int id) {
  const ControlPlace& p = control.place;
  HWND made = nullptr;
  switch (control.kind) {
    case ControlKind::ToolButton:
    case ControlKind::Button:
      made = MakeControl(parent, L"BUTTON", control.caption,
                         BS_PUSHBUTTON | (control.kind == ControlKind::Button ? WS_TABSTOP : 0),
                         p.left, p.top, p.width, p.height, dpi, id);
      if (control.kind == ControlKind::ToolButton) TakeNoFocus(made);  // tool buttons take no focus
      break;
    case ControlKind::CheckBox:
      made = MakeControl(parent, L"BUTTON", control.caption, BS_AUTOCHECKBOX | WS_TABSTOP, p.left,
                         p.top, p.width, p.height, dpi, id);
      break;
    case ControlKind::Label:
      made = MakeControl(parent, L"STATIC", "", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, p.left, p.top, 1,
                         1, dpi, id);
      break;
    case ControlKind::Edit:
      made =
          MakeControl(parent, L"EDIT", control.caption,
                      ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | (control.readOnly ? ES_READONLY : 0),
                      p.left, p.top, p.width, p.height, dpi, id, WS_EX_CLIENTEDGE);
      break;
    case ControlKind::UpDown:
      // Without a buddy: the logic keeps the position and the field shows it.
      made = MakeControl(parent, UPDOWN_CLASSW, "", UDS_ARROWKEYS, p.left, p.top, p.width, p.height,
                         dpi, id);
      SendMessageW(made, UDM_SETRANGE32, static_cast<WPARAM>(-1000000), 1000000);
      break;
    case ControlKind::Memo:
      made = MakeControl(parent, L"EDIT", control.caption,
                         ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                         p.left, p.top, p.width, p.height, dpi, id, WS_EX_CLIENTEDGE);
      break;
    case ControlKind::Panel:
    case ControlKind::ScrollBox:
    case ControlKind::Image:
      return nullptr;  // the window makes these of its own classes
  }
  UseFont(made, fonts.Get(control.fontPixels, dpi));
  if (control.checked) SendMessageW(made, BM_SETCHECK, BST_CHECKED, 0);
  // A field for numbers is typed without the input method; one that
  // switches it to hiragana does so as it gets the focus (HiraganaInput).
  if (control.inputMethod == InputMethod::Off) ImmAssociateContextEx(made, nullptr, 0);
  if (control.kind == ControlKind::Label)
    SetFittedLabel(fonts, made, layout, control, dpi, FromUtf8(control.caption));
  return made;
}

void PlaceTableControl(ControlFonts& fonts, HWND made, const WindowLayout& layout,
                       const Control& control, int dpi) {
  const ControlPlace& p = control.place;
  if (control.kind == ControlKind::Label) {
    SetWindowPos(made, nullptr, Scale(p.left, dpi), Scale(p.top, dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetFittedLabel(fonts, made, layout, control, dpi, GetText(made));
    return;
  }
  SetWindowPos(made, nullptr, Scale(p.left, dpi), Scale(p.top, dpi), Scale(p.width, dpi),
               Scale(p.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
  UseFont(made, fonts.Get(control.fontPixels, dpi));
}

void SetFittedLabel(ControlFonts& fonts, HWND label, const WindowLayout& layout,
                    const Control& control, int dpi, std::u16string_view text) {
  const int room = Scale(LabelRoom(layout, control), dpi);
  const int stretch = FittedStretch(room, [&](int share) {
    return TextSize(label, fonts.Get(control.fontPixels, dpi, 0, share), text).cx;
  });
  HFONT font = fonts.Get(control.fontPixels, dpi, 0, stretch);
  const SIZE size = TextSize(label, font, text);
  UseFont(label, font);
  SetText(label, text);
  SetWindowPos(label, nullptr, 0, 0, size.cx + 1, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetElidedLabel(ControlFonts& fonts, HWND label, const WindowLayout& layout,
                    const Control& control, int dpi, std::u16string_view name) {
  const int room = Scale(LabelRoom(layout, control), dpi);
  HFONT font = fonts.Get(control.fontPixels, dpi);
  SIZE size = TextSize(label, font, name);
  const bool cut = size.cx > room;
  // The longest beginning of the name that fits with "…" after it (the
  // system's own ellipsis is three full stops).
  std::u16string shown(name);
  if (cut) {
    constexpr std::u16string_view kEllipsis = u"\u2026";
    std::size_t keep = FittingUnits(label, font, name, room - TextSize(label, font, kEllipsis).cx);
    // Never between the halves of a surrogate pair.
    if (keep > 0 && name[keep - 1] >= 0xD800 && name[keep - 1] <= 0xDBFF) --keep;
    shown = std::u16string(name.substr(0, keep)) + std::u16string(kEllipsis);
    size = TextSize(label, font, shown);
  }
  SetText(label, shown);
  SetWindowPos(label, nullptr, 0, 0, size.cx + 1, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The whole name in a tooltip over the shortened one.
  HWND tip = reinterpret_cast<HWND>(GetPropW(label, L"MireloTip"));
  if (!tip) {
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, label, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
    SetPropW(label, L"MireloTip", tip);
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(label);
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  std::wstring whole = cut ? Wide(name) : std::wstring();
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof(tool);
  tool.hwnd = GetParent(label);
  tool.uId = reinterpret_cast<UINT_PTR>(label);
  tool.lpszText = whole.data();
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip, TTM_ACTIVATE, cut ? TRUE : FALSE, 0);
}

namespace {

LRESULT CALLBACK NoFocusProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_SETFOCUS) {
    // Back to where the focus was; the click still presses the button.
    const HWND previous = reinterpret_cast<HWND>(wParam);
    if (previous && IsWindow(previous)) SetFocus(previous);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

LRESULT ChildWindowDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

std::optional<Key> KeyOfVirtualKey(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_PRIOR:
      return Key::PageUp;
    case VK_NEXT:
      return Key::PageDown;
    case VK_HOME:
      return Key::Home;
    case VK_END:
      return Key::End;
    case VK_UP:
      return Key::Up;
    case VK_DOWN:
      return Key::Down;
    case VK_LEFT:
      return Key::Left;
    case VK_RIGHT:
      return Key::Right;
    case VK_RETURN:
      return Key::Enter;
    default:
      return std::nullopt;
  }
}

bool ModifierHeld() {
  return ((GetKeyState(VK_CONTROL) | GetKeyState(VK_SHIFT) | GetKeyState(VK_MENU)) & 0x8000) != 0;
}

void TakeNoFocus(HWND control) { SetWindowSubclass(control, NoFocusProc, 1, 0); }

}  // namespace mirelo::win32
