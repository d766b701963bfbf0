#pragma once

// The USB sticks, as far as a program can tell: file systems mounted where
// desktops mount removable media (/media/USER/LABEL by udisks on Debian,
// /run/media/USER/LABEL elsewhere, /media/usb0 by usbmount; on Windows, the
// drive letters of removable drives).

#include <QStorageInfo>
#include <QStringList>

namespace trevalo::folders {

// Their root folders, in the order they were mounted.
QStringList removable_media();

// Whether the system counts a mounted volume as removable; each system's
// file has its own answer.
bool is_removable(const QStorageInfo& volume);

}  // namespace trevalo::folders
