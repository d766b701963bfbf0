#pragma once

// The USB sticks, as far as a program can tell: file systems mounted where
// desktops mount removable media (/media/USER/LABEL by udisks on Debian,
// /run/media/USER/LABEL elsewhere, /media/usb0 by usbmount).

#include <QStringList>

namespace trevalo::folders {

// Their root folders, in the order they were mounted.
QStringList removable_media();

}  // namespace trevalo::folders
