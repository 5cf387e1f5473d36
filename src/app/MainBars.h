#pragma once

// The bars of the main window, their keys in the view settings and the menu
// items that tick them.
struct BarItems
{
    const char* key;
    const char* menuItem;
    const char* popupItem;
};

inline constexpr BarItems kBars[] = {
    {"Standardni", "PN1", "P1M1"},   {"Databaze", "PN2", "P1M2"},
    {"Okna", "PN3", "P1M3"},         {"TipyDne", "PN4", "P1M4"},
    {"StavovyRadek", "MZ2", "P1M5"}, {"PanelOutlook", "MZ3", "P1M6"}};
