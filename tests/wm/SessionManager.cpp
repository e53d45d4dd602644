#include "SessionManager.h"

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace wm {

namespace {

// Any host may connect: the listening sockets are this test's own.
Bool AnyHost(char*) {
    return True;
}

// A client gone (the program ended or killed) is an error of its connection only; libICE's own
// handler would end this whole process.
void IgnoreIoError(IceConn) {}

// The session manager now running: libSM keeps the data it was first initialised with for the
// whole process, so each new client is given the current one instead.
SessionManager* current = nullptr;

} // namespace

// libSM's callbacks, each for the client's connection SmsConn.
struct SessionManagerCalls {
    static SessionManager* Of(SmPointer data) { return static_cast<SessionManager*>(data); }

    static Status RegisterClient(SmsConn conn, SmPointer data, char* previousId) {
        std::free(previousId);
        char* id = SmsGenerateClientID(conn);
        if (!id) id = strdup("1ruliform-test-client");
        const Status ok = SmsRegisterClientReply(conn, id);
        std::free(id);
        Of(data)->client_ = conn;
        Of(data)->registered_ = true;
        return ok;
    }
    static void InteractRequest(SmsConn conn, SmPointer, int) { SmsInteract(conn); }
    static void InteractDone(SmsConn, SmPointer, Bool) {}
    static void SaveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
    static void SaveYourselfPhase2Request(SmsConn conn, SmPointer) { SmsSaveYourselfPhase2(conn); }
    static void SaveYourselfDone(SmsConn conn, SmPointer data, Bool success) {
        SessionManager* sm = Of(data);
        if (!sm->logOutSent_) return;
        sm->saveDone_ = success != False;
        // Every client has saved itself: the session ends.
        SmsDie(conn);
        sm->dieSent_ = true;
    }
    static void CloseConnection(SmsConn conn, SmPointer data, int count, char** reasons) {
        SmFreeReasons(count, reasons);
        SessionManager* sm = Of(data);
        IceConn ice = SmsGetIceConnection(conn);
        SmsCleanUp(conn);
        IceSetShutdownNegotiation(ice, False);
        IceCloseConnection(ice);
        sm->Forget(ice);
        if (sm->client_ == conn) sm->client_ = nullptr;
    }
    static void SetProperties(SmsConn, SmPointer, int count, SmProp** props) {
        for (int i = 0; i < count; ++i)
            SmFreeProperty(props[i]);
        std::free(props);
    }
    static void DeleteProperties(SmsConn, SmPointer, int count, char** names) {
        for (int i = 0; i < count; ++i)
            std::free(names[i]);
        std::free(names);
    }
    static void GetProperties(SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }

    static Status NewClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* calls, char**) {
        SmPointer data = current;
        *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
                SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
                SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
                SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
        calls->register_client = {RegisterClient, data};
        calls->interact_request = {InteractRequest, data};
        calls->interact_done = {InteractDone, data};
        calls->save_yourself_request = {SaveYourselfRequest, data};
        calls->save_yourself_phase2_request = {SaveYourselfPhase2Request, data};
        calls->save_yourself_done = {SaveYourselfDone, data};
        calls->close_connection = {CloseConnection, data};
        calls->set_properties = {SetProperties, data};
        calls->delete_properties = {DeleteProperties, data};
        calls->get_properties = {GetProperties, data};
        return 1;
    }
};

SessionManager::SessionManager() {
    current = this;
    char error[256] = "";
    // libSM keeps its protocol registration for the process: once is enough.
    static const bool initialised = SmsInitialize("ruliform-test", "1", SessionManagerCalls::NewClient,
                                                  nullptr, AnyHost, sizeof error, error) != 0;
    if (!initialised) {
        failure_ = std::string("SmsInitialize failed: ") + error;
        return;
    }
    IceSetIOErrorHandler(IgnoreIoError);
    IceListenObj* objs = nullptr;
    if (!IceListenForConnections(&listenCount_, &objs, sizeof error, error) || listenCount_ == 0) {
        failure_ = std::string("IceListenForConnections failed: ") + error;
        return;
    }
    listen_ = objs;
    for (int i = 0; i < listenCount_; ++i)
        IceSetHostBasedAuthProc(objs[i], AnyHost);
    char* ids = IceComposeNetworkIdList(listenCount_, objs);
    address_ = ids ? ids : "";
    std::free(ids);
    if (::pipe2(wakePipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        failure_ = "pipe failed";
        return;
    }
    thread_ = std::thread([this] { Run(); });
}

SessionManager::~SessionManager() {
    stop_ = true;
    Wake();
    if (thread_.joinable()) thread_.join();
    for (IceConn c : connections_) {
        IceSetShutdownNegotiation(c, False);
        IceCloseConnection(c);
    }
    if (listen_) IceFreeListenObjs(listenCount_, static_cast<IceListenObj*>(listen_));
    for (int fd : wakePipe_)
        if (fd >= 0) ::close(fd);
    if (current == this) current = nullptr;
}

void SessionManager::LogOut() {
    logOutAsked_ = true;
    Wake();
}

void SessionManager::Wake() {
    if (wakePipe_[1] < 0) return;
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakePipe_[1], &c, 1);
}

void SessionManager::Forget(void* ice) {
    std::erase(connections_, static_cast<IceConn>(ice));
}

void SessionManager::Run() {
    auto* objs = static_cast<IceListenObj*>(listen_);
    while (!stop_) {
        std::vector<pollfd> fds{{wakePipe_[0], POLLIN, 0}};
        for (int i = 0; i < listenCount_; ++i)
            fds.push_back({IceGetListenConnectionNumber(objs[i]), POLLIN, 0});
        const std::vector<IceConn> conns(connections_.begin(), connections_.end());
        for (IceConn c : conns)
            fds.push_back({IceConnectionNumber(c), POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0) continue;
        if (fds[0].revents) {
            char buf[16];
            while (::read(wakePipe_[0], buf, sizeof buf) > 0) {
            }
        }
        if (logOutAsked_ && !logOutSent_ && client_) {
            logOutSent_ = true;
            SmsSaveYourself(static_cast<SmsConn>(client_), SmSaveBoth, True, SmInteractStyleAny, False);
        }
        for (int i = 0; i < listenCount_; ++i) {
            if (!fds[1 + static_cast<size_t>(i)].revents) continue;
            IceAcceptStatus status;
            if (IceConn c = IceAcceptConnection(objs[i], &status)) connections_.push_back(c);
        }
        for (size_t k = 0; k < conns.size(); ++k) {
            if (!fds[1 + static_cast<size_t>(listenCount_) + k].revents) continue;
            IceConn c = conns[k];
            const IceProcessMessagesStatus r = IceProcessMessages(c, nullptr, nullptr);
            if (r == IceProcessMessagesConnectionClosed) {
                Forget(c); // closed by the client's goodbye, in CloseConnection
            } else if (r == IceProcessMessagesIOError || IceConnectionStatus(c) == IceConnectRejected) {
                if (client_ && SmsGetIceConnection(static_cast<SmsConn>(client_)) == c) {
                    SmsCleanUp(static_cast<SmsConn>(client_));
                    client_ = nullptr;
                }
                IceSetShutdownNegotiation(c, False);
                IceCloseConnection(c);
                Forget(c);
            }
        }
    }
}

} // namespace wm
