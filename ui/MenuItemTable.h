#pragma once

#include "ui/KeyEvent.h"
#include "ui/MenuItem.h"

#include <cstdint>
#include <optional>
#include <vector>

// The items of one menu, in order, at most 200 of them: what the platform menu
// shows, kept where the framework can read it without asking the platform.
class CMenuItemTable {
public:
    static constexpr uint16_t kMaxItems = 200;

    uint16_t GetCount() const { return static_cast<uint16_t>(mItems.size()); }
    // XBase for an index not below the count.
    const CMenuItem& Get(uint16_t index) const;
    void Set(uint16_t index, const CMenuItem& item);
    // Inserts before `index` (the count appends); XBase when the table is full
    // or the index is past the count. The label is cut to 64 characters.
    void Insert(uint16_t index, CMenuItem item);
    void Append(const CMenuItem& item) { Insert(GetCount(), item); }
    void Delete(uint16_t index);
    void Enable(uint16_t index, bool enabled);
    void Check(uint16_t index, bool checked);
    // Removes the temporary items, then disables and unchecks the rest.
    void Reset();

    // The first enabled item whose shortcut is exactly `character`.
    std::optional<uint16_t> FindShortcut(char character) const;

private:
    void CheckIndex(uint16_t index) const;

    std::vector<CMenuItem> mItems;
};

struct SMenuItemRef {
    uint16_t menu = 0;
    uint16_t item = 0;
    bool operator==(const SMenuItemRef&) const = default;
};

// Shortcut matching over a bar's menus in order: only a key with the command
// modifier and a character, and only an enabled item whose shortcut equals the
// character exactly; letters arrive upper case, so a lower-case shortcut never
// matches.
std::optional<SMenuItemRef> FindShortcut(const std::vector<const CMenuItemTable*>& menus, const CKeyEvent& key);
