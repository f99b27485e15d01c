#include "language/Translator.h"

#include <algorithm>

#include "common/Numbers.h"
#include "language/Language.h"

namespace brisvane {

Translator::Translator(Profile& profile, const ProgramFolder& folder, LanguageWork& work)
    : profile_(profile), folder_(folder), work_(work) {}

void Translator::open(const TranslationJob& job) {
    job_ = job;
    englishFile_ = folder_.resolve(EnglishFileName);
    order_ = KeyOrder::fromReference(profile_, englishFile_);
    if (job_.LanMode == "Mod") {
        targetFile_ = Language::modificationCopy(job_.ModFile);
        const std::vector<std::string> names = work_.installedNames();
        const auto index = static_cast<std::size_t>(job_.ModIndex);
        selectedName_ = index >= 1 && index <= names.size() ? names[index - 1] : std::string();
    } else {
        targetFile_ = work_.currentWorkFile();
        selectedName_ = work_.entry(work_.pL(), 'n');
    }
    lanPos_ = 1;
    lanKey_ = "d1";
    if (hasKeys()) {
        lanKey_ = order_.keyAt(1);
    }
    checkLan();
    if (job_.LanMode != "Mod") {
        jump(intValue(work_.entry(work_.pL(), 'x')));
    }
}

std::string Translator::text(const std::string& file) const {
    if (file.empty()) {
        return {};
    }
    try {
        return profile_.GetINI("Language", lanKey_, file);
    } catch (const ProfileError&) {
        return {}; // an unreadable file shows as one without texts
    }
}

std::string Translator::englishText() const {
    return text(englishFile_);
}

std::string Translator::translation() const {
    return text(targetFile_);
}

void Translator::next() {
    if (lanPos_ < order_.total()) {
        jump(lanPos_ + 1);
    }
}

void Translator::prev() {
    if (lanPos_ > 1) {
        jump(lanPos_ - 1);
    }
}

void Translator::jump(int position) {
    if (!hasKeys()) {
        return;
    }
    lanPos_ = std::clamp(position, 1, order_.total());
    lanKey_ = order_.keyAt(lanPos_);
}

bool Translator::write(const std::string& value) {
    if (targetFile_.empty() || !hasKeys()) {
        return false;
    }
    return profile_.SetINI("Language", lanKey_, value, targetFile_);
}

void Translator::checkLan() {
    lanDone_ = 0;
    if (targetFile_.empty()) {
        return;
    }
    try {
        for (int p = 1; p <= order_.total(); ++p) {
            if (!profile_.GetINI("Language", order_.keyAt(p), targetFile_).empty()) {
                ++lanDone_;
            }
        }
    } catch (const ProfileError&) {
        lanDone_ = 0;
    }
}

int Translator::barWidth() const {
    const int total = order_.total();
    if (total == 0) {
        return 0;
    }
    return (2 * BarWidth * lanDone_ + total) / (2 * total);
}

std::string Translator::percentText() const {
    const int total = order_.total();
    return std::to_string(total == 0 ? 0 : 100 * lanDone_ / total) + "%";
}

void Translator::storePosition() {
    if (job_.LanMode != "Mod") {
        work_.storePosition(std::to_string(lanPos_));
    }
}

SaveOutcome Translator::save() {
    if (!complete()) {
        return {false, "Every text must be translated before the language can be saved."};
    }
    if (job_.LanMode == "Mod") {
        return work_.saveModification(targetFile_);
    }
    return work_.saveNewLanguage();
}

} // namespace brisvane
