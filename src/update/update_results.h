#pragma once

// Updates: the update check, the self-update and start with Windows. Their threads report by
// posting one heap record to the tray-owner window; the receiver owns and frees it.

#include <string>

// What the update-check thread found.
struct UpdateCheckResult {
    bool ok = false;      // a version was obtained
    bool manual = false;  // the user asked for this check
    bool newer = false;   // the version obtained is newer than the running one
    std::wstring versionTag;
    std::wstring pageUrl;
};

// What the download thread wrote.
struct DownloadResult {
    bool ok = false;  // the new program file was written completely
    std::wstring downloadedPath;
    std::wstring currentPath;
};
