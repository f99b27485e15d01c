#pragma once
// A text of the language file with the English it stands for where a language file lacks it
// (a language made before the key existed): the key and its fallback named once, together.

#include <string>
#include <vector>

#include "common/Texts.h"

namespace brisvane {

struct TextKey {
    const char* key;
    const char* english;
};

inline std::string textOf(const Texts& texts, const TextKey& text,
                          const std::vector<std::string>& values = {}) {
    return textWith(texts, text.key, text.english, values);
}

} // namespace brisvane
