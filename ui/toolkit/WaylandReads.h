// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// At its end, Qt's Wayland client (6.4 to 6.8 at least) may leave a read of the
// connection announced by the main thread on behalf of its event thread, which
// then quits without reading. libwayland's other reader, the thread of the frame
// queue, waits for that read forever, and Qt's join of it never returns.
//
// Called last before QApplication goes: a round trip on a queue of its own, whose
// reply libwayland reads only once every announced reader has read, so that no
// read is left announced when Qt stops its threads; the window's last requests
// are answered on the way. A compositor that does not answer within two seconds
// is given up on, and the read cancelled. Does nothing on any other platform.
void FinishWaylandReads();
