#pragma once
// The last steps before power-off: flush and unmount every file system.
void KLX_UnmountAll();
