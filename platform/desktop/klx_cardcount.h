#pragma once
// What lies on the desktop's card, counted as a FAT card gives out its room.
// The card is walked once; after that the file system's notes of each change
// under it (the program's own writes and those of the tools it starts) keep
// the count, so that asking for the card's room walks nothing. A file of
// several names (hard links) is counted once, as it takes its room once,
// and looked at afresh at each question: a write through its other name,
// in another folder or outside the card, is noted there, not here. Each
// file has a watch of its own besides its folder's: a name it gets outside
// the card changes only its link count, which the kernel tells no folder.
#include <QString>
#include <QtGlobal>

namespace KLX_Platform {

// The bytes held under the folder `card` (a canonical path): each file in
// whole blocks of `block` bytes, each folder in the blocks its entries'
// records fill (32 bytes each, one more per 13 characters of a long name,
// "." and ".." too), at least one and never fewer than it once took, and
// anything else (a link, a device) one block; `card` itself is not counted.
// Links are not followed.
// Any thread. Where the changes cannot be followed (no notes to be had, a
// folder that cannot be watched) the call walks the card and the next one
// tries to follow it again.
qint64 CardBytesHeld(const QString& card, qint64 block);

// Tests: while `on`, no folder of a card can be watched, as when the user's
// watches have run out. Answers the setting before.
bool SetCardWatchesFail(bool on);

}  // namespace KLX_Platform
