#include "links/Links.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "common/Text.h"
#include "display/SoundBoard.h"
#include "language/Language.h"
#include "settings/EventLog.h"

namespace brisvane {

namespace {

bool keptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

constexpr std::array<WebPageRule, 5> Rules{{
    {"home", true, true, true, "Visit homepage (Home)", LinkWindow::Menu},
    {"signup", true, true, true, "Visit homepage (Signup)", LinkWindow::Menu},
    {"sms", true, false, false, "Visit homepage (SMS Service)", LinkWindow::Menu},
    {"help", true, true, true, "Visit homepage (Help)", LinkWindow::Main},
    {"signup", false, false, true, "Visit homepage (Signup)", LinkWindow::Settings},
}};

} // namespace

std::string queryValue(std::string_view value) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (keptAsIs(c)) {
            out += ch;
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0x0F];
        }
    }
    return out;
}

bool isWebAddress(std::string_view link) {
    const auto startsWith = [link](std::string_view scheme) {
        return link.size() >= scheme.size() &&
               text::equalsIgnoreCase(link.substr(0, scheme.size()), scheme);
    };
    return startsWith("http:") || startsWith("https:");
}

std::string fileAddress(std::string_view path) {
    return "file://" + queryValue(path);
}

const WebPageRule& ruleOf(WebPage page) {
    return Rules.at(static_cast<std::size_t>(page));
}

Links::Links(Wiring wiring) : w_(std::move(wiring)) {}

std::string& Links::linkOf(LinkWindow window) {
    return window == LinkWindow::Menu ? MenuLink : MainLink;
}

bool Links::Uplink(LinkWindow window) {
    const std::string& link = linkOf(window);
    if (isWebAddress(link)) {
        return w_.shell.open(link);
    }
    std::error_code error;
    if (link.empty() || !std::filesystem::is_regular_file(link, error)) {
        return false;
    }
    const std::filesystem::path file = std::filesystem::absolute(link, error);
    return !error && w_.shell.open(fileAddress(file.string()));
}

bool Links::acceptAddress(const std::string& key, const std::string& address) {
    if (address.empty() || isWebAddress(address)) {
        return true;
    }
    const std::string text = text::fill(w_.language.T("s132"), {key});
    w_.log.WriteLog(text + " (" + address + ")");
    w_.dialogs.message(w_.language.T("b1"), text);
    return false;
}

std::string Links::lanQuery() const {
    return "?lan=" + queryValue(w_.language.info("international"));
}

void Links::UplinkLan() {
    MainLink += lanQuery();
}

bool Links::openWebPage(WebPage page) {
    const WebPageRule& rule = ruleOf(page);
    const std::string address = w_.profile.GetINI("Internet", rule.addressKey, w_.iniFile);
    if (!acceptAddress(rule.addressKey, address)) {
        return false;
    }
    const std::string warn = w_.profile.GetINI("Options", "WarnHomepage", w_.iniFile);
    if (warn == "Yes" &&
        !w_.dialogs.askYesNo(w_.language.T("b1"), w_.language.T("s6") + "?", DefaultButton::Yes)) {
        return false;
    }
    if (warn == "No" && rule.beeps && (!rule.beepNeedsSound || w_.sound.isOn())) {
        w_.sound.playLinkBeep();
    }
    w_.log.WriteLog(rule.logMessage);

    std::string& link = linkOf(rule.window);
    link = address;
    if (rule.withLanguage) {
        link += lanQuery();
    }
    return Uplink(rule.window);
}

bool Links::openProgramFile(const std::string& name, LinkWindow window) {
    linkOf(window) = w_.programFile ? w_.programFile(name) : name;
    return Uplink(window);
}

} // namespace brisvane
