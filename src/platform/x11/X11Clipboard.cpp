#include "platform/x11/X11Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/x11/SelectionOwner.h"
#include "platform/x11/SelectionReader.h"

namespace cvd::x11 {

X11Clipboard::X11Clipboard(int timeoutMs)
    : reader_(std::make_unique<SelectionReader>()), owner_(std::make_unique<SelectionOwner>()), timeoutMs_(timeoutMs) {}

X11Clipboard::~X11Clipboard() { Unsubscribe(); }

bool X11Clipboard::OwnedByUs() {
  return owner_->Ok() && reader_->Ok() && reader_->ClipboardOwner() == owner_->Window();
}

std::optional<std::string> X11Clipboard::Text() {
  if (OwnedByUs()) return owner_->Text();
  QClipboard* clipboard = QGuiApplication::clipboard();
  // Our own selection is answered by our own event loop, which is busy
  // here: read it from Qt directly.
  if (clipboard->ownsClipboard() || !reader_->Ok()) {
    const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText()) return std::nullopt;
    return data->text().toStdString();
  }
  return reader_->ClipboardText(timeoutMs_);
}

// What another program offers; our own texts offer nothing to keep out.
std::vector<std::string> X11Clipboard::OfferedTypes() {
  if (!reader_->Ok() || OwnedByUs() || QGuiApplication::clipboard()->ownsClipboard()) return {};
  return reader_->ClipboardTargets(timeoutMs_);
}

std::optional<std::string> X11Clipboard::OfferedData(const std::string& type) {
  if (!reader_->Ok() || OwnedByUs() || QGuiApplication::clipboard()->ownsClipboard()) return std::nullopt;
  return reader_->ClipboardData(type, timeoutMs_);
}

std::vector<std::string> X11Clipboard::OwnerClasses() {
  if (!reader_->Ok() || OwnedByUs() || QGuiApplication::clipboard()->ownsClipboard()) return {};
  return reader_->ClipboardOwnerClasses();
}

void X11Clipboard::SetText(const std::string& text) {
  // The owner thread holds both selections; the change is ours, so it is
  // told at once, as Qt tells its own.
  if (owner_->Ok() && owner_->Own(text)) {
    if (connection_) Changed();
    return;
  }
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(qtext, QClipboard::Clipboard);
  // Shift+Insert pastes the primary selection in many X programs.
  if (clipboard->supportsSelection()) clipboard->setText(qtext, QClipboard::Selection);
}

bool X11Clipboard::Subscribe(std::function<void()> onChange) {
  Unsubscribe();
  onChange_ = std::move(onChange);
  connection_ =
      QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, this, [this](QClipboard::Mode mode) {
        // Qt also reports the owner thread taking the selection: that change
        // was told when the text was set.
        if (mode == QClipboard::Clipboard && !OwnedByUs()) Changed();
      });
  return static_cast<bool>(connection_);
}

void X11Clipboard::Unsubscribe() {
  if (connection_) QObject::disconnect(connection_);
  connection_ = {};
}

void X11Clipboard::Changed() {
  ++sequence_;
  if (onChange_) onChange_();
}

}  // namespace cvd::x11
