#pragma once
// The platform services the core asks for. Each port is a small interface; the Qt adapters
// live in windows/, the fakes in tests/support/. The core never talks to the platform
// in any other way (file reading and writing through std::filesystem excepted).

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisvane {

// Local calendar date and wall-clock time.
struct DateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    // Seconds since local midnight, with the fraction of the current second.
    double secondsSinceMidnight() const {
        return hour * 3600.0 + minute * 60.0 + second + millisecond / 1000.0;
    }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

// A uniform pseudo-random generator in [0, 1) that the game re-seeds before every roll.
class Random {
public:
    virtual ~Random() = default;
    virtual void seed(double timeOfDay) = 0;
    virtual double next() = 0;  // uniform in [0, 1)
};

// Plays a sound file. Without waiting, the call returns at once and a new sound cuts the one
// playing; with waiting, the call returns when the sound has finished. A missing file plays
// the desktop's default beep; no audio device means silence. Never throws.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const std::string& path, bool wait) = 0;
    // Starts the back end and loads `files`, so that their first play starts at once instead
    // of after the back end has come up. It takes a moment: made once the window is shown.
    virtual void warmUp(const std::vector<std::string>& files) { (void)files; }
};

// Opens a web address or a file with the program the desktop associates with it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const std::string& target) = 0;
};

enum class DefaultButton { Yes, No };
// What a message box tells, shown by its icon: news, or a failure or refusal.
enum class MessageKind { Information, Warning };

// Modal boxes. The caller has brought every window up to date before asking.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual bool askYesNo(const std::string& title, const std::string& question,
                          DefaultButton defaultButton) = 0;
    // Returns nothing when the player cancels.
    virtual std::optional<std::string> inputBox(const std::string& prompt,
                                                const std::string& title,
                                                const std::string& preset) = 0;
    virtual void message(const std::string& title, const std::string& text,
                         MessageKind kind = MessageKind::Information) = 0;
    // A file to open, chosen starting in `folder` ("" for the desktop's choice). `filter` is
    // either a list of patterns such as "*.lan", or pairs of a description and its patterns
    // joined by "|", patterns separated by ";" ("Language files|*.lan;*2.lan|Work files|*.nla").
    // Returns the full path, or nothing when cancelled.
    virtual std::optional<std::string> chooseFile(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& folder) = 0;
    // A file to write, `suggested` proposed as its name; a file that exists is only chosen
    // after the player agreed to replace it. `filter` as for chooseFile.
    virtual std::optional<std::string> chooseSaveFile(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& suggested) = 0;
};

// Rectangles in twips (15 twips to a pixel at 96 dpi).
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual TwipRect workArea() const = 0;
    virtual int screenWidth() const = 0;   // twips
    virtual int screenHeight() const = 0;  // twips
    virtual int platformId() const = 0;
};

struct MailMessage {
    std::string to;
    std::string subject;
    std::string body;
    std::string attachmentPath;  // empty: no attachment
};

// What became of a message: error 0 when the mail program took it over; otherwise a number
// and a description for the log line and the player.
struct MailResult {
    int error = 0;
    std::string description;
    bool sent() const { return error == 0; }
};

// Hands a message to the user's mail program.
class Mail {
public:
    virtual ~Mail() = default;
    virtual MailResult send(const MailMessage& message) = 0;
};

// Runs one long piece of work away from the user-interface thread, so the windows stay
// responsive meanwhile. The work must not touch the windows: it leaves its results where its
// owner looks for them on the user-interface thread, and its owner waits for it before going
// away.
class Worker {
public:
    virtual ~Worker() = default;
    // Starts `work`, after the work started before it has returned.
    virtual void start(std::function<void()> work) = 0;
    // Returns when the work started last has returned.
    virtual void wait() = 0;
};

// The desktop's display conventions.
class Locale {
public:
    virtual ~Locale() = default;
    virtual std::string decimalSeparator() const = 0;
    virtual std::string shortDate(const DateTime& when) const = 0;
    virtual std::string longTime(const DateTime& when) const = 0;
    virtual std::string monthName(int month) const = 0;  // 1..12
};

}  // namespace brisvane
