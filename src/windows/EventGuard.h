#pragma once
// The one guard every event handler of the windows runs inside: an exception that escapes a
// handler becomes a report (a log line and the error marker), never a crash. Qt-free.

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace brisvane {

class EventGuard {
public:
    // `where` names the handler ("Roll click", "Form load"); an exception of unknown type
    // arrives as a runtime_error saying so.
    using Reporter = std::function<void(const std::string& where, const std::exception& error)>;

    EventGuard() = default;
    explicit EventGuard(Reporter report) : report_(std::move(report)) {}
    void setReporter(Reporter report) { report_ = std::move(report); }

    // Runs `handler`; returns false when it threw.
    template <typename Handler> bool run(const char* where, Handler&& handler) noexcept {
        try {
            handler();
            return true;
        } catch (const std::exception& error) {
            report(where, error);
        } catch (...) {
            report(where, std::runtime_error("unknown error"));
        }
        return false;
    }

private:
    void report(const char* where, const std::exception& error) noexcept {
        try {
            if (report_) {
                report_(where, error);
            }
        } catch (...) {
            // Reporting must not turn one failure into a crash; the marker stays as it was.
        }
    }

    Reporter report_;
};

} // namespace brisvane
