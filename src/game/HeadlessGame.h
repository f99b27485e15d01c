#pragma once
// A whole game window without windows: the real model on an in-memory settings file and
// language, a repeatable generator, a clock that stands still and hooks that show nothing.
// The simulator and the benchmarks play on it.

#include <cstdint>

#include "common/Ports.h"
#include "common/Texts.h"
#include "game/GameModel.h"
#include "game/NullGameHooks.h"
#include "game/SystemRandom.h"
#include "settings/MemoryProfile.h"

namespace brisvane {

class HeadlessGame {
public:
    static constexpr const char* IniFile = "Vexa.ini";
    static constexpr const char* LanguageFile = "English.lan";

    // The English texts of the game in the language file; the settings file is empty, so the
    // marker stays off and a new game asks nothing. The model is loaded and a game started.
    explicit HeadlessGame(std::uint64_t seed);
    // The same table rolling with `random` (which must outlive it) instead.
    explicit HeadlessGame(Random& random);

    GameModel& game() { return game_; }
    MemoryProfile& profile() { return profile_; }

    // The desktop as a headless run sees it (also for the benchmarks of the windows): a point
    // for the decimals, and boxes that answer their default and choose no file.
    class PointLocale : public Locale {
    public:
        std::string decimalSeparator() const override { return "."; }
        std::string shortDate(const DateTime& when) const override;
        std::string longTime(const DateTime& when) const override;
        std::string monthName(int month) const override;
    };
    class DefaultDialogs : public Dialogs {
    public:
        bool askYesNo(const std::string&, const std::string&, DefaultButton answer) override {
            return answer == DefaultButton::Yes;
        }
        std::optional<std::string> inputBox(const std::string&, const std::string&,
                                            const std::string&) override {
            return std::nullopt;
        }
        void message(const std::string&, const std::string&, MessageKind) override {}
        std::optional<std::string> chooseFile(const std::string&, const std::string&,
                                              const std::string&) override {
            return std::nullopt;
        }
        std::optional<std::string> chooseSaveFile(const std::string&, const std::string&,
                                                  const std::string&) override {
            return std::nullopt;
        }
    };

private:
    void setUp();

    class ProfileTexts : public Texts {
    public:
        explicit ProfileTexts(Profile& profile) : profile_(profile) {}
        std::string T(const std::string& key) const override {
            return profile_.GetINI("Language", key, LanguageFile);
        }
        std::optional<std::uint64_t> revision() const override {
            return profile_.revision(LanguageFile);
        }

    private:
        Profile& profile_;
    };
    class StillClock : public Clock {
    public:
        DateTime now() const override { return DateTime{2002, 2, 22, 12, 0, 0, 0}; }
    };
    MemoryProfile profile_;
    ProfileTexts texts_{profile_};
    StillClock clock_;
    SeededRandom ownRandom_;
    Random& random_;
    PointLocale locale_;
    DefaultDialogs dialogs_;
    NullGameHooks hooks_;
    GameModel game_;
};

} // namespace brisvane
