#pragma once

#include <QSettings>

// The per-user settings store of the running edition, with the fallbacks to system-wide and
// organisation-wide values switched off, so an edition only ever sees its own keys.
class Settings : public QSettings {
public:
    Settings() { setFallbacksEnabled(false); }
};

inline constexpr const char* kOrganisationName = "Tarnvold";
inline constexpr const char* kOrganisationDomain = "tarnvold.dk";
