#pragma once
// Tells when the pointer enters or leaves a widget (children included).
#include <QObject>
#include <functional>

class QWidget;

namespace cvd::ui {

// Sets the function called on entering (true) and leaving (false) `widget`;
// an empty function ends it. One watch per widget, owned by the widget.
void WatchPointer(QWidget& widget, std::function<void(bool inside)> handler);

}  // namespace cvd::ui
