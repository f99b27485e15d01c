#pragma once
// One translation session: the keys of the reference language in translator order, the
// current key and position, the work file the translations go to, the progress, and the
// save that turns finished work into an installed language.
//
// "New" works on the work file of the new language in progress (LanguageWork::pL) and resumes
// where the last session stopped. "Mod" works on the work copy of the language being modified
// (ModFile with "mla" for its last three characters): its texts are shown, written, counted
// and saved, so what the player sees is what gets saved.

#include <string>

#include "common/Profile.h"
#include "common/ProgramFolder.h"
#include "language/KeyOrder.h"
#include "language/LanguageWork.h"

namespace brisvane {

class Translator {
public:
    static constexpr const char* EnglishFileName = "English.lan";
    // Full width of the progress bar, in twips.
    static constexpr int BarWidth = 1365;

    Translator(Profile& profile, const ProgramFolder& folder, LanguageWork& work);

    // Starts a session: counts the reference's keys, finds the work file and stands on the
    // first key; a new language then moves on to where its last session stopped.
    void open(const TranslationJob& job);

    const TranslationJob& job() const { return job_; }
    const KeyOrder& order() const { return order_; }
    const std::string& EnglishFile() const { return englishFile_; }
    const std::string& TargetFile() const { return targetFile_; }
    // The name of the language being worked on.
    const std::string& selectedName() const { return selectedName_; }
    // False when the reference has no keys (English.lan missing or empty): nothing to do.
    bool hasKeys() const { return order_.total() > 0; }

    const std::string& LanKey() const { return lanKey_; }
    int LanPos() const { return lanPos_; }
    int LanTotal() const { return order_.total(); }
    int LanDone() const { return lanDone_; }

    // The English text and the translation of the current key.
    std::string englishText() const;
    std::string translation() const;

    // One key on or back, across family borders; nothing at either end.
    void next();
    void prev();
    // To `position`, kept within 1 to LanTotal.
    void jump(int position);

    // Writes `text` as the translation of the current key (an empty text writes the empty
    // value). False when the work file could not be written.
    bool write(const std::string& text);

    // Counts the keys whose translation is not empty.
    void checkLan();
    // The progress bar's width in twips (rounded) and the whole percentage as "41%".
    int barWidth() const;
    std::string percentText() const;
    bool complete() const { return hasKeys() && lanDone_ == order_.total(); }

    // Remembers the position for the next session of a new language.
    void storePosition();
    // Installs the finished work as a language (see LanguageWork).
    SaveOutcome save();

private:
    std::string text(const std::string& file) const;

    Profile& profile_;
    ProgramFolder folder_;
    LanguageWork& work_;
    TranslationJob job_;
    KeyOrder order_;
    std::string englishFile_;
    std::string targetFile_;
    std::string selectedName_;
    std::string lanKey_ = "d1";
    int lanPos_ = 1;
    int lanDone_ = 0;
};

} // namespace brisvane
