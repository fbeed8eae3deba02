#include "text/Language.h"

#include <atomic>

namespace {

std::atomic<int> g_language{static_cast<int>(Language::Simplified)};

}  // namespace

Language currentLanguage()
{
    return static_cast<Language>(g_language.load(std::memory_order_relaxed));
}

void setCurrentLanguage(Language language)
{
    g_language.store(static_cast<int>(language), std::memory_order_relaxed);
}
