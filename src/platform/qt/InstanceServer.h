#pragma once
// The running copy's end of the per-user socket: a second start asks it to
// show its window; corvinade-tool asks for the state or to quit.
#include <QObject>

class QLocalServer;
class QLocalSocket;

namespace cvd {
class Engine;
}

namespace cvd::qt {

class InstanceServer : public QObject {
  Q_OBJECT
 public:
  explicit InstanceServer(Engine& engine);
  // Takes the socket; false when another copy answers on it.
  bool Listen();

 private:
  void Accept();
  void Serve(QLocalSocket* socket);
  void SendState(QLocalSocket* socket);

  Engine& engine_;
  QLocalServer* server_;
};

}  // namespace cvd::qt
