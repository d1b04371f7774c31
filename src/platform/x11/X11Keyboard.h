#pragma once
// The keyboard port on X11 with the XTest extension. Characters that the
// current keymap cannot type are typed through spare key codes that are
// mapped to them for a moment.
#include <QTimer>
#include <map>
#include <vector>

#include "core/ports/Keyboard.h"

typedef struct _XDisplay Display;

namespace cvd::x11 {

class X11Keyboard : public Keyboard {
 public:
  // `display` is Qt's connection; null off X11 (nothing is sent then).
  explicit X11Keyboard(Display* display);
  ~X11Keyboard() override;

  // A layout key's code is its X key code.
  void SendKeyEvent(Key key, bool up) override;
  std::optional<KeyScan> KeyForCharacter(char32_t character) override;
  bool CapsLockOn() override;
  bool IsKeyDown(NamedKey key) override;

 private:
  unsigned char KeycodeOf(Key key);
  std::optional<KeyScan> Remap(unsigned long keysym);
  void RestoreSpares();

  Display* display_;
  std::vector<unsigned char> spares_;                // key codes without symbols
  std::map<unsigned long, unsigned char> remapped_;  // keysym -> spare key code
  std::size_t nextSpare_ = 0;
  QTimer restoreTimer_;
};

}  // namespace cvd::x11
