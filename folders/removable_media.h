#pragma once

// The USB sticks, as far as a program can tell: file systems mounted where
// desktops mount removable media (/media/USER/LABEL by udisks on Debian,
// /run/media/USER/LABEL elsewhere, /media/usb0 by usbmount).

#include <QString>

#include <vector>

namespace trevalo::folders {

// Their root folders, in the order they were mounted.
std::vector<QString> removable_media();

}  // namespace trevalo::folders
