#pragma once
// Fakes of the platform ports: they record what the core asked and answer from a script,
// so every test is deterministic and needs no display, audio device or network.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/Ports.h"
#include "common/Texts.h"
#include "language/Language.h"
#include "settings/FileProfile.h"

namespace brisvane::testing {

// The first answer of a script, or `otherwise` when the script has run dry.
template <typename T> T nextAnswer(std::deque<T>& script, T otherwise) {
    if (script.empty()) {
        return otherwise;
    }
    T answer = script.front();
    script.pop_front();
    return answer;
}

// A clock that stands still until the test moves it.
class FakeClock : public Clock {
public:
    DateTime current{2002, 2, 22, 0, 37, 41, 0};
    DateTime now() const override { return current; }
};

// Answers a scripted sequence of numbers in [0, 1); when the script runs dry it repeats
// `fallback`. Seeds are recorded.
class FakeRandom : public Random {
public:
    std::deque<double> script;
    double fallback = 0.0;
    std::vector<double> seeds;

    void seed(double timeOfDay) override { seeds.push_back(timeOfDay); }
    double next() override { return nextAnswer(script, fallback); }
    // Scripts the numbers that make the unheld dice show these faces, in die order.
    void queueFaces(std::initializer_list<int> faces);
};

struct PlayedSound {
    std::string path;
    bool wait;
    bool operator==(const PlayedSound&) const = default;
};

class FakeSound : public Sound {
public:
    std::vector<PlayedSound> played;
    std::vector<std::vector<std::string>> warmedUp;
    void play(const std::string& path, bool wait) override { played.push_back({path, wait}); }
    void warmUp(const std::vector<std::string>& files) override { warmedUp.push_back(files); }
};

class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    bool answer = true; // whether the desktop could open it
    bool open(const std::string& target) override {
        opened.push_back(target);
        return answer;
    }
};

// Every box is recorded; yes/no questions, input boxes and file choosers take their answers
// from queues. An empty queue answers with the box's default (yes/no) or with a cancel (input
// box, file chooser).
class FakeDialogs : public Dialogs {
public:
    struct Question {
        std::string title;
        std::string question;
        DefaultButton defaultButton;
    };
    struct Input {
        std::string prompt;
        std::string title;
        std::string preset;
    };
    struct Message {
        std::string title;
        std::string text;
        MessageKind kind = MessageKind::Information;
    };
    struct FileChoice {
        std::string title;
        std::string filter;
        std::string folder;
    };

    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;

    std::vector<Question> questions;
    std::vector<Input> inputs;
    std::vector<Message> messages;
    std::vector<FileChoice> fileChoices;
    // Run while an input box or a message box is open, as the rest of the world goes on.
    std::function<void()> whileAsking;
    std::function<void()> whileShowing;

    bool askYesNo(const std::string& title, const std::string& question,
                  DefaultButton defaultButton) override {
        questions.push_back({title, question, defaultButton});
        return nextAnswer(yesNoAnswers, defaultButton == DefaultButton::Yes);
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& preset) override {
        inputs.push_back({prompt, title, preset});
        if (whileAsking) {
            whileAsking();
        }
        return nextAnswer(inputAnswers, std::optional<std::string>());
    }
    void message(const std::string& title, const std::string& text,
                 MessageKind kind = MessageKind::Information) override {
        messages.push_back({title, text, kind});
        if (whileShowing) {
            whileShowing();
        }
    }
    std::optional<std::string> chooseFile(const std::string& title, const std::string& filter,
                                          const std::string& folder) override {
        fileChoices.push_back({title, filter, folder});
        return nextAnswer(fileAnswers, std::optional<std::string>());
    }
    // The save chooser's suggested name is kept as a choice's folder.
    std::optional<std::string> chooseSaveFile(const std::string& title, const std::string& filter,
                                              const std::string& suggested) override {
        fileChoices.push_back({title, filter, suggested});
        return nextAnswer(fileAnswers, std::optional<std::string>());
    }
};

// Records every message and answers from a script; an empty script means success.
class FakeMail : public Mail {
public:
    std::vector<MailMessage> sent;
    std::deque<MailResult> results;
    MailResult send(const MailMessage& message) override {
        sent.push_back(message);
        return nextAnswer(results, MailResult{});
    }
};

// A 1920 x 1080 screen with a taskbar of 40 pixels below its work area.
class FakeScreen : public Screen {
public:
    TwipRect area{0, 0, 1920 * 15, 1040 * 15};
    int width = 1920 * 15;
    int height = 1080 * 15;
    int platform = 2;
    TwipRect workArea() const override { return area; }
    int screenWidth() const override { return width; }
    int screenHeight() const override { return height; }
    int platformId() const override { return platform; }
};

// A settable decimal separator and month names (1..12; "" for any other number).
class FakeLocale : public Locale {
public:
    std::string separator = ".";
    std::vector<std::string> months{"January", "February", "March",     "April",
                                    "May",     "June",     "July",      "August",
                                    "September", "October", "November", "December"};
    std::string decimalSeparator() const override { return separator; }
    std::string shortDate(const DateTime&) const override { return {}; }
    std::string longTime(const DateTime& when) const override;
    std::string monthName(int month) const override {
        return month >= 1 && month <= static_cast<int>(months.size())
                   ? months[static_cast<std::size_t>(month - 1)]
                   : std::string();
    }
};

// Keeps the work it is given until the test runs it, or until its owner waits for it.
class FakeWorker : public Worker {
public:
    std::vector<std::function<void()>> pending;
    int started = 0;
    bool immediate = false; // each work runs as it starts, as on a worker fast enough

    void start(std::function<void()> work) override {
        ++started;
        pending.push_back(std::move(work));
        if (immediate) {
            runAll();
        }
    }
    void wait() override { runAll(); }
    void runAll() {
        auto jobs = std::move(pending);
        pending.clear();
        for (auto& job : jobs) {
            job();
        }
    }
};

// Texts from a map; an absent key gives "" as an absent language key does.
class FakeTexts : public Texts {
public:
    std::map<std::string, std::string> texts;
    std::optional<std::uint64_t> version; // what revision() answers
    // As a language file: a key of the program's own numbering that the map lacks reads from
    // the shipped English file.
    std::string T(const std::string& key) const override {
        const auto it = texts.find(key);
        if (it != texts.end()) {
            return it->second;
        }
        if (!Language::isOwnKey(key)) {
            return {};
        }
        static FileProfile shipped;
        return shipped.GetINI("Language", key, BRISVANE_SOURCE_DIR "/data/English.lan");
    }
    std::optional<std::uint64_t> revision() const override { return version; }
};

}  // namespace brisvane::testing
