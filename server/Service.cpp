#include "server/Service.h"

#include <httplib.h>

#include <ctime>
#include <ostream>
#include <variant>

#include "common/Text.h"
#include "links/Links.h"
#include "server/Html.h"
#include "server/Pages.h"
#include "server/Query.h"
#include "server/Rules.h"

namespace brisvane::server {

namespace {

using Params = std::map<std::string, std::string>;

constexpr std::size_t MaxHeaders = 50;
constexpr std::size_t MaxBody = 16 * 1024;
constexpr std::size_t PasswordMinCharacters = 6;
constexpr std::size_t PasswordMaxCharacters = 100;
constexpr const char* Html = "text/html; charset=utf-8";

Params queryParams(const httplib::Request& req) {
    return parseForm(queryOf(req.target));
}

std::string param(const Params& params, const std::string& name) {
    const auto found = params.find(name);
    return found == params.end() ? std::string{} : found->second;
}

int pageParam(const Params& params) {
    const std::optional<int> page = parseCount(param(params, "page"));
    return page && *page >= 1 ? *page : 1;
}

void answer(httplib::Response& res, int status, const std::string& body,
            const char* type = Html) {
    res.status = status;
    res.set_content(body, type);
}

// A name as a refusal shows it: escaped, and cut so a hostile one cannot fill the page.
std::string shownName(const std::string& name) {
    return escape(text::length(name) > 40 ? text::left(name, 40) + "…" : name);
}

struct Refusal {
    int status;
    std::string message; // markup
};

struct Checked {
    NewEntry entry;
    std::string user;
    std::string pass;
};

// The cheap checks of a submission, before any account or password is looked at.
std::variant<Checked, Refusal> checkFields(const Texts& t, const SubmissionQuery& q,
                                           std::chrono::system_clock::time_point now) {
    if (!q.repeated.empty()) {
        return Refusal{400, fill(escape(t.ambiguous), {escape(q.repeated)})};
    }
    for (const char* required : {"user", "pass", "ver", "rev", "date", "points", "key"}) {
        if (q.fields.count(required) == 0 || (q.fields.at(required).empty() &&
                                              std::string_view(required) != "pass")) {
            return Refusal{400, fill(escape(t.incomplete), {required})};
        }
    }
    const auto field = [&](const char* name) { return param(q.fields, name); };
    const auto version = parseCount(field("ver"));
    const auto revision = parseCount(field("rev"));
    if (!version || !revision || !isKnownVersion(*version, *revision)) {
        return Refusal{422, escape(t.unknownVersion)};
    }
    const auto date = parseCount(field("date"));
    if (!date || !isDateNumber(*date)) {
        return Refusal{422, escape(t.badDate)};
    }
    if (*date > latestDateNumber(now)) {
        return Refusal{422, escape(t.futureDate)};
    }
    const auto points = parseCount(field("points"));
    if (!points || *points < 1 || *points > highestScore()) {
        return Refusal{422, fill(escape(t.badPoints), {shownName(field("points"))})};
    }
    if (!keyMatches(field("key"), *points, *date, *version)) {
        return Refusal{422, escape(t.badKey)};
    }
    NewEntry entry{0, *points, field("key"), *date, *version, *revision,
                   field("lan").empty() ? "English" : text::left(field("lan"), 40),
                   text::left(field("screen"), 20), text::left(field("os"), 20), 0};
    return Checked{std::move(entry), field("user"), field("pass")};
}

std::string nameProblemText(const Texts& t, NameProblem problem) {
    switch (problem) {
    case NameProblem::Empty: return std::string(t.nameEmpty);
    case NameProblem::TooLong: return std::string(t.nameTooLong);
    case NameProblem::ControlCharacter: return std::string(t.nameControl);
    case NameProblem::BlankAtEdge: return std::string(t.nameBlankEdge);
    case NameProblem::NotUtf8: return std::string(t.nameNotUtf8);
    case NameProblem::None: break;
    }
    return {};
}

std::string timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    ::gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

// A path as the log shows it: printable ASCII only, so no request can forge a log line.
std::string loggedPath(const std::string& path) {
    std::string out;
    for (const char c : path.substr(0, 200)) {
        out += (c >= 0x21 && c <= 0x7E) ? c : '?';
    }
    return out;
}

} // namespace

Service::Service(Store& store, Passwords& passwords, ServiceOptions options, std::ostream& log,
                 Now now)
    : store_(store), passwords_(passwords), options_(options), limit_(options.ratePerMinute),
      log_(log), now_(std::move(now)) {}

void Service::writeLog(const std::string& line) {
    const std::lock_guard lock(logMutex_);
    log_ << timestamp() << ' ' << line << std::endl;
}

std::string Service::clientAddress(const httplib::Request& req) const {
    if (options_.behindProxy && req.has_header("X-Forwarded-For")) {
        const std::string chain = req.get_header_value("X-Forwarded-For");
        return text::trim(chain.substr(chain.rfind(',') + 1));
    }
    return req.remote_addr;
}

void Service::home(const httplib::Request& req, httplib::Response& res) {
    const Params params = queryParams(req);
    std::vector<TableRow> rows = readTable(TableQuery{}).rows;
    if (rows.size() > 10) {
        rows.resize(10);
    }
    answer(res, 200, homePage(textsFor(param(params, "lan")), rows));
}

TableView Service::tableView(const httplib::Request& req, const char* filter) {
    const Params params = queryParams(req);
    TableView view;
    view.query.period = param(params, "period") == "month" ? Period::Month : Period::AllTime;
    view.query.month = currentDateNumber(now_());
    view.query.lan = text::left(param(params, filter), 40);
    view.query.page = pageParam(params);
    return readTable(view.query);
}

TableView Service::readTable(const TableQuery& query) {
    const auto now = TableCache::Clock::now();
    if (std::optional<TableView> kept = cache_.find(query, now)) {
        return *kept;
    }
    const std::uint64_t generation = cache_.generation();
    TableView view{query, store_.table(query), store_.count(query)};
    cache_.keep(view, generation, now);
    return view;
}

void Service::table(const httplib::Request& req, httplib::Response& res) {
    // The page's own language is `lan`, as on every page; the table's is `filter`.
    answer(res, 200, tablePage(textsFor(param(queryParams(req), "lan")), tableView(req, "filter")));
}

void Service::api(const httplib::Request& req, httplib::Response& res) {
    answer(res, 200, tableJson(tableView(req, "lan")), "application/json; charset=utf-8");
}

void Service::player(const httplib::Request& req, httplib::Response& res) {
    const Params params = queryParams(req);
    const Texts& t = textsFor(param(params, "lan"));
    const std::string name = param(params, "user");
    const std::optional<Account> account = store_.account(nameKey(name));
    if (!account) {
        answer(res, 404, page(t, t.table, "<p>" + fill(escape(t.noPlayer), {shownName(name)}) + "</p>"));
        return;
    }
    TableView view;
    view.query.page = pageParam(params);
    view.rows = store_.playerEntries(account->id, view.query.page);
    view.total = store_.playerCount(account->id);
    answer(res, 200, playerPage(t, account->name, view));
}

void Service::entry(const httplib::Request& req, httplib::Response& res) {
    const Params params = queryParams(req);
    const Texts& t = textsFor(param(params, "lan"));
    const std::optional<int> id = parseCount(param(params, "id"));
    std::optional<TableRow> row = id ? store_.entry(*id) : std::nullopt;
    if (!row) {
        answer(res, 404, messagePage(t, t.table, t.notFound));
        return;
    }
    row->place = store_.place(*row);
    answer(res, 200, entryPage(t, *row));
}

void Service::send(const httplib::Request& req, httplib::Response& res) {
    const SubmissionQuery query = parseSubmission(queryOf(req.target));
    const Texts& t = textsFor(param(query.fields, "lan"));
    res.set_header("Cache-Control", "no-store");
    auto checked = checkFields(t, query, now_());
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        answer(res, refusal->status, refusedPage(t, refusal->message));
        return;
    }
    Checked& c = std::get<Checked>(checked);
    // Cut, so that hostile names cannot make the rate limit hold much memory.
    const std::string key = nameKey(text::left(c.user, 2 * NameMaxCharacters));
    if (!limit_.allow("send address " + clientAddress(req)) || !limit_.allow("send account " + key)) {
        res.set_header("Retry-After", "60");
        answer(res, 429, refusedPage(t, escape(t.tooMany)));
        return;
    }
    const std::optional<Account> account = store_.account(key);
    if (!account) {
        const std::string link = "/signup?name=" + queryValue(text::left(c.user, 20)) +
                                 lanSuffix(t, '&');
        answer(res, 404, refusedPage(t, fill(escape(t.unknownAccount), {shownName(c.user)}) +
                                            " <a href=\"" + escape(link) + "\">" +
                                            escape(t.signupLink) + "</a>"));
        return;
    }
    if (!passwords_.verify(account->passwordHash, c.pass)) {
        answer(res, 403, refusedPage(t, fill(escape(t.wrongPassword), {shownName(account->name)})));
        return;
    }
    c.entry.accountId = account->id;
    c.entry.received = std::chrono::duration_cast<std::chrono::seconds>(
                           now_().time_since_epoch()).count();
    const std::int64_t id = store_.addEntry(c.entry);
    cache_.clear();
    // The address the browser keeps from here on holds no password.
    res.set_redirect("/highscore/entry?id=" + std::to_string(id) + lanSuffix(t, '&'), 303);
}

