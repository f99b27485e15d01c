// brisvane-scores: the highscore service that the game's web links and submissions point at.

#include <httplib.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>

#include "program/Program.h"
#include "server/Database.h"
#include "server/Options.h"
#include "server/Passwords.h"
#include "server/Rules.h"
#include "server/Service.h"
#include "server/Store.h"

using namespace brisvane::server;

namespace {

std::unique_ptr<httplib::Server> makeServer(const Options& options) {
    if (options.tlsCert.empty()) {
        return std::make_unique<httplib::Server>();
    }
    auto server = std::make_unique<httplib::SSLServer>(options.tlsCert.c_str(), options.tlsKey.c_str());
    if (!server->is_valid()) {
        throw std::runtime_error("cannot read the TLS certificate or key");
    }
    return server;
}

// SIGTERM and SIGINT stop the server gracefully: requests under way are answered.
std::thread stopOnSignal(httplib::Server& server, sigset_t signals, std::atomic<bool>& signalled) {
    return std::thread([&server, &signalled, signals] {
        int received = 0;
        sigwait(&signals, &received);
        signalled = true;
        server.stop();
    });
}

int run(const Options& options) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    const std::string address =
        options.database.empty() ? defaultDatabase(std::getenv("STATE_DIRECTORY")) : options.database;
    auto database = Database::open(address, options.connections);
    migrate(*database->acquire());
    Store store(*database);
    highestScore(); // the rules are read over all rolls once, before the first request
    Passwords passwords(std::max(1U, std::thread::hardware_concurrency()));
    ServiceOptions serviceOptions{options.ratePerMinute, options.behindProxy, !options.tlsCert.empty()};
    Service service(store, passwords, serviceOptions, std::cerr);

    auto server = makeServer(options);
    const int threads = options.threads;
    server->new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<std::size_t>(threads)); };
    service.install(*server);
    int port = options.port;
    if (port == 0) {
        port = server->bind_to_any_port(options.host);
    } else if (!server->bind_to_port(options.host, port)) {
        port = -1;
    }
    if (port < 0) {
        std::cerr << "brisvane-scores: cannot listen on " << options.host << ":" << options.port << "\n";
        return 1;
    }
    std::cout << "brisvane-scores listening on " << (options.tlsCert.empty() ? "http" : "https")
              << "://" << options.host << ":" << port << "/" << std::endl;
    std::atomic<bool> signalled = false;
    std::thread stopper = stopOnSignal(*server, signals, signalled);
    const bool ok = server->listen_after_bind();
    if (!signalled) {
        // The server ended by itself: wake the signal thread so that it ends too.
        pthread_kill(stopper.native_handle(), SIGTERM);
    }
    stopper.join();
    return ok || signalled ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "brisvane-scores: " << parsed.error << "\nTry brisvane-scores --help.\n";
        return 2;
    }
    if (parsed.options.help) {
        std::cout << helpText();
        return 0;
    }
    if (parsed.options.version) {
        std::cout << "brisvane-scores " << brisvane::Program::ProgramVersion
                  << brisvane::Program::ProgramRevision << "\n";
        return 0;
    }
    try {
        return run(parsed.options);
    } catch (const std::exception& error) {
        std::cerr << "brisvane-scores: " << error.what() << "\n";
        return 1;
    }
}
