// SPDX-License-Identifier: GPL-3.0-or-later
// A session manager for the end-to-end tests, with one client: prints the address to put
// in SESSION_MANAGER, and once the file TRIGGER exists asks every registered client to
// save itself as at a logout. Prints "saved" when a client reports it has done so; when
// TRIGGER holds the word "die", then tells it to end, as the logout goes on. Exits once
// the last client has gone (or after a minute).
// usage: FakeSessionManager TRIGGER
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string_view>
#include <vector>

namespace {

struct Session {
    std::vector<IceListenObj> listeners;
    std::vector<IceConn> connections;
    std::vector<SmsConn> clients;
    bool asked = false;
    bool dieAfterSaving = false;
};

Bool AnyHost(char*) {
    return True;
}

void IgnoreIoError(IceConn) {}

Status RegisterClient(SmsConn client, SmPointer data, char*) {
    auto* session = static_cast<Session*>(data);
    SmsRegisterClientReply(client, SmsGenerateClientID(client));
    session->clients.push_back(client);
    return 1;
}

void SaveYourselfDone(SmsConn client, SmPointer data, Bool success) {
    std::printf("%s\n", success ? "saved" : "not saved");
    std::fflush(stdout);
    if (static_cast<Session*>(data)->dieAfterSaving) {
        SmsDie(client);
    }
}

bool HoldsDie(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        return false;
    }
    char word[4] = {};
    const bool die = std::fread(word, 1, 3, file) == 3 && std::string_view(word, 3) == "die";
    std::fclose(file);
    return die;
}

void CloseConnection(SmsConn client, SmPointer data, int, char**) {
    auto* session = static_cast<Session*>(data);
    std::erase(session->clients, client);
    std::erase(session->connections, SmsGetIceConnection(client));
    IceCloseConnection(SmsGetIceConnection(client));
    SmsCleanUp(client);
}

Status NewClient(SmsConn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks, char**) {
    *callbacks = {};
    callbacks->register_client = {RegisterClient, data};
    callbacks->save_yourself_done = {SaveYourselfDone, data};
    callbacks->close_connection = {CloseConnection, data};
    callbacks->interact_request = {[](SmsConn, SmPointer, int) {}, data};
    callbacks->interact_done = {[](SmsConn, SmPointer, Bool) {}, data};
    callbacks->save_yourself_request = {[](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {},
                                        data};
    callbacks->save_yourself_phase2_request = {[](SmsConn, SmPointer) {}, data};
    callbacks->set_properties = {[](SmsConn, SmPointer, int, SmProp**) {}, data};
    callbacks->delete_properties = {[](SmsConn, SmPointer, int, char**) {}, data};
    callbacks->get_properties = {
        [](SmsConn client, SmPointer) { SmsReturnProperties(client, 0, nullptr); }, data};
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

bool Listen(Session& session) {
    char error[256];
    if (!SmsInitialize("Vorpin tests", "1", NewClient, &session, AnyHost, sizeof error, error)) {
        std::fprintf(stderr, "FakeSessionManager: %s\n", error);
        return false;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "FakeSessionManager: %s\n", error);
        return false;
    }
    session.listeners.assign(listeners, listeners + count);
    for (IceListenObj listener : session.listeners) {
        IceSetHostBasedAuthProc(listener, AnyHost);
    }
    char* address = IceComposeNetworkIdList(count, listeners);
    std::printf("%s\n", address);
    std::fflush(stdout);
    return true;
}

// Accepts a connection on `listener`, or reads from `connection`, whichever is given.
void Serve(Session& session, IceListenObj listener, IceConn connection) {
    if (listener != nullptr) {
        IceAcceptStatus status;
        IceConn accepted = IceAcceptConnection(listener, &status);
        if (accepted != nullptr && status == IceAcceptSuccess) {
            session.connections.push_back(accepted);
        }
        return;
    }
    if (IceProcessMessages(connection, nullptr, nullptr) == IceProcessMessagesIOError) {
        std::erase(session.connections, connection);
        IceCloseConnection(connection);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: FakeSessionManager TRIGGER\n");
        return 2;
    }
    IceSetIOErrorHandler(IgnoreIoError);
    Session session;
    if (!Listen(session)) {
        return 1;
    }
    const std::time_t end = std::time(nullptr) + 60;
    bool served = false;
    while (std::time(nullptr) < end && (!served || !session.connections.empty())) {
        if (!session.asked && !session.clients.empty() && access(argv[1], F_OK) == 0) {
            session.dieAfterSaving = HoldsDie(argv[1]);
            for (SmsConn client : session.clients) {
                SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleNone, False);
            }
            session.asked = true;
        }
        std::vector<pollfd> watched;
        for (IceListenObj listener : session.listeners) {
            watched.push_back({IceGetListenConnectionNumber(listener), POLLIN, 0});
        }
        for (IceConn connection : session.connections) {
            watched.push_back({IceConnectionNumber(connection), POLLIN, 0});
        }
        if (poll(watched.data(), watched.size(), 100) <= 0) {
            continue;
        }
        const std::size_t listeners = session.listeners.size();
        for (std::size_t at = 0; at < watched.size(); ++at) {
            if (watched[at].revents != 0) {
                served = served || at >= listeners;
                Serve(session, at < listeners ? session.listeners[at] : nullptr,
                      at < listeners ? nullptr : session.connections[at - listeners]);
                break;  // the lists may have changed
            }
        }
    }
    return 0;
}
