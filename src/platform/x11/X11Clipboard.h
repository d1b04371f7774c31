#pragma once
// The clipboard port on X11. Changes of the CLIPBOARD selection arrive
// through Qt; text is fetched on a connection of our own with a time limit,
// so a selection owner that never answers cannot freeze the program. Texts
// we put there are served from a thread (SelectionOwner), so a target reads
// them while a paste sleeps between its keystrokes.
#include <QObject>

#include "core/ports/Clipboard.h"

namespace cvd::x11 {

class SelectionOwner;
class SelectionReader;

class X11Clipboard : public QObject, public Clipboard {
 public:
  explicit X11Clipboard(int timeoutMs = 300);
  ~X11Clipboard() override;

  std::optional<std::string> Text() override;
  void SetText(const std::string& text) override;
  std::uint32_t SequenceNumber() override { return sequence_; }
  bool Subscribe(std::function<void()> onChange) override;
  void Unsubscribe() override;
  std::vector<std::string> OfferedTypes() override;
  std::optional<std::string> OfferedData(const std::string& type) override;
  std::vector<std::string> OwnerClasses() override;

 private:
  void Changed();
  // Whether CLIPBOARD is held by our owner thread right now.
  bool OwnedByUs();

  std::unique_ptr<SelectionReader> reader_;
  std::unique_ptr<SelectionOwner> owner_;
  std::function<void()> onChange_;
  QMetaObject::Connection connection_;
  int timeoutMs_;
  std::uint32_t sequence_ = 0;
};

}  // namespace cvd::x11
