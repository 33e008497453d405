#pragma once

#include <QString>
#include <string>

namespace quillon::ui {

// The per-user settings of `application`, one value at a time. On Windows
// they live in the registry. Elsewhere they are the INI file
// <config>/<organization>/<application>.conf, where <config> is
// $XDG_CONFIG_HOME when that is an absolute path, else ~/.config; without a
// home folder there is no place for it, rather than one at the root of the
// file system.
//
// The file is read and written only when it is a regular file, a link to
// one (written through, so the link stays), or not there yet: a device or a
// pipe is never read (reading a pipe would hang) nor replaced by a file.

// The text stored under section/key; empty when there is none or the
// settings cannot be read. The INI file is parsed once for a run of reads
// while it stays the same file (same inode, size and times of change).
QString readUserSetting(const QString& organization, const QString& application,
                        const QString& section, const QString& key);

// Stores the text; false, with `problem` saying why in words for the user,
// when it could not be stored. A failed write leaves the settings as they
// were before it.
bool writeUserSetting(const QString& organization, const QString& application,
                      const QString& section, const QString& key, const QString& value,
                      std::string& problem);

}  // namespace quillon::ui