void Service::signupForm(const httplib::Request& req, httplib::Response& res) {
    const Params params = queryParams(req);
    const std::string name = text::left(param(params, "name"), NameMaxCharacters);
    answer(res, 200, signupPage(textsFor(param(params, "lan")), name, ""));
}

void Service::signup(const httplib::Request& req, httplib::Response& res) {
    const Params form = parseForm(req.body);
    const Texts& t = textsFor(param(form, "lan"));
    res.set_header("Cache-Control", "no-store");
    const std::string name = param(form, "name");
    const std::string password = param(form, "password");
    const std::string shown = text::left(name, NameMaxCharacters);
    const auto refuse = [&](int status, const std::string& problem) {
        answer(res, status, signupPage(t, shown, problem));
    };
    if (const NameProblem problem = checkName(name); problem != NameProblem::None) {
        refuse(400, nameProblemText(t, problem));
        return;
    }
    if (password != param(form, "password2")) {
        refuse(400, std::string(t.passwordsDiffer));
        return;
    }
    if (text::length(password) < PasswordMinCharacters) {
        refuse(400, std::string(t.passwordShort));
        return;
    }
    if (text::length(password) > PasswordMaxCharacters) {
        refuse(400, std::string(t.passwordLong));
        return;
    }
    const std::string key = nameKey(name);
    if (!limit_.allow("signup address " + clientAddress(req)) || !limit_.allow("signup account " + key)) {
        res.set_header("Retry-After", "60");
        refuse(429, std::string(t.tooMany));
        return;
    }
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(now_().time_since_epoch());
    if (store_.account(key) || !store_.createAccount(name, key, passwords_.hash(password), now.count())) {
        refuse(409, fill(t.nameTaken, {name}));
        return;
    }
    writeLog("account created");
    res.set_redirect("/signup/done?name=" + queryValue(name) + lanSuffix(t, '&'), 303);
}

