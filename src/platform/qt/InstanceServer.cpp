#include "platform/qt/InstanceServer.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cstring>

#include "core/app/Engine.h"
#include "core/app/Instance.h"
#include "core/json/StateJson.h"
#include "core/log/Log.h"
#include "core/shortcuts/ShortcutTable.h"
#include "platform/qt/FreedMemory.h"

namespace cvd::qt {

namespace {

// A state report goes out in pieces of this size as the reader takes them;
// the tool gives up after 5 s, and so does the sending side.
constexpr std::size_t kStatePieceBytes = 256 * 1024;
constexpr int kStateSendMs = 5000;

// Writes `piece` and waits until the socket has sent it.
bool SendPiece(QLocalSocket* socket, const std::string& piece, const QDeadlineTimer& deadline) {
  socket->write(piece.data(), static_cast<qint64>(piece.size()));
  while (socket->bytesToWrite() > 0) {
    if (deadline.hasExpired() || !socket->waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
      return false;
    }
  }
  return true;
}

// What follows a request's name.
std::string Argument(const QByteArray& request, const char* name) {
  return request.mid(static_cast<qsizetype>(std::strlen(name))).toStdString();
}

}  // namespace

InstanceServer::InstanceServer(Engine& engine) : engine_(engine), server_(new QLocalServer(this)) {
  // Only this user may connect.
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

bool InstanceServer::Listen() {
  const QString path = QString::fromStdString(InstanceSocketPath());
  if (server_->listen(path)) return true;
  if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
  // Someone answering there is a running copy; a dead socket file is left
  // over from a crash and is taken over.
  if (SendInstanceRequest(kRequestShow, 2000)) return false;
  QLocalServer::removeServer(path);
  return server_->listen(path);
}

void InstanceServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Serve(socket); });
    // A client that never sends a full line is dropped.
    QTimer::singleShot(5000, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0) Serve(socket);
  }
}

void InstanceServer::Serve(QLocalSocket* socket) {
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() > 1024) socket->abort();
    return;
  }
  const QByteArray request = socket->readLine().trimmed();
  QByteArray answer;
  std::function<void()> after;
  if (request == kRequestState) {
    SendState(socket);
    return;
  }
  if (request == kRequestShow) {
    answer = "ok";
    after = [this] { engine_.HandleSystemCommand(scAlreadyRunning); };
  } else if (request == kRequestQuit) {
    answer = "ok";
    after = [this] { engine_.MenuExitClick(); };
  } else if (request.startsWith(kRequestDo)) {
    const std::string name = Argument(request, kRequestDo);
    if (HotKeyIdOfName(name, engine_.State().settings.QuickFixes) != 0) {
      answer = "ok";
      after = [this, name] { engine_.Shortcuts().Do(name); };
    } else {
      answer = kAnswerUnknownFunction;
    }
  } else if (request.startsWith(kRequestProbeSeen)) {
    answer = engine_.Probe().Seen(Argument(request, kRequestProbeSeen)) ? kAnswerSeen : "waiting";
  } else if (request.startsWith(kRequestProbeEnd)) {
    answer = "ok";
    engine_.Probe().End(Argument(request, kRequestProbeEnd));
  } else if (request.startsWith(kRequestProbe)) {
    answer = "ok";
    engine_.Probe().Arm(Argument(request, kRequestProbe));
  } else if (request == kRequestSetupShortcuts) {
    answer = "ok";
    after = [this] { engine_.Setup().OpenAtShortcutRow(0); };
  } else {
    answer = "unknown request";
  }
  if (!answer.endsWith('\n')) answer += '\n';
  socket->write(answer);
  socket->flush();
  socket->disconnectFromServer();
  // Act after answering, so the asking side is never kept waiting.
  if (after) QTimer::singleShot(0, this, after);
}

void InstanceServer::SendState(QLocalSocket* socket) {
  // A big history's report is many times its texts' size: written in pieces
  // while the reader takes them, it is never whole in memory, and the report
  // stays one moment's state since nothing else runs meanwhile.
  const QDeadlineTimer deadline(kStateSendMs);
  const bool sent = WriteStateText(engine_, kStatePieceBytes, [socket, &deadline](std::string& piece) {
    const bool ok = SendPiece(socket, piece, deadline);
    piece.clear();
    return ok;
  });
  if (sent && SendPiece(socket, "\n", deadline)) {
    socket->disconnectFromServer();
  } else {
    LogWarning("instance", "the state report was not read to its end within 5 s");
    socket->abort();
  }
  // What the report's pieces and the group texts' first reading left free
  // goes back to the system.
  QTimer::singleShot(1000, this, [] { ReleaseFreedMemory(); });
}

}  // namespace cvd::qt
