// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QThreadPool;

// The threads on which the window counts odds, compares wheels and writes ticket files. They are
// not the toolkit's global pool: the raster paint engine splits a large fill (a gradient, a tall
// line, a translucent area) over that pool's threads and waits for them, so a count of several
// seconds running there would hold up every such paint, and the window with it, until it ended.
// Made on first use, as a child of the application, which waits for its jobs when it ends.
QThreadPool *backgroundPool();
