#pragma once
// The web service: its routes, the checks of a submission and of a sign-up, the headers every
// answer carries, the limits on requests and the access log. Nothing here logs or shows a
// password or a query string.

#include <chrono>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>

#include "server/Passwords.h"
#include "server/Pages.h"
#include "server/RateLimit.h"
#include "server/Store.h"
#include "server/TableCache.h"

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace brisvane::server {

struct ServiceOptions {
    int ratePerMinute = 10; // sends and sign-ups per address and per account; 0 = no limit
    bool behindProxy = false; // the client's address is the last of X-Forwarded-For
    bool tls = false;
};

class Service {
public:
    using Now = std::function<std::chrono::system_clock::time_point()>;

    Service(Store& store, Passwords& passwords, ServiceOptions options, std::ostream& log,
            Now now = std::chrono::system_clock::now);

    // Routes, limits, headers and the access log on `server`.
    void install(httplib::Server& server);

private:
    void home(const httplib::Request& req, httplib::Response& res);
    void table(const httplib::Request& req, httplib::Response& res);
    void api(const httplib::Request& req, httplib::Response& res);
    void player(const httplib::Request& req, httplib::Response& res);
    void entry(const httplib::Request& req, httplib::Response& res);
    void send(const httplib::Request& req, httplib::Response& res);
    void signupForm(const httplib::Request& req, httplib::Response& res);
    void signup(const httplib::Request& req, httplib::Response& res);
    void signupDone(const httplib::Request& req, httplib::Response& res);

    TableView tableView(const httplib::Request& req, const char* filter);
    TableView readTable(const TableQuery& query);
    void installErrorPages(httplib::Server& server);
    std::string clientAddress(const httplib::Request& req) const;
    void writeLog(const std::string& line);

    Store& store_;
    Passwords& passwords_;
    ServiceOptions options_;
    RateLimit limit_;
    TableCache cache_;
    std::ostream& log_;
    std::mutex logMutex_;
    Now now_;
};

} // namespace brisvane::server
