#include "platform/portal/PortalGlobalShortcuts.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

#include "core/log/Log.h"
#include "core/shortcuts/ShortcutTrigger.h"
#include "platform/portal/PortalBus.h"

namespace {

// One entry of BindShortcuts' list: a(sa{sv}).
struct PortalShortcut {
  QString id;
  QVariantMap properties;
};

}  // namespace

Q_DECLARE_METATYPE(PortalShortcut)

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
  argument.beginStructure();
  argument << shortcut.id << shortcut.properties;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
  argument.beginStructure();
  argument >> shortcut.id >> shortcut.properties;
  argument.endStructure();
  return argument;
}

}  // namespace

namespace cvd::portal {
namespace {

const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const char* const kResponseSlot = SLOT(OnResponse(uint, QVariantMap));

std::string Text(const QString& text) { return text.toStdString(); }

// The desktop's triggers in a list of shortcuts it sent; ids that are not ours are left out.
std::vector<AssignedTriggers::Trigger> TriggersOf(const QList<PortalShortcut>& shortcuts) {
  std::vector<AssignedTriggers::Trigger> triggers;
  for (const PortalShortcut& shortcut : shortcuts) {
    bool number = false;
    const int id = shortcut.id.toInt(&number);
    const std::string trigger = Text(shortcut.properties.value(QStringLiteral("trigger_description")).toString());
    if (!number) continue;
    LogInfo("shortcuts", "the desktop bound " + ShortcutDescription(id) + " to " + trigger);
    triggers.emplace_back(id, trigger);
  }
  return triggers;
}

}  // namespace

PortalGlobalShortcuts::PortalGlobalShortcuts(QDBusConnection bus) : bus_(std::move(bus)) {
  qDBusRegisterMetaType<PortalShortcut>();
  qDBusRegisterMetaType<QList<PortalShortcut>>();
  if (!bus_.connect(kPortalService, kPortalPath, kInterface, QStringLiteral("Activated"), this,
                    SLOT(OnActivated(QDBusMessage)))) {
    LogWarning("shortcuts", "the desktop's shortcut presses cannot be received: " + Text(bus_.lastError().message()));
  }
  if (!bus_.connect(kPortalService, kPortalPath, kInterface, QStringLiteral("ShortcutsChanged"), this,
                    SLOT(OnShortcutsChanged(QDBusMessage)))) {
    LogWarning("shortcuts",
               "the desktop's changes of the shortcut keys cannot be received: " + Text(bus_.lastError().message()));
  }
}

PortalGlobalShortcuts::~PortalGlobalShortcuts() {
  StopListening();
  CloseSession();
}

bool PortalGlobalShortcuts::Offered(const QDBusConnection& bus) {
  // Only a portal already running is asked: starting one here would hold up
  // the start on desktops that have none to offer.
  if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kPortalService).value())
    return false;
  QDBusMessage get = QDBusMessage::createMethodCall(
      kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get.setArguments({kInterface, QStringLiteral("version")});
  get.setAutoStartService(false);
  return bus.call(get, QDBus::Block, 1000).type() == QDBusMessage::ReplyMessage;
}

bool PortalGlobalShortcuts::Register(int id, const Shortcut& shortcut) {
  shortcuts_[id] = shortcut;
  ScheduleBind();
  return true;
}

void PortalGlobalShortcuts::Unregister(int id) {
  if (shortcuts_.erase(id) > 0) ScheduleBind();
}

void PortalGlobalShortcuts::ScheduleBind() {
  // All keys of one change go in one bind, once the caller is done.
  if (bindScheduled_) return;
  bindScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    bindScheduled_ = false;
    Bind();
  });
}

void PortalGlobalShortcuts::Bind() {
  if (step_ != Step::None) {
    bindAgain_ = true;
    return;
  }
  // A session binds once: a changed set of keys gets a new session.
  CloseSession();
  if (shortcuts_.empty()) {
    if (assigned_) assigned_->Clear();
    return;
  }
  Request(Step::Create, QStringLiteral("CreateSession"), {});
}

void PortalGlobalShortcuts::Request(Step step, const QString& method, QVariantList arguments) {
  step_ = step;
  const QString token = QStringLiteral("corvinadekeys%1").arg(++tokens_);
  QVariantMap options;
  if (step == Step::Create) options.insert(QStringLiteral("session_handle_token"), token);
  auto* watcher = new QDBusPendingCallWatcher(
      CallRequest(bus_, kInterface, method, std::move(arguments), options, token, this, kResponseSlot, requestPath_),
      this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, method, expected = requestPath_](QDBusPendingCallWatcher* pending) {
            pending->deleteLater();
            if (requestPath_ != expected || !pending->isError()) return;
            StopListening();
            step_ = Step::None;
            if (assigned_) assigned_->Clear();
            LogWarning("shortcuts", "the desktop's global shortcuts portal refused " + Text(method) + ": " +
                                        Text(pending->error().message()));
          });
}

void PortalGlobalShortcuts::OnResponse(uint response, const QVariantMap& results) {
  StopListening();
  const Step step = step_;
  step_ = Step::None;
  if (response != 0) {
    LogWarning("shortcuts", "the desktop did not bind the shortcut keys (answer " + std::to_string(response) + ")");
    if (assigned_) assigned_->Clear();
  } else if (step == Step::Create) {
    session_ = ObjectPathOf(results.value(QStringLiteral("session_handle")));
    QList<PortalShortcut> list;
    for (const auto& [id, shortcut] : shortcuts_) {
      list.append({QString::number(id),
                   {{QStringLiteral("description"), QString::fromStdString(ShortcutDescription(id))},
                    {QStringLiteral("preferred_trigger"), QString::fromStdString(TriggerText(shortcut))}}});
    }
    Request(Step::Bind, QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(list), QString()});
    return;
  } else if (step == Step::Bind) {
    const auto triggers = TriggersOf(qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts"))));
    if (assigned_) assigned_->Bound(triggers);
  }
  if (bindAgain_) {
    bindAgain_ = false;
    Bind();
  }
}

void PortalGlobalShortcuts::OnActivated(const QDBusMessage& message) {
  const QVariantList arguments = message.arguments();
  if (arguments.size() < 2 || !handler_) return;
  if (arguments[0].value<QDBusObjectPath>().path() != session_) return;
  const QString id = arguments[1].toString();
  bool number = false;
  const int hotKey = id.toInt(&number);
  if (number && shortcuts_.count(hotKey)) handler_(hotKey);
}

void PortalGlobalShortcuts::OnShortcutsChanged(const QDBusMessage& message) {
  const QVariantList arguments = message.arguments();
  if (arguments.size() < 2 || arguments[0].value<QDBusObjectPath>().path() != session_) return;
  const auto triggers = TriggersOf(qdbus_cast<QList<PortalShortcut>>(arguments[1]));
  if (assigned_) assigned_->Changed(triggers);
}

void PortalGlobalShortcuts::StopListening() { StopRequest(bus_, this, kResponseSlot, requestPath_); }

void PortalGlobalShortcuts::CloseSession() {
  if (session_.isEmpty()) return;
  portal::CloseSession(bus_, session_);
  session_.clear();
}

}  // namespace cvd::portal
