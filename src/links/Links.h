#pragma once
// Web pages and the program's own files, opened with the desktop's associated program.
//
// Two link texts hold what opens next: `MainLink` for the game and settings windows, `MenuLink`
// for the menu window. Each window's `Uplink` opens its text. A web entry may ask first
// (Options/WarnHomepage exactly "Yes"), may beep (see `WebPage`), logs the visit and then
// opens the page's address from section Internet, most with "?lan=" and the language's
// international name. The tools entries and the error marker open files of the program
// folder without asking or logging.
//
// Only http: and https: addresses go to the desktop as addresses, and the program's own files go
// as file addresses of exactly their bytes, so no text of the settings file can make the desktop
// run or fetch anything else. A configured address of another kind is refused with a message
// that names its key, and logged. An unset address or a missing file opens nothing, silently.

#include <functional>
#include <string>
#include <string_view>

#include "common/Ports.h"
#include "common/Profile.h"

namespace brisvane {

class EventLog;
class Language;
class SoundBoard;

// A query value with every byte outside the RFC 3986 unreserved characters (letters, digits,
// "-", ".", "_", "~") and "/" written as %XX, so that "&", "=", "?", "#", "+", "%" or a blank
// in a value reach the service as typed. UTF-8 text is encoded byte by byte.
std::string queryValue(std::string_view value);

// Whether `link` is an address the desktop may open: it starts with "http:" or "https:", in
// any letter case.
bool isWebAddress(std::string_view link);

// The "file://" address of the file at `path`, every byte but the unreserved ones and "/"
// written as %XX, so a path that is not UTF-8 is still exactly that file.
std::string fileAddress(std::string_view path);

// The window whose `Uplink` opens a link: the game and settings windows share `MainLink`.
enum class LinkWindow { Main, Menu, Settings };

// The five web entries.
enum class WebPage {
    Home,          // menu `www_homepage`
    Signup,        // menu `www_signup`
    Sms,           // menu `www_sms`
    Help,          // game window `lblHelp`
    SettingsSignup // settings window `Label1`
};

// What opening a web page does: the address key in section Internet, whether the double beep
// needs the sound switch on, whether it may beep at all, whether "?lan=" is appended, the log
// message, and the window whose link text carries it.
struct WebPageRule {
    const char* addressKey;
    bool beeps;          // beeps when WarnHomepage is exactly "No" ...
    bool beepNeedsSound; // ... and, if so, only while the sound switch is on
    bool withLanguage;   // "?lan=" + international name appended
    const char* logMessage;
    LinkWindow window;
};
const WebPageRule& ruleOf(WebPage page);

class Links {
public:
    struct Wiring {
        Profile& profile;
        std::string iniFile;
        const Language& language;
        Dialogs& dialogs;
        Shell& shell;
        SoundBoard& sound;
        EventLog& log;
        // The full path of a file of the program folder.
        std::function<std::string(const std::string& name)> programFile;
    };

    explicit Links(Wiring wiring);

    // The address or file the game and settings windows open next.
    std::string MainLink;
    // The address or file the menu window opens next.
    std::string MenuLink;

    // Opens the window's link text with the desktop: a web address (isWebAddress), or a file
    // that exists, as its file address. Anything else (an empty text, a missing file, an
    // address whose configured part is empty, another scheme) opens nothing, as the desktop
    // would, but without its error box. True when the desktop took it.
    bool Uplink(LinkWindow window);

    // Whether the address configured under `key` of section Internet may be opened: empty, or
    // a web address. Otherwise the player is told, naming the key, the refusal is logged, and
    // false.
    bool acceptAddress(const std::string& key, const std::string& address);
    // Appends "?lan=" and the current language's international name to MainLink.
    void UplinkLan();

    // A web entry, all steps: question, beep, log line, link, open. False when the player
    // said No or there was nothing to open (no address configured).
    bool openWebPage(WebPage page);

    // A file of the program folder ("Version.txt", "Vexa.log", "Vexa.ini") through the
    // window's link text: no question, no log line.
    bool openProgramFile(const std::string& name, LinkWindow window);

    // "?lan=" + the international name, encoded as a query value.
    std::string lanQuery() const;

private:
    std::string& linkOf(LinkWindow window);

    Wiring w_;
};

} // namespace brisvane
