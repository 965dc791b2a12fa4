#pragma once

// Switches LC_NUMERIC to a decimal-comma locale for the life of the object, when the
// machine has one, and puts the old setting back.

#include <clocale>
#include <string>

class ScopedCommaLocale {
public:
    ScopedCommaLocale() : m_old(std::setlocale(LC_NUMERIC, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"})
            if (std::setlocale(LC_NUMERIC, name)) {
                m_active = true;
                break;
            }
    }
    ~ScopedCommaLocale() { std::setlocale(LC_NUMERIC, m_old.c_str()); }
    ScopedCommaLocale(const ScopedCommaLocale&) = delete;
    ScopedCommaLocale& operator=(const ScopedCommaLocale&) = delete;

    bool IsActive() const { return m_active; }

private:
    std::string m_old;
    bool m_active = false;
};
