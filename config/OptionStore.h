// The option store: the ordered option list, the four indicators, the Pascal
// extensions and the file-name separator, over one key of a backend.
//
// A store object carries the process-wide state: whether the check for a
// stored option list was made, and the indicator text last read or written.
// One mutex guards both, so handler objects on several threads of one host
// process can share one store; the registry calls themselves need no lock.
#pragma once
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "config/ContextMenuOption.h"
#include "config/StoreBackend.h"

enum class TIndicator {
    PlainMenus = 0,  // the menus are not owner-drawn
    SepBefore = 1,   // a separator before the product's items
    SepAfter = 2,    // a separator after the product's items
    ShowIcon = 3,    // the product's submenu item carries the product icon
};

class TOptionStore {
public:
    // The backend must outlive the store.
    explicit TOptionStore(TStoreBackend& backend) : backend_(backend) {}
    TOptionStore(const TOptionStore&) = delete;
    TOptionStore& operator=(const TOptionStore&) = delete;

    // Once per store: writes the default list when no option count is stored.
    void EnsureDefaultOptions();

    int GetOptionCount();
    bool SetOptionCount(int count);

    // The option at the 1-based position; none when it is absent, empty or
    // does not parse.
    std::optional<TContextMenuOption> ReadOption(int position) const;
    bool WriteOption(int position, const TContextMenuOption& option);
    bool DeleteOption(int position);

    // The options that read, in menu order; the others are skipped.
    std::vector<TContextMenuOption> ReadOptionList();
    // Count, then every option, then the positions the old list had beyond the new one.
    bool ReplaceOptionList(const std::vector<TContextMenuOption>& options);

    std::string GetPascalExtensions();
    // Leading and trailing blanks and control characters are not stored.
    bool SetPascalExtensions(const std::string& text);

    // " " when nothing (or an empty text) is stored.
    std::string GetFileNameSep();
    bool SetFileNameSep(const std::string& text);

    // Reads the stored text afresh; a short text is padded with "0" and
    // written back. Anything but "0" is on.
    bool GetIndicator(TIndicator indicator);
    // Sets the flag in the indicator text last read (read first when there is
    // none yet) and writes the text back.
    bool SetIndicator(TIndicator indicator, bool on);

    // Deletes the key with all its values and subkeys.
    bool ClearSettings();

private:
    void EnsureDefaultsLocked();
    void LoadIndicatorsLocked();
    int ReadInt(const std::string& name, int defaultValue) const;

    TStoreBackend& backend_;
    std::mutex mutex_;
    bool defaultsChecked_ = false;
    std::optional<std::string> indicatorText_;
};
