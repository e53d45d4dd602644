// A desktop session manager of the smallest kind, in the test process: it speaks the X session
// management protocol (libSM/libICE, server side) on its own thread, takes the program as its
// client and, when asked, tells it that the session is ending (a log-out) and then to die, as a
// desktop's session manager does.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

struct _IceConn;

namespace wm {

class SessionManager {
  public:
    SessionManager(); // listens; Failure() says why when it could not
    ~SessionManager();
    SessionManager(const SessionManager&) = delete;
    SessionManager& operator=(const SessionManager&) = delete;

    const std::string& Failure() const { return failure_; }
    // What a client finds in SESSION_MANAGER.
    const std::string& Address() const { return address_; }

    // A client has registered (the program's toolkit connected at its start).
    bool ClientRegistered() const { return registered_; }
    // Asks the client to save itself for the end of the session: shutdown, any interaction,
    // not fast. Once the client says it is done, it is told to die.
    void LogOut();
    // The client's answer to the log-out: it said it saved itself.
    bool SaveDone() const { return saveDone_; }
    bool DieSent() const { return dieSent_; }

  private:
    void Run();
    void Wake();
    void Forget(void* ice); // an IceConn closed
    // Touched on the manager's thread only, once it runs.
    std::vector<_IceConn*> connections_;
    void* client_ = nullptr; // the registered client's SmsConn
    bool logOutSent_ = false;
    std::string failure_, address_;
    int wakePipe_[2] = {-1, -1};
    std::atomic<bool> stop_{false}, logOutAsked_{false};
    std::atomic<bool> registered_{false}, saveDone_{false}, dieSent_{false};
    void* listen_ = nullptr; // IceListenObj*
    int listenCount_ = 0;
    std::thread thread_;
    friend struct SessionManagerCalls;
};

} // namespace wm