void Service::signupDone(const httplib::Request& req, httplib::Response& res) {
    const Params params = queryParams(req);
    const Texts& t = textsFor(param(params, "lan"));
    const std::optional<Account> account = store_.account(nameKey(param(params, "name")));
    if (!account) {
        answer(res, 404, messagePage(t, t.signup, t.notFound));
        return;
    }
    answer(res, 200, signupDonePage(t, account->name));
}

void Service::install(httplib::Server& server) {
    server.set_payload_max_length(MaxBody);
    server.set_read_timeout(5, 0);
    server.set_write_timeout(5, 0);
    server.set_keep_alive_timeout(5);
    server.set_keep_alive_max_count(1000);
    // A response goes out in two writes (head, then body): without this the second waits for
    // the client's delayed acknowledgement, some 40 ms.
    server.set_tcp_nodelay(true);
    httplib::Headers headers{
        {"Content-Security-Policy", "default-src 'none'; style-src 'self'; img-src 'self'; "
                                    "form-action 'self'; base-uri 'none'; frame-ancestors 'none'"},
        {"Referrer-Policy", "no-referrer"},
        {"X-Content-Type-Options", "nosniff"}};
    if (options_.tls) {
        headers.emplace("Strict-Transport-Security", "max-age=31536000");
    }
    server.set_default_headers(headers);

    server.set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        if (req.headers.size() > MaxHeaders) {
            res.status = 431;
            res.set_content("Too many header fields\n", "text/plain; charset=utf-8");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    const auto route = [this](void (Service::*handler)(const httplib::Request&, httplib::Response&)) {
        return [this, handler](const httplib::Request& req, httplib::Response& res) {
            (this->*handler)(req, res);
        };
    };
    server.Get("/", route(&Service::home));
    server.Get("/highscore", route(&Service::table));
    server.Get("/highscore/send", route(&Service::send));
    server.Get("/highscore/entry", route(&Service::entry));
    server.Get("/highscore/player", route(&Service::player));
    server.Get("/api/highscore", route(&Service::api));
    server.Get("/signup", route(&Service::signupForm));
    server.Post("/signup", route(&Service::signup));
    server.Get("/signup/done", route(&Service::signupDone));
    server.Get("/help", [](const httplib::Request& req, httplib::Response& res) {
        answer(res, 200, helpPage(textsFor(param(queryParams(req), "lan"))));
    });
    server.Get("/sms", [](const httplib::Request& req, httplib::Response& res) {
        answer(res, 200, smsPage(textsFor(param(queryParams(req), "lan"))));
    });
    server.Get("/style.css", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Cache-Control", "max-age=3600");
        answer(res, 200, std::string(styleSheet()), "text/css; charset=utf-8");
    });
    installErrorPages(server);
}

void Service::installErrorPages(httplib::Server& server) {
    server.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
        if (res.body.empty()) {
            const Texts& t = textsFor(param(queryParams(req), "lan"));
            const bool tooLarge = res.status == 413 || res.status == 414 || res.status == 431;
            res.set_content(messagePage(t, t.home, res.status == 404 ? t.notFound
                                                   : tooLarge        ? t.tooLarge
                                                                     : t.failure),
                            Html);
        }
    });
    server.set_exception_handler([this](const httplib::Request& req, httplib::Response& res,
                                        std::exception_ptr error) {
        std::string what = "unknown error";
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        writeLog("error in " + loggedPath(req.path) + ": " + what);
        const Texts& t = textsFor(param(queryParams(req), "lan"));
        answer(res, 503, messagePage(t, t.home, t.failure));
    });
    server.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        writeLog(loggedPath(clientAddress(req)) + " " + loggedPath(req.method) + " " + loggedPath(req.path) +
                 " " + std::to_string(res.status));
    });
}

} // namespace brisvane::server
